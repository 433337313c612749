// Adult Drips and TykoDrips on the document screen with the sample content: the weight row of the
// adult or the child weight, the section list, a section refused while a choice is missing (the
// list goes back to Selections), and the rate and concentration links that rebuild the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/document_screen.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using test_support::StartedProgram;

class DripsScreenTest : public ::testing::Test, public StartedProgram {
  protected:
    DripsScreenTest() : StartedProgram(kWidth) {}
    static constexpr int kWidth = 240;

    DocumentScreen* doc() { return screen<DocumentScreen>(); }
    std::string body() { return pageBody(doc()->view().window()); }
};

TEST_F(DripsScreenTest, ChildDripWithItsWeightRowAndSections) {
    navigate(makeRequest(11, 3));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_EQ(doc()->weightField(), &patient().childWeight());
    EXPECT_TRUE(shown(doc()->viewList()));
    EXPECT_EQ(snap(doc()->viewList()).control.items,
              (std::vector<std::u16string>{u"Selections", u"Mix Info", u"Infusion Info",
                                           u"Compatibility", u"Information"}));
    EXPECT_NE(body().find("Select Rate:"), std::string::npos) << body();
    // Infusion Info before a rate is chosen: refused, back on Selections.
    choose(doc()->viewList(), 2);
    EXPECT_EQ(doc()->currentView(), 0);
    EXPECT_NE(body().find("Select Rate:"), std::string::npos) << body();

    const platform::HWND viewer = doc()->view().window();
    tapLink(viewer, std::to_string(makeRequest(33, 1, 2)));
    tapLink(viewer, std::to_string(makeRequest(33, 1, 3)));
    EXPECT_NE(body().find("Drip Conc = "), std::string::npos) << body();
    choose(doc()->viewList(), 2);
    EXPECT_EQ(doc()->currentView(), 2);
    EXPECT_EQ(body().rfind("Directions on Infusing Drip:", 0), 0u) << body();
}

TEST_F(DripsScreenTest, AdultDripWithTheAdultWeightRow) {
    navigate(makeRequest(3, 2));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_EQ(doc()->weightField(), &patient().adultWeight());
    EXPECT_FALSE(doc()->childWeightMode());
    EXPECT_TRUE(shown(doc()->viewList()));
}

}  // namespace
}  // namespace orvane
