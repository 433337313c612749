// TykoDrugs on a small drug table: the lazy drug list, choosing drugs, doses and frequencies,
// the skipped dose option, the caption after a list choice and after a link, the resuscitation
// entries, and the values it must ignore.
#include "dosing/weight_based/tyko_drugs_module.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/weight_based_content.h"

namespace orvane {
namespace {

using test_support::contains;
using ContentDir = test_support::WeightBasedContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::fillChildWeight;

constexpr int32_t kDrugCount = 4;

struct Fixture {
    Fixture() : session((dir.writeDrugs(), dir.path())) { fillChildWeight(context(), 13.3f); }
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

Request dose(int32_t k) {
    return makeRequest(33, k, TykoDrugsModule::kDoseList);
}
Request frequency(int32_t k) {
    return makeRequest(33, k, TykoDrugsModule::kFrequencyList);
}

TEST(TykoDrugsModuleTest, TheLazyDrugList) {
    Fixture f;
    TykoDrugsModule module(f.context(), makeRequest(12, 0));
    EXPECT_EQ(module.title().str(), "TykoDrugs");
    EXPECT_EQ(module.caption().str(), "Select Drug");
    EXPECT_EQ(module.buildPage(0), nullptr);
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
    InputField* list = module.choiceList(makeRequest(12, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Desired Drug :");
    EXPECT_EQ(list->lazyList, 1);
    EXPECT_EQ(list->max, 5.0f);
    EXPECT_EQ(list->unit, 0);
    InputField* entry = module.choiceList(makeRequest(33, 1, 1));
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->entries.count(), 1);
    EXPECT_EQ(entry->entries[0].label().str(), "Listed Stepper");
    EXPECT_EQ(entry->entries[0].request(), makeRequest(12, 3));
    // An entry outside the index gives no list rather than a fatal error.
    EXPECT_EQ(module.choiceList(makeRequest(33, 5, 1)), nullptr);
    module.handleRequest(makeRequest(70, 3));
    EXPECT_EQ(module.choiceList(makeRequest(12, 0))->unit, 3);
}

TEST(TykoDrugsModuleTest, OneOptionIsChosenAtOnce) {
    Fixture f;
    TykoDrugsModule module(f.context(), makeRequest(12, 1));
    EXPECT_EQ(module.caption().str(), "One Option");
    // 1 mg/kg × 13.3 = 13.3 → halves: 26.6 → 27 = 13.5.
    const std::string page = pageText(module.buildPage(0));
    EXPECT_EQ(page.rfind("<STRONG>Dose: &nbsp;</STRONG>1&nbsp;mg/kg/dose every 6 hrs<BR>", 0), 0u)
        << page;
    EXPECT_TRUE(contains(page, "Calculated Result:<BR>13.5&nbsp;mg q6h.")) << page;
    EXPECT_EQ(f.context().pageBuilder().weightInput, 2);
}

TEST(TykoDrugsModuleTest, TheChosenEntryDosesTheOptionItShows) {
    Fixture f;
    TykoDrugsModule module(f.context(), makeRequest(12, 2));
    const std::string list = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(list, "<STRONG>Select Dose : </STRONG><BR>")) << list;
    EXPECT_FALSE(contains(list, "Calculated")) << list;
    EXPECT_TRUE(contains(list, "Skip notes.")) << list;
    // Entry 2 is option 3 (100 mg/kg every 12 hrs): 100 × 13.3 = 1330 → 1325 (25s).
    module.handleRequest(dose(2));
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<U>100&nbsp;mg/kg/dose every 12 hrs</U>")) << page;
    EXPECT_TRUE(contains(page, "Calculated Result:<BR>1325&nbsp;mg q12h.")) << page;
    // Entry 3 does not exist: ignored.
    module.handleRequest(dose(3));
    EXPECT_EQ(pageText(module.buildPage(0)), page);
    // 0 offers the list again.
    module.handleRequest(dose(0));
    EXPECT_EQ(pageText(module.buildPage(0)), list);
}

TEST(TykoDrugsModuleTest, SteppedDoseAndFrequency) {
    Fixture f;
    fillChildWeight(f.context(), 20.0f);
    TykoDrugsModule module(f.context(), makeRequest(12, 3));
    const std::string list = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(list, "<U>40&nbsp;mg/kg/d</U>")) << list;
    EXPECT_FALSE(contains(list, "50&nbsp;")) << list;
    module.handleRequest(dose(3));
    const std::string noFrequency = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(noFrequency, "<STRONG>Select Freq : </STRONG><BR>")) << noFrequency;
    EXPECT_FALSE(contains(noFrequency, "Calculated")) << noFrequency;
    // 30 mg/kg/d × 20 = 600, q12h: ÷ 2 = 300.
    module.handleRequest(frequency(3));
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<STRONG>Freq: &nbsp;</STRONG><A HREF=\"553779200\"><U>q12h</U>"))
        << page;
    EXPECT_TRUE(contains(page, "Route: IV/IM<BR><BR>Calculated Result<BR>300&nbsp;mg.")) << page;
    // 40 × 60 = 2400 above 2000: 2000 ÷ 2 = 1000, marked.
    fillChildWeight(f.context(), 60.0f);
    module.handleRequest(dose(4));
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "1000&nbsp;mg (Max dose)."));
    // A frequency outside the list is ignored; clearing the dose keeps the frequency.
    module.handleRequest(frequency(4));
    module.handleRequest(dose(0));
    module.handleRequest(dose(1));
    // 10 × 60 = 600 ÷ 2 = 300.
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "Calculated Result<BR>300&nbsp;mg."));
}

TEST(TykoDrugsModuleTest, DiazepamWarning) {
    Fixture f;
    fillChildWeight(f.context(), 20.0f);
    TykoDrugsModule module(f.context(), makeRequest(12, 4));
    module.handleRequest(dose(1));
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "6&nbsp;mg.<BR><BR>WARNING:"));
}

TEST(TykoDrugsModuleTest, CaptionFromTheListOnlyForItsOwnDrug) {
    Fixture f;
    TykoDrugsModule module(f.context(), makeRequest(12, 0));
    // Index entry 0 is drug 4.
    module.handleRequest(makeRequest(70, 0));
    module.handleRequest(makeRequest(12, 4));
    EXPECT_EQ(module.caption().str(), "Listed Diazepam IV");
    // A link to drug 1 names drug 1, not the remembered entry.
    module.handleRequest(makeRequest(12, 1));
    EXPECT_EQ(module.caption().str(), "One Option");
}

TEST(TykoDrugsModuleTest, ResuscitationEntries) {
    Fixture f;
    TykoDrugsModule module(f.context(), makeRequest(12, 0));
    module.handleRequest(makeRequest(12, kDrugCount + 1));
    EXPECT_EQ(module.caption().str(), "Adenosine");
    // The page is TykoCode's page 10, computed by the resuscitation module.
    const std::string page = pageText(module.buildPage(0));
    EXPECT_EQ(page.rfind("Calc Result (0.1 mg/kg) IV/IO:", 0), 0u) << page;
    EXPECT_FALSE(contains(page, "Select Dose")) << page;
    EXPECT_EQ(f.context().pageBuilder().weightInput, 2);
    module.handleRequest(makeRequest(12, kDrugCount + 13));
    EXPECT_EQ(module.caption().str(), "Vecuronium");
    // Beyond the thirteen: ignored.
    module.handleRequest(makeRequest(12, kDrugCount + 14));
    EXPECT_EQ(module.caption().str(), "Vecuronium");
}

TEST(TykoDrugsModuleTest, AnUnknownFrequencyCodeShowsOnlyTheNotes) {
    ContentDir dir;
    dir.write(12, {test_support::drugRecord({"Odd",
                                             "Odd",
                                             12,
                                             {{10.0f, "0", ""}, {20.0f, "", ""}, {10.0f, "", ""}},
                                             0.0f,
                                             0.0f,
                                             "Odd notes."})});
    Session session(dir.path());
    fillChildWeight(session.context, 10.0f);
    TykoDrugsModule module(session.context, makeRequest(12, 1));
    module.handleRequest(dose(2));
    module.handleRequest(frequency(1));
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<U>20&nbsp;mg/kg/d</U>")) << page;
    EXPECT_FALSE(contains(page, "Freq")) << page;
    EXPECT_FALSE(contains(page, "Calculated")) << page;
    EXPECT_TRUE(contains(page, "Odd notes.")) << page;
}

TEST(TykoDrugsModuleTest, ValuesOutsideTheListsAreIgnored) {
    Fixture f;
    TykoDrugsModule module(f.context(), makeRequest(12, 999));
    EXPECT_EQ(module.buildPage(0), nullptr);
    module.handleRequest(dose(1));
    module.handleRequest(frequency(1));
    module.handleRequest(makeRequest(70, 99));
    EXPECT_EQ(module.choiceList(makeRequest(12, 0))->unit, 0);
    module.handleRequest(makeRequest(12, 2));
    const std::string page = pageText(module.buildPage(0));
    for (const Request ignored :
         {dose(7), frequency(2), makeRequest(12, 0), makeRequest(12, 200), makeRequest(33, 1, 9)}) {
        module.handleRequest(ignored);
        EXPECT_EQ(pageText(module.buildPage(0)), page) << ignored;
    }
    EXPECT_EQ(module.caption().str(), "Skipper");
}

}  // namespace
}  // namespace orvane
