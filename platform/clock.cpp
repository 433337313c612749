#include "platform/clock.h"

#include <time.h>

namespace orvane::platform {

namespace {
constexpr int64_t kMsPerDay = 86400000;
}

int64_t DaysFromCivil(int year, int month, int day) {
    // Days from 1970-01-01 (H. Hinnant's algorithm), then shifted to 1601-01-01.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned mp = static_cast<unsigned>(month + (month > 2 ? -3 : 9));
    const unsigned doy = (153 * mp + 2) / 5 + static_cast<unsigned>(day) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int64_t days1970 =
        static_cast<int64_t>(era) * 146097 + static_cast<int64_t>(doe) - 719468;
    return days1970 + 134774;  // 1601-01-01 .. 1970-01-01
}

SYSTEMTIME SystemTimeFromMs1601(int64_t ms) {
    int64_t days = ms / kMsPerDay;
    int64_t rest = ms % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --days;
    }
    const int64_t z = days - 134774 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    SYSTEMTIME t;
    t.wYear = static_cast<WORD>(y + (m <= 2 ? 1 : 0));
    t.wMonth = static_cast<WORD>(m);
    t.wDay = static_cast<WORD>(d);
    // 1601-01-01 was a Monday.
    t.wDayOfWeek = static_cast<WORD>(((days % 7) + 7 + 1) % 7);
    t.wHour = static_cast<WORD>(rest / 3600000);
    t.wMinute = static_cast<WORD>((rest / 60000) % 60);
    t.wSecond = static_cast<WORD>((rest / 1000) % 60);
    t.wMilliseconds = static_cast<WORD>(rest % 1000);
    return t;
}

int64_t Ms1601FromSystemTime(const SYSTEMTIME& t) {
    return DaysFromCivil(t.wYear, t.wMonth, t.wDay) * kMsPerDay + t.wHour * 3600000LL +
           t.wMinute * 60000LL + t.wSecond * 1000LL + t.wMilliseconds;
}

uint64_t SystemTimeToFileTime(const SYSTEMTIME& time) {
    return static_cast<uint64_t>(Ms1601FromSystemTime(time)) * 10000u;
}

int64_t SystemClock::nowMs() const {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

SYSTEMTIME SystemClock::localTime() const {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    const time_t seconds = ts.tv_sec;
    tm local{};
    localtime_r(&seconds, &local);
    SYSTEMTIME t;
    t.wYear = static_cast<WORD>(local.tm_year + 1900);
    t.wMonth = static_cast<WORD>(local.tm_mon + 1);
    t.wDay = static_cast<WORD>(local.tm_mday);
    t.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    t.wHour = static_cast<WORD>(local.tm_hour);
    t.wMinute = static_cast<WORD>(local.tm_min);
    t.wSecond = static_cast<WORD>(local.tm_sec);
    t.wMilliseconds = static_cast<WORD>(ts.tv_nsec / 1000000);
    return t;
}

FakeClock::FakeClock() {
    SYSTEMTIME start;
    start.wYear = 2024;
    start.wMonth = 1;
    start.wDay = 15;
    start.wHour = 9;
    wallMs_ = Ms1601FromSystemTime(start);
}

SYSTEMTIME FakeClock::localTime() const {
    return SystemTimeFromMs1601(wallMs_);
}

void FakeClock::advance(int64_t ms) {
    if (ms <= 0) return;
    nowMs_ += ms;
    wallMs_ += ms;
}

void FakeClock::setLocalTime(const SYSTEMTIME& time) {
    wallMs_ = Ms1601FromSystemTime(time);
}

}  // namespace orvane::platform
