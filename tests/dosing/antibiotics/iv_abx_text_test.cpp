// The IV/IM antibiotic text of TykoAbx: Sig lines worked out by hand (below, at and above the
// daily maximum, every way a dose is divided), the penicillin units, the maximum and route lines,
// the J500 loading dose at 40 and 45 kg, the neonatal warnings at each protocol's edges, comments
// and notes, and the cases that must give no Sig line at all.
#include "dosing/antibiotics/iv_abx_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace orvane {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

IvAbxRecord drug(const char* name, float frequencyCode, int32_t maximum, int32_t route = 3) {
    IvAbxRecord d;
    d.code = "X1";
    d.name = name;
    d.low = 1.0f;
    d.high = 1.0f;
    d.frequencyCode = frequencyCode;
    d.protocolCode = 1.0f;
    d.maximum = maximum;
    d.route = route;
    return d;
}

struct SigCase {
    const char* name;
    float code;
    int32_t maximum;
    float perKg;
    int32_t choice;
    const char* word;
    float weight;
    const char* expected;  // worked out by hand: min(W × a, max) ÷ doses a day, dose-rounded
};

TEST(IvAbxTextTest, SigLines) {
    const SigCase cases[] = {
        // 13.3 × 75 = 997.5 a day, ÷ 3 = 332.5, to tens: 330.
        {"Cefazolin", 1, 6000, 75, 1, "q8h", 13.3f, "<BR>Sig: 330 mg/dose q8h"},
        // 3 × 50 = 150 ÷ 3 = 50 (below the maximum).
        {"Cefazolin", 1, 6000, 50, 1, "q8h", 3, "<BR>Sig: 50 mg/dose q8h"},
        // 60 × 100 = 6000: at the maximum, 2000 a dose.
        {"Cefazolin", 1, 6000, 100, 1, "q8h", 60, "<BR>Sig: 2000 mg/dose q8h"},
        // 100 × 100 = 10000 capped at 6000: 2000 a dose.
        {"Cefazolin", 1, 6000, 100, 1, "q8h", 100, "<BR>Sig: 2000 mg/dose q8h"},
        // Capped and rounded past the maximum: the step below. 70 × 150 = 10500 capped at 8000,
        // ÷ 3 = 2666.7, to 25s 2675 (x 3 = 8025 a day): 2650.
        {"Cefotaxime", 1, 8000, 150, 1, "q8h", 70, "<BR>Sig: 2650 mg/dose q8h"},
        // 70 × 45 = 3150 capped at 1750, ÷ 2 = 875, to tens 880 (half to even): 870.
        {"Amoxicillin", 9, 1750, 45, 3, "q12h", 70, "<BR>Sig: 870 mg/dose q12h"},
        // Not capped, yet rounded past it: 10 × 799 = 7990 ÷ 3 = 2663.3, to 25s 2675: 2650.
        {"Cefotaxime", 1, 8000, 799, 1, "q8h", 10, "<BR>Sig: 2650 mg/dose q8h"},
        // Code 13 divides: 10 × 100 = 1000 ÷ 4 (q6h) = 250.
        {"Ampicillin", 13, 12000, 100, 2, "q6h", 10, "<BR>Sig: 250 mg/dose q6h"},
        // q48h and q72h give the whole total as one dose: 1 × 2.5 = 2.5; 2 × 15 = 30.
        {"Neo", 10, 0, 2.5f, 1, "q48h", 1, "<BR>Sig: 2.5 mg/dose q48h"},
        {"Neo", 11, 0, 15, 1, "q72h", 2, "<BR>Sig: 30 mg/dose q72h"},
        {"Neo", 12, 0, 4, 2, "q48h", 1.5f, "<BR>Sig: 6 mg/dose q48h"},
        {"Neo", 12, 0, 4, 1, "q24h", 1.5f, "<BR>Sig: 6 mg/dose q24h"},
        // Code 9, choice 3: 20 × 30 = 600 ÷ 2 = 300.
        {"Clindamycin", 9, 2700, 30, 3, "q12h", 20, "<BR>Sig: 300 mg/dose q12h"},
        // Code 14 has no choice: one dose a day, 2.5 × 50 = 125, to tens (half to even): 120.
        {"Neo", 14, 0, 50, 0, "", 2.5f, "<BR>Sig: 120 mg/dose <BR>"},
        // Penicillins in units: 10 × 100000 = 1000000 ÷ 4 = 250000.
        {"Penicillin G", 2, 24000000, 100000, 2, "q6h", 10, "<BR>Sig: 250000 U/dose q6h"},
        {"PCN G", 2, 24000000, 100000, 2, "q6h", 10, "<BR>Sig: 250000 U/dose q6h"},
        // A small dose never reads as 0: 0.5 × 0.1 = 0.05 ÷ 4 = 0.0125, to thousandths (half to
        // even) 0.012; 0 and 0.01 (17% under) are too far from it: three decimals, 0.012.
        {"Tiny", 6, 0, 0.1f, 1, "q6h", 0.5f, "<BR>Sig: 0.012 mg/dose q6h"},
    };
    for (const SigCase& c : cases) {
        const IvAbxRecord d = drug(c.name, c.code, c.maximum);
        const std::string text = ivAbxText(d, {c.perKg, c.choice, c.word}, c.weight);
        EXPECT_TRUE(contains(text, c.expected)) << c.name << " " << c.weight << ": " << text;
    }
}

TEST(IvAbxTextTest, MaximumAndRouteLines) {
    const std::string cefazolin = ivAbxText(drug("Cefazolin", 1, 6000, 1), {50, 1, "q8h"}, 10);
    EXPECT_TRUE(contains(cefazolin, "<BR>Max dose/day = 6000 mg.<BR>To be given IV only.<BR>"))
        << cefazolin;
    const std::string im = ivAbxText(drug("Cefuroxime", 7, 555, 2), {100, 1, "q12h"}, 10);
    EXPECT_FALSE(contains(im, "Max dose")) << im;  // 555 is not printed for a non-penicillin
    EXPECT_TRUE(contains(im, "q12h<BR>To be given IM only.<BR>")) << im;
    const std::string pen = ivAbxText(drug("penicillin V", 2, 555, 3), {100, 1, "q4h"}, 10);
    EXPECT_TRUE(contains(pen, "<BR>Max dose/day = 555 U.<BR>Can be IV or IM.<BR>")) << pen;
    const std::string none = ivAbxText(drug("Gentamicin", 4, 0, 3), {5, 1, "q8h"}, 10);
    EXPECT_FALSE(contains(none, "Max dose")) << none;
    // Neonatal protocols have neither line.
    IvAbxRecord neonatal = drug("Neo", 10, 6000, 1);
    neonatal.protocolCode = 12.0f;
    const std::string neo = ivAbxText(neonatal, {2.5f, 1, "q48h"}, 1);
    EXPECT_FALSE(contains(neo, "Max dose")) << neo;
    EXPECT_FALSE(contains(neo, "IV only")) << neo;
}

TEST(IvAbxTextTest, LoadingRegimenAt40And45Kg) {
    IvAbxRecord j = drug("Azithro IV", 8, 0, 1);
    j.code = "J500";
    // 40 kg: 10 × 40 = 400 mg loading, then 4 × 40 = 160.
    const std::string at40 = ivAbxText(j, {4, 0, ""}, 40);
    EXPECT_TRUE(contains(at40,
                         "<BR>Sig: 400 mg (10 mg/kg) loading dose, then 160 mg/dose "
                         "q24 hrs."))
        << at40;
    // 45 kg: a fixed 400 mg loading dose, then 4 × 45 = 180.
    const std::string at45 = ivAbxText(j, {4, 0, ""}, 45);
    EXPECT_TRUE(contains(at45,
                         "<BR>Sig: 400 mg (10 mg/kg) loading dose, then 180 mg/dose "
                         "q24 hrs."))
        << at45;
    // 12 kg: 120 mg loading, then 4 × 12 = 48.
    const std::string at12 = ivAbxText(j, {4, 0, ""}, 12);
    EXPECT_TRUE(contains(at12, "<BR>Sig: 120 mg (10 mg/kg) loading dose, then 48 mg/dose")) << at12;
    EXPECT_TRUE(contains(at12, "<BR>Sig: 48 mg/dose ")) << at12;
}

struct WarningCase {
    float protocol;
    float weight;
    const char* start;  // "" for no warning
};

TEST(IvAbxTextTest, NeonatalWarningsAtTheEdges) {
    const WarningCase cases[] = {
        {12, 1.19f, ""},
        {12, 1.2f, "WARNING: Selected Protocol is for &lt;1200 grams"},
        {13, 1.99f, ""},
        {13, 2.0f, "<B>WARNING:</B> Selected Protocol is for &lt;2000 grams"},
        {14, 2.0f, "<B>WARNING:</B> Selected Protocol is for >2000 grams"},
        {14, 2.01f, ""},
        {15, 1.19f, "<B>WARNING:</B> Selected Protocol is for 1200-2000 grams"},
        {15, 1.2f, ""},
        {15, 2.0f, ""},
        {15, 2.1f, "<B>WARNING:</B> Selected Protocol is for 1200-2000 grams"},
        {16, 1.2f, "<B>WARNING:</B> Selected Protocol is for >1200 grams"},
        {16, 1.21f, ""},
        {1, 0.5f, ""},
    };
    for (const WarningCase& c : cases) {
        IvAbxRecord d = drug("Neo", 8, 0);
        d.protocolCode = c.protocol;
        const std::string text = ivAbxText(d, {10, 1, "q24h"}, c.weight);
        if (c.start[0] == '\0') {
            EXPECT_FALSE(contains(text, "WARNING")) << c.protocol << " " << c.weight;
        } else {
            // The warning comes before the Sig line.
            EXPECT_EQ(text.rfind(c.start, 0), 0u) << c.protocol << " " << c.weight << ": " << text;
            EXPECT_TRUE(contains(text, "<BR><BR>Sig: ")) << text;
        }
    }
}

TEST(IvAbxTextTest, CommentsAndNotes) {
    IvAbxRecord d = drug("Cefazolin", 1, 6000, 1);
    d.comments = "C.";
    d.notes = {"N1", "", "N3", "N4"};
    d.adultDosing = "1 g";
    const std::string text = ivAbxText(d, {50, 1, "q8h"}, 10);
    EXPECT_TRUE(contains(text, "IV only.<BR>Adult Dosing: 1 g<BR><BR>C.N1<BR>N3<BR>N4")) << text;
    // Nothing before the comments: they are followed by the break instead.
    IvAbxRecord bare = drug("Neo", 1, 0);
    bare.protocolCode = 13.0f;
    bare.comments = "C.";
    EXPECT_EQ(ivAbxText(bare, {10, 1, "q8h"}, 0), "C.<BR>");
    // J500 adds its duration information and comments sections.
    IvAbxRecord j = d;
    j.code = "J500";
    j.durationInfo = "D.";
    const std::string jt = ivAbxText(j, {4, 0, ""}, 10);
    EXPECT_TRUE(contains(jt, "N4<BR><BR>Duration Information:<BR>D.<BR><BR>Comments:<BR>C.")) << jt;
}

TEST(IvAbxTextTest, NoSigLineWithoutAWeightACountOrANumber) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const IvAbxRecord good = drug("Cefazolin", 1, 6000);
    IvAbxRecord unknownCode = good;
    unknownCode.frequencyCode = 15.0f;
    IvAbxRecord damaged = good;
    damaged.low = nan;
    EXPECT_FALSE(contains(ivAbxText(good, {50, 1, "q8h"}, 0), "Sig"));
    EXPECT_FALSE(contains(ivAbxText(good, {50, 1, "q8h"}, nan), "Sig"));
    EXPECT_FALSE(contains(ivAbxText(good, {0, 1, "q8h"}, 10), "Sig"));
    EXPECT_FALSE(contains(ivAbxText(unknownCode, {50, 1, "q8h"}, 10), "Sig"));
    EXPECT_FALSE(contains(ivAbxText(damaged, {50, 1, "q8h"}, 10), "Sig"));
    // The rest of the page stays.
    EXPECT_TRUE(contains(ivAbxText(unknownCode, {50, 1, "q8h"}, 10), "Can be IV or IM."));
}

}  // namespace
}  // namespace orvane
