// TykoFever: its medicine list with the label of the medicine shown, the documents filled for the
// child weight, and the values it must ignore.
#include "dosing/weight_based/tyko_fever_module.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/weight_based_content.h"

namespace orvane {
namespace {

using ContentDir = test_support::WeightBasedContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::fillChildWeight;

struct Fixture {
    Fixture() : session((dir.writeFever(), dir.path())) { fillChildWeight(context(), 20.0f); }
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

TEST(TykoFeverModuleTest, ListAndPages) {
    Fixture f;
    TykoFeverModule module(f.context(), makeRequest(13, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "TykoFever");
    EXPECT_EQ(module.caption().str(), "Select Fever Medication:");
    InputField* list = module.choiceList(makeRequest(80, 0));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->entries.count(), 2);
    EXPECT_EQ(list->entries[1].label().str(), "Ibuprofen");
    EXPECT_EQ(list->entries[1].request(), makeRequest(13, 2));
    EXPECT_EQ(list->label.str(), "Acetaminophen");
    // 15 mg/kg × 20 = 300 mg.
    EXPECT_EQ(pageText(module.buildPage(0)), "A <B>300</B>&nbsp;mg");
    const PageBuilder& builder = f.context().pageBuilder();
    EXPECT_EQ(builder.weightInput, 2);
    EXPECT_EQ(builder.hideChoiceList, 1);

    module.handleRequest(makeRequest(13, 2));
    EXPECT_EQ(module.choiceList(makeRequest(13, 0))->label.str(), "Ibuprofen");
    // 10 mg/kg × 20 = 200 mg; × 100 = 1000, capped at 400.
    EXPECT_EQ(pageText(module.buildPage(0)), "I <B>200</B>&nbsp;mg");
    fillChildWeight(f.context(), 100.0f);
    EXPECT_EQ(pageText(module.buildPage(0)), "I <B>400</B>&nbsp;mg [Max dose]");
}

TEST(TykoFeverModuleTest, CreatedOnAMedicineAndValuesOutsideTheList) {
    Fixture f;
    TykoFeverModule module(f.context(), makeRequest(13, 2));
    EXPECT_EQ(pageText(module.buildPage(0)), "I <B>200</B>&nbsp;mg");
    for (const Request ignored : {makeRequest(13, 3), makeRequest(13, 0), makeRequest(12, 1)}) {
        module.handleRequest(ignored);
        EXPECT_EQ(pageText(module.buildPage(0)), "I <B>200</B>&nbsp;mg") << ignored;
    }
    // In a run where no medicine was chosen yet, a value outside the list opens on the first.
    Fixture fresh;
    TykoFeverModule beyond(fresh.context(), makeRequest(13, 9));
    EXPECT_EQ(pageText(beyond.buildPage(0)), "A <B>300</B>&nbsp;mg");
}

// The chosen medicine stays chosen while the weight changes, and when the module is made again
// in the same run without a medicine (coming back to it); a medicine asked for wins.
TEST(TykoFeverModuleTest, TheChosenMedicineIsKeptForTheRun) {
    Fixture f;
    {
        TykoFeverModule module(f.context(), makeRequest(13, 0));
        module.handleRequest(makeRequest(13, 2));
        for (const float kg : {3.0f, 13.3f, 70.0f}) {
            fillChildWeight(f.context(), kg);
            EXPECT_EQ(pageText(module.buildPage(0)).rfind("I <B>", 0), 0u) << kg;
        }
    }
    fillChildWeight(f.context(), 20.0f);
    TykoFeverModule again(f.context(), makeRequest(13, 0));
    EXPECT_EQ(pageText(again.buildPage(0)), "I <B>200</B>&nbsp;mg");
    EXPECT_EQ(again.choiceList(makeRequest(80, 0))->unit, 1);
    TykoFeverModule first(f.context(), makeRequest(13, 1));
    EXPECT_EQ(pageText(first.buildPage(0)), "A <B>300</B>&nbsp;mg");
    TykoFeverModule third(f.context(), makeRequest(13, 0));
    EXPECT_EQ(pageText(third.buildPage(0)), "A <B>300</B>&nbsp;mg");
}

TEST(TykoFeverModuleTest, NoTableIsNotAvailable) {
    ContentDir empty;
    Session session(empty.path());
    TykoFeverModule module(session.context, makeRequest(13, 0));
    EXPECT_FALSE(module.isAvailable());
    EXPECT_EQ(module.choiceList(makeRequest(13, 0))->entries.count(), 0);
    EXPECT_EQ(pageText(module.buildPage(0)), "");
}

}  // namespace
}  // namespace orvane
