// `orvane render` of Toxicology, Transfusions and References on the sample content: the lists, the
// computed and filled pages at a range of weights with no broken number, and values outside the
// lists (from the command line, as from a stale link) that leave the page as it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_checks.h"
#include "tests/support/process_run.h"

namespace {

using orvane::test_support::expectNoBrokenNumbers;
using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The weight options for a weight: a child's weight up to 13.3 kg, else an adult's.
struct WeightCase {
    const char* options;
};

constexpr WeightCase kWeights[] = {
    {"--child-weight 0.5kg --weight child"},
    {"--child-weight 3kg --weight child"},
    {"--child-weight 13.3kg --weight child"},
    {"--adult-weight 100kg --weight adult"},
};

// The sample tables' sizes: records of the ingestion table (the poison-control page first) and
// of the antidote table.
constexpr int kIngestionRecords = 6;
constexpr int kAntidoteRecords = 8;

TEST(ToxicologyRenderTest, TopPageAndLists) {
    const RenderRun top = render("57");
    ASSERT_EQ(top.status, 0) << top.err;
    EXPECT_TRUE(contains(top.out, "<IMG src=\"poison\">")) << top.out;
    EXPECT_TRUE(contains(top.out, "<A HREF=\"402653184\">")) << top.out;  // (24, 0)
    EXPECT_TRUE(contains(top.out, "<A HREF=\"771751936\">")) << top.out;  // (46, 0)

    const RenderRun ingestions = render("24 --list");
    ASSERT_EQ(ingestions.status, 0) << ingestions.err;
    EXPECT_EQ(ingestions.out.rfind("Acetaminophen\t402653186\n", 0), 0u);  // (24, 2)
    const RenderRun antidotes = render("46 --list");
    ASSERT_EQ(antidotes.status, 0) << antidotes.err;
    EXPECT_EQ(antidotes.out.rfind("Atropine\t771751937\n", 0), 0u);  // (46, 1)
    EXPECT_TRUE(contains(antidotes.out, "Dopamine\t771751938\n"));
    EXPECT_TRUE(contains(antidotes.out, "Succinylcholine\t771751944\n"));

    const RenderRun poison = render("24:1");
    ASSERT_EQ(poison.status, 0) << poison.err;
    EXPECT_TRUE(contains(poison.out, "SAMPLE DATA")) << poison.out;
}

TEST(ToxicologyRenderTest, DopamineAtThirteenPointThreeKilograms) {
    // 13.3 × 0.09375 = 1.246875 → 1.2; 13.3 × 1.875 = 24.9375 → 25 (halves); rule of six
    // 6 × 13.3 = 79.8 → 80 mg.
    const RenderRun run = render("46:2 --child-weight 13.3kg --weight child");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "2.5 mcg/kg/min = <B>1.2</B>&nbsp;mL/hr")) << run.out;
    EXPECT_TRUE(contains(run.out, "50 mcg/kg/min = <B>25</B>&nbsp;mL/hr")) << run.out;
    EXPECT_TRUE(contains(run.out, "Concentration: 1600 mcg/mL<BR>")) << run.out;
    EXPECT_TRUE(contains(run.out, "Place 80 mg of Dopamine")) << run.out;
}

TEST(ToxicologyRenderTest, EveryPageAtEveryWeightHasSoundNumbers) {
    for (const WeightCase& weight : kWeights) {
        for (int item = 1; item <= kIngestionRecords; ++item) {
            const RenderRun run = render("24:" + std::to_string(item) + " " + weight.options);
            ASSERT_EQ(run.status, 0) << item << " " << weight.options << ": " << run.err;
            EXPECT_FALSE(run.out.empty()) << item;
            expectNoBrokenNumbers(run.out);
        }
        for (int item = 1; item <= kAntidoteRecords; ++item) {
            const RenderRun run = render("46:" + std::to_string(item) + " " + weight.options);
            ASSERT_EQ(run.status, 0) << item << " " << weight.options << ": " << run.err;
            EXPECT_FALSE(run.out.empty()) << item;
            expectNoBrokenNumbers(run.out);
        }
    }
}

TEST(ToxicologyRenderTest, ValuesOutsideTheListsAreIgnored) {
    // Past the table at creation: the top page.
    const RenderRun top = render("57");
    for (const char* request : {"46:9", "24:7", "46:300"}) {
        const RenderRun run = render(request);
        EXPECT_EQ(run.status, 0) << request << ": " << run.err;
        EXPECT_EQ(run.out, top.out) << request;
    }
    const RenderRun kept = render("46:3 --child-weight 10kg --weight child");
    ASSERT_EQ(kept.status, 0) << kept.err;
    for (const char* send : {"46:9:0", "24:7:0", "33:3:1", "33:32767:1"}) {
        const RenderRun run =
            render(std::string("46:3 --child-weight 10kg --weight child --send ") + send);
        EXPECT_EQ(run.status, 0) << send << ": " << run.err;
        EXPECT_EQ(run.out, kept.out) << send;
    }
}

constexpr int kTransfusionCategories = 10;
constexpr int kReferenceRecords = 6;

TEST(TransfusionsRenderTest, ListViewsAndCalculator) {
    const RenderRun list = render("26 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.rfind("Red Blood Cells\t436207617\n", 0), 0u);  // (26, 1)

    // Red cells at 13.3 kg: 10 mL/kg = 133 → 130 mL (tens).
    const RenderRun run = render("26:1 --child-weight 13.3kg --weight child --send 50:3:0");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "<B>130</B>&nbsp;mL")) << run.out;
    EXPECT_TRUE(contains(run.out, "SAMPLE DATA")) << run.out;

    // Every view of a category with monitoring and of the "D20" one.
    for (const char* category : {"26:1", "26:2"}) {
        for (int view = 0; view <= 6; ++view) {
            const RenderRun shown =
                render(std::string(category) + " --send 50:" + std::to_string(view) + ":0");
            ASSERT_EQ(shown.status, 0) << category << " " << view << ": " << shown.err;
            EXPECT_TRUE(contains(shown.out, "SAMPLE DATA")) << category << " " << view;
        }
    }
}

TEST(TransfusionsRenderTest, EveryCalculatorAtEveryWeightHasSoundNumbers) {
    for (const WeightCase& weight : kWeights) {
        for (int category = 1; category <= kTransfusionCategories; ++category) {
            const RenderRun run =
                render("26:" + std::to_string(category) + " " + weight.options + " --send 50:3:0");
            ASSERT_EQ(run.status, 0) << category << " " << weight.options << ": " << run.err;
            EXPECT_FALSE(run.out.empty()) << category;
            expectNoBrokenNumbers(run.out);
        }
    }
}

TEST(TransfusionsRenderTest, ValuesOutsideTheListsAreIgnored) {
    const RenderRun none = render("26:11");
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "");
    const RenderRun kept = render("26:2 --send 50:4:0");
    ASSERT_EQ(kept.status, 0) << kept.err;
    for (const char* send : {"26:11:0", "50:7:0", "50:5:0"}) {
        const RenderRun run = render(std::string("26:2 --send 50:4:0 --send ") + send);
        EXPECT_EQ(run.status, 0) << send << ": " << run.err;
        EXPECT_EQ(run.out, kept.out) << send;
    }
}

TEST(ReferencesRenderTest, ListAndPages) {
    const RenderRun list = render("49 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.rfind("ACLS\t822149121\n", 0), 0u);  // (49, 1, 1)
    for (int item = 1; item <= kReferenceRecords; ++item) {
        const RenderRun run = render("49:" + std::to_string(item));
        ASSERT_EQ(run.status, 0) << item << ": " << run.err;
        EXPECT_TRUE(contains(run.out, "SAMPLE DATA")) << item;
    }
    const RenderRun none = render("49:7");
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "");
}

}  // namespace
