// The document screen's weight row across pages, through the program harness on the sample
// content: a weight typed on a child page stays when an adult page is opened and left again (and
// the other way round), the row's label names the weight it shows, and a start weight nobody
// entered is marked beside the unit list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/document_screen.h"
#include "shell/shell_commands.h"
#include "tests/screens/document_page_fixture.h"

namespace orvane {
namespace {

using test_support::DocumentPageTest;

// Fluid Navix's bolus page doses by the child weight; Adult Drips' drip 2 by the adult weight.
const Request kChildBolusPage = makeRequest(7, 3);
const Request kAdultDripPage = makeRequest(3, 2);

class WeightRowTest : public DocumentPageTest {
  protected:
    // The texts drawn in the weight row's band (between the row's top and bottom), and the colour
    // of the start-weight note when it is drawn.
    std::vector<std::u16string> rowTexts() {
        pump();
        const platform::RECT box = rectOf(doc()->weightBox());
        std::vector<std::u16string> out;
        for (const platform::DrawCommand& d : mainTexts()) {
            if (d.rect.top <= box.top && d.rect.bottom >= box.bottom) out.push_back(d.text);
        }
        return out;
    }
    platform::COLORREF noteColour() {
        for (const platform::DrawCommand& d : mainTexts()) {
            if (d.text == document_screen::kStartWeightNote) return d.textColor;
        }
        return platform::RGB(1, 2, 3);
    }
    void back() { press(command::kBack); }
};

TEST_F(WeightRowTest, AChildWeightTypedStaysWhenAnAdultPageIsOpenedAndLeft) {
    navigate(kChildBolusPage);
    ASSERT_NE(doc(), nullptr);
    // Nobody typed a weight: the start weight (10 kg) is named and marked as such.
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Child", u"(default)"}));
    EXPECT_EQ(noteColour(), platform::RGB(255, 0, 0));
    // The weight box takes a decimal number.
    EXPECT_NE(ws.GetWindowLongPtr(doc()->weightBox(), platform::GWL_STYLE) & platform::ES_DECIMAL,
              0);
    // 10 mL/kg of 10 kg: 100 mL.
    EXPECT_TRUE(bodyHas("Bolus of 10 mL/kg = 100 mL.")) << body();

    typeWeight({1, 3, document_command::kPoint, 3});
    EXPECT_EQ(text(doc()->weightBox()), u"13.3");
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Child"}));
    // 10 mL/kg of 13.3 kg is 133 mL, 130 mL after the dose bands (multiples of 10 from 100);
    // 20 mL/kg is 266 mL, 270 mL.
    EXPECT_TRUE(bodyHas("Bolus of 10 mL/kg = 130 mL.")) << body();
    EXPECT_TRUE(bodyHas("Bolus of 20 mL/kg = 270 mL.")) << body();

    navigate(kAdultDripPage);
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(doc()->weightField(), &patient().adultWeight());
    EXPECT_EQ(text(doc()->weightBox()), u"70");
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Adult", u"(default)"}));
    EXPECT_EQ(patient().childWeight().value, 13.3f);

    back();
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(currentRequest(), kChildBolusPage);
    EXPECT_EQ(doc()->weightField(), &patient().childWeight());
    EXPECT_EQ(patient().childWeight().value, 13.3f);
    EXPECT_EQ(text(doc()->weightBox()), u"13.3");
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Child"}));
    EXPECT_TRUE(bodyHas("Bolus of 10 mL/kg = 130 mL.")) << body();
    EXPECT_FALSE(bodyHas("= 100 mL.")) << body();
}

TEST_F(WeightRowTest, AnAdultWeightTypedStaysWhenAChildPageIsOpenedAndLeft) {
    navigate(kAdultDripPage);
    ASSERT_NE(doc(), nullptr);
    typeWeight({8, 5});
    EXPECT_EQ(patient().adultWeight().value, 85.0f);
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Adult"}));

    navigate(kChildBolusPage);
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(text(doc()->weightBox()), u"10");
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Child", u"(default)"}));

    back();
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(doc()->weightField(), &patient().adultWeight());
    EXPECT_EQ(patient().adultWeight().value, 85.0f);
    EXPECT_EQ(text(doc()->weightBox()), u"85");
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Adult"}));
}

// The start value typed by hand is the user's own figure: no longer marked.
TEST_F(WeightRowTest, TheStartValueTypedByHandIsNoLongerMarked) {
    navigate(kChildBolusPage);
    ASSERT_NE(doc(), nullptr);
    typeWeight({1, 0});
    EXPECT_EQ(patient().childWeight().value, 10.0f);
    EXPECT_EQ(rowTexts(), (std::vector<std::u16string>{u"Child"}));
}

}  // namespace
}  // namespace orvane
