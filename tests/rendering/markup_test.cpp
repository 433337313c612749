// The content markup conversion: the listed cases, and agreement with a plain reference that runs
// the thirty replacements one after the other on many generated texts.
#include "rendering/markup.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

// The replacements in their order, written out again here (not shared with the program).
const std::vector<std::pair<std::string, std::string>>& referenceSteps() {
    static const std::vector<std::pair<std::string, std::string>> steps = {
        {"\r\n", "<BR>"},
        {"\n", "<BR>"},
        {"  ", " &nbsp;"},
        {"^2", "<SUP>2 </SUP> "},
        {"^3", "<SUP>3 </SUP> "},
        {"^4", "<SUP>4 </SUP> "},
        {"^5", "<SUP>5 </SUP> "},
        {">=", "&#8805;"},
        {"=>", "&#8805;"},
        {"<SC id=11>", "&#8805;"},
        {"<SC id= 11>", "&#8805;"},
        {"<=", "&#8804;"},
        {"=<", "&#8804;"},
        {"<SC id=28>", "&nbsp;&#149;&nbsp;"},
        {"<SC id=10>", "&#8804;"},
        {"<SC id =10>", "&#8804;"},
        {"<SC id=6>", "&#176;"},
        {"<SC id =6>", "&#176;"},
        {"<SC id=2>", "&#946;"},
        {"<SC id =2>", "&#946;"},
        {"<SC id=8>", "<IMG src=\"uparr\">"},
        {"<SC id =8>", "<IMG src=\"uparr\">"},
        {"<SC id=9>", "<IMG src=\"dnarr\">"},
        {"<SC id =9>", "<IMG src=\"dnarr\">"},
        {"<SC id=3>", "&#947;"},
        {"<SC id =3>", "&#947;"},
        {"<SC id=4>", "&#948;"},
        {"<SC id =4>", "&#948;"},
        {"<SC id=5>", "&#956;"},
        {"<SC id =5>", "&#956;"},
    };
    return steps;
}

// One step: a new text built by scanning the old one left to right; after an occurrence the scan
// goes on after it in the old text.
std::string referenceReplace(const std::string& text, const std::string& search,
                             const std::string& replacement) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, search.size(), search) == 0) {
            out += replacement;
            i += search.size();
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

std::string referenceConvert(std::string text) {
    for (const auto& [search, replacement] : referenceSteps()) {
        text = referenceReplace(text, search, replacement);
    }
    return text;
}

TEST(ReferenceTest, StepsAreThirty) {
    EXPECT_EQ(referenceSteps().size(), 30u);
}

struct Case {
    const char* name;
    std::string input;
    std::string expected;  // written by hand from the rules
};

TEST(MarkupTest, ListedCases) {
    const Case cases[] = {
        {"crlf", "a\r\nb", "a<BR>b"},
        {"lone lf", "a\nb", "a<BR>b"},
        {"lone cr stays", "a\rb", "a\rb"},
        {"cr cr lf", "\r\r\n", "\r<BR>"},
        {"greater or equal", "if x >= 5 then", "if x &#8805; 5 then"},
        {"equal greater", "x => 5", "x &#8805; 5"},
        {"equal less", "x =< 5", "x &#8804; 5"},
        {"less equal", "x <= 5", "x &#8804; 5"},
        {"greater space", "x > 5", "x > 5"},
        {"caret 2", "m^2", "m<SUP>2 </SUP> "},
        {"caret 5", "^5x", "<SUP>5 </SUP> x"},
        {"caret 6 stays", "^6 ^1", "^6 ^1"},
        {"unlisted code", "<SC id=7>", "<SC id=7>"},
        {"spaces both sides", "<SC id = 6>", "<SC id = 6>"},
        {"bullet", "a<SC id=28>b", "a&nbsp;&#149;&nbsp;b"},
        {"degree both forms", "<SC id=6><SC id =6>", "&#176;&#176;"},
        {"ge space after", "<SC id= 11>", "&#8805;"},
        {"ge space before stays", "<SC id =11>", "<SC id =11>"},
        {"le", "<SC id=10><SC id =10>", "&#8804;&#8804;"},
        {"greek", "<SC id=2><SC id=3><SC id=4><SC id=5>", "&#946;&#947;&#948;&#956;"},
        {"arrows", "<SC id=8><SC id =9>", "<IMG src=\"uparr\"><IMG src=\"dnarr\">"},
        {"three spaces", "a   b", "a &nbsp; b"},
        {"four spaces", "a    b", "a &nbsp; &nbsp;b"},
        {"two spaces", "a  b", "a &nbsp;b"},
        // Later steps see what earlier ones wrote: "<BR>" followed by '=' gives ">=".
        {"break then equals", "a\n=b", "a<BR&#8805;b"},
        {"equals then break", "a=\nb", "a&#8804;BR>b"},
        {"equals before code", "=<SC id=2>", "&#8804;SC id=2>"},
        {"code then equals", "<SC id=2>=", "<SC id=2&#8805;"},
        {"superscript before equals", "=^2", "&#8804;SUP>2 </SUP> "},
        {"superscript then space", "m^2 x", "m<SUP>2 </SUP>  x"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(convertMarkup(c.input), c.expected) << c.name;
        EXPECT_EQ(referenceConvert(c.input), c.expected) << "reference: " << c.name;
    }
}

// Pieces that make the steps meet: every search text, its halves, and the characters around them.
const std::vector<std::string>& pieces() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> p = {" ",        "  ",
                                      "\n",       "\r",
                                      "\r\n",     "^",
                                      "2",        "3",
                                      "5",        "6",
                                      "1",        "=",
                                      "<",        ">",
                                      "<SC",      " id",
                                      "id",       "id=",
                                      "id =",     "a",
                                      "x",        "&",
                                      "<SC id=",  "<SC id =",
                                      ">=",       "=>",
                                      "<=",       "=<",
                                      "<BR>",     "\"",
                                      ";",        "SC",
                                      "11",       "28",
                                      "<SC id= ", "<IMG src=",
                                      "\xff",     std::string(1, '\0')};
        for (const auto& step : referenceSteps()) {
            p.push_back(step.first);
            p.push_back(step.first.substr(0, step.first.size() / 2));
            p.push_back(step.first.substr(step.first.size() / 2));
        }
        return p;
    }();
    return list;
}

std::string generate(std::mt19937& random, size_t pieceCount) {
    const auto& p = pieces();
    std::uniform_int_distribution<size_t> pick(0, p.size() - 1);
    std::string text;
    for (size_t i = 0; i < pieceCount; ++i) text += p[pick(random)];
    return text;
}

TEST(MarkupTest, AgreesWithTheReferenceOnGeneratedTexts) {
    std::mt19937 random(20240611u);
    MarkupConverter converter;  // reused, as the page builder does
    for (int round = 0; round < 20000; ++round) {
        const size_t count = 1 + static_cast<size_t>(round % 40);
        const std::string text = generate(random, count);
        ASSERT_EQ(converter.convert(text), referenceConvert(text)) << "input: " << text;
    }
}

TEST(MarkupTest, AgreesWithTheReferenceOnLongTexts) {
    std::mt19937 random(7u);
    for (int round = 0; round < 20; ++round) {
        const std::string text = generate(random, 3000);
        ASSERT_EQ(convertMarkup(text), referenceConvert(text));
    }
}

TEST(MarkupTest, AgreesWithTheReferenceOnRandomBytesFromASmallAlphabet) {
    std::mt19937 random(99u);
    const std::string alphabet = "<>= ^2\r\nSCid1058";
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = round % 30;
        for (int i = 0; i < length; ++i) text += alphabet[pick(random)];
        ASSERT_EQ(convertMarkup(text), referenceConvert(text)) << "input: " << text;
    }
}

TEST(MarkupTest, AppendsToWhatIsThere) {
    MarkupConverter converter;
    std::string out = "head:";
    converter.convertInto("a\nb", out);
    EXPECT_EQ(out, "head:a<BR>b");
}

}  // namespace
}  // namespace orvane
