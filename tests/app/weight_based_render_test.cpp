// `orvane render` of TykoDrugs, TykoFever and TykoOTC on the sample content: the lists, computed
// pages for children from 0.5 to 100 kg with every dose and frequency choice, and values outside
// the lists that leave the page as it was.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "tests/support/process_run.h"

namespace {

using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The word on its own, not inside a longer word ("inf" but not "infants").
bool containsWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !isLetter(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord = end == text.size() || !isLetter(text[end]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

// An amount of exactly 0 or a negative one before "&nbsp;" (how the dose pages join an amount
// to its unit): "(0&nbsp;mg", ">0&nbsp;mL", "-2&nbsp;mg".
bool showsZeroOrNegativeAmount(const std::string& page) {
    for (std::size_t at = page.find("&nbsp;"); at != std::string::npos;
         at = page.find("&nbsp;", at + 1)) {
        std::size_t start = at;
        while (start > 0 && (isDigit(page[start - 1]) || page[start - 1] == '.')) --start;
        if (start == at) continue;
        const std::string number = page.substr(start, at - start);
        if (number.find_first_not_of("0.") == std::string::npos) return true;
        if (start > 0 && page[start - 1] == '-') return true;
    }
    return false;
}

void expectNoBrokenNumbers(const std::string& page) {
    for (const char* bad : {"nan", "inf", "ERR"}) {
        EXPECT_FALSE(containsWord(page, bad)) << bad << " in " << page;
    }
    EXPECT_FALSE(showsZeroOrNegativeAmount(page)) << page;
}

// The sample drugs in table order with the number of entries of their dose and frequency lists.
struct SampleDrug {
    int doses;
    int frequencies;
};
constexpr SampleDrug kSampleDrugs[] = {
    {3, 0}, {2, 0}, {1, 0}, {2, 0}, {2, 0}, {1, 0}, {1, 0},
    {2, 0}, {2, 0}, {4, 1}, {6, 2}, {2, 1}, {4, 4}, {4, 1},
};

TEST(WeightBasedRenderTest, DrugListAndAnOralLiquid) {
    const RenderRun list = render("12 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    // (12, 1) and the first resuscitation drug (12, 15).
    EXPECT_EQ(list.out.rfind("Acetaminophen (Tylenol) Liquid\t201326593\n", 0), 0u) << list.out;
    EXPECT_TRUE(contains(list.out, "Adenosine (TykoCode)\t201326607\n")) << list.out;
    // Spelt right in the list, (12, 24).
    EXPECT_TRUE(contains(list.out, "Procainamide (TykoCode)\t201326616\n")) << list.out;

    // 13.3 kg, 15 mg/kg of 32 mg/mL: 6.23 mL → 6 mL, 192 mg → 190 mg.
    const RenderRun run = render("12:1 --child-weight 13.3kg --weight child --choose 1=1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Calculated Result:<BR>6&nbsp;mL&nbsp;(190&nbsp;mg) q4h."))
        << run.out;
    EXPECT_TRUE(contains(run.out, "SAMPLE DATA")) << run.out;
}

TEST(WeightBasedRenderTest, SkippedOptionAndDailyDose) {
    // Ceftriaxone's middle option is unused: entry 2 is 100 mg/kg, 13.3 kg → 1330 → 1325.
    const RenderRun skip = render("12:5 --child-weight 13.3kg --weight child --choose 1=2");
    ASSERT_EQ(skip.status, 0) << skip.err;
    EXPECT_TRUE(contains(skip.out, "<U>100&nbsp;mg/kg/dose every 24 hrs</U>")) << skip.out;
    EXPECT_TRUE(contains(skip.out, "1325&nbsp;mg q24h.")) << skip.out;
    // Amoxicillin 60 mg/kg/d q12h at 13.3 kg: 399 mg → 4.9875 mL → 5 mL of 80 = 400 mg.
    const RenderRun daily =
        render("12:11 --child-weight 13.3kg --weight child --choose 1=3 --choose 2=2");
    ASSERT_EQ(daily.status, 0) << daily.err;
    EXPECT_TRUE(contains(daily.out, "400&nbsp;mg (5&nbsp;mL of 80&nbsp;mg/mL soln).")) << daily.out;
}

TEST(WeightBasedRenderTest, EveryDrugAndChoiceAtEveryWeight) {
    for (const char* weight : {"0.5kg", "3kg", "13.3kg", "100kg"}) {
        for (int n = 1; n <= static_cast<int>(std::size(kSampleDrugs)); ++n) {
            const SampleDrug& drug = kSampleDrugs[n - 1];
            // The first and the last entries of both lists (a list without entries ignores its
            // choice).
            for (const SampleDrug& chosen : {SampleDrug{1, 1}, drug}) {
                const std::string arguments =
                    "12:" + std::to_string(n) + " --child-weight " + weight +
                    " --weight child --choose 1=" + std::to_string(chosen.doses) +
                    " --choose 2=" + std::to_string(chosen.frequencies);
                const RenderRun run = render(arguments);
                ASSERT_EQ(run.status, 0) << arguments << run.err;
                EXPECT_TRUE(contains(run.out, "Calculated Result")) << arguments << run.out;
                expectNoBrokenNumbers(run.out);
            }
        }
    }
}

TEST(WeightBasedRenderTest, ResuscitationDrugsAreTheirTykoCodePages) {
    // Drugs 15 to 27 follow the 14 table drugs: (12, 15) is TykoCode page 10 (adenosine),
    // (12, 21) page 28 (lidocaine) and (12, 27) page 42 (vecuronium).
    const int pages[][2] = {{15, 10}, {21, 28}, {27, 42}};
    for (const char* weight : {"0.5kg", "13.3kg", "100kg"}) {
        for (const auto& [drug, page] : pages) {
            const std::string patient =
                std::string(" --child-weight ") + weight + " --weight child";
            const RenderRun shown = render("12:" + std::to_string(drug) + patient);
            const RenderRun code = render("10:" + std::to_string(page) + patient);
            ASSERT_EQ(shown.status, 0) << shown.err;
            ASSERT_EQ(code.status, 0) << code.err;
            EXPECT_FALSE(shown.out.empty()) << drug;
            EXPECT_EQ(shown.out, code.out) << drug;
        }
    }
}

TEST(WeightBasedRenderTest, FeverMedicines) {
    const RenderRun list = render("13 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "Acetaminophen (Tylenol)\t218103809\nIbuprofen (Motrin)\t218103810\n");
    // 10 mg/kg × 13.3 = 133 → 130 mg (tens), 6.5 mL of 20 mg/mL.
    const RenderRun run = render("13:2 --child-weight 13.3kg --weight child");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "<B>130</B>&nbsp;mg (6.5 mL)")) << run.out;
    for (const char* weight : {"0.5kg", "3kg", "13.3kg", "100kg"}) {
        for (const char* medicine : {"13", "13:2", "13:7"}) {
            const RenderRun page =
                render(std::string(medicine) + " --child-weight " + weight + " --weight child");
            ASSERT_EQ(page.status, 0) << page.err;
            EXPECT_TRUE(contains(page.out, "SAMPLE DATA")) << page.out;
            expectNoBrokenNumbers(page.out);
        }
    }
}

TEST(WeightBasedRenderTest, OtcCategoriesAndMedicines) {
    const RenderRun categories = render("17 --list");
    ASSERT_EQ(categories.status, 0) << categories.err;
    EXPECT_EQ(categories.out,
              "Fever/Pain Medications\t1006632961\nAllergy/Cold/Cough Medications\t1006632962\n"
              "Gastrointestinal Medications\t1006632963\n");
    const RenderRun gastro = render("60:3 --list");
    ASSERT_EQ(gastro.status, 0) << gastro.err;
    EXPECT_EQ(gastro.out.rfind("Antacid Liquid (sample 82)\t285212673\n", 0), 0u) << gastro.out;
    // Records 16 and 81 lie in the first and second categories.
    EXPECT_TRUE(contains(render("17:16").out, "record 16 of the Fever/Pain category"));
    EXPECT_TRUE(contains(render("17:81").out, "record 81 of the Allergy/Cold/Cough category"));
    // From the category page: category 2, then its third medicine (record 19).
    const RenderRun chosen = render("17 --send 60:2:0 --send 17:3:0");
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_TRUE(contains(chosen.out, "record 19 of the Allergy/Cold/Cough category")) << chosen.out;
    // A medicine beyond the table leaves the category page.
    EXPECT_EQ(render("17:90").out, render("17").out);
}

TEST(WeightBasedRenderTest, ValuesOutsideTheListsAreIgnored) {
    const RenderRun beyond = render("12:99");
    EXPECT_EQ(beyond.status, 0) << beyond.err;
    EXPECT_EQ(beyond.out, "");
    const std::string base = "12:5 --child-weight 10kg --weight child --choose 1=1";
    const RenderRun kept = render(base);
    const RenderRun sent =
        render(base + " --choose 1=9 --choose 2=3 --send 12:99:0 --send 70:999:0 --send 12:0:0");
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out, kept.out);
    // 50 mg/kg × 10 = 500.
    EXPECT_TRUE(contains(sent.out, "500&nbsp;mg q24h.")) << sent.out;
}

}  // namespace
