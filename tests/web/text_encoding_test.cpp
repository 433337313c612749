#include "web/text_encoding.h"

#include <gtest/gtest.h>

namespace orvane::web {
namespace {

TEST(TextEncoding, WidensEightBitTextAsWindows1252) {
    EXPECT_EQ(utf8FromWindows1252("a\xb5g/kg \xe9"), "a\xc2\xb5g/kg \xc3\xa9");
    EXPECT_EQ(utf8FromWindows1252(std::string("\0x", 2)), std::string("\0x", 2));
    // Œ and œ, and the undefined 0x81 as its own control character.
    EXPECT_EQ(utf8FromWindows1252("\x8C\x9C\x81"), "\xc5\x92\xc5\x93\xc2\x81");
}

TEST(TextEncoding, SixteenBitTextToUtf8) {
    EXPECT_EQ(utf8FromUtf16(u"\u2264 5 \u00b0C"),
              "\xe2\x89\xa4 5 \xc2\xb0"
              "C");
    EXPECT_EQ(utf8FromUtf16(u"\U0001F600"), "\xf0\x9f\x98\x80");
    // A lone surrogate becomes the replacement character.
    const char16_t lone[] = {0xD800, u'a', 0};
    EXPECT_EQ(utf8FromUtf16(lone),
              "\xef\xbf\xbd"
              "a");
}

TEST(TextEncoding, RefusesMalformedUtf8) {
    for (const char* bad : {"\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xff", "a\x80"}) {
        EXPECT_FALSE(utf16FromUtf8(bad)) << bad;
        EXPECT_FALSE(windows1252FromUtf8(bad)) << bad;
    }
}

TEST(TextEncoding, NarrowsOnlyWhatFitsWindows1252) {
    EXPECT_EQ(windows1252FromUtf8("12\xc3\xa9"), std::optional<std::string>("12\xe9"));
    EXPECT_EQ(windows1252FromUtf8("\xe2\x82\xac\xc5\x93"), std::optional<std::string>("\x80\x9c"));
    EXPECT_FALSE(windows1252FromUtf8("\xe2\x89\xa4"));  // less-or-equal is not in the code page
    EXPECT_FALSE(windows1252FromUtf8("\xc2\x8c"));      // nor is the control character 0x8C
    EXPECT_FALSE(windows1252FromUtf8("\xf0\x9f\x98\x80"));
    EXPECT_EQ(utf16FromUtf8("\xe2\x82\xac"), std::optional<std::u16string>(u"\u20ac"));
}

}  // namespace
}  // namespace orvane::web
