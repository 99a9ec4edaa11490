#pragma once

#include <QString>
#include <QToolBox>

#include <vector>

class QListWidget;
class QListWidgetItem;

namespace ashtally {

// The side bar: two collapsible groups of large-icon items, one group open at a time. Selecting
// an item (by mouse or keyboard) announces it; the selected item stays highlighted.
class SideBar : public QToolBox {
    Q_OBJECT

public:
    struct Item {
        QString Caption;
        int Page = 0;
        QString Marker;
        QString IconName;
    };

    explicit SideBar(QWidget* parent = nullptr);

    int GroupCount() const { return static_cast<int>(m_groups.size()); }
    int ItemCount(int group) const;
    const Item& ItemAt(int group, int index) const;

    // The selected item, or nullptr.
    const Item* SelectedItem() const;

    // Selects an item (and opens its group), as a click would.
    void SelectItem(int group, int index);

    // Highlights an item without announcing it (the state the window starts in).
    void MarkSelected(int group, int index);

    // The item with this caption in any group, as {group, index}; {-1, -1} if there is none.
    std::pair<int, int> FindItem(const QString& caption) const;

signals:
    void selectedItemChanged(const ashtally::SideBar::Item& item);

private:
    struct Group {
        QListWidget* View = nullptr;
        std::vector<Item> Items;
    };

    void AddGroup(const QString& caption, const char* objectName, std::vector<Item> items);
    void OnCurrentChanged(int group, QListWidgetItem* current);

    std::vector<Group> m_groups;
    int m_selectedGroup = -1;
    int m_selectedIndex = -1;
};

} // namespace ashtally
