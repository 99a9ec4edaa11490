#include "stats/milestonelist.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ashtally {

namespace {

constexpr double kOneMillisecond = 1.0 / kMsPerDay;

} // namespace

void MilestoneList::Clear() {
    m_rows.clear();
    m_order.clear();
}

void MilestoneList::AddMilestone(std::string name, std::string email, std::uint8_t level,
                                 std::string text, TDateTime moment) {
    m_order.push_back(m_rows.size());
    Milestone& row = m_rows.emplace_back();
    row.Who = std::move(name);
    row.EMail = std::move(email);
    row.When = moment;
    row.Level = level;
    // Split at the first "|"; the long text takes over the expanded text itself.
    const std::size_t bar = text.find('|');
    if (bar == std::string::npos) {
        row.ShortText = text;
    } else {
        row.ShortText.assign(text, 0, bar);
        text.erase(0, bar + 1);
    }
    row.LongText = std::move(text);
}

void MilestoneList::Sort() {
    // "Less than a millisecond apart" is not transitive (0, 0.6 and 1.2 ms), so it cannot be
    // handed to a sort as it stands. The rows are sorted by their exact moments first; then
    // each run of rows that lie less than a millisecond after the run's first row counts as one
    // moment and is ordered by level. Every two rows of a run are then less than a millisecond
    // apart, and the moments of the list never go back by a millisecond or more, which the
    // walk of LatestDue relies on. The place a row was added in settles every remaining tie.
    struct Key {
        TDateTime When;
        std::uint8_t Level;
        std::size_t Index;
    };
    std::vector<Key> keys;
    keys.reserve(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const TDateTime when = m_rows[i].When;
        // A moment that is not a number goes last rather than upsetting the order.
        keys.push_back({std::isnan(when) ? HUGE_VAL : when, m_rows[i].Level, i});
    }
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.When != b.When) {
            return a.When < b.When;
        }
        return a.Level != b.Level ? a.Level < b.Level : a.Index < b.Index;
    });
    const auto byLevel = [](const Key& a, const Key& b) {
        if (a.Level != b.Level) {
            return a.Level < b.Level;
        }
        return a.When != b.When ? a.When < b.When : a.Index < b.Index;
    };
    auto first = keys.begin();
    while (first != keys.end()) {
        auto last = first + 1;
        while (last != keys.end() && last->When - first->When < kOneMillisecond) {
            ++last;
        }
        if (last - first > 1) {
            std::sort(first, last, byLevel);
        }
        first = last;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        m_order[i] = keys[i].Index;
    }
}

const Milestone* MilestoneList::LatestDue(std::string_view name, TDateTime now) const {
    const Milestone* result = nullptr;
    for (const Milestone& row : *this) {
        if (row.Who != name) {
            continue;
        }
        if (now < row.When) {
            break;
        }
        result = &row;
    }
    return result;
}

} // namespace ashtally
