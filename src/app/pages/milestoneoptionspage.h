#pragma once

#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ashtally {

class CurrencyEdit;

// Page 5: the seven milestone rules with their steps and texts, the minutes of life per
// cigarette, the interest rate and "Set Defaults". Every control is named after its option.
class MilestoneOptionsPage : public QWidget {
    Q_OBJECT

public:
    explicit MilestoneOptionsPage(QWidget* parent = nullptr);

    QCheckBox* cbDo72;
    QLineEdit* edDo72;
    QCheckBox* cbDoCigs;
    QSpinBox* edCigsNum;
    QLineEdit* edDoCigs;
    QCheckBox* cbMoney;
    CurrencyEdit* edMoneyCount;
    QLabel* Label8;
    QDoubleSpinBox* edInterest;
    QLineEdit* edMoney;
    QCheckBox* cbLife;
    QSpinBox* edLifeNum;
    QLabel* Label7;
    QLabel* Label6;
    QDoubleSpinBox* edMinCig;
    QLineEdit* edLife;
    QCheckBox* cbDays;
    QSpinBox* edDaysNum;
    QLineEdit* edDays;
    QCheckBox* cbMonths;
    QSpinBox* edMonthNum;
    QLineEdit* edMonths;
    QCheckBox* cbYear;
    QLineEdit* edYear;
    QPushButton* buttonSetDef;
};

} // namespace ashtally
