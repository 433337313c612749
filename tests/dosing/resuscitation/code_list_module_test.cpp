// The ACLS and PALS lists: which records each lists, the page and caption of a chosen record,
// the remembered list position, and the values they must ignore.
#include "dosing/resuscitation/code_list_module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendering/page_builder.h"
#include "tests/support/content/content_writer.h"

namespace orvane {
namespace {

using test_support::textRecord;
using tools::ByteVector;

// `count` records "Name n" with the document "Doc n" (n from 1); record `damaged` (when not 0)
// ends in the middle of its name.
void writeCodeTable(const test_support::TempContentDir& dir, int count, int damaged = 0) {
    std::vector<ByteVector> records;
    for (int n = 1; n <= count; ++n) {
        const std::string number = std::to_string(n);
        if (n == damaged) {
            records.push_back(ByteVector{'K', 0, 'N', 'a'});
        } else {
            records.push_back(textRecord({"K" + number, "Name " + number, "Doc " + number, "x"}));
        }
    }
    dir.write(CodeListModule::kAclsCode, records);
}

std::string pageText(const char* page) {
    return page ? std::string(page) : std::string("(none)");
}

struct Fixture {
    explicit Fixture(int count = 30, int damaged = 0)
        : session((write(count, damaged), dir.path())) {}
    void write(int count, int damaged) { writeCodeTable(dir, count, damaged); }
    test_support::TempContentDir dir{"orvane-codelist"};
    test_support::ContentSession session;
    PatientContext& context() { return session.context; }
};

struct ListCase {
    int32_t code;
    const char* title;
    int count;       // records in the table
    int entries;     // entries listed
    int firstValue;  // the request value of the first and last entries
    int lastValue;
};

TEST(CodeListModuleTest, EachListShowsItsOwnRecords) {
    const ListCase cases[] = {
        {2, "ACLS", 30, 13, 1, 13},
        {8, "PALS", 30, 16, 14, 29},  // record 30 is in neither list
        {2, "ACLS", 10, 10, 1, 10},   // a short table lists what it has
        {8, "PALS", 15, 2, 14, 15},
    };
    for (const ListCase& c : cases) {
        Fixture f(c.count);
        CodeListModule module(f.context(), makeRequest(c.code, 0));
        EXPECT_TRUE(module.isAvailable());
        EXPECT_EQ(module.title().str(), c.title);
        EXPECT_EQ(module.caption().str(), "Select Desired Item :");
        EXPECT_EQ(module.buildPage(0), nullptr);
        EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
        InputField* list = module.choiceList(makeRequest(c.code, 0));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->label.str(), "Select Desired Item :");
        ASSERT_EQ(list->entries.count(), c.entries) << c.title << " " << c.count;
        const MenuItem first = list->entries[0];
        const MenuItem last = list->entries[c.entries - 1];
        EXPECT_EQ(first.label().str(), "Name " + std::to_string(c.firstValue));
        EXPECT_EQ(first.request(), makeRequest(c.code, c.firstValue));
        EXPECT_EQ(last.label().str(), "Name " + std::to_string(c.lastValue));
        EXPECT_EQ(last.request(), makeRequest(c.code, c.lastValue));
    }
}

struct ChoiceCase {
    int32_t code;
    int32_t value;
    const char* page;  // "(none)" for no page
    const char* caption;
};

TEST(CodeListModuleTest, ChoosingARecordShowsItsDocument) {
    const ChoiceCase cases[] = {
        {2, 1, "Doc 1", "Name 1"},
        {2, 13, "Doc 13", "Name 13"},
        {8, 14, "Doc 14", "Name 14"},
        {8, 29, "Doc 29", "Name 29"},
    };
    for (const ChoiceCase& c : cases) {
        Fixture f;
        // By the creating request and by a later request alike.
        CodeListModule created(f.context(), makeRequest(c.code, c.value));
        EXPECT_EQ(pageText(created.buildPage(0)), c.page);
        EXPECT_EQ(created.caption().str(), c.caption);
        CodeListModule chosen(f.context(), makeRequest(c.code, 0));
        EXPECT_TRUE(chosen.handleRequest(makeRequest(c.code, c.value)));
        EXPECT_EQ(pageText(chosen.buildPage(0)), c.page);
        EXPECT_EQ(chosen.caption().str(), c.caption);
        // The page has no weight row.
        EXPECT_EQ(f.context().pageBuilder().weightInput, 0);
        // (code, 0) clears the choice.
        chosen.handleRequest(makeRequest(c.code, 0));
        EXPECT_EQ(chosen.buildPage(0), nullptr);
        EXPECT_EQ(chosen.caption().str(), "Select Desired Item :");
    }
}

TEST(CodeListModuleTest, ValuesOutsideTheListAreIgnored) {
    Fixture f;
    // Created with a record of the other list, or no record at all: no page.
    for (Request request : {makeRequest(2, 14), makeRequest(8, 13), makeRequest(2, 30),
                            makeRequest(8, 30), makeRequest(2, 0xFFFF)}) {
        CodeListModule fresh(f.context(), request);
        EXPECT_EQ(fresh.buildPage(0), nullptr) << request;
    }

    CodeListModule acls(f.context(), makeRequest(2, 5));
    for (Request request : {makeRequest(2, 14), makeRequest(2, 29), makeRequest(2, 0xFFFF),
                            makeRequest(8, 20), makeRequest(37, 1)}) {
        EXPECT_TRUE(acls.handleRequest(request));
        EXPECT_EQ(pageText(acls.buildPage(0)), "Doc 5") << request;
        EXPECT_EQ(acls.caption().str(), "Name 5");
    }
    CodeListModule pals(f.context(), makeRequest(8, 20));
    for (Request request : {makeRequest(8, 13), makeRequest(8, 1), makeRequest(8, 30)}) {
        EXPECT_TRUE(pals.handleRequest(request));
        EXPECT_EQ(pageText(pals.buildPage(0)), "Doc 20") << request;
    }
}

TEST(CodeListModuleTest, RemembersTheListPosition) {
    Fixture f;
    CodeListModule module(f.context(), makeRequest(8, 0));
    EXPECT_EQ(module.choiceList(makeRequest(8, 0))->unit, 0);
    module.handleRequest(makeRequest(70, 15));  // the last of 16 entries
    EXPECT_EQ(module.choiceList(makeRequest(8, 0))->unit, 15);
    module.handleRequest(makeRequest(70, 16));  // not an entry: ignored
    EXPECT_EQ(module.choiceList(makeRequest(8, 0))->unit, 15);
    module.handleRequest(makeRequest(70, 2));
    EXPECT_EQ(module.choiceList(makeRequest(8, 0))->unit, 2);
}

TEST(CodeListModuleTest, MissingOrDamagedTable) {
    test_support::TempContentDir empty;
    test_support::ContentSession missing(empty.path());
    CodeListModule none(missing.context, makeRequest(2, 1));
    EXPECT_TRUE(none.isAvailable());
    EXPECT_EQ(none.choiceList(makeRequest(2, 0))->entries.count(), 0);
    EXPECT_EQ(none.buildPage(0), nullptr);

    // Record 3 ends inside its name: it is listed by what is there and shows an empty page.
    Fixture f(13, 3);
    CodeListModule module(f.context(), makeRequest(2, 3));
    EXPECT_EQ(module.choiceList(makeRequest(2, 0))->entries[2].label().str(), "Na");
    EXPECT_EQ(module.caption().str(), "Na");
    EXPECT_EQ(pageText(module.buildPage(0)), "");
}

}  // namespace
}  // namespace orvane
