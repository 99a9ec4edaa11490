#include "app/platform/systemclock.h"

#include <QDateTime>

#include <cmath>

#include "util/datetime.h"

namespace ashtally {

TDateTime SystemClock::Now() const {
    return ToDateTime(QDateTime::currentDateTime());
}

TDateTime ToDateTime(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return EncodeDateTime({date.year(), date.month(), date.day(), time.hour(), time.minute(),
                           time.second(), time.msec()});
}

QDateTime ToQDateTime(TDateTime moment) {
    const DateTimeParts parts = DecodeDateTime(moment);
    return QDateTime(QDate(parts.Year, parts.Month, parts.Day),
                     QTime(parts.Hour, parts.Minute, parts.Second, parts.Millisecond));
}

} // namespace ashtally
