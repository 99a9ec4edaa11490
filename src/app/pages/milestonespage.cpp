#include "app/pages/milestonespage.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

namespace ashtally {

MilestonesPage::MilestonesPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabMilestones"));

    VSTMile = new QTreeView(this);
    VSTMile->setObjectName(QStringLiteral("VSTMile"));
    VSTMile->setRootIsDecorated(false);
    VSTMile->setItemsExpandable(false);
    VSTMile->setUniformRowHeights(true);
    VSTMile->setSelectionBehavior(QAbstractItemView::SelectRows);
    VSTMile->setSelectionMode(QAbstractItemView::SingleSelection);
    VSTMile->setSortingEnabled(false);
    VSTMile->setAllColumnsShowFocus(true);
    VSTMile->header()->setSectionsMovable(true);
    VSTMile->header()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(VSTMile);
}

} // namespace ashtally
