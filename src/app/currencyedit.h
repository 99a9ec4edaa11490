#pragma once

#include <QDoubleSpinBox>

#include <cstdint>

namespace ashtally {

// A spin edit for an amount of money, shown with the locale's currency symbol and two decimals
// but kept to the four decimals of the program's fixed-point money (amount × 10000).
class CurrencyEdit : public QDoubleSpinBox {
    Q_OBJECT
    Q_PROPERTY(qint64 money READ Money WRITE SetMoney NOTIFY moneyChanged USER true)

public:
    explicit CurrencyEdit(QWidget* parent = nullptr);

    // The amount × 10000.
    qint64 Money() const;
    void SetMoney(qint64 money);

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    void moneyChanged(qint64 money);

private:
    QString StripSymbol(QString text) const;
};

} // namespace ashtally
