// The references module: its module list, the caption of a chosen module's page, and the values
// it must ignore.
#include "dosing/toxicology/references_module.h"

#include <gtest/gtest.h>

#include "tests/support/content/toxicology_content.h"

namespace orvane {
namespace {

using ContentDir = test_support::ToxicologyContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;

struct Fixture {
    Fixture() : session((dir.writeReferences(), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

TEST(ReferencesModuleTest, ModuleList) {
    Fixture f;
    ReferencesModule module(f.context(), makeRequest(49, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "References");
    EXPECT_EQ(module.buildPage(0), nullptr);
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
    InputField* list = module.choiceList(makeRequest(49, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Module :");
    EXPECT_EQ(module.caption().str(), "Select a Module :");
    ASSERT_EQ(list->entries.count(), 3);
    EXPECT_EQ(list->entries[1].label().str(), "Paralytics");
    EXPECT_EQ(list->entries[1].request(), makeRequest(49, 2, 1));
    EXPECT_EQ(list->unit, -1);
}

TEST(ReferencesModuleTest, ChosenModulePage) {
    Fixture f;
    ReferencesModule module(f.context(), makeRequest(49, 3));
    EXPECT_EQ(pageText(module.buildPage(0)), "Sources of Toxicology");
    EXPECT_EQ(module.caption().str(), "Toxicology [References]");
    EXPECT_EQ(module.choiceList(makeRequest(49, 0))->unit, 2);
    module.handleRequest(makeRequest(49, 1, 1));
    EXPECT_EQ(pageText(module.buildPage(0)), "Sources of ACLS");
    EXPECT_EQ(module.caption().str(), "ACLS [References]");
    module.handleRequest(makeRequest(49, 0));
    EXPECT_EQ(module.buildPage(0), nullptr);
}

TEST(ReferencesModuleTest, ValuesOutsideTheListAreIgnored) {
    Fixture f;
    ReferencesModule fresh(f.context(), makeRequest(49, 4));
    EXPECT_EQ(fresh.buildPage(0), nullptr);
    ReferencesModule module(f.context(), makeRequest(49, 2));
    for (Request request : {makeRequest(49, 4), makeRequest(49, 0x7FFF), makeRequest(26, 1)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(pageText(module.buildPage(0)), "Sources of Paralytics") << request;
    }
}

TEST(ReferencesModuleTest, MissingTable) {
    ContentDir empty;
    Session session(empty.path());
    ReferencesModule module(session.context, makeRequest(49, 1));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.choiceList(makeRequest(49, 0))->entries.count(), 0);
    EXPECT_EQ(module.buildPage(0), nullptr);
}

}  // namespace
}  // namespace orvane
