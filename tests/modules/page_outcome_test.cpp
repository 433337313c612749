// What a document or calculator screen shows for a page: the no-module and missing-content pages,
// the red message of a page weight that fails its check (document pages only), the module's page,
// and the text a plain number box starts with.
#include "modules/page_outcome.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "modules/form_binding.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"
#include "tests/support/content/module_records.h"

namespace orvane {
namespace {

using ContentDir = test_support::ModuleContentDir;
using Session = test_support::ContentSession;

// A module whose availability and page weight are given; its page is "doses" (or none).
class StandInPage final : public Module {
  public:
    StandInPage(PatientContext& context, bool available, int16_t weightInput, bool builds)
        : context_(context), available_(available), weightInput_(weightInput), builds_(builds) {}
    bool isAvailable() const override { return available_; }
    SharedString title() const override { return "Stand-in"; }
    SharedString caption() const override { return ""; }
    const char* buildPage(int32_t) override {
        PageBuilder& builder = context_.pageBuilder().start(true);
        builder.setWeightInput(weightInput_);
        if (!builds_) return nullptr;
        builder.appendText("doses");
        return builder.finish();
    }
    InputField* choiceList(Request) override { return nullptr; }
    bool handleRequest(Request) override { return true; }

  private:
    PatientContext& context_;
    bool available_;
    int16_t weightInput_;
    bool builds_;
};

class PageOutcomeTest : public ::testing::Test {
  protected:
    // Builds the stand-in's page and decides what a screen of the kind shows.
    PageOutcome decide(bool available, int16_t weightInput, ScreenKind screen, bool builds = true) {
        handle = std::make_unique<ModuleHandle>(
            makeRequest(12, 1),
            std::make_unique<StandInPage>(context, available, weightInput, builds));
        const char* page = handle->buildPage(0);
        return pageOutcome(context, handle.get(), page, screen);
    }

    ContentDir dir;
    Session session{dir.path()};
    PatientContext& context = session.context;
    std::unique_ptr<ModuleHandle> handle;
};

const std::string kTooHeavyForAChild =
    "<B><FONT color=\"red\">Weight should be less than or equal to 150 kgs</FONT></B>";

TEST_F(PageOutcomeTest, NoModuleGivesTheNoModulePage) {
    const std::optional<PageOutcome> gate = moduleOutcome(nullptr);
    ASSERT_TRUE(gate.has_value());
    EXPECT_EQ(gate->shown, PageShown::kNoModule);
    EXPECT_EQ(gate->body, "This module is not available in this version.");
    const PageOutcome outcome = pageOutcome(context, nullptr, nullptr, ScreenKind::kCalculator);
    EXPECT_EQ(outcome.shown, PageShown::kNoModule);
}

TEST_F(PageOutcomeTest, AModuleWithoutContentGivesTheMissingContentPageBeforeAnyWeightMessage) {
    context.childWeight().value = 200.0f;
    const PageOutcome outcome = decide(false, weight_mode::kChild, ScreenKind::kDocument);
    EXPECT_EQ(outcome.shown, PageShown::kMissingContent);
    EXPECT_EQ(outcome.body, "The content for this document is missing or could not be read.");
    // The weight row still shows the page's weight and knows its message.
    EXPECT_EQ(outcome.weight.field, &context.childWeight());
    EXPECT_EQ(outcome.message.str(), "Weight should be less than or equal to 150 kgs");
}

TEST_F(PageOutcomeTest, ADocumentWeightThatFailsShowsItsMessageNeverThePage) {
    context.childWeight().value = 200.0f;
    const PageOutcome outcome = decide(true, weight_mode::kChild, ScreenKind::kDocument);
    EXPECT_EQ(outcome.shown, PageShown::kWeightMessage);
    EXPECT_EQ(outcome.body, kTooHeavyForAChild);
    EXPECT_TRUE(outcome.weight.childMode);
    EXPECT_EQ(context.currentWeight(), &context.childWeight());
}

TEST_F(PageOutcomeTest, AGoodWeightShowsThePage) {
    context.childWeight().value = 13.3f;
    const PageOutcome outcome = decide(true, weight_mode::kChild, ScreenKind::kDocument);
    EXPECT_EQ(outcome.shown, PageShown::kPage);
    EXPECT_EQ(outcome.body, "doses");
    EXPECT_TRUE(outcome.message.empty());
}

// A calculator checks its own form: the page weight is not checked there, nor chosen.
TEST_F(PageOutcomeTest, ACalculatorPageIsNotHeldToThePageWeight) {
    context.childWeight().value = 200.0f;
    const PageOutcome outcome = decide(true, weight_mode::kChild, ScreenKind::kCalculator);
    EXPECT_EQ(outcome.shown, PageShown::kPage);
    EXPECT_EQ(outcome.body, "doses");
    EXPECT_EQ(outcome.weight.field, nullptr);
    EXPECT_EQ(context.currentWeight(), nullptr);
}

TEST_F(PageOutcomeTest, APageWithoutWeightOrWithoutBodyIsShownAsBuilt) {
    EXPECT_EQ(decide(true, 0, ScreenKind::kDocument).body, "doses");
    EXPECT_EQ(decide(true, 0, ScreenKind::kDocument).weight.field, nullptr);
    const PageOutcome none = decide(true, 0, ScreenKind::kDocument, false);
    EXPECT_EQ(none.shown, PageShown::kPage);
    EXPECT_FALSE(none.body.has_value());
}

TEST(StartingBoxTextTest, AUsableValueIsShownWithItsDecimalsElseTheBoxIsEmpty) {
    struct Case {
        float value, min, max;
        int16_t decimals;
        const char* text;
    };
    const Case cases[] = {
        {5.0f, 0.0f, 10.0f, 1, "5"},     // within the limits
        {10.0f, 0.0f, 10.0f, 1, "10"},   // on the upper limit
        {10.5f, 0.0f, 10.0f, 1, ""},     // above it
        {0.0f, 0.0f, 10.0f, 1, "0"},     // on the lower limit
        {2.76f, 0.0f, 10.0f, 1, "2.8"},  // one decimal
        {3.0f, -1.0f, -1.0f, 2, "3"},    // no limits, above 0
        {0.0f, -1.0f, -1.0f, 2, ""},     // no limits, 0: no default
        {-3.0f, -1.0f, 10.0f, 1, ""},    // negative
    };
    for (const Case& c : cases) {
        InputField field(makeRequest(70, 0), "x", "", c.value, c.min, c.max, c.decimals);
        EXPECT_EQ(startingBoxText(field), c.text) << c.value << " " << c.min << " " << c.max;
    }
}

}  // namespace
}  // namespace orvane
