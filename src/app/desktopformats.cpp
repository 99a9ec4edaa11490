#include "app/desktopformats.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace ashtally {

QString LongTimeFormat() {
    // The locale's long time names the time zone ("t"); the program's times are wall-clock
    // times of no particular zone, so that part goes.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    format.remove(zone);
    return format.trimmed();
}

QString ShortDateText(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString LongTimeText(const QTime& time) {
    return QLocale().toString(time, LongTimeFormat());
}

} // namespace ashtally
