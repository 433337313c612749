#include "foundation/shared_string.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(SharedString, EmptyHoldsNoStorage) {
    SharedString a;
    SharedString b(static_cast<const char*>(nullptr));
    SharedString c("");
    for (const SharedString* s : {&a, &b, &c}) {
        EXPECT_EQ(s->length(), 0);
        EXPECT_STREQ(s->text(), "");
        EXPECT_EQ(s->holders(), 0);
        EXPECT_TRUE(s->equals(nullptr));
        EXPECT_TRUE(s->equals(""));
    }
}

TEST(SharedString, SubstringTable) {
    SharedString s("abcdef");
    struct Case {
        int32_t start, count;
        const char* expected;
    };
    const Case cases[] = {
        {3, 10, "def"}, {6, 1, ""},  {0, 2, "ab"}, {5, 1, "f"},
        {7, 1, ""},     {-1, 3, ""}, {2, -1, ""},  {2, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(s.substring(c.start, c.count).str(), c.expected) << c.start << "," << c.count;
    }
}

TEST(SharedString, FindTable) {
    SharedString s("abcabc");
    EXPECT_EQ(s.find('c', 0), 2);
    EXPECT_EQ(s.find('c', 3), 5);
    EXPECT_EQ(s.find('c', 6), -1);
    EXPECT_EQ(s.find('c', -1), -1);
    EXPECT_EQ(s.find("bca", 0), 1);
    EXPECT_EQ(s.find("abcd", 0), -1);
    EXPECT_EQ(SharedString().find('a', 0), -1);
}

TEST(SharedString, AppendEmptyKeepsSharing) {
    SharedString a("abc");
    SharedString b(a);
    EXPECT_EQ(a.holders(), 2);
    a.append("");
    a.append(static_cast<const char*>(nullptr));
    a.append('\0');
    EXPECT_EQ(a.holders(), 2);
    EXPECT_EQ(a.text(), b.text());
}

TEST(SharedString, AppendUnsharesFirst) {
    SharedString a("abc");
    SharedString b(a);
    a.append("d");
    EXPECT_EQ(a.str(), "abcd");
    EXPECT_EQ(b.str(), "abc");
    EXPECT_EQ(b.holders(), 1);
}

TEST(SharedString, AppendOwnText) {
    SharedString a("xy");
    for (int i = 0; i < 5; ++i) a.append(a.view());
    EXPECT_EQ(a.length(), 64);
    EXPECT_EQ(a.find("yx", 0), 1);
}

TEST(SharedString, AppendManyPiecesKeepsContent) {
    SharedString s;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        std::string piece = std::to_string(i) + ",";
        s.append(piece.c_str());
        expected += piece;
    }
    EXPECT_EQ(s.str(), expected);
    EXPECT_EQ(s.withCharacter('!').str(), expected + "!");
    EXPECT_EQ(s.str(), expected);
}

TEST(SharedString, CharAtMakesBodyUnshareable) {
    SharedString a("abc");
    char* p = a.charAt(0);
    SharedString copy(a);
    EXPECT_EQ(copy.holders(), 1);
    *p = 'z';
    EXPECT_EQ(a.str(), "zbc");
    EXPECT_EQ(copy.str(), "abc");
}

TEST(SharedString, CharAtOnSharedBodyLeavesOtherHolder) {
    SharedString a("abc");
    SharedString b(a);
    *a.charAt(2) = 'x';
    EXPECT_EQ(a.str(), "abx");
    EXPECT_EQ(b.str(), "abc");
}

TEST(SharedStringDeath, CharAtFatalCases) {
    EXPECT_EXIT(SharedString().charAt(0), testing::ExitedWithCode(1), "String is empty");
    EXPECT_EXIT(SharedString("ab").charAt(2), testing::ExitedWithCode(1), "Index out of range");
    EXPECT_EXIT(SharedString("ab").charAt(-1), testing::ExitedWithCode(1), "Index out of range");
}

TEST(SharedString, ToWide) {
    SharedString s("\x41\x8C\x9C\xE9");
    std::u16string w = s.toWide();
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[0], u'\u0041');
    EXPECT_EQ(w[1], u'\u0152');
    EXPECT_EQ(w[2], u'\u0153');
    EXPECT_EQ(w[3], u'\u00E9');
    EXPECT_EQ(s.toWide(2).size(), 2u);
    EXPECT_EQ(s.toWide(9).size(), 4u);
}

TEST(SharedString, AssignAndEquality) {
    SharedString a("one");
    SharedString b(a);
    b = "two";
    EXPECT_EQ(a.str(), "one");
    EXPECT_TRUE(b.equals("two"));
    EXPECT_TRUE(b.differs("one"));
    b.clear();
    EXPECT_EQ(b.length(), 0);
    a = a;
    EXPECT_EQ(a.str(), "one");
}

}  // namespace
}  // namespace orvane
