// AbxNavix on the document screen over the sample content: the weight row under a category with
// calculated doses (typing a weight rebuilds them), and none under a category without doses.
#include <gtest/gtest.h>

#include "tests/screens/document_page_fixture.h"

namespace orvane {
namespace {

using AntibioticsScreenTest = test_support::DocumentPageTest;

TEST_F(AntibioticsScreenTest, CategoryWithDosesHasTheWeightRow) {
    navigate(makeRequest(1, 4));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_TRUE(shown(doc()->weightBox()));
    // The adult weight of 70 kg: 80 × 70 / 5 = 1120 a dose reaches 3200 / 5 = 640.
    EXPECT_EQ(text(doc()->weightBox()), u"70");
    EXPECT_TRUE(bodyHas("&nbsp;640&nbsp;mg PO 5x/day (80 mg/kg/d div 5x/day)")) << body();
    EXPECT_TRUE(bodyHas("[max 3200 mg/day]")) << body();
    // 20 kg: 80 × 20 / 5 = 320, and 10 × 20 = 200 a dose by vein.
    typeWeight({2, 0});
    EXPECT_TRUE(bodyHas("&nbsp;320&nbsp;mg PO 5x/day (80 mg/kg/d div 5x/day)")) << body();
    EXPECT_TRUE(bodyHas("&nbsp;200&nbsp;mg/dose IV q8h (10 mg/kg/dose div q8h)")) << body();
}

TEST_F(AntibioticsScreenTest, CategoryWithoutDosesHasNoWeightRow) {
    navigate(makeRequest(1, 3));
    ASSERT_NE(doc(), nullptr);
    EXPECT_FALSE(doc()->weightRowShown());
    EXPECT_TRUE(bodyHas("Sample notes page with no calculated doses.")) << body();
}

}  // namespace
}  // namespace orvane
