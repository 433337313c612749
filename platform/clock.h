// The clock the window system and the program read: a monotonic millisecond count for timers
// and waits, and the local wall-clock date and time. SystemClock reads the machine; FakeClock is
// set and advanced by tests and by the driver. Neither sleeps.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

namespace orvane::platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds from an arbitrary start; never goes back.
    virtual int64_t nowMs() const = 0;
    // The local date and time (GetLocalTime).
    virtual SYSTEMTIME localTime() const = 0;
};

class SystemClock final : public Clock {
  public:
    int64_t nowMs() const override;
    SYSTEMTIME localTime() const override;
};

// A clock that moves only when told. The wall clock advances together with the monotonic count
// unless it is set on its own (to test a wall clock that jumps).
class FakeClock final : public Clock {
  public:
    FakeClock();
    int64_t nowMs() const override { return nowMs_; }
    SYSTEMTIME localTime() const override;
    void advance(int64_t ms);
    // Sets the local wall-clock time; later advances move it on from there.
    void setLocalTime(const SYSTEMTIME& time);

  private:
    int64_t nowMs_ = 0;
    // Milliseconds since 1601-01-01 00:00 of the local wall clock.
    int64_t wallMs_ = 0;
};

// Days since 1601-01-01 for a civil date, and back (proleptic Gregorian calendar).
int64_t DaysFromCivil(int year, int month, int day);
SYSTEMTIME SystemTimeFromMs1601(int64_t ms);
int64_t Ms1601FromSystemTime(const SYSTEMTIME& time);

// SystemTimeToFileTime: 100-nanosecond intervals since 1601-01-01 00:00.
uint64_t SystemTimeToFileTime(const SYSTEMTIME& time);

}  // namespace orvane::platform
