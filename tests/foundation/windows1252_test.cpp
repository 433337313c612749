// The program's 8-bit text is Windows-1252: the bytes 0x80 to 0x9F are its letters and signs, the
// five it leaves undefined keep their control-character number, and every byte converts back.
#include "foundation/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

// The code page's characters for 0x80 to 0x9F, written as the characters themselves (a UTF-8
// literal), with the five undefined bytes as their own control characters.
std::u16string expectedSpecials() {
    const std::u16string letters = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";
    return letters;
}

TEST(Windows1252, TheBytes0x80To0x9F) {
    const std::u16string expected = expectedSpecials();
    ASSERT_EQ(expected.size(), 32u);
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        SCOPED_TRACE(byte);
        const char16_t wide = wideFromWindows1252(static_cast<unsigned char>(byte));
        EXPECT_EQ(wide, expected[static_cast<size_t>(byte - 0x80)]);
        EXPECT_EQ(windows1252FromWide(wide), std::optional<unsigned char>(byte));
    }
}

TEST(Windows1252, NamedCharacters) {
    EXPECT_EQ(wideFromWindows1252(0x8C), u'\u0152');  // Œ
    EXPECT_EQ(wideFromWindows1252(0x9C), u'\u0153');  // œ
    EXPECT_EQ(wideFromWindows1252(0x80), u'\u20AC');  // euro sign
    EXPECT_EQ(wideFromWindows1252(0x96), u'\u2013');  // en dash
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(wideFromWindows1252(undefined), static_cast<char16_t>(undefined));
    }
}

TEST(Windows1252, OtherBytesAreTheCharacterOfTheSameNumber) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        if (byte >= 0x80 && byte <= 0x9F) continue;
        EXPECT_EQ(wideFromWindows1252(static_cast<unsigned char>(byte)),
                  static_cast<char16_t>(byte));
        EXPECT_EQ(windows1252FromWide(static_cast<char16_t>(byte)),
                  std::optional<unsigned char>(byte));
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageHaveNoByte) {
    // The control characters the code page replaced, and characters it never had.
    for (char16_t c :
         {u'\u0080', u'\u008C', u'\u009C', u'\u009F', u'\u0100', u'\u2264', u'\uFFFD'}) {
        EXPECT_FALSE(windows1252FromWide(c)) << static_cast<int>(c);
    }
}

TEST(Windows1252, WidensAWholeText) {
    EXPECT_EQ(widenWindows1252("\x41\x8C\x9C\xE9"), u"A\u0152\u0153\u00E9");
    EXPECT_EQ(widenWindows1252(std::string("\0x", 2)), std::u16string(u"\0x", 2));
    EXPECT_EQ(widenWindows1252(""), u"");
}

}  // namespace
}  // namespace orvane
