// The patient checks shared by the screens and the headless renderer: which weight a page uses and
// with which limits, the order of the form checks, and the red message page.
#include "modules/patient_checks.h"

#include <gtest/gtest.h>

#include "modules/patient_inputs.h"
#include "tests/support/content/content_writer.h"

namespace orvane {
namespace {

TEST(PatientChecksTest, RedMessagePage) {
    EXPECT_EQ(messagePageBody("Age should be greater or equal to 1 yr"),
              "<B><FONT color=\"red\">Age should be greater or equal to 1 yr</FONT></B>");
    EXPECT_EQ(messagePageBody(""), "");
}

// A range message carries the label and units of its field, which may hold private codes.
TEST(PatientChecksTest, TheRedPageShowsPrivateCodesAsTheirCharacters) {
    InputField field(makeRequest(70, 0), "HCO<SC id=3>", "mm<SC id=41>", -1.0f, 0.0f, 50.0f, 1);
    EXPECT_EQ(messagePageBody(rangeMessage(field).view()),
              "<B><FONT color=\"red\">HCO&#947;\r\nMust be in range 0 to 50 mm&#179;</FONT></B>");
}

class PageWeightTest : public ::testing::Test {
  protected:
    test_support::ContentSession session{ORVANE_BIN_DIR};
    PatientContext& context = session.context;
};

TEST_F(PageWeightTest, AChildPageIsHeldToTheChildLimitsWhicheverWayItNamesItsWeight) {
    // 200 kg passes the adult limits but not the child ones.
    context.childWeight().value = 200.0f;
    context.adultWeight().value = 200.0f;
    SharedString message;

    PageWeight child = selectPageWeight(context, weight_mode::kChild);
    EXPECT_EQ(child.field, &context.childWeight());
    EXPECT_TRUE(child.childMode);
    EXPECT_FALSE(checkPageWeight(child, &message));
    EXPECT_FALSE(message.empty());

    // The current weight is now the child one: a page asking for the current weight is a child
    // page too.
    context.childWeight().value = 200.0f;
    PageWeight current = selectPageWeight(context, weight_mode::kCurrent);
    EXPECT_EQ(current.field, &context.childWeight());
    EXPECT_TRUE(current.childMode);
    EXPECT_FALSE(checkPageWeight(current, nullptr));

    context.adultWeight().value = 200.0f;
    PageWeight adult = selectPageWeight(context, weight_mode::kAdult);
    EXPECT_EQ(adult.field, &context.adultWeight());
    EXPECT_FALSE(adult.childMode);
    EXPECT_TRUE(checkPageWeight(adult, nullptr));
    // Choosing the adult weight made it current: the current page is an adult page now.
    EXPECT_FALSE(selectPageWeight(context, weight_mode::kCurrent).childMode);
}

TEST_F(PageWeightTest, FormChecksRunInOrderAndEmptyBoxesCountAsZero) {
    PatientBoxes boxes;
    for (size_t b = 0; b < kPatientBoxCount; ++b) boxes.present[b] = true;
    boxes.typed = {true, true, false, true, true};
    context.age().value = 200.0f;          // refused
    context.calcWeight().value = 0.0001f;  // refused too, but after the age
    context.adultWeight().value = 55.0f;   // untyped: becomes 0
    context.height().value = 170.0f;
    context.height().unit = unit::kCentimetres;
    context.headCircumference().value = 40.0f;
    context.headCircumference().unit = unit::kCentimetres;

    SharedString message;
    std::optional<PatientBox> refused = checkPatientBoxes(context, boxes, false, &message);
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, PatientBox::kAge);
    SharedString ageMessage;
    EXPECT_FALSE(checkAge(200.0f, &ageMessage));
    EXPECT_EQ(message.str(), ageMessage.str());

    context.age().value = 30.0f;
    refused = checkPatientBoxes(context, boxes, false, &message);
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, PatientBox::kCalcWeight);

    context.calcWeight().value = 20.0f;
    EXPECT_FALSE(checkPatientBoxes(context, boxes, false, &message));
    EXPECT_EQ(context.adultWeight().value, 0.0f);

    // A box the form does not have is neither checked nor emptied.
    boxes.present[static_cast<size_t>(PatientBox::kAge)] = false;
    context.age().value = 500.0f;
    EXPECT_FALSE(checkPatientBoxes(context, boxes, false, &message));
    EXPECT_EQ(context.age().value, 500.0f);
}

TEST_F(PageWeightTest, TheCalculatorWeightTakesTheChildLimitsOnAChildPage) {
    PatientBoxes boxes;
    boxes.present[static_cast<size_t>(PatientBox::kCalcWeight)] = true;
    boxes.typed[static_cast<size_t>(PatientBox::kCalcWeight)] = true;
    context.calcWeight().unit = unit::kKilograms;
    context.calcWeight().value = 200.0f;
    EXPECT_FALSE(checkPatientBoxes(context, boxes, false, nullptr));
    EXPECT_EQ(checkPatientBoxes(context, boxes, true, nullptr), PatientBox::kCalcWeight);
}

}  // namespace
}  // namespace orvane
