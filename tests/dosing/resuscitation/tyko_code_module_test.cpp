// The resuscitation module: its lazily filled page list, choosing pages, the page built for the
// child weight with its caption and trailing text, the paralytic pages it draws, the page entry
// other modules use, and the values it must ignore.
#include "dosing/resuscitation/tyko_code_module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendering/page_builder.h"
#include "tests/support/content/airway_content.h"

namespace orvane {
namespace {

using test_support::contains;
using ContentDir = test_support::AirwayContentDir;
using test_support::pageText;
using test_support::textRecord;
using Session = test_support::ContentSession;

// A code table of `count` records named "Page N"; pages 15, 16, 21 and 36 have a trailing text
// "<BR>Tail N".
void writeCodeTable(const ContentDir& dir, int count) {
    std::vector<tools::ByteVector> records;
    for (int n = 1; n <= count; ++n) {
        const bool tail = n == 15 || n == 16 || n == 21 || n == 36;
        records.push_back(textRecord({"C" + std::to_string(n), "Page " + std::to_string(n), "",
                                      tail ? "<BR>Tail " + std::to_string(n) : ""}));
    }
    dir.write(TykoCodeModule::kCode, records);
}

struct Fixture {
    explicit Fixture(int pages = 42)
        : session((dir.writeParalytics(), writeCodeTable(dir, pages), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
    void setChildWeight(float kg) {
        context().childWeight().value = kg;
        context().childWeight().unit = unit::kKilograms;
    }
};

TEST(TykoCodeModuleTest, ListsThePagesLazily) {
    Fixture f;
    TykoCodeModule module(f.context(), makeRequest(10, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "TykoCode");
    EXPECT_EQ(module.caption().str(), "Select TykoCode Category");
    EXPECT_EQ(module.buildPage(0), nullptr);
    InputField* header = module.choiceList(makeRequest(10, 0));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->label.str(), "Select Category :");
    EXPECT_EQ(header->lazyList, 1);
    EXPECT_EQ(header->max, 42.0f);
    EXPECT_EQ(header->unit, -1);
    InputField* entry = module.choiceList(makeRequest(33, 26, 1));
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->entries.count(), 1);
    EXPECT_EQ(entry->entries[0].label().str(), "Page 27");
    EXPECT_EQ(entry->entries[0].request(), makeRequest(10, 27));
    EXPECT_EQ(module.choiceList(makeRequest(33, 42, 1)), nullptr) << "past the last record";
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
}

TEST(TykoCodeModuleTest, BuildsTheChosenPageForTheChildWeight) {
    Fixture f;
    f.setChildWeight(10);
    TykoCodeModule module(f.context(), makeRequest(10, 0));
    module.handleRequest(makeRequest(10, 27));
    // 10 kg: maintenance 4 × 10 = 40 mL/hr.
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "Maintenance x 1 = 40 mL/hr."));
    EXPECT_EQ(module.caption().str(), "Page 27");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 2);
    EXPECT_EQ(module.choiceList(makeRequest(10, 0))->unit, 26);

    // The trailing text ends pages 15, 16, 21 and 36.
    module.handleRequest(makeRequest(10, 16));
    const std::string cardioversion = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(cardioversion, "2.0 J/kg = 20 J<BR><BR><BR>Tail 16")) << cardioversion;
    EXPECT_EQ(module.caption().str(), "Page 16");

    // (10, 0) clears the choice.
    module.handleRequest(makeRequest(10, 0));
    EXPECT_EQ(module.buildPage(0), nullptr);
    EXPECT_EQ(module.caption().str(), "Select TykoCode Category");
}

TEST(TykoCodeModuleTest, CreatedWithAPage) {
    Fixture f;
    f.setChildWeight(20);
    TykoCodeModule module(f.context(), makeRequest(10, 21));
    EXPECT_EQ(pageText(module.buildPage(0)), "Calc Dose:<BR>0.5-2 mg/kg = 10-40 mg.<BR>Tail 21");
}

TEST(TykoCodeModuleTest, ValuesOutsideTheListAreIgnored) {
    Fixture f;
    f.setChildWeight(10);
    TykoCodeModule module(f.context(), makeRequest(10, 500));
    EXPECT_EQ(module.buildPage(0), nullptr);
    module.handleRequest(makeRequest(10, 27));
    const std::string page = pageText(module.buildPage(0));
    for (int32_t value : {43, 99, 65535}) {
        module.handleRequest(makeRequest(10, value));
        EXPECT_EQ(pageText(module.buildPage(0)), page) << value;
        EXPECT_EQ(module.caption().str(), "Page 27") << value;
    }
}

TEST(TykoCodeModuleTest, AListedEntryBeyondThePagesIsAnEmptyPageWithItsCaption) {
    Fixture f(44);
    TykoCodeModule module(f.context(), makeRequest(10, 44));
    EXPECT_EQ(pageText(module.buildPage(0)), "");
    EXPECT_EQ(module.caption().str(), "Page 44");
}

TEST(TykoCodeModuleTest, PageEntryForOtherModules) {
    Fixture f;
    TykoCodeModule module(f.context(), makeRequest(10, 0));
    // 1 kg: 0.1 mL of 1:10,000 holds 0.01 mg, which one decimal would print as 0.
    SharedString out("before ");
    module.appendPage(24, 1.0f, out);
    EXPECT_TRUE(contains(out.str(),
                         "before IV/IO Dosing:<BR>Calc Result (0.01 mg/kg): 0.1 mL "
                         "(0.01mg) of 1:10,000 Epi."))
        << out.str();
    EXPECT_EQ(module.caption().str(), "Page 24");
    for (int32_t page : {-1, 0, 43, 1000}) {
        SharedString none("kept");
        module.appendPage(page, 10.0f, none);
        EXPECT_EQ(none.str(), "kept") << page;
        EXPECT_EQ(module.caption().str(), "Page 24") << page;
    }
}

TEST(TykoCodeModuleTest, ParalyticPagesComeFromTheParalyticsTable) {
    Fixture f;
    TykoCodeModule module(f.context(), makeRequest(10, 0));
    // The fixture's documents are 0.1 mg/kg at most 4 mg: 20 kg gives 2 mg. A template in the
    // caller's text is left alone.
    const struct { int32_t page; } documents[] = {{12}, {17}, {31}, {34}, {38}, {42}};
    for (const auto& d : documents) {
        SharedString out("<$dose=1 max=100 units=mg> ");
        module.appendPage(d.page, 20.0f, out);
        EXPECT_EQ(out.str(), "<$dose=1 max=100 units=mg> Dose <B>2</B>&nbsp;mg") << d.page;
    }
    // Succinylcholine with both options: 20 mg and 40 mg, the atropine block and the tubes.
    SharedString out;
    module.appendPage(39, 20.0f, out);
    EXPECT_TRUE(contains(out.str(), "1 mg/kg = 20 mg.<BR>[1 mL of 20 mg/mL soln].<BR>"));
    EXPECT_TRUE(contains(out.str(), "2 mg/kg = 40 mg.<BR>[2 mL of 20 mg/mL soln]."));
    EXPECT_TRUE(contains(out.str(), "Atropine to blunt bradycardia"));
    EXPECT_TRUE(contains(out.str(), "Tube Sizes Weight Based"));
    EXPECT_EQ(module.caption().str(), "Page 39");
}

}  // namespace
}  // namespace orvane
