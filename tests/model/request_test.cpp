// Packing and unpacking of request numbers, and menu items as values.
#include "model/request.h"

#include <gtest/gtest.h>

#include "model/menu_group.h"
#include "model/menu_item.h"

namespace orvane {
namespace {

struct PackCase {
    int32_t code;
    int32_t value;
    int32_t subCode;
    uint32_t expected;  // worked out by hand from the packing rule
};

TEST(RequestTest, PacksByTheRule) {
    const PackCase cases[] = {
        {53, 0, 0, 889192448u},          // 53 × 16777216
        {4, 1, 0, 67108865u},            // 4 × 16777216 + 1
        {33, 2, 1, 553713666u},          // 33 × 16777216 + 65536 + 2
        {33, 0, 5, 553975808u},          // 33 × 16777216 + 5 × 65536
        {70, 3, -1, 1174405123u},        // negative sub-code: as sub-code 0
        {12, 0xFFFF, 0, 201326591u},     // value as signed 16 bits is −1: 12 × 2^24 − 1
        {12, -1, 0, 201326591u},         // the same
        {12, -1, 2, 201457663u},         // 12 × 2^24 + 2 × 65536 − 1
        {50, 0x12345, 0, 838869829u},    // only the low 16 bits of the value count: 0x2345
        {255, 32767, 255, 4294934527u},  // 0xFF000000 + 0xFF0000 + 0x7FFF
        {0, 0, 0, 0u},
        {1, 40000, 0, 16777216u + 40000u - 65536u},  // 40000 as signed 16 bits is −25536
    };
    for (const PackCase& c : cases) {
        EXPECT_EQ(makeRequest(c.code, c.value, c.subCode), c.expected)
            << c.code << "," << c.value << "," << c.subCode;
    }
}

TEST(RequestTest, ReadsTheFields) {
    const Request r = 0x21057FFEu;
    EXPECT_EQ(moduleCode(r), 0x21);
    EXPECT_EQ(subCode(r), 0x05);
    EXPECT_EQ(value(r), 0x7FFE);
    EXPECT_EQ(longValue(r), 0x057FFE);
    const Request high = 0xFFFFFFFFu;
    EXPECT_EQ(moduleCode(high), 255);
    EXPECT_EQ(subCode(high), 255);
    EXPECT_EQ(value(high), 65535);
    EXPECT_EQ(longValue(high), 0xFFFFFF);
}

TEST(RequestTest, RoundTripsNonNegativeFields) {
    for (int32_t code : {0, 4, 33, 70, 255}) {
        for (int32_t sub : {0, 1, 7, 255}) {
            for (int32_t v : {0, 1, 40, 32767}) {
                const Request r = makeRequest(code, v, sub);
                EXPECT_EQ(moduleCode(r), code);
                EXPECT_EQ(subCode(r), sub);
                EXPECT_EQ(value(r), v);
            }
        }
    }
}

TEST(MenuItemTest, CopiesAreValues) {
    MenuItem item("Apgar", makeRequest(4, 4));
    MenuItem copy = item;
    copy.addRequest(makeRequest(33, 1, 1));
    copy.setLabel("Other");
    EXPECT_EQ(item.requests().count(), 1);
    EXPECT_EQ(copy.requests().count(), 2);
    EXPECT_EQ(item.label().str(), "Apgar");
    EXPECT_EQ(item.request(), makeRequest(4, 4));
    EXPECT_EQ(copy.request(), makeRequest(4, 4));
}

TEST(MenuItemTest, NoRequestIsFatal) {
    MenuItem empty;
    EXPECT_EXIT((void)empty.request(), ::testing::ExitedWithCode(1), "");
}

TEST(MenuGroupTest, BuildsBothForms) {
    const MenuGroup one = MenuGroup::single("Age :", makeRequest(33, 0, 1), "2-5 years old");
    EXPECT_FALSE(one.isList);
    EXPECT_EQ(one.target, makeRequest(33, 0, 1));
    DynArray<MenuItem> items;
    items.append(MenuItem("a", 1));
    const MenuGroup many = MenuGroup::list("Eye opening", items);
    EXPECT_TRUE(many.isList);
    EXPECT_EQ(many.items.count(), 1);
}

}  // namespace
}  // namespace orvane
