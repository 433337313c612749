// The resuscitation and intubation modules on the document screen over the sample content: the
// weight row where a page depends on the weight (typing rebuilds the doses), the intubation
// plan's links and view buttons, and no weight row for the stored ACLS documents.
#include <gtest/gtest.h>

#include "tests/screens/document_page_fixture.h"

namespace orvane {
namespace {

using DosingPagesScreenTest = test_support::DocumentPageTest;

TEST_F(DosingPagesScreenTest, DiazepamPageHasTheWeightRow) {
    navigate(makeRequest(6, 4));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_TRUE(shown(doc()->weightBox()));
    // The adult weight of 70 kg: 14 mg is above the 10 mg maximum.
    EXPECT_EQ(text(doc()->weightBox()), u"70");
    EXPECT_TRUE(bodyHas("0.2 mg/kg = 10 mg (Max Dose).")) << body();
    // 20 kg: 4 mg to the 10 mg cap.
    typeWeight({2, 0});
    EXPECT_TRUE(bodyHas("0.2-0.5 mg/kg = 4-10 mg.<BR>[10 mg = Max dose]")) << body();
}

TEST_F(DosingPagesScreenTest, RsiNavixChoosesByLinkAndShowsTheResultView) {
    navigate(makeRequest(22, 0));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_TRUE(bodyHas("Select Adjunct :")) << body();
    typeWeight({2, 0});
    tapLink(doc()->view().window(), std::to_string(makeRequest(33, 3, 1)));  // Lidocaine
    EXPECT_TRUE(bodyHas("<U>Lidocaine</U>")) << body();
    tap(doc()->viewButton(1));
    // 20 kg: 20-30 mg in 1-1.5 mL of 20 mg/mL.
    EXPECT_TRUE(
        bodyHas("<B>Lidocaine:</B><BR>1-1.5 mg/kg = 20-30 mg.<BR>[1 - 1.5 mL of 20 "
                "mg/mL soln]."))
        << body();
    tap(doc()->viewButton(0));
    EXPECT_TRUE(bodyHas("<U>Lidocaine</U>")) << body();
}

TEST_F(DosingPagesScreenTest, AclsDocumentHasNoWeightRow) {
    navigate(makeRequest(2, 1));
    ASSERT_NE(doc(), nullptr);
    EXPECT_FALSE(doc()->weightRowShown());
    EXPECT_TRUE(bodyHas("Shockable Rhythm")) << body();
}

}  // namespace
}  // namespace orvane
