#include "app/currencyedit.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace ashtally {

namespace {

// The largest amount the fixed-point money can hold with room to spare.
constexpr double kMaxAmount = 1e12;

} // namespace

CurrencyEdit::CurrencyEdit(QWidget* parent) : QDoubleSpinBox(parent) {
    // The amount keeps four decimals; the field shows two unless more were entered.
    setDecimals(4);
    setRange(-kMaxAmount, kMaxAmount);
    setSingleStep(1.0);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    setKeyboardTracking(true);
    connect(this, &QDoubleSpinBox::valueChanged, this,
            [this](double) { emit moneyChanged(Money()); });
}

qint64 CurrencyEdit::Money() const {
    return std::llrint(value() * 10000.0);
}

void CurrencyEdit::SetMoney(qint64 money) {
    setValue(static_cast<double>(money) / 10000.0);
}

QString CurrencyEdit::textFromValue(double value) const {
    // Two decimals, or the four the money keeps when the amount has them.
    const double cents = value * 100.0;
    const int shown = std::abs(cents - std::round(cents)) < 1e-6 ? 2 : 4;
    return locale().toCurrencyString(value, locale().currencySymbol(), shown);
}

QString CurrencyEdit::StripSymbol(QString text) const {
    const QString symbol = locale().currencySymbol();
    if (!symbol.isEmpty()) {
        text.remove(symbol);
    }
    text.remove(locale().groupSeparator());
    text.remove(QChar(0x00A0));
    text.remove(QChar(0x202F));
    text = text.trimmed();
    if (text.startsWith('(') && text.endsWith(')')) {
        text = QStringLiteral("-") + text.mid(1, text.size() - 2).trimmed();
    }
    return text;
}

double CurrencyEdit::valueFromText(const QString& text) const {
    QString plain = StripSymbol(text);
    bool ok = false;
    double value = locale().toDouble(plain, &ok);
    if (!ok) {
        // Accept the other decimal separator too: typing "1.50" in a "," locale is no mistake.
        plain.replace(QChar(','), QChar('.'));
        value = QLocale::c().toDouble(plain, &ok);
    }
    return ok ? value : this->value();
}

QValidator::State CurrencyEdit::validate(QString& input, int& /*pos*/) const {
    const QString plain = StripSymbol(input);
    if (plain.isEmpty() || plain == QStringLiteral("-")) {
        return QValidator::Intermediate;
    }
    bool ok = false;
    locale().toDouble(plain, &ok);
    if (!ok) {
        QString dotted = plain;
        dotted.replace(QChar(','), QChar('.'));
        QLocale::c().toDouble(dotted, &ok);
    }
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

} // namespace ashtally
