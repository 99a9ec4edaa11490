#pragma once

#include "util/clock.h"

class QDateTime;

namespace ashtally {

// The desktop's local wall-clock time.
class SystemClock : public Clock {
public:
    TDateTime Now() const override;
};

// Conversions between Qt's date-times (local time) and the program's moments.
TDateTime ToDateTime(const QDateTime& moment);
QDateTime ToQDateTime(TDateTime moment);

} // namespace ashtally
