#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

#include <functional>
#include <string>

#include "stats/milestonelist.h"
#include "util/clock.h"

class QTreeView;

namespace ashtally {

// The Milestones page's list: a read-only table over the program's milestone list, one row per
// milestone in the list's own (sorted) order. Nothing is copied: every cell is worked out from
// the row when the view asks for it, so the list can hold tens of thousands of rows, and the
// styles that depend on the time (grey once passed, bold today) follow the clock without a
// rebuild.
class MilestonesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { WhoColumn = 0, WhenColumn = 1, EventColumn = 2, ColumnCount = 3 };

    // The list is rebuilt elsewhere; tell the model with BeginRebuild/EndRebuild around the
    // rebuild, or with Rebuilt after it. userName gives the user's current name: the user's
    // own rows show the name upright, buddies' rows in italic.
    MilestonesModel(const MilestoneList& list, const Clock& clock,
                    std::function<std::string()> userName, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void BeginRebuild();
    void EndRebuild();
    void Rebuilt();

    // Time has moved on (or the user's name changed): the views fetch every style again.
    void StylesChanged();

    // The texts and colours of one row, as the view shows them.
    QString WhenText(int row) const;
    QString HintText(int row) const;
    static QColor LevelColour(int level);

    // The list view's settings: visible, movable and resizable headers without sorting,
    // whole-row selection, uniform rows with grid lines between them, the Event column taking
    // the width that is left. Call after the model has been set on the view.
    static void SetUpView(QTreeView* view);

private:
    QFont StyleFont(int row, int column) const;

    const MilestoneList& m_list;
    const Clock& m_clock;
    std::function<std::string()> m_userName;
    // Fonts that set only their weight and slant: the view merges them into its own font.
    QFont m_plain;
    QFont m_bold;
    QFont m_italic;
};

} // namespace ashtally
