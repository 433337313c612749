// Weight templates: every tag kind, the conditionals, the order of the passes, tags without '>',
// and the content-error text for numbers that cannot give a dose.
#include "dosing/builders/dose_templates.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "dosing/builders/atropine_block.h"
#include "dosing/builders/equipment_table.h"
#include "dosing/builders/rule_of_six_tables.h"

namespace orvane {
namespace {

std::string filled(const char* text, float weight) {
    SharedString s(text);
    fillWeightTemplates(s, weight);
    return s.str();
}

const std::string kError = kTemplateErrorText;

struct Case {
    const char* text;
    float weight;
    std::string expected;  // worked out by hand from the tag's formula
};

void runCases(const Case* begin, const Case* end) {
    for (const Case* c = begin; c != end; ++c) {
        EXPECT_EQ(filled(c->text, c->weight), c->expected) << c->text << " at " << c->weight;
    }
}

TEST(DoseTemplatesTest, DoseTags) {
    const Case cases[] = {
        {"<$dose=0.1 max=4 units=mg>", 0, "<B>0</B>&nbsp;mg"},
        {"<$dose=0.1 max=4 units=mg>", 20, "<B>2</B>&nbsp;mg"},
        {"<$dose=0.1 max=4 units=mg>", 50, "<B>4</B>&nbsp;mg [Max dose]"},
        {"<$dose=0.1 max=4 units=mg>", 40, "<B>4</B>&nbsp;mg [Max dose]"},  // 4 reaches 4
        {"<$dose=0.01 min=0.1>", 3, "<B>0.1</B>&nbsp;mg"},
        {"<$dose=0.01 min=0.1>", 0, "<B>0.1</B>&nbsp;mg"},
        {"<$dose=0.01 min=0.1>", 20, "<B>0.2</B>&nbsp;mg"},
        {"<$dose=15 units=mcg>", 3.3f, "<B>50</B>&nbsp;mcg"},  // 49.5 → 50
        {"<$dose=0.15>", 7, "<B>1</B>&nbsp;mg"},               // 1.05 → tenths: 1 (10.5 → 10)
        {"<$dose=0.0456>", 1, "<B>0.05</B>&nbsp;mg"},          // 0.046 with two decimals
        {"<$doserange=0.1 up=0.2 max=3>", 20, "<B>2</B>&nbsp;-&nbsp;<B>3</B>&nbsp;mg [Max dose]"},
        {"<$doserange=0.1 up=0.2 max=3>", 40, "<B>3</B>&nbsp;mg [Max dose]"},
        {"<$doserange=0.1 up=0.2>", 10, "<B>1</B>&nbsp;-&nbsp;<B>2</B>&nbsp;mg"},
        {"<$doseamt=0.01 conc=0.1>", 10, "<B>0.1</B>&nbsp;mg (1 mL)"},
        {"<$doseamt=0.1 max=4 conc=2 units=mcg>", 50, "<B>4</B>&nbsp;mcg (2 mL [Max dose])"},
        {"<$doseamt=1 conc=3>", 1, "<B>1</B>&nbsp;mg (0.33 mL)"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(DoseTemplatesTest, AmountAndRateTags) {
    const Case cases[] = {
        {"<$amt=0.1 conc=0.5>", 20, "<B>4</B>&nbsp;"},
        {"<$amt=0.1 max=4 conc=0.5>", 50, "<B>8</B>&nbsp;"},
        {"<$amt=0.01 min=0.1 conc=0.1>", 3, "<B>1</B>&nbsp;"},
        {"<$amt=1 conc=3>", 1, "<B>0.33</B>&nbsp;"},
        {"<$amtrange=0.1 up=0.2 conc=0.5>", 10, "<B>2</B>&nbsp;-&nbsp;<B>4</B>&nbsp;"},
        {"<$amtrange=0.1 up=0.2 max=3 conc=0.5>", 20, "<B>4</B>&nbsp;-&nbsp;<B>6</B>&nbsp;"},
        {"<$amtrange=0.1 up=0.2 max=3 conc=0.5>", 50, "<B>6</B>&nbsp;"},
        // The volume of a capped dose never holds more than the maximum: 15 × 70 = 1050 mg,
        // capped at 1000 mg = 66.67 mL of 15 mg/mL, whose whole-mL step 67 mL (1005 mg) is above
        // it: 66 mL.
        {"<$amt=15 max=1000 conc=15>", 70, "<B>66</B>&nbsp;"},
        {"<$amtrange=15 up=20 max=1000 conc=15>", 70, "<B>66</B>&nbsp;"},
        // 10 × 67 = 670 mg = 44.67 mL → 45; 15 × 67 = 1005 → 1000 mg, the maximum: 66 mL.
        {"<$amtrange=10 up=15 max=1000 conc=15>", 67, "<B>45</B>&nbsp;-&nbsp;<B>66</B>&nbsp;"},
        // 70 / 1600 × 5 = 0.21875 → 0.22
        {"<$rate=5 conc=1600>", 70, "<B>0.22</B>&nbsp;"},
        {"<$rate=5 conc=1600>", 0, "<B>0</B>&nbsp;"},
        // 70 / 1600 × 60 × 5 × 10 = 131.25 → 131 → 13.1
        {"<$ratehr=5 conc=1600>", 70, "<B>13.1</B>&nbsp;"},
        // 70 / 1600 × 60 × 5000 × 0.001 = 13.125 → halves: 13
        {"<$ratemcghr=5000 conc=1600>", 70, "<B>13</B>&nbsp;"},
        // 10 / 50 × 60 × 0.5 × 0.001 = 0.006
        {"<$ratemcghr=0.5 conc=50>", 10, "<B>0.006</B>&nbsp;"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(DoseTemplatesTest, SmallPositiveAmountsNeverReadZero) {
    const Case cases[] = {
        // 0.001 mg/kg × 3 kg = 0.003 mg: two decimals would read 0, three show it.
        {"<$dose=0.001 units=mg>", 3, "<B>0.003</B>&nbsp;mg"},
        {"<$doseamt=0.001 conc=1 units=mg>", 3, "<B>0.003</B>&nbsp;mg (0.003 mL)"},
        // 0.0012 mg → 0.001 (thousandths) in 1 mg/mL.
        {"<$amt=0.0004 conc=1>", 3, "<B>0.001</B>&nbsp;"},
        // 0.006 mg would read 0.01 with two decimals, 67% over: three.
        {"<$doserange=0.002 up=0.05 units=mg>", 3, "<B>0.006</B>&nbsp;-&nbsp;<B>0.15</B>&nbsp;mg"},
        // No dose stays 0.
        {"<$dose=0.001 units=mg>", 0, "<B>0</B>&nbsp;mg"},
    };
    runCases(std::begin(cases), std::end(cases));
}

// Found by dosing_records_fuzz: a range whose "up=" amount is damaged printed its top as 0.
TEST(DoseTemplatesTest, ARangeWithoutAnUpperAmountNeverShowsZero) {
    const std::string out = filled("Dose: <$doserange=0.5 up8 units=grams>", 0.5f);
    EXPECT_EQ(out.find("<B>0</B>"), std::string::npos) << out;
}

// Found by dosing_records_fuzz: a damaged amount per kg ("<$dose=0.0E DATA ...") read as 0 and
// printed a dose of 0 mg. An amount per kg of 0, or a dose the bands bring to 0, is no dose.
TEST(DoseTemplatesTest, AnAmountPerKgOfZeroGivesNoDose) {
    const Case cases[] = {
        {"<$dose=0.0E units=mg>", 0.5f, kError},
        {"<$dose=0 units=mg>", 13.3f, kError},
        {"<$doserange=0 up=0.5 units=mg>", 13.3f, kError},
        {"<$doseamt=0 conc=10 units=mg>", 13.3f, kError},
        {"<$amt=0 conc=10>", 13.3f, kError},
        {"<$amtrange=0 up=1 conc=10>", 13.3f, kError},
        {"<$rate=0 conc=10>", 13.3f, kError},
        {"<$ratehr=0 conc=10>", 13.3f, kError},
    };
    runCases(std::begin(cases), std::end(cases));
    for (const char* tag : {"<$dose=0.0000001 units=mg>", "<$doseamt=0.0000001 conc=1 units=mg>"}) {
        const std::string out = filled(tag, 0.5f);
        EXPECT_EQ(out.find("<B>0</B>"), std::string::npos) << out;
    }
}

TEST(DoseTemplatesTest, Conditionals) {
    const Case cases[] = {
        {"a<$weightif=20>b</$weightif>c", 25, "abc"},
        {"a<$weightif=20>b</$weightif>c", 20, "ac"},
        {"a<$weightif=20>b</$weightif>c", 0, "ac"},
        {"a<$weightif=20 max=30>b</$weightif>c", 20, "abc"},
        {"a<$weightif=20 max=30>b</$weightif>c", 30, "abc"},
        {"a<$weightif=20 max=30>b</$weightif>c", 30.5f, "ac"},
        {"a<$weightif=20 max=30>b</$weightif>c", 19.9f, "ac"},
        {"<$doseif=0.1 max=4>over</$doseif>", 50, "over"},
        {"<$doseif=0.1 max=4>over</$doseif>", 40, "over"},
        {"<$doseif=0.1 max=4>over</$doseif>", 20, ""},
        {"<$doseif=0.1>over</$doseif>", 50, ""},
        // Tags inside a kept block are filled by the later passes.
        {"<$weightif=10>give <$dose=0.1 max=4></$weightif>", 20, "give <B>2</B>&nbsp;mg"},
        {"<$weightif=10>give <$dose=0.1 max=4></$weightif>", 5, ""},
        {"1<$weightif=10>a</$weightif>2<$weightif=10>b</$weightif>3", 12, "1a2b3"},
        // Without its closing tag the block runs to the end of the text and is flagged.
        {"x<$weightif=20>rest", 25, "x" + kError + "rest"},
        {"x<$weightif=20>rest", 10, "x" + kError},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(DoseTemplatesTest, DoseRangeLineTag) {
    const Case cases[] = {
        {"<$prm=0.2 up=0.5 max=10>", 30, "0.2-0.5 mg/kg = 6-10 mg.<BR>[10 mg = Max dose]"},
        {"<$prm=1 up=1.5 max=100 conc=20>", 10,
         "1-1.5 mg/kg = 10-15 mg.<BR>[0.5 - 0.75 mL of 20 mg/mL soln]."},
        {"<$prm=0.2 up=0.5 max=10 units=mEq>", 60, "0.2 mEq/kg = 10 mEq [Max Dose]."},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(DoseTemplatesTest, FixedBlocks) {
    for (float weight : {0.0f, 2.6f, 9.99f, 10.0f, 19.99f, 20.0f, 49.0f, 50.0f, 80.0f}) {
        SharedString tubes, a, b, atropine;
        appendEquipmentTable(tubes, weight);
        appendRateTableA(a, weight);
        appendRateTableB(b, weight);
        appendAtropineBlock(atropine, weight);
        EXPECT_EQ(filled("[<$tubes>|<$prr06a>|<$prr06b>|<$atropine>]", weight),
                  "[" + tubes.str() + "|" + a.str() + "|" + b.str() + "|" + atropine.str() + "]")
            << weight;
    }
}

TEST(DoseTemplatesTest, NamesMatchOnlyWithTheirEqualsSign) {
    EXPECT_EQ(filled("<$dose=0.1> <$doserange=0.1 up=0.2> <$doseamt=0.1 conc=1>", 10),
              "<B>1</B>&nbsp;mg <B>1</B>&nbsp;-&nbsp;<B>2</B>&nbsp;mg <B>1</B>&nbsp;mg (1 mL)");
    EXPECT_EQ(filled("<$rate=1 conc=10> <$ratehr=1 conc=10>", 10),
              "<B>1</B>&nbsp; <B>60</B>&nbsp;");
    EXPECT_EQ(filled("<$tube> <$dosage=1>", 10), "<$tube> <$dosage=1>");
}

TEST(DoseTemplatesTest, ATagWithoutClosingSignEndsItsPass) {
    EXPECT_EQ(filled("a <$dose=0.1 max=4", 20), "a <$dose=0.1 max=4");
    EXPECT_EQ(filled("<$dose=0.1> then <$dose=0.2", 10), "<B>1</B>&nbsp;mg then <$dose=0.2");
    // A tag ends at the first '>' after its name, even one that belongs to a later tag.
    EXPECT_EQ(filled("<$dose=0.1 <$amt=0.1 conc=1>", 10), "<B>1</B>&nbsp;mg");
    // Other passes still run over the whole text.
    EXPECT_EQ(filled("<$amt=0.1 conc=1> <$dose=0.1", 10), "<B>1</B>&nbsp; <$dose=0.1");
    EXPECT_EQ(filled("<$tubes", 10), "<$tubes");
}

TEST(DoseTemplatesTest, TextWithoutTagsIsUnchanged) {
    EXPECT_EQ(filled("", 10), "");
    EXPECT_EQ(filled("plain <B>text</B> with $ and < and >", 10),
              "plain <B>text</B> with $ and < and >");
}

TEST(DoseTemplatesTest, UnusableNumbersGiveTheContentErrorText) {
    const Case cases[] = {
        {"<$doseamt=0.1 conc=0>", 10, kError},
        {"<$doseamt=0.1>", 10, kError},
        {"<$amt=0.1>", 10, kError},
        {"<$amtrange=0.1 up=0.2>", 10, kError},
        {"<$rate=5>", 70, kError},
        {"<$ratehr=5 conc=0>", 70, kError},
        {"<$ratemcghr=5>", 70, kError},
        {"<$dose=nan>", 10, kError},
        {"<$dose=0.1 max=nan>", 10, kError},
        {"<$dose=inf>", 10, kError},
        {"<$dose=1e30>", 10, kError},
        {"<$dose=0.1 max=1e30>", 10, kError},
        {"<$doseamt=0.1 conc=1e30>", 10, kError},
        {"<$dose=-0.1>", 10, kError},
        {"<$dose= max=4>", 10, kError},
        {"<$dose=0.1 max= units=mg>", 10, kError},
        {"<$prm=0.2 up=nan max=10>", 10, kError},
        {"<$prm=0.2 up=0.5 max=10 conc=-5>", 10, kError},
        // A result too large to print is an error too (5000 kg × 1e6 = 5e9).
        {"<$dose=1000000>", 5000, kError},
        {"<$weightif=nan>hidden</$weightif>after", 10, kError + "after"},
        {"<$doseif=0.1 max=abc>hidden</$doseif>", 10, kError},
        // The rest of the text is filled as usual.
        {"<$dose=nan> and <$dose=0.1>", 10, kError + " and <B>1</B>&nbsp;mg"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(DoseTemplatesTest, AWeightThatIsNoNumberGivesTheContentErrorText) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(filled("<$dose=0.1>", nan), kError);
    EXPECT_EQ(filled("<$tubes>", nan), kError);
    EXPECT_EQ(filled("<$weightif=10>x</$weightif>", nan), kError);
    EXPECT_EQ(filled("<$dose=0.1>", -5), kError);
    EXPECT_EQ(filled("<$atropine>", std::numeric_limits<float>::infinity()), kError);
}

TEST(DoseTemplatesTest, NeverNanOrInfOnThePage) {
    const char* texts[] = {"<$dose=0.1 max=4> <$doseamt=1 conc=0.0000001> <$rate=1e6 conc=1e-7>",
                           "<$amt=1e7 conc=1e-30> <$ratehr=1e7 conc=0.00001>"};
    for (const char* text : texts) {
        for (float weight : {0.0f, 1.0f, 500.0f, 1.0e6f}) {
            const std::string out = filled(text, weight);
            EXPECT_EQ(out.find("nan"), std::string::npos) << out;
            EXPECT_EQ(out.find("inf"), std::string::npos) << out;
            EXPECT_EQ(out.find("ERR"), std::string::npos) << out;
        }
    }
}

TEST(DoseTemplatesTest, UsableWeights) {
    const struct {
        float weight;
        bool usable;
    } cases[] = {
        {0.0f, true},
        {0.5f, true},
        {1.0e6f, true},
        {1.0e6f * 1.0001f, false},
        {-0.001f, false},
        {std::numeric_limits<float>::quiet_NaN(), false},
        {std::numeric_limits<float>::infinity(), false},
    };
    for (const auto& c : cases) EXPECT_EQ(isUsableWeight(c.weight), c.usable) << c.weight;
}

}  // namespace
}  // namespace orvane
