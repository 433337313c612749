#include "modules/civil_date.h"

#include <ctime>

namespace orvane {

int32_t daysInMonth(int32_t year, int32_t month) {
    static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return kDays[month - 1];
}

bool isValidDate(const CivilDate& date) {
    if (date.year < 1 || date.year > 9999) return false;
    return date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

CivilDate localToday() {
    const std::time_t now = std::time(nullptr);
    const std::tm* parts = std::localtime(&now);
    if (parts == nullptr) return CivilDate{1970, 1, 1};
    return CivilDate{parts->tm_year + 1900, parts->tm_mon + 1, parts->tm_mday};
}

namespace {

bool readDigits(std::string_view text, int32_t& out) {
    int32_t result = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        result = result * 10 + (c - '0');
    }
    out = result;
    return true;
}

}  // namespace

bool parseIsoDate(std::string_view text, CivilDate& date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    CivilDate parsed;
    if (!readDigits(text.substr(0, 4), parsed.year) ||
        !readDigits(text.substr(5, 2), parsed.month) ||
        !readDigits(text.substr(8, 2), parsed.day)) {
        return false;
    }
    if (!isValidDate(parsed)) return false;
    date = parsed;
    return true;
}

}  // namespace orvane
