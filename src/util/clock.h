#pragma once

#include "util/datetime.h"

namespace ashtally {

// The one way the core learns the time: the program hands in a clock that reads the desktop's
// local wall-clock time, tests hand in one that stands still.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TDateTime Now() const = 0;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(TDateTime now = 0) : m_now(now) {}
    TDateTime Now() const override { return m_now; }
    void Set(TDateTime now) { m_now = now; }

private:
    TDateTime m_now;
};

} // namespace ashtally
