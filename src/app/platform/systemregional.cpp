#include "app/platform/systemregional.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

namespace ashtally {

namespace {

// Where the locale puts the currency symbol and the minus sign, read off how it writes a
// positive and a negative amount, in the classic pattern numbers of RegionalSettings.
int PositivePattern(const QString& sample, const QString& symbol) {
    const bool before = sample.startsWith(symbol);
    const bool spaced = before
                            ? sample.mid(symbol.size(), 1).trimmed().isEmpty()
                            : sample.mid(sample.size() - symbol.size() - 1, 1).trimmed().isEmpty();
    if (before) {
        return spaced ? 2 : 0;
    }
    return spaced ? 3 : 1;
}

int NegativePattern(const QString& sample, const QString& symbol, const QString& minus) {
    const bool parenthesised = sample.startsWith('(') && sample.endsWith(')');
    const qsizetype symbolAt = sample.indexOf(symbol);
    const qsizetype minusAt = parenthesised ? -1 : sample.indexOf(minus);
    const qsizetype digitAt = sample.indexOf(QRegularExpression(QStringLiteral("[0-9]")));
    const bool spaced = sample.contains(QChar(' ')) || sample.contains(QChar(0x00A0)) ||
                        sample.contains(QChar(0x202F));
    const bool symbolFirst = symbolAt >= 0 && symbolAt < digitAt;
    if (parenthesised) {
        if (symbolFirst) {
            return spaced ? 14 : 0;
        }
        return spaced ? 15 : 4;
    }
    if (symbolFirst) {
        if (minusAt >= 0 && minusAt < symbolAt) {
            return spaced ? 9 : 1; // -$1 / -$ 1
        }
        if (minusAt >= 0 && minusAt < digitAt) {
            return spaced ? 12 : 2; // $-1 / $ -1
        }
        return spaced ? 11 : 3; // $1- / $ 1-
    }
    if (minusAt >= 0 && minusAt < digitAt) {
        return spaced ? 8 : 5; // -1 $ / -1$
    }
    if (minusAt >= 0 && minusAt < symbolAt) {
        return spaced ? 13 : 6; // 1- $ / 1-$
    }
    return spaced ? 10 : 7; // 1 $- / 1$-
}

} // namespace

RegionalSettings RegionalSettingsOf(const QLocale& locale) {
    RegionalSettings regional;
    regional.DecimalSeparator = locale.decimalPoint().toStdString();
    regional.ThousandSeparator = locale.groupSeparator().toStdString();
    QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (symbol.isEmpty()) {
        symbol = locale.currencySymbol(QLocale::CurrencyIsoCode);
    }
    if (!symbol.isEmpty()) {
        regional.CurrencySymbol = symbol.toStdString();
        regional.CurrencyFormat = PositivePattern(locale.toCurrencyString(1.0, symbol), symbol);
        regional.NegCurrFormat =
            NegativePattern(locale.toCurrencyString(-1.0, symbol), symbol, locale.negativeSign());
    }
    regional.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    // The program's times are wall-clock times of no particular zone: no zone name.
    QString longTime = locale.timeFormat(QLocale::LongFormat);
    longTime.remove(QRegularExpression(QStringLiteral("\\s*\\(?t+\\)?")));
    regional.LongTimeFormat = longTime.trimmed().toStdString();
    return regional;
}

RegionalSettings SystemRegionalSettings() {
    return RegionalSettingsOf(QLocale::system());
}

} // namespace ashtally
