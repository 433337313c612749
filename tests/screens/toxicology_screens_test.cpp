// Toxicology, Transfusions and References on the document screen over the sample content: the
// weight row where a page is computed for the weight (antidotes, transfusion calculators outside
// categories 8 to 10) and nowhere else, and the transfusion views chosen from the view list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/document_screen.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using test_support::StartedProgram;

class ToxicologyScreensTest : public ::testing::Test, public StartedProgram {
  protected:
    DocumentScreen* doc() { return screen<DocumentScreen>(); }
    std::string body() { return pageBody(doc()->view().window()); }
    bool has(const std::string& part) { return body().find(part) != std::string::npos; }
};

TEST_F(ToxicologyScreensTest, AntidotePageHasTheWeightRow) {
    // The adult weight of 70 kg: 70 × 0.09375 = 6.5625 → 6.6 mL/hr.
    navigate(makeRequest(46, 2));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_TRUE(has("2.5 mcg/kg/min = <B>6.6</B>&nbsp;mL/hr")) << body();
}

TEST_F(ToxicologyScreensTest, StoredPagesHaveNoWeightRow) {
    for (const Request request : {makeRequest(57, 0), makeRequest(24, 2), makeRequest(49, 1)}) {
        navigate(request);
        ASSERT_NE(doc(), nullptr) << request;
        EXPECT_FALSE(doc()->weightRowShown()) << request;
        EXPECT_FALSE(body().empty()) << request;
    }
}

TEST_F(ToxicologyScreensTest, TransfusionViewsAndCalculator) {
    navigate(makeRequest(26, 1));
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(
        snap(doc()->viewList()).control.items,
        (std::vector<std::u16string>{u"Information", u"Indications", u"Dosing Info", u"Calculator",
                                     u"Precautions", u"Monitoring", u"References"}));
    EXPECT_FALSE(doc()->weightRowShown());
    // 10 mL/kg × 70 kg = 700 mL, capped at 350 mL.
    choose(doc()->viewList(), 3);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_TRUE(has("<B>350</B>&nbsp;mL [Max dose]")) << body();
}

TEST_F(ToxicologyScreensTest, D20HasNoMonitoringView) {
    navigate(makeRequest(26, 2));
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(snap(doc()->viewList()).control.items,
              (std::vector<std::u16string>{u"Information", u"Indications", u"Dosing Info",
                                           u"Calculator", u"Precautions", u"References"}));
    choose(doc()->viewList(), 5);
    EXPECT_TRUE(has("Sample references")) << body();
}

TEST_F(ToxicologyScreensTest, CategoriesEightToTenAskForNoWeight) {
    navigate(makeRequest(26, 8));
    ASSERT_NE(doc(), nullptr);
    choose(doc()->viewList(), 3);
    // Filled all the same: 20 mL/kg × 70 kg = 1400 mL, capped at 1000 mL.
    EXPECT_FALSE(doc()->weightRowShown());
    EXPECT_TRUE(has("<B>1000</B>&nbsp;mL [Max dose]")) << body();
}

}  // namespace
}  // namespace orvane
