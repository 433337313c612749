// The weight-based dosing modules on their screens with the sample content: TykoDrugs from its
// list to a drug page with the weight row, and TykoOTC from its categories to a medicine.
#include <gtest/gtest.h>

#include <string>

#include "screens/document_screen.h"
#include "screens/index_document_screen.h"
#include "shell/shell_commands.h"
#include "tests/screens/document_page_fixture.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using test_support::ProgramHarness;

class WeightBasedScreensTest : public ::testing::Test {
  protected:
    void open(Request request) {
        h.start();
        h.app().currentScreen()->Navigate(request);
        h.pump();
    }
    IndexDocumentScreen* list() { return h.screen<IndexDocumentScreen>(); }
    DocumentScreen* doc() { return h.screen<DocumentScreen>(); }
    void chooseEntry(int index) {
        ASSERT_NE(list(), nullptr);
        ASSERT_TRUE(h.driver.chooseItem(list()->list(), index));
        h.pump();
    }
    std::string body() { return h.pageBody(doc()->view().window()); }

    ProgramHarness h;
};

TEST_F(WeightBasedScreensTest, ADrugFromTheListWithTheWeightRow) {
    open(makeRequest(12, 0));
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->entryCount(), 27);
    chooseEntry(0);  // "Acetaminophen (Tylenol) Liquid", drug 1
    EXPECT_EQ(h.currentRequest(), makeRequest(12, 1));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(h.shown(doc()->weightBox()));
    EXPECT_NE(body().find("Select Dose : "), std::string::npos) << body();
}

TEST_F(WeightBasedScreensTest, AnOtcMedicineFromItsCategory) {
    open(makeRequest(17, 0));
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->entryCount(), 3);
    chooseEntry(1);  // the second category: records 17 to 81
    EXPECT_EQ(h.currentRequest(), makeRequest(60, 2));
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->entryCount(), 65);
    chooseEntry(2);  // its third medicine: record 19
    EXPECT_EQ(h.currentRequest(), makeRequest(17, 3));
    ASSERT_NE(doc(), nullptr);
    EXPECT_NE(body().find("record 19 of the Allergy/Cold/Cough category"), std::string::npos)
        << body();
}

using FeverScreenTest = test_support::DocumentPageTest;

// The chosen medicine stays chosen while the weight changes: the sample ibuprofen is 10 mg/kg
// (at most 400 mg) in a liquid of 20 mg/mL, the acetaminophen 15 mg/kg.
TEST_F(FeverScreenTest, TheChosenMedicineStaysWhenTheWeightChanges) {
    navigate(makeRequest(13, 0));
    ASSERT_NE(doc(), nullptr);
    typeWeight({2, 0});
    EXPECT_TRUE(bodyHas("Acetaminophen")) << body();
    tap(doc()->viewButton(1));
    EXPECT_TRUE(bodyHas("<STRONG>Ibuprofen</STRONG>")) << body();
    typeWeight({1, 2});
    // 10 mg/kg x 12 kg = 120 mg = 6 mL.
    EXPECT_TRUE(bodyHas("<STRONG>Ibuprofen</STRONG>")) << body();
    EXPECT_TRUE(bodyHas("<B>120</B>&nbsp;mg (6 mL)")) << body();
    EXPECT_EQ(snap(doc()->viewButton(1)).control.checkState, 1);
    EXPECT_EQ(snap(doc()->viewButton(0)).control.checkState, 0);
    // Away and back again (where the weight may have been changed): the module is made again and
    // still shows the chosen medicine, with its button checked; the other button switches back.
    press(command::kBack);
    press(command::kForward);
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(bodyHas("<STRONG>Ibuprofen</STRONG>")) << body();
    EXPECT_EQ(snap(doc()->viewButton(1)).control.checkState, 1);
    EXPECT_EQ(snap(doc()->viewButton(0)).control.checkState, 0);
    tap(doc()->viewButton(0));
    EXPECT_TRUE(bodyHas("<STRONG>Acetaminophen</STRONG>")) << body();
    typeWeight({2, 0});
    // 15 mg/kg x 20 kg = 300 mg.
    EXPECT_TRUE(bodyHas("<STRONG>Acetaminophen</STRONG>")) << body();
    EXPECT_TRUE(bodyHas("<B>300</B>&nbsp;mg")) << body();
}

}  // namespace
}  // namespace orvane
