// The patient context: start values, choosing weights (a typed weight is never set back), start
// weights, conversions, today, and which module answers a request (moduleFor's reuse rules), with
// a counting stand-in factory.
#include "modules/patient_context.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/support/content/module_records.h"

namespace orvane {
namespace {

using ContentDir = test_support::ModuleContentDir;
using Session = test_support::ContentSession;

// A module that records its creating request and counts the live ones.
class ProbeModule : public Module {
  public:
    ProbeModule(Request request, int* live) : request_(request), live_(live) { ++*live_; }
    ~ProbeModule() override { --*live_; }
    bool isAvailable() const override { return true; }
    SharedString title() const override { return "probe"; }
    SharedString caption() const override { return ""; }
    const char* buildPage(int32_t) override { return nullptr; }
    InputField* choiceList(Request) override { return nullptr; }
    bool handleRequest(Request) override { return true; }
    Request request_;

  private:
    int* live_;
};

struct ProbeFactory {
    int live = 0;
    std::vector<Request> made;
    void install(PatientContext& context) {
        context.setModuleFactory(
            [this](Request request, PatientContext&) -> std::unique_ptr<Module> {
                const int32_t code = moduleCode(request);
                // Codes without a module, and calculator numbers outside 1-40, give none.
                if (code == 99 || code == 33 ||
                    (code == 4 && (longValue(request) < 1 || longValue(request) > 40))) {
                    return nullptr;
                }
                made.push_back(request);
                return std::make_unique<ProbeModule>(request, &live);
            });
    }
};

class PatientContextTest : public ::testing::Test {
  protected:
    ContentDir dir;
    Session session{dir.path()};
    PatientContext& context = session.context;
};

TEST_F(PatientContextTest, StartValues) {
    EXPECT_EQ(context.edition(), 2);
    EXPECT_EQ(context.version().str(), "ver 6.0.1");
    EXPECT_EQ(context.productTitle().str(), "Orvane 6.0");
    EXPECT_EQ(context.keypadShown(), 1);
    EXPECT_EQ(context.listPosition(), 0);
    EXPECT_EQ(context.current(), nullptr);
    EXPECT_EQ(context.currentWeight(), nullptr);

    EXPECT_EQ(context.adultWeight().value, 70.0f);
    EXPECT_EQ(context.adultWeight().unit, unit::kKilograms);
    EXPECT_TRUE(context.adultWeight().text.empty());
    EXPECT_EQ(context.childWeight().value, 10.0f);
    EXPECT_EQ(context.childWeight().unit, unit::kKilograms);
    EXPECT_EQ(context.calcWeight().value, 0.0f);
    EXPECT_EQ(context.calcWeight().unit, unit::kKilograms);
    EXPECT_EQ(context.height().value, 160.0f);
    EXPECT_EQ(context.height().unit, unit::kCentimetres);
    EXPECT_EQ(context.height().text.str(), "160 cms");
    EXPECT_EQ(context.sex().value, 0.0f);
    EXPECT_EQ(context.sex().unit, unit::kMale);
    EXPECT_EQ(context.age().value, 30.0f);
    EXPECT_EQ(context.age().min, 1.0f);
    EXPECT_EQ(context.age().max, 120.0f);
    EXPECT_EQ(context.headCircumference().value, 40.0f);
    EXPECT_EQ(context.headCircumference().text.str(), "40 cms");
    for (const InputField* f :
         {&context.adultWeight(), &context.childWeight(), &context.calcWeight(), &context.height(),
          &context.sex(), &context.headCircumference()}) {
        EXPECT_EQ(f->min, -1.0f);
        EXPECT_EQ(f->max, -1.0f);
        EXPECT_EQ(f->decimals, 1);
        EXPECT_EQ(f->endsRow, 1);
    }
}

// A typed weight stays as typed whichever weight a later page chooses: choosing the child weight
// leaves the adult weight alone, and the other way round.
TEST_F(PatientContextTest, SelectingAWeightKeepsTheOtherAsTyped) {
    context.adultWeight().value = 80.0f;
    InputField& child = context.selectWeight(2);
    EXPECT_EQ(&child, &context.childWeight());
    EXPECT_EQ(context.currentWeight(), &context.childWeight());
    EXPECT_EQ(context.adultWeight().value, 80.0f);

    context.childWeight().value = 13.3f;
    InputField& adult = context.selectWeight(1);
    EXPECT_EQ(&adult, &context.adultWeight());
    EXPECT_EQ(context.childWeight().value, 13.3f);
    EXPECT_EQ(&context.selectWeight(3), &context.adultWeight());
    EXPECT_EQ(&context.selectWeight(2), &context.childWeight());
    EXPECT_EQ(context.childWeight().value, 13.3f);
    EXPECT_EQ(context.adultWeight().value, 80.0f);
}

// A weight is a start weight while nobody entered it and it holds 70 kg (adult) or 10 kg
// (child); any other field never is.
TEST_F(PatientContextTest, AStartWeightIsOneNobodyEnteredThatStillHoldsItsStartValue) {
    EXPECT_TRUE(context.isStartWeight(context.adultWeight()));
    EXPECT_TRUE(context.isStartWeight(context.childWeight()));
    EXPECT_FALSE(context.isStartWeight(context.calcWeight()));
    EXPECT_FALSE(context.isStartWeight(context.height()));

    // Entered as 10 kg again: the user's own figure, no longer a start weight.
    context.markWeightEntered(context.childWeight());
    EXPECT_FALSE(context.isStartWeight(context.childWeight()));
    EXPECT_TRUE(context.isStartWeight(context.adultWeight()));

    // Changed without being entered (a calculator form empties it): not the start value either.
    for (const auto& [value, unitIndex, fraction] :
         {std::tuple{-1.0f, unit::kKilograms, 0}, std::tuple{70.0f, unit::kPounds, 0},
          std::tuple{70.0f, unit::kKilograms, 3}, std::tuple{70.5f, unit::kKilograms, 0}}) {
        InputField& adult = context.adultWeight();
        adult.value = value;
        adult.unit = static_cast<int16_t>(unitIndex);
        adult.fraction = static_cast<int16_t>(fraction);
        EXPECT_FALSE(context.isStartWeight(adult)) << value << " " << unitIndex << " " << fraction;
    }
}

TEST_F(PatientContextTest, SelectingTheCurrentWeightWithNoneChosenGivesTheAdultWeight) {
    EXPECT_EQ(&context.selectWeight(3), &context.adultWeight());
    EXPECT_EQ(context.currentWeight(), &context.adultWeight());
}

TEST_F(PatientContextTest, WeightKgChoosesWithoutResettingTheOther) {
    context.adultWeight().value = 80.0f;
    context.childWeight().value = 11.0f;
    context.childWeight().unit = unit::kPounds;
    context.childWeight().fraction = 8;
    EXPECT_FLOAT_EQ(context.weightKg(2), 5.2272725f);
    EXPECT_EQ(context.adultWeight().value, 80.0f);
    EXPECT_EQ(context.currentWeight(), &context.childWeight());
    EXPECT_FLOAT_EQ(context.weightKg(3), 5.2272725f);
    EXPECT_EQ(context.weightKg(1), 80.0f);
    EXPECT_EQ(context.childWeight().value, 11.0f);
    EXPECT_EQ(context.currentWeight(), &context.adultWeight());
}

TEST_F(PatientContextTest, ConversionsOfThePatientValues) {
    context.calcWeight().value = 3500.0f;
    context.calcWeight().unit = unit::kGrams;
    EXPECT_FLOAT_EQ(context.calcWeightKg(), 3.5f);
    context.height().value = 60.0f;
    context.height().fraction = 4;
    context.height().unit = unit::kInches;
    EXPECT_FLOAT_EQ(context.heightCm(), 153.67f);
    context.headCircumference().value = 16.0f;
    context.headCircumference().unit = unit::kInches;
    EXPECT_FLOAT_EQ(context.headCircumferenceCm(), 40.64f);
}

TEST_F(PatientContextTest, UsableAgeOnly) {
    float years = -1.0f;
    EXPECT_TRUE(context.ageYears(years));
    EXPECT_EQ(years, 30.0f);
    for (const float bad : {0.0f, 0.5f, 121.0f}) {
        context.age().value = bad;
        years = -1.0f;
        EXPECT_FALSE(context.ageYears(years)) << bad;
        EXPECT_EQ(years, -1.0f);
    }
}

TEST_F(PatientContextTest, TodayCanBeFixed) {
    context.setToday(CivilDate{2024, 2, 29});
    EXPECT_EQ(context.today(), (CivilDate{2024, 2, 29}));
}

TEST_F(PatientContextTest, UnknownCodesAndCalculatorNumbersGiveNone) {
    ProbeFactory factory;
    factory.install(context);
    ASSERT_NE(context.moduleFor(makeRequest(32, 0)), nullptr);
    EXPECT_EQ(context.moduleFor(makeRequest(4, 0)), nullptr);
    EXPECT_EQ(context.current(), nullptr);
    EXPECT_EQ(factory.live, 0);
    EXPECT_EQ(context.moduleFor(makeRequest(4, 41)), nullptr);
    EXPECT_EQ(context.current(), nullptr);
}

TEST_F(PatientContextTest, InModuleCodesNeverChangeTheModule) {
    ProbeFactory factory;
    factory.install(context);
    EXPECT_EQ(context.moduleFor(makeRequest(33, 5, 1)), nullptr);  // no current module
    ModuleRef handle = context.moduleFor(makeRequest(12, 3));
    ASSERT_NE(handle, nullptr);
    for (const int32_t code : {33, 50, 74, 75, 81}) {
        EXPECT_EQ(context.moduleFor(makeRequest(code, 2, 1)), handle) << code;
    }
    EXPECT_EQ(factory.made.size(), 1u);
}

struct FamilyCase {
    Request first;
    Request second;
    bool same;
};

TEST_F(PatientContextTest, FamiliesAndEqualCodesKeepTheModule) {
    const FamilyCase cases[] = {
        {makeRequest(24, 1), makeRequest(57, 3), true},
        {makeRequest(57, 0), makeRequest(46, 2), true},
        {makeRequest(5, 0), makeRequest(48, 1, 1), true},
        {makeRequest(17, 0), makeRequest(60, 4), true},
        {makeRequest(9, 1), makeRequest(47, 2), true},
        {makeRequest(30, 0), makeRequest(9, 2), true},
        {makeRequest(14, 0), makeRequest(14, 3), true},
        {makeRequest(12, 0), makeRequest(12, 7), true},  // same code
        {makeRequest(4, 1), makeRequest(4, 1), false},   // code 4 is never reused
        {makeRequest(12, 0), makeRequest(13, 0), false},
        {makeRequest(24, 0), makeRequest(26, 0), false},
        {makeRequest(5, 0), makeRequest(24, 0), false},
    };
    for (const FamilyCase& c : cases) {
        ContentDir freshDir;
        Session fresh(freshDir.path());
        ProbeFactory factory;
        factory.install(fresh.context);
        // Held as plain pointers: only the context keeps the modules alive here.
        const ModuleHandle* first = fresh.context.moduleFor(c.first).get();
        ASSERT_NE(first, nullptr);
        const ModuleHandle* second = fresh.context.moduleFor(c.second).get();
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(first == second, c.same) << c.first << " " << c.second;
        EXPECT_EQ(factory.made.size(), c.same ? 1u : 2u);
        EXPECT_EQ(factory.live, 1) << "the replaced module is deleted";
        EXPECT_EQ(fresh.context.current().get(), second);
    }
}

TEST_F(PatientContextTest, TheIndexIsMadeOnceAndSurvives) {
    ProbeFactory factory;
    factory.install(context);
    ASSERT_NE(context.moduleFor(makeRequest(12, 0)), nullptr);
    const ModuleHandle* index = context.moduleFor(makeRequest(53, 120)).get();
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(context.indexHandle().get(), index);
    EXPECT_EQ(context.current().get(), index);
    EXPECT_EQ(factory.live, 1) << "the previous module was deleted";
    EXPECT_EQ(context.moduleFor(makeRequest(32, 0))->request(), makeRequest(32, 0));
    EXPECT_EQ(factory.live, 2) << "the index stays alive under another module";
    EXPECT_EQ(context.moduleFor(makeRequest(53, 7)).get(), index);
    EXPECT_EQ(context.moduleFor(makeRequest(53, 0)).get(), index);
    EXPECT_EQ(index->request(), makeRequest(53, 120));
    EXPECT_EQ(factory.live, 1);
    EXPECT_EQ(context.moduleFor(makeRequest(99, 0)), nullptr);  // no module: current none
    EXPECT_EQ(context.current(), nullptr);
    EXPECT_EQ(context.indexHandle().get(), index);
    EXPECT_EQ(factory.live, 1);
}

TEST_F(PatientContextTest, AHeldModuleOutlivesTheNextRequest) {
    // A screen (or a module drawing another's page) that holds its module keeps it alive while
    // the context moves on; the module goes when the last holder lets go.
    ProbeFactory factory;
    factory.install(context);
    ModuleRef held = context.moduleFor(makeRequest(12, 1));
    ASSERT_NE(held, nullptr);
    ASSERT_NE(context.moduleFor(makeRequest(13, 0)), nullptr);
    EXPECT_EQ(factory.live, 2);
    EXPECT_EQ(held->request(), makeRequest(12, 1));
    EXPECT_TRUE(held->handleRequest(makeRequest(33, 1)));
    held.reset();
    EXPECT_EQ(factory.live, 1);
    EXPECT_EQ(context.moduleFor(makeRequest(99, 0)), nullptr);
    EXPECT_EQ(factory.live, 0);
}

TEST_F(PatientContextTest, TheRealFactoryMakesTheMenus) {
    for (const int32_t code : {31, 32, 41, 43, 53, 59, 63, 5, 48}) {
        std::unique_ptr<Module> module = context.modules().create(makeRequest(code, 0), context);
        EXPECT_NE(module, nullptr) << code;
    }
    EXPECT_EQ(context.modules().create(makeRequest(4, 0), context), nullptr);
    EXPECT_EQ(context.modules().create(makeRequest(4, 41), context), nullptr);
    EXPECT_EQ(context.modules().create(makeRequest(99, 0), context), nullptr);
    EXPECT_EQ(context.modules().create(makeRequest(87, 0), context), nullptr);
}

TEST_F(PatientContextTest, MakingTheRegistrySetsTheListPositionBack) {
    context.setListPosition(7);
    ASSERT_NE(context.moduleFor(makeRequest(32, 0)), nullptr);
    EXPECT_EQ(context.listPosition(), 0);
}

TEST(ModuleHandleTest, ForwardsAndRemembersAvailability) {
    int live = 0;
    {
        ModuleHandle handle(makeRequest(12, 4), std::make_unique<ProbeModule>(12, &live));
        EXPECT_TRUE(handle.ready());
        EXPECT_EQ(handle.request(), makeRequest(12, 4));
        EXPECT_EQ(handle.title().str(), "probe");
        EXPECT_TRUE(handle.text().empty());
        EXPECT_EQ(live, 1);
    }
    EXPECT_EQ(live, 0);
}

TEST(ModuleTest, EntryOutsideTheListIsFatal) {
    int live = 0;
    ProbeModule module(1, &live);
    EXPECT_EQ(module.count(), 0);
    EXPECT_EXIT(module.entry(0), ::testing::ExitedWithCode(1), "Index out of range");
}

TEST(RequestPackingTest, TheEdgeCasesOfTheFramework) {
    EXPECT_EQ(makeRequest(70, 3, 0), 0x46000003u);
    EXPECT_EQ(makeRequest(33, 2, 1), 0x21010002u);
}

}  // namespace
}  // namespace orvane
