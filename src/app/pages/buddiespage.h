#pragma once

#include <QWidget>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class QTreeView;

namespace ashtally {

class CurrencyEdit;

// Page 4: the quitters list and the editor of the focused quitter.
class BuddiesPage : public QWidget {
    Q_OBJECT

public:
    explicit BuddiesPage(QWidget* parent = nullptr);

    // "Me" shows the editor alone; "My Buddies" also the list and its two buttons.
    void SetListVisible(bool visible);

    QLabel* LabelName;
    QLineEdit* edName;
    QLabel* LabelQuitDate;
    QDateEdit* edDate;
    QTimeEdit* edTime;
    QLabel* LabeCigPerDay;
    QSpinBox* edCigPerDay;
    QLabel* LabelCigPerPack;
    QSpinBox* edCigPerPack;
    QLabel* LabelCostPerPack;
    CurrencyEdit* edPricePerPack;
    QLabel* LabelEmail;
    QLineEdit* edEmail;
    QTreeView* VSTBuddies;
    QPushButton* ButtonAdd;
    QPushButton* ButtonRemove;
};

} // namespace ashtally
