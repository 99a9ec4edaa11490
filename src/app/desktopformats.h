#pragma once

#include <QString>

class QDate;
class QTime;

namespace ashtally {

// Dates and times in the desktop's own formats: its short date and its long time (the time of
// day with seconds, without a time-zone name).
QString ShortDateText(const QDate& date);
QString LongTimeText(const QTime& time);
QString LongTimeFormat();

} // namespace ashtally
