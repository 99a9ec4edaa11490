#pragma once

#include <QWidget>

class QTreeView;

namespace ashtally {

// Page 1: the milestone list.
class MilestonesPage : public QWidget {
    Q_OBJECT

public:
    explicit MilestonesPage(QWidget* parent = nullptr);

    QTreeView* VSTMile;
};

} // namespace ashtally
