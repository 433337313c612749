// Calendar days: month lengths, validity and the YYYY-MM-DD form.
#include "modules/civil_date.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(CivilDateTest, MonthLengths) {
    EXPECT_EQ(daysInMonth(2023, 2), 28);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2024, 4), 30);
    EXPECT_EQ(daysInMonth(2024, 12), 31);
    EXPECT_EQ(daysInMonth(2024, 13), 0);
}

TEST(CivilDateTest, ParsesOnlyRealDays) {
    CivilDate date;
    EXPECT_TRUE(parseIsoDate("2024-02-29", date));
    EXPECT_EQ(date, (CivilDate{2024, 2, 29}));
    for (const char* bad : {"2023-02-29", "2024-13-01", "2024-00-10", "2024-01-32", "2024-1-1",
                            "24-01-01", "2024/01/01", "", "2024-01-01x", "0000-01-01"}) {
        CivilDate untouched{1, 1, 1};
        EXPECT_FALSE(parseIsoDate(bad, untouched)) << bad;
        EXPECT_EQ(untouched, (CivilDate{1, 1, 1})) << bad;
    }
}

TEST(CivilDateTest, TodayIsARealDay) {
    EXPECT_TRUE(isValidDate(localToday()));
}

}  // namespace
}  // namespace orvane
