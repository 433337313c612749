// The page builder: flags and reset, every append operation, links, item lists and groups.
#include "rendering/page_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvane {
namespace {

std::string body(const PageBuilder& builder) {
    return builder.finish();
}

TEST(PageBuilderTest, StartsEmptyWithResetValues) {
    PageBuilder builder;
    EXPECT_EQ(body(builder), "");
    EXPECT_EQ(builder.weightInput, 0);
    EXPECT_EQ(builder.keepImage, 0);
    EXPECT_EQ(builder.selectionMode, 1);
    EXPECT_EQ(builder.showImage, 1);
    EXPECT_EQ(builder.showInputs, 1);
    EXPECT_EQ(builder.hideChoiceList, 0);
    EXPECT_EQ(builder.inputs(), nullptr);
}

TEST(PageBuilderTest, StartWithResetClearsBodyAndFlags) {
    PageBuilder builder;
    builder.start(true).appendText("old page");
    builder.setWeightInput(2);
    builder.setSelectionMode(2);
    builder.keepImage = 1;
    builder.showImage = 0;
    builder.showInputs = 0;
    builder.hideChoiceList = 1;
    builder.setInputs(reinterpret_cast<DynArray<InputField>*>(&builder));
    EXPECT_EQ(builder.weightInput, 2);
    EXPECT_EQ(builder.selectionMode, 2);
    EXPECT_NE(builder.inputs(), nullptr);
    builder.finish();

    PageBuilder& same = builder.start(true);
    EXPECT_EQ(&same, &builder);
    EXPECT_EQ(body(builder), "");
    EXPECT_EQ(builder.weightInput, 0);
    EXPECT_EQ(builder.keepImage, 0);
    EXPECT_EQ(builder.selectionMode, 1);
    EXPECT_EQ(builder.showImage, 1);
    EXPECT_EQ(builder.showInputs, 1);
    EXPECT_EQ(builder.hideChoiceList, 0);
    EXPECT_EQ(builder.inputs(), nullptr);
}

TEST(PageBuilderTest, StartWithoutResetKeepsEverything) {
    PageBuilder builder;
    builder.start(true).appendText("kept");
    builder.setWeightInput(1);
    builder.start(false);
    builder.setTitle("ignored", makeRequest(4, 1), 2);
    EXPECT_EQ(body(builder), "kept");
    EXPECT_EQ(builder.weightInput, 1);
}

TEST(PageBuilderTest, AppendTextConvertsOnce) {
    PageBuilder builder;
    builder.appendText("a  b^2");
    EXPECT_EQ(body(builder), "a &nbsp;b<SUP>2 </SUP> ");
}

TEST(PageBuilderTest, AppendDocumentConvertsTwiceAndInPlace) {
    PageBuilder builder;
    SharedString document("m^2 x");
    builder.appendDocument(document);
    // First pass: "m<SUP>2 </SUP>  x"; the caller's string holds that. The second pass turns the
    // two spaces into " &nbsp;".
    EXPECT_EQ(document.str(), "m<SUP>2 </SUP>  x");
    EXPECT_EQ(body(builder), "m<SUP>2 </SUP> &nbsp;x");
}

TEST(PageBuilderTest, AppendDocumentSecondPassSeesFirstPassOutput) {
    PageBuilder builder;
    // "a\n=b" → "a<BR>=b" → "a<BR&#8805;b" in the first pass; nothing more in the second.
    builder.appendDocument("a\n=b");
    EXPECT_EQ(body(builder), "a<BR&#8805;b");
    PageBuilder other;
    // First pass: "x   y" → "x &nbsp; y"; second pass leaves it.
    const SharedString constant("x   y");
    other.appendDocument(constant);
    EXPECT_EQ(constant.str(), "x   y");
    EXPECT_EQ(body(other), "x &nbsp; y");
}

TEST(PageBuilderTest, HeadingBreaksSpacesAnchorsImages) {
    PageBuilder builder;
    builder.appendHeading("Dose", true);
    builder.appendHeading("Note", false);
    builder.appendLineBreaks(2);
    builder.appendLineBreaks(0);
    builder.appendSpaces(3);
    builder.appendAnchor();
    builder.appendAnchor("top");
    builder.appendImage("drug");
    EXPECT_EQ(body(builder),
              "<STRONG>Dose</STRONG><BR><STRONG>Note</STRONG><BR><BR>&nbsp;&nbsp;&nbsp;"
              "<A name=\"anchor\"></A><A name=\"top\"></A><IMG src=\"drug\">");
}

TEST(PageBuilderTest, RawPartsAreNotConverted) {
    PageBuilder builder;
    builder.appendImage("a  b");
    EXPECT_EQ(body(builder), "<IMG src=\"a  b\">");
}

struct LinkCase {
    const char* name;
    Request target;
    const char* text;
    bool lineBreak, bold, underline;
    const char* image;
    const char* anchorName;
    const char* expected;
};

TEST(PageBuilderTest, Links) {
    const LinkCase cases[] = {
        {"index link", 889192448u, "Index", false, false, true, "", "",
         "<A HREF=\"889192448\"><U>Index</U></A>"},
        {"empty text no image", 889192448u, "", false, false, true, "", "",
         "<A HREF=\"889192448\"><IMG src=\"enter\"></A>"},
        {"image and text", 5u, "Go", true, false, true, "drug", "",
         "<A HREF=\"5\"><IMG src=\"drug\">&nbsp;<U>Go</U></A><BR>"},
        {"image no text", 5u, "", false, true, true, "drug", "",
         "<A HREF=\"5\"><IMG src=\"drug\"></A>"},
        {"bold and underline", 7u, "x", false, true, true, "", "",
         "<A HREF=\"7\"><B><U>x</U></B></A>"},
        {"bold only", 7u, "x", false, true, false, "", "", "<A HREF=\"7\"><B>x</B></A>"},
        {"plain", 7u, "x", false, false, false, "", "", "<A HREF=\"7\">x</A>"},
        {"named", 7u, "x", false, false, false, "", "here", "<A HREF=\"7\" name=\"here\">x</A>"},
        {"signed target", 0xFFFFFFFFu, "x", false, false, false, "", "", "<A HREF=\"-1\">x</A>"},
        {"high code", 0x85000001u, "x", false, false, false, "", "",
         "<A HREF=\"-2063597567\">x</A>"},
        {"text converted", 7u, "a\nb", false, false, false, "", "", "<A HREF=\"7\">a<BR>b</A>"},
    };
    for (const LinkCase& c : cases) {
        PageBuilder builder;
        builder.appendLink(c.target, c.text, c.lineBreak, c.bold, c.underline, c.image,
                           c.anchorName);
        EXPECT_EQ(body(builder), c.expected) << c.name;
    }
}

TEST(PageBuilderTest, ItemList) {
    DynArray<MenuItem> items;
    items.append(MenuItem("Adenosine", makeRequest(12, 1)));
    items.append(MenuItem("B <= 2", makeRequest(12, 2)));
    PageBuilder builder;
    builder.appendItemList(items);
    // 12 × 2^24 = 201326592.
    EXPECT_EQ(body(builder),
              "<A HREF=\"201326593\"><IMG src=\"drug\">&nbsp;<U>Adenosine</U></A><BR>"
              "<A HREF=\"201326594\"><IMG src=\"drug\">&nbsp;<U>B &#8804; 2</U></A><BR>");
}

TEST(PageBuilderTest, GroupWithOneTarget) {
    PageBuilder builder;
    // 33 × 2^24 + 1 × 2^16 = 553713664.
    builder.appendGroup(MenuGroup::single("Age", makeRequest(33, 0, 1), "2-5 years old"), true);
    EXPECT_EQ(body(builder),
              "<STRONG>Age&nbsp;:&nbsp;</STRONG>"
              "<A HREF=\"553713664\"><U>2-5 years old</U></A><BR><BR>");
    PageBuilder colon;
    colon.appendGroup(MenuGroup::single("Age :", makeRequest(33, 0, 1), "x"), false);
    EXPECT_EQ(body(colon), "<STRONG>Age :&nbsp;</STRONG><A HREF=\"553713664\"><U>x</U></A><BR>");
}

TEST(PageBuilderTest, GroupWithList) {
    DynArray<MenuItem> items;
    items.append(MenuItem("Spontaneous", makeRequest(33, 1, 2)));
    PageBuilder builder;
    builder.appendGroup(MenuGroup::list("Eye opening:", items), false);
    // 33 × 2^24 + 2 × 2^16 + 1 = 553779201.
    EXPECT_EQ(body(builder),
              "<STRONG>Eye opening:&nbsp;</STRONG><BR>"
              "<A HREF=\"553779201\"><IMG src=\"drug\">&nbsp;<U>Spontaneous</U></A><BR><BR>");
}

struct NumberCase {
    const char* text;
    float expected;
};

TEST(PageBuilderTest, ParseNumber) {
    const NumberCase cases[] = {
        {"0.1", 0.1f},       {"4", 4.0f},       {"12.5mg", 12.5f}, {" 7 max=4", 7.0f},
        {"-2.5", -2.5f},     {"+3", 3.0f},      {".5", 0.5f},      {"5.", 5.0f},
        {"1e3", 1000.0f},    {"2E-1>", 0.2f},   {"3e", 3.0f},      {"3e+", 3.0f},
        {"", 0.0f},          {"abc", 0.0f},     {".", 0.0f},       {"-", 0.0f},
        {"0x10", 0.0f},      {"inf", 0.0f},     {"nan", 0.0f},     {"1e-400", 0.0f},
        {"0.000001", 1e-6f}, {"1000000", 1e6f},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(PageBuilder::parseNumber(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(PageBuilder::parseNumber("1e400"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(PageBuilder::parseNumber("-1e39"), -std::numeric_limits<float>::infinity());
}

}  // namespace
}  // namespace orvane
