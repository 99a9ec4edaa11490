#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "stats/milestone.h"
#include "util/datetime.h"

namespace ashtally {

// The rows of the milestone list, owned here as plain data. A rebuild clears the list, appends
// every rule's rows and sorts once at the end; views (the Milestones page, the E-mail page,
// the announcement window) only read it. Rows and pointers to them stay valid until the next
// Clear or AddMilestone.
//
// The rows stay where they were added; sorting orders a list of their places instead, which
// spares moving tens of thousands of rows with their four texts about.
class MilestoneList {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Milestone;
        using difference_type = std::ptrdiff_t;
        using pointer = const Milestone*;
        using reference = const Milestone&;

        Iterator() = default;
        reference operator*() const { return (*m_list)[m_index]; }
        pointer operator->() const { return &(*m_list)[m_index]; }
        Iterator& operator++() {
            ++m_index;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++m_index;
            return before;
        }
        bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        friend class MilestoneList;
        Iterator(const MilestoneList* list, std::size_t index) : m_list(list), m_index(index) {}

        const MilestoneList* m_list = nullptr;
        std::size_t m_index = 0;
    };

    void Clear();

    // Appends a row. The text is an expanded template: what comes before its first "|" becomes
    // the short text and the rest the long text; without a "|" both are the whole text.
    void AddMilestone(std::string name, std::string email, std::uint8_t level, std::string text,
                      TDateTime moment);

    // Orders the rows by When and rows of the same moment by Level, both ascending. Moments
    // less than one millisecond apart are the same moment: the rules compute "the same" moment
    // in different ways (hour 24 of the first days, day 1 of the days rule), and it is the level
    // that must decide between them. Rows equal in both keep the order they were added in.
    void Sort();

    // The latest row of the named quitter (exact, case-sensitive match of Who) whose moment has
    // come by now, or nullptr. The walk follows the list order and ends at the first row of
    // that name still ahead, so of rows at the same moment the one of the highest level wins.
    const Milestone* LatestDue(std::string_view name, TDateTime now) const;

    // The rows in list order: as added, and sorted after Sort.
    std::size_t Size() const { return m_rows.size(); }
    bool Empty() const { return m_rows.empty(); }
    const Milestone& operator[](std::size_t index) const { return m_rows[m_order[index]]; }
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, m_rows.size()); }

private:
    std::vector<Milestone> m_rows;    // in the order they were added
    std::vector<std::size_t> m_order; // the list order: places in m_rows
};

// The program's state around the milestone list, kept by the main window.
struct MilestoneState {
    MilestoneList List;
    // The list must be rebuilt before it is next shown or used: true at start, set again when
    // a quitter is added, removed or edited and by Set Defaults, cleared by a rebuild that
    // succeeds. Changing a rule's settings does not set it.
    bool MilestonesDirty = true;
    // The moment of the milestone last announced; every rebuild sets it back to 0, so that the
    // announcement window may show today's milestone once more.
    TDateTime LastAnnounced = 0;
};

} // namespace ashtally
