// The emergency medicines list: its drug list, the page chosen by each drug code (the paralytic
// pages, the diazepam page, a templated document), and the values it must ignore.
#include "dosing/resuscitation/emerg_meds_module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dosing/builders/equipment_table.h"
#include "rendering/page_builder.h"
#include "tests/support/content/airway_content.h"

namespace orvane {
namespace {

using test_support::contains;
using test_support::pageText;
using test_support::textRecord;
using Session = test_support::ContentSession;
using test_support::setAdultWeight;
using tools::ByteVector;

// The emergency list's records, by drug number from 1.
constexpr const char* kCodes[] = {"A30", "C10", "M30", "P10", "R20",
                                  "S30", "V20", "D20", "E10", "S30X"};
constexpr int32_t kDiazepam = 8;
constexpr int32_t kDocument = 9;
constexpr int32_t kNotACode = 10;
constexpr int32_t kDamaged = 11;

class Content : public test_support::AirwayContentDir {
  public:
    Content() {
        // Paralytic record k: "Page k" with a 0.1 mg/kg dose (at most 4 mg) to fill.
        std::vector<ByteVector> paralytics;
        for (int k = 0; k < 8; ++k) {
            const std::string page = "Page " + std::to_string(k);
            paralytics.push_back(
                textRecord({"key", test_support::kParalytics[k], "", "Info " + std::to_string(k),
                            page + " <$dose=0.1 max=4 units=mg>"}));
        }
        write(ParalyticsModule::kCode, paralytics);

        std::vector<ByteVector> drugs;
        for (const char* code : kCodes) {
            drugs.push_back(
                textRecord({code, std::string("Drug ") + code, "not shown",
                            std::string("Doc ") + code + " <$dose=0.2 max=8 units=mg>"}));
        }
        drugs.push_back(ByteVector{'S', '3'});  // ends inside its code
        write(EmergMedsModule::kCode, drugs);
    }
};

struct Fixture {
    Fixture() : session(dir.path()) {}
    Content dir;
    Session session;
    PatientContext& context() { return session.context; }
};

TEST(EmergMedsModuleTest, ListsAndStartsWithNoDrug) {
    Fixture f;
    EmergMedsModule module(f.context(), makeRequest(6, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "Emerg Meds");
    EXPECT_EQ(module.caption().str(), "Select Drug :");
    EXPECT_EQ(module.buildPage(0), nullptr);
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
    InputField* drugs = module.choiceList(makeRequest(6, 0));
    ASSERT_NE(drugs, nullptr);
    EXPECT_EQ(drugs->label.str(), "Select Drug :");
    EXPECT_EQ(drugs->unit, -1);
    ASSERT_EQ(drugs->entries.count(), kDamaged);
    EXPECT_EQ(drugs->entries[kDiazepam - 1].label().str(), "Drug D20");
    EXPECT_EQ(drugs->entries[kDiazepam - 1].request(), makeRequest(6, kDiazepam));
}

TEST(EmergMedsModuleTest, EachParalyticCodeDrawsItsPage) {
    Fixture f;
    setAdultWeight(f.context(), 20);
    const struct {
        int32_t drug;
        const char* page;
    } cases[] = {
        // 0.1 mg/kg × 20 kg = 2 mg, under the 4 mg maximum, filled on the paralytic's page.
        {1, "Page 0 <B>2</B>&nbsp;mg"}, {2, "Page 1 <B>2</B>&nbsp;mg"},
        {3, "Page 3 <B>2</B>&nbsp;mg"}, {4, "Page 4 <B>2</B>&nbsp;mg"},
        {5, "Page 5 <B>2</B>&nbsp;mg"}, {7, "Page 7 <B>2</B>&nbsp;mg"},
    };
    EmergMedsModule module(f.context(), makeRequest(6, 0));
    for (const auto& c : cases) {
        module.handleRequest(makeRequest(6, c.drug));
        EXPECT_EQ(module.caption().str(), std::string("Drug ") + kCodes[c.drug - 1]);
        EXPECT_EQ(module.choiceList(makeRequest(6, 0))->unit, c.drug - 1);
        EXPECT_EQ(pageText(module.buildPage(0)), c.page) << c.drug;
        EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
    }
}

TEST(EmergMedsModuleTest, SuccinylcholineWithBothOptions) {
    Fixture f;
    setAdultWeight(f.context(), 20);
    EmergMedsModule module(f.context(), makeRequest(6, 6));
    const std::string page = pageText(module.buildPage(0));
    // 1 mg/kg × 20 = 20 mg in 1 mL and 2 mg/kg = 40 mg in 2 mL of 20 mg/mL; the atropine block
    // (0.02 × 20 = 0.4 mg); the document unfilled; the equipment table of the blue band.
    EXPECT_TRUE(contains(page, "1 mg/kg = 20 mg.<BR>[1 mL of 20 mg/mL soln]")) << page;
    EXPECT_TRUE(contains(page, "2 mg/kg = 40 mg.<BR>[2 mL of 20 mg/mL soln]")) << page;
    EXPECT_TRUE(contains(page, "0.02 mg/kg = 0.4 mg, IV/IO")) << page;
    EXPECT_TRUE(contains(page, "Page 6 ")) << page;
    EXPECT_FALSE(contains(page, "Page 6 <B>")) << page;
    EXPECT_TRUE(contains(page, "(Blue)")) << page;
}

TEST(EmergMedsModuleTest, DiazepamAroundFiveKilogramsAndTheNote) {
    Fixture f;
    EmergMedsModule module(f.context(), makeRequest(6, kDiazepam));
    const struct {
        float weight;
        const char* start;
        bool note;
    } cases[] = {
        // 5 kg: the umbilical route; 1-2.5 mg in 0.2-0.5 mL.
        {5.0f,
         "<B>Calc Result</B> (IV/IO/UVC):<BR>0.2-0.5 mg/kg = 1-2.5 mg.<BR>[0.2 - 0.5 mL of "
         "5 mg/mL soln].",
         false},
        // 6 kg: 1.2-3 mg in 0.24-0.6 mL.
        {6.0f,
         "<B>Calc Result</B> (IV/IO):<BR>0.2-0.5 mg/kg = 1.2-3 mg.<BR>[0.24 - 0.6 mL of "
         "5 mg/mL soln].",
         false},
        // 12 kg: 2.4-6 mg; 0.5 mg/kg = 6 mg reaches the young child's 5 mg.
        {12.0f,
         "<B>Calc Result</B> (IV/IO):<BR>0.2-0.5 mg/kg = 2.4-6 mg.<BR>[0.48 - 1.2 mL of "
         "5 mg/mL soln].",
         true},
    };
    for (const auto& c : cases) {
        setAdultWeight(f.context(), c.weight);
        const std::string page = pageText(module.buildPage(0));
        EXPECT_EQ(page.rfind(c.start, 0), 0u) << c.weight << "\n" << page;
        EXPECT_EQ(contains(page, "<B>Note:</B> if child < 5 yrs of age, Max dose 5 mg."), c.note)
            << page;
        EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
    }
}

TEST(EmergMedsModuleTest, OtherCodesShowTheirFilledDocument) {
    Fixture f;
    EmergMedsModule module(f.context(), makeRequest(6, kDocument));
    // 0.2 mg/kg × 20 = 4 mg; × 50 = 10 mg, above the 8 mg maximum.
    setAdultWeight(f.context(), 20);
    EXPECT_EQ(pageText(module.buildPage(0)), "Doc E10 <B>4</B>&nbsp;mg");
    setAdultWeight(f.context(), 50);
    EXPECT_EQ(pageText(module.buildPage(0)), "Doc E10 <B>8</B>&nbsp;mg [Max dose]");
    // A code that only begins like a paralytic's is a document drug.
    module.handleRequest(makeRequest(6, kNotACode));
    EXPECT_EQ(pageText(module.buildPage(0)), "Doc S30X <B>8</B>&nbsp;mg [Max dose]");
    // A record cut inside its code gives an empty page, no amount.
    module.handleRequest(makeRequest(6, kDamaged));
    EXPECT_EQ(pageText(module.buildPage(0)), "");
}

TEST(EmergMedsModuleTest, ValuesOutsideTheListAreIgnored) {
    Fixture f;
    setAdultWeight(f.context(), 20);
    EmergMedsModule fresh(f.context(), makeRequest(6, kDamaged + 1));
    EXPECT_EQ(fresh.buildPage(0), nullptr);
    EXPECT_EQ(fresh.caption().str(), "Select Drug :");

    EmergMedsModule module(f.context(), makeRequest(6, kDocument));
    const std::string before = pageText(module.buildPage(0));
    for (Request request : {makeRequest(6, kDamaged + 1), makeRequest(6, 0x7FFF),
                            makeRequest(6, 0xFFFF), makeRequest(37, 1), makeRequest(50, 1)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(module.caption().str(), "Drug E10");
        EXPECT_EQ(pageText(module.buildPage(0)), before);
    }
    module.handleRequest(makeRequest(6, 0));
    EXPECT_EQ(module.buildPage(0), nullptr);
    EXPECT_EQ(module.caption().str(), "Select Drug :");
}

TEST(EmergMedsModuleTest, MissingTables) {
    test_support::AirwayContentDir empty;
    Session session(empty.path());
    EmergMedsModule module(session.context, makeRequest(6, 1));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.choiceList(makeRequest(6, 0))->entries.count(), 0);
    EXPECT_EQ(module.buildPage(0), nullptr);
}

}  // namespace
}  // namespace orvane
