// The headless session: opening requests as their screens would, checking patient values and
// calculator forms, and never showing a page computed from a refused value. A stand-in
// calculator and a stand-in weight page stand for the real modules.
#include "shell/headless_session.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/number_format.h"
#include "modules/calculator_module.h"
#include "modules/patient_checks.h"
#include "modules/patient_inputs.h"
#include "rendering/page_builder.h"
#include "tests/support/content/module_records.h"

namespace orvane {
namespace {

using ContentDir = test_support::ModuleContentDir;
using test_support::record;
using Session = test_support::ContentSession;

// Form: age, calculator weight, pO2 (0 to 760), a two-entry list, a check box. Result: age + the
// weight in kilograms + pO2, written only when every input passes.
class StandInCalculator : public CalculatorModule {
  public:
    StandInCalculator(PatientContext& context, Request request, std::vector<Request>* handled)
        : CalculatorModule(context, request, 1), handled_(handled) {
        resetInputs();
    }
    void resetInputs() override {
        inputs_.resize(0);
        inputs_.append(InputField(makeRequest(83, 0), "Age", "years", -1.0f, 0.0f, 120.0f, 2));
        inputs_.append(InputField(makeRequest(71, 0), "Weight", "", 0.0f, 0.5f, 500.0f, 2));
        inputs_.append(InputField(makeRequest(70, 0), "pO2", "mmHg", -1.0f, 0.0f, 760.0f, 2));
        InputField list(makeRequest(52, 0), "Units", "", 0.0f, 0.0f, 1.0f, 0);
        list.addEntry("mg/dL", makeRequest(33, 1));
        list.addEntry("mmol/L", makeRequest(33, 2));
        inputs_.append(list);
        inputs_.append(InputField(makeRequest(33, 0), "Diabetic", "", 0.0f, 0.0f, 1.0f, 0));
    }
    const char* buildPage(int32_t view) override {
        PageBuilder& builder = startPage(view);
        if (!inputsPass()) return builder.finish();
        const float sum = inputs_[0].value + context_.calcWeightKg() + inputs_[2].value;
        builder.appendText("result=");
        builder.appendText(formatNumber(sum, 1, false));
        builder.appendText(" list=");
        builder.appendText(formatNumber(inputs_[3].value, 0, false));
        builder.appendText(" check=");
        builder.appendText(formatNumber(inputs_[4].value, 0, false));
        return builder.finish();
    }
    bool handleRequest(Request request) override {
        handled_->push_back(request);
        return CalculatorModule::handleRequest(request);
    }

  private:
    std::vector<Request>* handled_;
};

// A page for a child's weight (weight row 2) that prints the weight in kilograms.
class StandInWeightPage : public Module {
  public:
    explicit StandInWeightPage(PatientContext& context) : context_(context) {}
    bool isAvailable() const override { return true; }
    SharedString title() const override { return "Weights"; }
    SharedString caption() const override { return ""; }
    const char* buildPage(int32_t) override {
        PageBuilder& builder = context_.pageBuilder().start(true);
        builder.setWeightInput(2);
        builder.appendText("dose for ");
        builder.appendText(formatNumber(context_.weightKg(2), 2, false));
        return builder.finish();
    }
    InputField* choiceList(Request) override { return nullptr; }
    bool handleRequest(Request) override { return true; }

  private:
    PatientContext& context_;
};

class HeadlessSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.write(4, {record({"c1", "Stand-in", "", ""})});
        session.context.setModuleFactory(
            [this](Request request, PatientContext& context) -> std::unique_ptr<Module> {
                if (moduleCode(request) == 4) {
                    return std::make_unique<StandInCalculator>(context, request, &handled);
                }
                if (moduleCode(request) == 12) return std::make_unique<StandInWeightPage>(context);
                return nullptr;
            });
    }
    std::string page() const { return headless.page() ? *headless.page() : "(none)"; }

    ContentDir dir;
    Session session{dir.path()};
    HeadlessSession headless{session.context};
    std::vector<Request> handled;
};

UnitValue kg(float value) {
    UnitValue weight;
    weight.value = value;
    weight.unit = unit::kKilograms;
    return weight;
}

TEST_F(HeadlessSessionTest, AnUntouchedFormShowsNoResult) {
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    EXPECT_EQ(headless.screenKind(), ScreenKind::kCalculator);
    EXPECT_EQ(page(), "");
    EXPECT_EQ(session.context.calcWeight().unit, unit::kPounds) << "the form was bound";
}

TEST_F(HeadlessSessionTest, PatientValuesSurviveTheBindingAndCompute) {
    ASSERT_TRUE(headless.setAge("40").ok());
    ASSERT_TRUE(headless.setWeight(3, kg(70.0f)).ok());
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    EXPECT_EQ(page(), "") << "pO2 is still empty";
    ASSERT_TRUE(headless.input(3, "100").ok());
    EXPECT_EQ(page(), "result=210 list=0 check=0");
    EXPECT_EQ(handled.back(), makeRequest(70, 2));
    ASSERT_TRUE(headless.input(4, "2").ok());
    ASSERT_TRUE(headless.input(5, "yes").ok());
    EXPECT_EQ(page(), "result=210 list=1 check=1");
}

// One session opening one request after another (as the content check does): each calculator
// opened binds its own form, never the form of a module deleted in between.
TEST_F(HeadlessSessionTest, EachOpenBindsTheFormOfItsOwnModule) {
    ASSERT_TRUE(headless.setAge("40").ok());
    ASSERT_TRUE(headless.setWeight(3, kg(70.0f)).ok());
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    ASSERT_TRUE(headless.open(makeRequest(12, 1), 0).ok());
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    EXPECT_EQ(page(), "") << "pO2 is still empty in the new form";
    ASSERT_TRUE(headless.input(3, "20").ok());
    EXPECT_EQ(page(), "result=130 list=0 check=0");
}

TEST_F(HeadlessSessionTest, AnInputOutOfRangeGivesTheRedMessage) {
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    const SessionResult result = headless.input(3, "800");
    EXPECT_EQ(result.status, SessionStatus::kRefused);
    EXPECT_EQ(result.message, "pO2\r\nMust be in range 0 to 760 mmHg");
    EXPECT_EQ(page(), "<B><FONT color=\"red\">pO2\r\nMust be in range 0 to 760 mmHg</FONT></B>");
}

TEST_F(HeadlessSessionTest, ARefusedWeightNeverReachesTheFormula) {
    ASSERT_TRUE(headless.setAge("40").ok());
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    ASSERT_TRUE(headless.input(3, "100").ok());
    const SessionResult result = headless.input(2, "600lb");
    EXPECT_EQ(result.status, SessionStatus::kRefused);
    EXPECT_EQ(result.message, "Weight should be less than or equal to 500 lbs");
    EXPECT_EQ(page().find("result"), std::string::npos);
}

TEST_F(HeadlessSessionTest, AnEmptyAgeNeverComputesAsZero) {
    ASSERT_TRUE(headless.setWeight(3, kg(70.0f)).ok());
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    ASSERT_TRUE(headless.input(3, "100").ok());
    EXPECT_EQ(page().find("result"), std::string::npos) << page();
    ASSERT_TRUE(headless.input(1, "").ok());
    EXPECT_EQ(page().find("result"), std::string::npos) << page();
    const SessionResult zero = headless.input(1, "0");
    EXPECT_EQ(zero.status, SessionStatus::kRefused);
    EXPECT_EQ(zero.message, "Age should be greater or equal to 1 yr");
}

TEST_F(HeadlessSessionTest, AnEmptyBoxStopsTheComputationSilently) {
    ASSERT_TRUE(headless.setAge("40").ok());
    ASSERT_TRUE(headless.setWeight(3, kg(70.0f)).ok());
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    ASSERT_TRUE(headless.input(3, "100").ok());
    const SessionResult emptied = headless.input(3, "");
    EXPECT_TRUE(emptied.ok());
    EXPECT_EQ(page(), "");
}

TEST_F(HeadlessSessionTest, ActionsTheModuleCannotTakeAreBadArguments) {
    ASSERT_TRUE(headless.open(makeRequest(4, 1), 0).ok());
    const struct {
        int32_t field;
        const char* text;
    } cases[] = {{9, "1"}, {0, "1"}, {4, "3"}, {4, "0"}, {5, "maybe"}, {2, "70"}};
    for (const auto& c : cases) {
        EXPECT_EQ(headless.input(c.field, c.text).status, SessionStatus::kBadArgument)
            << c.field << "=" << c.text;
    }
}

// A box whose text is not wholly a number gets the input's own red message, as on the screen,
// and no result: never the number the text starts with.
TEST_F(HeadlessSessionTest, TextThatIsNotANumberGetsTheInputsMessage) {
    const struct {
        int32_t field;
        const char* text;
        const char* message;
    } cases[] = {
        {3, "abc", "pO2\r\nMust be in range 0 to 760 mmHg"},
        {3, "4e1", "pO2\r\nMust be in range 0 to 760 mmHg"},
        {3, "40.0.1", "pO2\r\nMust be in range 0 to 760 mmHg"},
        {1, "forty", "Age should be greater or equal to 1 yr"},
        {1, "4o", "Age should be greater or equal to 1 yr"},
    };
    for (const auto& c : cases) {
        // One session per case, as each render opens one request.
        HeadlessSession fresh(session.context);
        ASSERT_TRUE(fresh.open(makeRequest(4, 1), 0).ok());
        const SessionResult result = fresh.input(c.field, c.text);
        EXPECT_EQ(result.status, SessionStatus::kRefused) << c.field << "=" << c.text;
        EXPECT_EQ(result.message, c.message) << c.field << "=" << c.text;
        ASSERT_TRUE(fresh.page().has_value());
        EXPECT_EQ(*fresh.page(), messagePageBody(c.message)) << c.field << "=" << c.text;
    }
}

TEST_F(HeadlessSessionTest, PatientValueChecks) {
    struct Case {
        int32_t mode;
        UnitValue weight;
        const char* message;
    };
    UnitValue grams400;
    grams400.value = 400.0f;
    grams400.unit = unit::kGrams;
    UnitValue grams700;
    grams700.value = 700.0f;
    grams700.unit = unit::kGrams;
    const Case cases[] = {
        {1, kg(228.0f), "Weight should be less than or equal to 227 kgs"},
        {1, kg(227.0f), ""},
        {1, grams700, "Weight should be greater or equal to 1000 grams"},
        {2, kg(151.0f), "Weight should be less than or equal to 150 kgs"},
        {2, grams700, ""},
        {3, grams700, ""},  // fine for a child: the form checks it again by its page
        {3, grams400, "Weight should be greater or equal to 500 grams"},
        {3, kg(200.0f), ""},
        {3, kg(228.0f), "Weight should be less than or equal to 227 kgs"},
    };
    for (const Case& c : cases) {
        const SessionResult result = headless.setWeight(c.mode, c.weight);
        EXPECT_EQ(result.message, c.message) << c.mode << " " << c.weight.value;
        EXPECT_EQ(result.ok(), c.message[0] == 0);
    }
    EXPECT_EQ(headless.setAge("").message, "Age should be greater or equal to 1 yr");
    EXPECT_EQ(headless.setAge("121").message, "Age should be less than or equal to 120 yrs");
    EXPECT_EQ(headless.setAge("x").status, SessionStatus::kBadArgument);
    EXPECT_TRUE(headless.setAge("120").ok());
}

TEST_F(HeadlessSessionTest, AWeightPageWithARefusedWeightShowsOnlyTheMessage) {
    session.context.childWeight().value = 200.0f;  // set behind the checks' back
    const SessionResult result = headless.open(makeRequest(12, 1), 0);
    EXPECT_EQ(result.status, SessionStatus::kRefused);
    EXPECT_EQ(result.message, "Weight should be less than or equal to 150 kgs");
    EXPECT_EQ(page(),
              "<B><FONT color=\"red\">Weight should be less than or equal to 150 kgs</FONT></B>");
}

TEST_F(HeadlessSessionTest, AWeightPageWithAGoodWeight) {
    UnitValue child;
    child.value = 11.0f;
    child.unit = unit::kPounds;
    child.fraction = 8;
    ASSERT_TRUE(headless.setWeight(2, child).ok());
    ASSERT_TRUE(headless.open(makeRequest(12, 1), 0).ok());
    EXPECT_EQ(page(), "dose for 5.23");
}

// Weights given for the session are the user's: no longer start weights, and a child page leaves
// the adult weight as given.
TEST_F(HeadlessSessionTest, GivenWeightsAreEnteredAndAChildPageKeepsTheAdultWeight) {
    PatientContext& context = session.context;
    EXPECT_TRUE(context.isStartWeight(context.childWeight()));
    ASSERT_TRUE(headless.setWeight(2, kg(13.3f)).ok());
    EXPECT_FALSE(context.isStartWeight(context.childWeight()));
    EXPECT_TRUE(context.isStartWeight(context.adultWeight()));
    ASSERT_TRUE(headless.setWeight(1, kg(80.0f)).ok());
    EXPECT_FALSE(context.isStartWeight(context.adultWeight()));
    ASSERT_TRUE(headless.open(makeRequest(12, 1), 0).ok());
    EXPECT_EQ(page(), "dose for 13.3");  // a zero last decimal is not written
    EXPECT_EQ(context.adultWeight().value, 80.0f);
    EXPECT_EQ(context.childWeight().value, 13.3f);
}

TEST_F(HeadlessSessionTest, NoModuleAndUnavailable) {
    EXPECT_EQ(headless.open(makeRequest(99, 0), 0).status, SessionStatus::kNoModule);
    EXPECT_EQ(headless.open(makeRequest(4, 0), 0).status, SessionStatus::kNoModule);
    ContentDir empty;
    Session bare(empty.path());
    HeadlessSession other(bare.context);
    EXPECT_EQ(other.open(makeRequest(5, 0), 0).status, SessionStatus::kUnavailable);
}

}  // namespace
}  // namespace orvane
