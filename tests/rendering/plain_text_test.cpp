// Private codes as single characters, the menu '&' escape and shortening with "...".
#include "rendering/plain_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

struct PlainCase {
    const char* name;
    std::u16string input;
    std::u16string expected;
};

TEST(PlainTextTest, Codes) {
    const PlainCase cases[] = {
        {"beta", u"a<SC id=2>b", u"a\u03B2b"},
        {"several", u"<SC id=1><SC id=41><SC id=28>", u"\u03B1\u00B3\u2022"},
        {"unlisted 37", u"<SC id=37>", u"x"},
        {"unlisted 38", u"<SC id=38>", u"x"},
        {"unlisted 42", u"<SC id=42>", u"x"},
        {"zero", u"<SC id=0>", u"x"},
        {"leading zero", u"<SC id=02>", u"x"},
        {"space after equals", u"<SC id= 2>", u"x"},
        {"space before equals not recognised", u"<SC id =2>", u"<SC id =2>"},
        {"empty code", u"<SC id=>", u"x"},
        {"unterminated", u"a<SC id=2 b", u"a<SC id=2 b"},
        {"unterminated after one", u"<SC id=6>C <SC id=5", u"\u00B0C <SC id=5"},
        {"code 40 gives '<' which can start a code", u"<SC id=40>SC id=2>", u"\u03B2"},
        {"code 40 alone", u"a<SC id=40>b", u"a<b"},
        {"huge id", u"<SC id=99999999999999999999>", u"x"},
        {"no codes", u"plain > text <", u"plain > text <"},
        {"empty", u"", u""},
    };
    for (const PlainCase& c : cases) {
        std::u16string text = c.input;
        toPlainText(text);
        EXPECT_TRUE(text == c.expected) << c.name;
    }
}

// The same characters as character references in 8-bit text, for a page.
TEST(PlainTextTest, CodesAsCharacterReferences) {
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"a<SC id=2>b", "a&#946;b"},
        {"<SC id=1><SC id=41>", "&#945;&#179;"},
        {"BSA (2nd/3rd<SC id=6>)\r\nMust be in range 0 to 100 %",
         "BSA (2nd/3rd&#176;)\r\nMust be in range 0 to 100 %"},
        {"<SC id=37>", "&#120;"},
        {"<SC id=02>", "&#120;"},
        {"<SC id=>", "&#120;"},
        {"<SC id =2>", "<SC id =2>"},
        {"a<SC id=2 b", "a<SC id=2 b"},
        {"<SC id=6>C <SC id=5", "&#176;C <SC id=5"},
        {"a<SC id=40>b", "a&#60;b"},
        {"plain > text <", "plain > text <"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codesAsCharacterReferences(c.input), c.expected) << c.input;
}

TEST(PlainTextTest, EveryTableCode) {
    const char16_t expected[42] = {
        0,         u'\u03B1', u'\u03B2', u'\u03B3', u'\u03B4', u'\u03BC', u'\u00B0',
        u'\u2020', u'\u011C', u'\u0122', u'\u2264', u'\u2265', u'\u2206', u'\u00B1',
        u'\u00BD', u'\u00F7', u'\u00BC', u'\u01F4', u'\u0118', u'\u00AE', u'\u00D6',
        u'\u2159', u'\u2153', u'\u2155', u'\u215B', u'\u00BE', u'\u0112', u'\u00E9',
        u'\u2022', u'\u015B', u'\u2021', u'\u00F6', u'\u00C5', u'\u2014', u'\u00A9',
        u'\u221A', u'\u2007', u'x',      u'x',      u'\u2005', u'<',      u'\u00B3'};
    for (int code = 1; code <= 41; ++code) {
        const std::string digits = std::to_string(code);
        std::u16string text = u"<SC id=" + std::u16string(digits.begin(), digits.end()) + u">";
        toPlainText(text);
        ASSERT_EQ(text.size(), 1u) << code;
        EXPECT_EQ(text[0], expected[code]) << code;
    }
}

TEST(PlainTextTest, DoubleAmpersandOnlyTheFirst) {
    std::u16string text = u"A&B&C";
    doubleAmpersand(text);
    EXPECT_TRUE(text == u"A&&B&C");
    std::u16string none = u"ABC";
    doubleAmpersand(none);
    EXPECT_TRUE(none == u"ABC");
}

// Every character is 10 pixels wide; counts how often it was asked.
class FixedWidth : public TextMeasurer {
  public:
    int32_t textWidth(std::u16string_view text) const override {
        ++calls;
        return static_cast<int32_t>(text.size()) * 10;
    }
    mutable int calls = 0;
};

TEST(PlainTextTest, FitWithEllipsis) {
    FixedWidth measure;
    std::u16string fits = u"Adenosine";
    EXPECT_FALSE(fitWithEllipsis(fits, measure, 90));
    EXPECT_TRUE(fits == u"Adenosine");

    std::u16string longer = u"Adenosine";
    EXPECT_TRUE(fitWithEllipsis(longer, measure, 60));
    EXPECT_TRUE(longer == u"Ade...");

    std::u16string one = u"Adenosine";
    EXPECT_TRUE(fitWithEllipsis(one, measure, 85));
    EXPECT_TRUE(one == u"Adeno...");
}

TEST(PlainTextTest, FitWithEllipsisStopsWhenTooShort) {
    FixedWidth measure;
    std::u16string text = u"Adenosine";
    EXPECT_TRUE(fitWithEllipsis(text, measure, 0));
    EXPECT_TRUE(text == u"...");
    for (const std::u16string& shortText :
         {std::u16string(), std::u16string(u"a"), std::u16string(u"ab"), std::u16string(u"abc")}) {
        std::u16string copy = shortText;
        EXPECT_FALSE(fitWithEllipsis(copy, measure, 0));
        EXPECT_TRUE(copy == shortText);
    }
    std::u16string four = u"abcd";
    EXPECT_TRUE(fitWithEllipsis(four, measure, -5));
    EXPECT_TRUE(four == u"...");
}

}  // namespace
}  // namespace orvane
