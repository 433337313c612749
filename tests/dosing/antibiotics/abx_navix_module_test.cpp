// The antibiotic guide module: its category list and captions, the category page with the
// calculated dose block for the weight in use, and the values it must ignore.
#include "dosing/antibiotics/abx_navix_module.h"

#include <gtest/gtest.h>

#include <string>

#include "rendering/page_builder.h"
#include "tests/support/content/abx_navix_content.h"

namespace orvane {
namespace {

using ContentDir = test_support::AbxNavixContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::setAdultWeight;

struct Fixture {
    Fixture() : session((dir.writeGuide(), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

TEST(AbxNavixModuleTest, CategoryList) {
    Fixture f;
    AbxNavixModule module(f.context(), makeRequest(1, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "AbxNavix");
    EXPECT_EQ(module.caption().str(), "Select Category");
    EXPECT_EQ(module.buildPage(0), nullptr);
    EXPECT_NE(std::string(f.context().pageBuilder().finish()).find("Select a Category"),
              std::string::npos);
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
    InputField* list = module.choiceList(makeRequest(1, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Category :");
    ASSERT_EQ(list->entries.count(), 4);
    EXPECT_EQ(list->entries[0].label().str(), "Pneumonia");
    EXPECT_EQ(list->entries[2].label().str(), "Meningitis");
    EXPECT_EQ(list->entries[2].request(), makeRequest(1, 3));
    EXPECT_EQ(list->unit, -1);
}

TEST(AbxNavixModuleTest, CategoryPageWithTheDoseBlock) {
    Fixture f;
    setAdultWeight(f.context(), 40);
    AbxNavixModule module(f.context(), makeRequest(1, 1));
    EXPECT_EQ(module.caption().str(), "Pneumonia");
    // 30 × 40 / 3 = 400 up to 1500 / 3 = 500 (the high end, 665 in fives, is capped).
    const std::string page = pageText(module.buildPage(0));
    EXPECT_EQ(page,
              "Pneumonia text<BR><BR><STRONG>Calculated Dose: </STRONG><BR>&nbsp;&#149;"
              "&nbsp;<B>Amoxicillin&nbsp;</B> &nbsp;400-500&nbsp;mg PO tid (30-50 mg/kg/d "
              "div tid) [max 1500 mg/day]<BR><BR>");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
    EXPECT_EQ(module.choiceList(makeRequest(1, 0))->unit, 0);

    // At 10 kg: 100000 × 10 / 4 = 250000 units; 2.5 × 10 = 25 mg.
    setAdultWeight(f.context(), 10);
    module.handleRequest(makeRequest(1, 3));
    EXPECT_EQ(module.caption().str(), "Meningitis");
    const std::string meningitis = pageText(module.buildPage(0));
    EXPECT_NE(meningitis.find("&nbsp;250000 U &nbsp;IV q6h (100000 U /kg/d div q6h)"),
              std::string::npos)
        << meningitis;
    EXPECT_NE(meningitis.find("&nbsp;25&nbsp;mg/dose IV/IM q8h (2.5 mg/kg/dose div q8h)"),
              std::string::npos)
        << meningitis;
}

TEST(AbxNavixModuleTest, CategoryWithoutDosesHasNoWeightRow) {
    Fixture f;
    for (int32_t category : {2, 4}) {  // no dose record; one past the table
        AbxNavixModule module(f.context(), makeRequest(1, category));
        const std::string page = pageText(module.buildPage(0));
        EXPECT_EQ(page.find("Calculated Dose"), std::string::npos) << page;
        EXPECT_NE(page.find(" text<BR>"), std::string::npos) << page;
        EXPECT_EQ(f.context().pageBuilder().weightInput, 0) << category;
    }
}

TEST(AbxNavixModuleTest, ValuesOutsideTheListAreIgnored) {
    Fixture f;
    setAdultWeight(f.context(), 40);
    AbxNavixModule fresh(f.context(), makeRequest(1, 5));
    EXPECT_EQ(fresh.buildPage(0), nullptr);
    EXPECT_EQ(fresh.caption().str(), "Select Category");

    AbxNavixModule module(f.context(), makeRequest(1, 1));
    const std::string kept = pageText(module.buildPage(0));
    for (Request request :
         {makeRequest(1, 5), makeRequest(1, 0xFFFF), makeRequest(45, 2), makeRequest(33, 2, 1)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(pageText(module.buildPage(0)), kept) << request;
        EXPECT_EQ(module.caption().str(), "Pneumonia") << request;
    }
    // (1, 0) asks for a category again; the chosen one stays.
    module.handleRequest(makeRequest(1, 0));
    EXPECT_EQ(module.caption().str(), "Select Category :");
    EXPECT_EQ(pageText(module.buildPage(0)), kept);
}

TEST(AbxNavixModuleTest, MissingTables) {
    ContentDir empty;
    Session session(empty.path());
    AbxNavixModule module(session.context, makeRequest(1, 1));
    EXPECT_EQ(module.choiceList(makeRequest(1, 0))->entries.count(), 0);
    EXPECT_EQ(module.buildPage(0), nullptr);
}

}  // namespace
}  // namespace orvane
