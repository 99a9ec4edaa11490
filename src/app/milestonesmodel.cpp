#include "app/milestonesmodel.h"

#include <QDateTime>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>

#include <cmath>
#include <exception>

#include "app/desktopformats.h"
#include "app/platform/systemclock.h"
#include "util/datetime.h"

namespace ashtally {

namespace {

// Text drawn on the pastel fills. The fills stay light whatever the desktop's colour scheme,
// so the text on them is always dark, never the palette's own (possibly light) text colour.
const QColor kTextColour(0, 0, 0);
const QColor kPassedColour(128, 128, 128);

// Draws a line along the bottom of every cell, so that rows read as a grid; the row is one
// pixel taller to make room for it.
class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rheight() += 1;
        return size;
    }

    // Milestone texts are the user's own templates: a "<" in one must not turn the hint into
    // markup that swallows its line breaks.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip) {
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        }
        const QString hint = index.data(Qt::ToolTipRole).toString();
        if (hint.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(event->globalPos(),
                               QStringLiteral("<p style=\"white-space:pre-wrap\">") +
                                   hint.toHtmlEscaped() + QStringLiteral("</p>"),
                               view, view->visualRect(index));
        }
        return true;
    }
};

// The day of a moment as the list shows it (the moment rounded to the millisecond).
bool DayOf(TDateTime moment, double& day) {
    try {
        day = DateOf(moment);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// A moment outside the calendar shows as an empty text rather than failing the paint.
QDateTime ToQDateTimeOrNull(TDateTime moment) {
    try {
        return ToQDateTime(moment);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

MilestonesModel::MilestonesModel(const MilestoneList& list, const Clock& clock,
                                 std::function<std::string()> userName, QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_clock(clock), m_userName(std::move(userName)) {
    m_plain.setBold(false);
    m_plain.setItalic(false);
    m_bold.setBold(true);
    m_bold.setItalic(false);
    m_italic.setBold(false);
    m_italic.setItalic(true);
}

int MilestonesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.Size());
}

int MilestonesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

Qt::ItemFlags MilestonesModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QVariant MilestonesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= m_list.Size()) {
        return {};
    }
    const int row = index.row();
    const Milestone& milestone = m_list[static_cast<std::size_t>(row)];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case WhoColumn:
            return QString::fromStdString(milestone.Who);
        case WhenColumn:
            return WhenText(row);
        case EventColumn:
            return QString::fromStdString(milestone.ShortText);
        default:
            return {};
        }
    case Qt::BackgroundRole:
        return LevelColour(milestone.Level);
    case Qt::ForegroundRole:
        return m_clock.Now() > milestone.When ? kPassedColour : kTextColour;
    case Qt::FontRole:
        return StyleFont(row, index.column());
    case Qt::ToolTipRole:
        return HintText(row);
    default:
        return {};
    }
}

QVariant MilestonesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case WhoColumn:
        return tr("Who");
    case WhenColumn:
        return tr("When");
    case EventColumn:
        return tr("Event");
    default:
        return {};
    }
}

QFont MilestonesModel::StyleFont(int row, int column) const {
    const Milestone& milestone = m_list[static_cast<std::size_t>(row)];
    if (column == WhoColumn) {
        // Buddies' names are italic, and italic replaces the bold of the top level.
        if (milestone.Who != m_userName()) {
            return m_italic;
        }
    } else if (column == WhenColumn) {
        double day = 0;
        double today = 0;
        if (DayOf(milestone.When, day) && DayOf(m_clock.Now(), today) && day == today) {
            return m_bold;
        }
    }
    return milestone.Level == 4 ? m_bold : m_plain;
}

QString MilestonesModel::WhenText(int row) const {
    const Milestone& milestone = m_list[static_cast<std::size_t>(row)];
    const QDateTime moment = ToQDateTimeOrNull(milestone.When);
    if (!moment.isValid()) {
        return {};
    }
    QString text = ShortDateText(moment.date());
    if (row > 0) {
        // Days since the row above, once that is at least one whole day back. Both moments
        // are taken to the millisecond, so that a gap meant as exactly one day counts as one.
        const double gapMs = std::round(
            (milestone.When - m_list[static_cast<std::size_t>(row) - 1].When) * kMsPerDay);
        if (gapMs >= kMsPerDay) {
            const double days = std::nearbyint(gapMs / kMsPerDay); // halves to even
            text += QStringLiteral(" +") + QString::number(static_cast<long long>(days));
        }
    }
    return text;
}

QString MilestonesModel::HintText(int row) const {
    const Milestone& milestone = m_list[static_cast<std::size_t>(row)];
    QString when;
    const QDateTime moment = ToQDateTimeOrNull(milestone.When);
    if (moment.isValid()) {
        when = ShortDateText(moment.date());
        const QTime time = moment.time();
        if (time.hour() != 0 || time.minute() != 0 || time.second() != 0) {
            when += QLatin1Char(' ') + LongTimeText(time);
        }
    }
    return QString::fromStdString(milestone.Who) + QStringLiteral(" - ") + when +
           QStringLiteral(" - ") + QString::fromStdString(milestone.ShortText) +
           QStringLiteral("\n\n") + QString::fromStdString(milestone.LongText);
}

QColor MilestonesModel::LevelColour(int level) {
    switch (level) {
    case 1:
        return {200, 249, 219};
    case 2:
        return {200, 249, 247};
    case 3:
        return {249, 227, 200};
    case 4:
        return {199, 203, 250};
    default:
        return {255, 255, 255};
    }
}

void MilestonesModel::BeginRebuild() {
    beginResetModel();
}

void MilestonesModel::EndRebuild() {
    endResetModel();
}

void MilestonesModel::Rebuilt() {
    beginResetModel();
    endResetModel();
}

void MilestonesModel::StylesChanged() {
    if (m_list.Empty()) {
        return;
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1),
                     {Qt::FontRole, Qt::ForegroundRole});
}

void MilestonesModel::SetUpView(QTreeView* view) {
    view->setHeaderHidden(false);
    view->setSortingEnabled(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setUniformRowHeights(true);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setAllColumnsShowFocus(true);
    view->setItemDelegate(new GridLineDelegate(view));

    QHeaderView* header = view->header();
    header->setSectionsMovable(true);
    header->setSectionsClickable(false);
    header->setSortIndicatorShown(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    if (header->count() > WhenColumn) {
        header->resizeSection(WhoColumn, 80);
        header->resizeSection(WhenColumn, 110);
    }
}

} // namespace ashtally
