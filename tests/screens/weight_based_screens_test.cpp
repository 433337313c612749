// The weight-based dosing modules on their screens with the sample content: TykoDrugs from its
// list to a drug page with the weight row, and TykoOTC from its categories to a medicine.
#include <gtest/gtest.h>

#include <string>

#include "screens/document_screen.h"
#include "screens/index_document_screen.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using testing::ProgramHarness;

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

}  // namespace
}  // namespace orvane
