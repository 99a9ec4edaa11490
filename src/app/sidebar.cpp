#include "app/sidebar.h"

#include <QApplication>

#include <QIcon>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <algorithm>

namespace ashtally {

namespace {

constexpr int kIconSize = 32;
constexpr int kMargin = 5;

// Draws an item as its large icon with the caption centred below it, wrapped to the bar's
// width, on the highlight when selected.
class SideBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect text = CaptionRect(option, index);
        return {option.rect.width(), kMargin + kIconSize + 2 + text.height() + kMargin};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const bool hovered = option.state.testFlag(QStyle::State_MouseOver);
        const QRect cell = option.rect.adjusted(3, 1, -3, -1);
        if (selected || hovered) {
            QColor fill = option.palette.color(QPalette::Highlight);
            if (!selected) {
                fill.setAlpha(60);
            }
            painter->setPen(Qt::NoPen);
            painter->setBrush(fill);
            painter->drawRoundedRect(cell, 6, 6);
        }
        const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
        const QRect iconRect(option.rect.center().x() - kIconSize / 2, option.rect.top() + kMargin,
                             kIconSize, kIconSize);
        icon.paint(painter, iconRect);

        QRect text = CaptionRect(option, index);
        text.moveTop(iconRect.bottom() + 3);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::WindowText));
        painter->setFont(option.font);
        painter->drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                          index.data(Qt::DisplayRole).toString());
        if (option.state.testFlag(QStyle::State_HasFocus) && selected) {
            QPen focus(option.palette.color(QPalette::HighlightedText));
            focus.setStyle(Qt::DotLine);
            painter->setPen(focus);
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(cell.adjusted(1, 1, -1, -1), 5, 5);
        }
        painter->restore();
    }

private:
    static QRect CaptionRect(const QStyleOptionViewItem& option, const QModelIndex& index) {
        const int width = std::max(40, option.rect.width() - 2 * kMargin);
        return option.fontMetrics.boundingRect(QRect(0, 0, width, 1000),
                                               Qt::AlignHCenter | Qt::TextWordWrap,
                                               index.data(Qt::DisplayRole).toString());
    }
};

QIcon SideBarIcon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

} // namespace

SideBar::SideBar(QWidget* parent) : QToolBox(parent) {
    setObjectName(QStringLiteral("SideBar"));

    AddGroup(tr("Information"), "GroupInformation",
             {
                 {tr("Today"), 0, {}, QStringLiteral("today")},
                 {tr("Milestones"), 1, {}, QStringLiteral("milestones")},
                 {tr("E-mail"), 2, {}, QStringLiteral("email")},
                 {tr("Quit Reasons"), 8, {}, QStringLiteral("quitreasons")},
                 {tr("Links"), 3, {}, QStringLiteral("links")},
             });
    AddGroup(tr("Configuration"), "GroupConfiguration",
             {
                 {tr("Me"), 4, QStringLiteral("me"), QStringLiteral("me")},
                 {tr("My Buddies"), 4, {}, QStringLiteral("buddies")},
                 {tr("Program Options"), 6, {}, QStringLiteral("programoptions")},
                 {tr("Milestone Options"), 5, {}, QStringLiteral("milestones")},
                 {tr("Information"), 7, {}, QStringLiteral("information")},
             });
    setCurrentIndex(0);
}

void SideBar::AddGroup(const QString& caption, const char* objectName, std::vector<Item> items) {
    const int groupIndex = static_cast<int>(m_groups.size());
    auto* view = new QListWidget(this);
    view->setObjectName(QString::fromLatin1(objectName));
    view->setViewMode(QListView::ListMode);
    view->setMovement(QListView::Static);
    view->setResizeMode(QListView::Adjust);
    view->setIconSize(QSize(kIconSize, kIconSize));
    view->setItemDelegate(new SideBarDelegate(view));
    view->setMouseTracking(true);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSelectionMode(QAbstractItemView::SingleSelection);

    for (const Item& item : items) {
        auto* row = new QListWidgetItem(SideBarIcon(item.IconName), item.Caption, view);
        row->setToolTip(item.Caption);
    }
    connect(view, &QListWidget::currentItemChanged, this,
            [this, groupIndex](QListWidgetItem* current, QListWidgetItem*) {
                OnCurrentChanged(groupIndex, current);
            });
    m_groups.push_back({view, std::move(items)});
    addItem(view, caption);
}

int SideBar::ItemCount(int group) const {
    return static_cast<int>(m_groups.at(static_cast<std::size_t>(group)).Items.size());
}

const SideBar::Item& SideBar::ItemAt(int group, int index) const {
    return m_groups.at(static_cast<std::size_t>(group)).Items.at(static_cast<std::size_t>(index));
}

const SideBar::Item* SideBar::SelectedItem() const {
    if (m_selectedGroup < 0) {
        return nullptr;
    }
    return &ItemAt(m_selectedGroup, m_selectedIndex);
}

void SideBar::MarkSelected(int group, int index) {
    QListWidget* view = m_groups.at(static_cast<std::size_t>(group)).View;
    const QSignalBlocker blocker(view);
    setCurrentIndex(group);
    view->setCurrentRow(index);
    m_selectedGroup = group;
    m_selectedIndex = index;
}

void SideBar::SelectItem(int group, int index) {
    setCurrentIndex(group);
    m_groups.at(static_cast<std::size_t>(group)).View->setCurrentRow(index);
}

std::pair<int, int> SideBar::FindItem(const QString& caption) const {
    for (int group = 0; group < GroupCount(); ++group) {
        for (int index = 0; index < ItemCount(group); ++index) {
            if (ItemAt(group, index).Caption == caption) {
                return {group, index};
            }
        }
    }
    return {-1, -1};
}

void SideBar::OnCurrentChanged(int group, QListWidgetItem* current) {
    if (current == nullptr) {
        return;
    }
    const int index = m_groups.at(static_cast<std::size_t>(group)).View->row(current);
    if (group == m_selectedGroup && index == m_selectedIndex) {
        return;
    }
    // One item is selected in the whole bar: the other group lets go of its selection.
    for (int other = 0; other < GroupCount(); ++other) {
        if (other != group) {
            QListWidget* view = m_groups.at(static_cast<std::size_t>(other)).View;
            const QSignalBlocker blocker(view);
            view->clearSelection();
            view->setCurrentRow(-1);
        }
    }
    m_selectedGroup = group;
    m_selectedIndex = index;
    emit selectedItemChanged(ItemAt(group, index));
}

} // namespace ashtally
