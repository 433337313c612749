#include "content/record_cursor.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace orvane {
namespace {

// A record buffer of exactly these bytes: the sanitizer catches any read past it.
RecordHandle recordOf(const std::vector<uint8_t>& bytes) {
    auto* buffer = new RecordBuffer(static_cast<uint32_t>(bytes.size()));
    if (!bytes.empty()) std::memcpy(buffer->data(), bytes.data(), bytes.size());
    return RecordHandle(buffer);
}

RecordHandle recordOf(const std::string& text) {
    return recordOf(std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(RecordCursorTest, ReadsFieldsFrontToBack) {
    // text "ab", empty text, byte 200, long 0x01020304, float 1.5 (0x3FC00000), number text 42.
    RecordCursor cursor(recordOf(
        std::vector<uint8_t>{'a', 'b', 0, 0, 200, 1, 2, 3, 4, 0x3F, 0xC0, 0, 0, '4', '2', 0}));
    EXPECT_EQ(cursor.readText().str(), "ab");
    EXPECT_EQ(cursor.readText().str(), "");
    EXPECT_EQ(cursor.readByte(), 200);
    EXPECT_EQ(cursor.readLong(), 0x01020304u);
    EXPECT_EQ(cursor.readFloat(), 1.5f);
    EXPECT_EQ(cursor.position(), 13u);
    EXPECT_EQ(cursor.readNumberText(), 42);
    EXPECT_TRUE(cursor.atEnd());
}

TEST(RecordCursorTest, TextWithoutNulEndsAtTheRecordEnd) {
    RecordCursor cursor(recordOf(std::string("first\0second", 12)));
    EXPECT_EQ(cursor.readText().str(), "first");
    EXPECT_EQ(cursor.readText().str(), "second");
    EXPECT_TRUE(cursor.atEnd());
    EXPECT_EQ(cursor.readText().str(), "");
}

TEST(RecordCursorTest, FieldsCutShortReadAsZero) {
    for (size_t n = 0; n < 4; ++n) {
        RecordCursor longCursor(recordOf(std::vector<uint8_t>(n, 0xFF)));
        EXPECT_EQ(longCursor.readLong(), 0u) << n;
        EXPECT_TRUE(longCursor.atEnd());
        RecordCursor floatCursor(recordOf(std::vector<uint8_t>(n, 0x41)));
        EXPECT_EQ(floatCursor.readFloat(), 0.0f) << n;
    }
    RecordCursor byteCursor(recordOf(std::vector<uint8_t>{7}));
    EXPECT_EQ(byteCursor.readByte(), 7);
    EXPECT_EQ(byteCursor.readByte(), 0);
    EXPECT_EQ(byteCursor.readLong(), 0u);
    EXPECT_EQ(byteCursor.readNumberText(), 0);
}

TEST(RecordCursorTest, NullRecordReadsEmpty) {
    RecordCursor cursor{RecordHandle()};
    EXPECT_EQ(cursor.readText().str(), "");
    EXPECT_EQ(cursor.readByte(), 0);
    EXPECT_EQ(cursor.readLong(), 0u);
    EXPECT_EQ(cursor.readFloat(), 0.0f);
    EXPECT_EQ(cursor.readNumberText(), 0);
    RecordCursor empty;
    EXPECT_EQ(empty.readText().str(), "");
}

struct NumberCase {
    std::string text;
    int32_t expected;
};

class NumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextTest, ParsesWithinTheRecord) {
    RecordCursor cursor(recordOf(GetParam().text));
    EXPECT_EQ(cursor.readNumberText(), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberTextTest,
    ::testing::Values(NumberCase{std::string("-5\0", 3), -5}, NumberCase{"-5", -5},
                      NumberCase{std::string("889192448\0", 10), 889192448}, NumberCase{"+17", 17},
                      NumberCase{" 12", 12}, NumberCase{"12abc", 12}, NumberCase{"abc", 0},
                      NumberCase{"-", 0}, NumberCase{"", 0}, NumberCase{"2147483647", INT_MAX},
                      NumberCase{"-2147483648", INT_MIN},
                      // Beyond the signed 32-bit range: no number, never a wrapped value.
                      NumberCase{"2147483648", 0}, NumberCase{"-2147483649", 0},
                      NumberCase{"99999999999999999999999", 0},
                      NumberCase{"000000000000000000000042", 42}));

TEST(RecordCursorTest, NumberTextMovesTheCursorFour) {
    RecordCursor cursor(recordOf(std::string("123456\0", 7)));
    EXPECT_EQ(cursor.readNumberText(), 123456);
    EXPECT_EQ(cursor.position(), 4u);
    RecordCursor shortCursor(recordOf(std::string("7")));
    EXPECT_EQ(shortCursor.readNumberText(), 7);
    EXPECT_TRUE(shortCursor.atEnd());
}

// Which reads run the cursor out: each case is a record and the fields read from it in order
// (T text, B byte, L long, F float, N number text), and whether the last read ran out while the
// ones before it did not.
struct RunOutCase {
    std::vector<uint8_t> bytes;
    std::string layout;
    bool ranOut;
};

class RunOutTest : public ::testing::TestWithParam<RunOutCase> {};

TEST_P(RunOutTest, OnlyAReadPastTheEndRunsOut) {
    const RunOutCase& c = GetParam();
    RecordCursor cursor(recordOf(c.bytes));
    for (size_t i = 0; i < c.layout.size(); ++i) {
        switch (c.layout[i]) {
            case 'T':
                cursor.readText();
                break;
            case 'B':
                cursor.readByte();
                break;
            case 'L':
                cursor.readLong();
                break;
            case 'F':
                cursor.readFloat();
                break;
            default:
                cursor.readNumberText();
                break;
        }
        const bool last = i + 1 == c.layout.size();
        EXPECT_EQ(cursor.ranOut(), last && c.ranOut) << c.layout << " field " << i;
        EXPECT_LE(cursor.position(), c.bytes.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RunOutTest,
    ::testing::Values(
        // Whole records: nothing runs out, also with a number text shorter than 4 bytes.
        RunOutCase{{'a', 0, 7, 0, 0, 0, 1}, "TBL", false}, RunOutCase{{'a', 0, '5'}, "TN", false},
        RunOutCase{{'a', 0, '5', '0', '0', '0'}, "TN", false},
        // A text without its NUL, and a text, byte, long, float or number past the end.
        RunOutCase{{'a', 'b'}, "T", true}, RunOutCase{{'a', 0}, "TT", true},
        RunOutCase{{'a', 0}, "TB", true}, RunOutCase{{'a', 0, 1, 2, 3}, "TL", true},
        RunOutCase{{'a', 0, 1}, "TF", true}, RunOutCase{{'a', 0}, "TN", true},
        RunOutCase{{}, "B", true}));

TEST(RecordCursorTest, RunningOutStaysForTheCursorsLife) {
    RecordCursor cursor(recordOf(std::vector<uint8_t>{1, 2}));
    EXPECT_EQ(cursor.readLong(), 0u);
    EXPECT_TRUE(cursor.ranOut());
    EXPECT_EQ(cursor.readText().str(), "");
    EXPECT_TRUE(cursor.ranOut());
    RecordCursor none{RecordHandle()};
    EXPECT_FALSE(none.ranOut());
    EXPECT_EQ(none.readByte(), 0);
    EXPECT_TRUE(none.ranOut());
}

TEST(RecordCursorTest, TextKeepsEightBitCharacters) {
    RecordCursor cursor(recordOf(std::vector<uint8_t>{0x8C, 0x9C, 0xE9, 0}));
    EXPECT_EQ(cursor.readText().str(), "\x8C\x9C\xE9");
}

}  // namespace
}  // namespace orvane
