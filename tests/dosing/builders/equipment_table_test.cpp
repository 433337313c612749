// The equipment table by weight band: every band edge of the colours and of the equipment sizes,
// the ventilator settings (lung-protective volumes, held at the top band's 50 kg above it) and the
// closing comment.
#include "dosing/builders/equipment_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvane {
namespace {

std::string table(float weight) {
    SharedString out;
    appendEquipmentTable(out, weight);
    return out.str();
}

struct BandCase {
    float weight;
    const char* colour;  // nullptr: no colour code
    const char* ett;     // the first equipment line
    const char* lma;     // the LMA line, nullptr when the band has none
    int lines;           // equipment lines in the band
    const char* tidal;   // "6 W - 8 W", each dose-rounded, worked out by hand (W at most 50 kg)
    bool smallRate;      // "Rate 20-30" below 10 kg
    bool comment;        // from 3 kg
};

constexpr const char* kLma1 = "LMA: 1, Max air in cuff=4 mL";
constexpr const char* kLma15 = "LMA: 1.5, Max air in cuff=7 mL";
constexpr const char* kLma2 = "LMA: 2, Max air in cuff=10 mL";
constexpr const char* kLma25 = "LMA: 2.5, Max air in cuff=14 mL";
constexpr const char* kLma3 = "LMA: 3, Max air in cuff=20 mL";

const BandCase kBands[] = {
    {0.0f, nullptr, "ETT 2.5", nullptr, 4, "0-0", true, false},
    {0.99f, nullptr, "ETT 2.5", nullptr, 4, "5.9-7.9", true, false},
    {1.0f, nullptr, "ETT 3.0", nullptr, 9, "6-8", true, false},
    {1.99f, nullptr, "ETT 3.0", nullptr, 9, "12-16", true, false},
    {2.0f, nullptr, "ETT 3.0-3.5", nullptr, 9, "12-16", true, false},
    {2.5f, nullptr, "ETT 3.0-3.5", nullptr, 9, "15-20", true, false},
    {2.51f, " (Infant)<BR>", "ETT 3.0-3.5", nullptr, 9, "15-20", true, false},
    {2.99f, " (Infant)<BR>", "ETT 3.0-3.5", nullptr, 9, "18-24", true, false},
    {3.0f, " (Infant)<BR>", "ETT 3.0-3.5", kLma1, 11, "18-24", true, true},
    {4.99f, " (Infant)<BR>", "ETT 3.0-3.5", kLma1, 11, "30-40", true, true},
    {5.0f, " (Infant)<BR>", "ETT 3.0-3.5", kLma15, 11, "30-40", true, true},
    {5.49f, " (Infant)<BR>", "ETT 3.0-3.5", kLma15, 11, "33-44", true, true},
    {5.5f, "(Pink)<BR>", "ETT 3.0-3.5", kLma15, 11, "33-44", true, true},
    {7.49f, "(Pink)<BR>", "ETT 3.0-3.5", kLma15, 11, "45-60", true, true},
    {7.5f, "(Red)<BR>", "ETT 3.5-4.0", kLma15, 11, "45-60", true, true},
    {9.49f, "(Red)<BR>", "ETT 3.5-4.0", kLma15, 11, "57-76", true, true},
    {9.5f, "(Purple)<BR>", "ETT 3.5-4.0", kLma15, 11, "57-76", true, true},
    {9.99f, "(Purple)<BR>", "ETT 3.5-4.0", kLma15, 11, "60-80", true, true},
    {10.0f, "(Purple)<BR>", "ETT 3.5-4.0", kLma15, 11, "60-80", false, true},
    {11.49f, "(Purple)<BR>", "ETT 3.5-4.0", kLma15, 11, "69-92", false, true},
    {11.5f, "(Yellow)<BR>", "ETT 4.0-4.5", kLma2, 11, "69-92", false, true},
    {14.49f, "(Yellow)<BR>", "ETT 4.0-4.5", kLma2, 11, "87-120", false, true},
    {14.5f, "(White)<BR>", "ETT 4.5-5.0", kLma2, 11, "87-120", false, true},
    {17.49f, "(White)<BR>", "ETT 4.5-5.0", kLma2, 11, "100-140", false, true},
    {17.5f, "(White)<BR>", "ETT 5.0-5.5", kLma2, 11, "100-140", false, true},
    {18.49f, "(White)<BR>", "ETT 5.0-5.5", kLma2, 11, "110-150", false, true},
    {18.5f, "(Blue)<BR>", "ETT 5.0-5.5", kLma2, 11, "110-150", false, true},
    {19.99f, "(Blue)<BR>", "ETT 5.0-5.5", kLma2, 11, "120-160", false, true},
    {20.0f, "(Blue)<BR>", "ETT 5.0-5.5", kLma25, 11, "120-160", false, true},
    {22.99f, "(Blue)<BR>", "ETT 5.0-5.5", kLma25, 11, "140-180", false, true},
    {23.0f, "(Orange)<BR>", "ETT 5.0-5.5", kLma25, 11, "140-180", false, true},
    {23.99f, "(Orange)<BR>", "ETT 5.0-5.5", kLma25, 11, "140-190", false, true},
    {24.0f, "(Orange)<BR>", "ETT 5.5-6.0 Cuffed", kLma25, 11, "140-190", false, true},
    {29.99f, "(Orange)<BR>", "ETT 5.5-6.0 Cuffed", kLma25, 11, "180-240", false, true},
    {30.0f, "(Orange)<BR>", "ETT 5.5-6.0 Cuffed", kLma3, 11, "180-240", false, true},
    {31.99f, "(Orange)<BR>", "ETT 5.5-6.0 Cuffed", kLma3, 11, "190-260", false, true},
    {32.0f, "(Green)<BR>", "ETT 6.0-7.0 Cuffed", kLma3, 11, "190-260", false, true},
    {49.99f, "(Green)<BR>", "ETT 6.0-7.0 Cuffed", kLma3, 11, "300-400", false, true},
    // From 50 kg, above the top band, the volume stays that of 50 kg.
    {50.0f, "(Green)<BR>", "ETT 6.0-7.0 Cuffed", kLma3, 11, "300-400", false, true},
    {70.0f, "(Green)<BR>", "ETT 6.0-7.0 Cuffed", kLma3, 11, "300-400", false, true},
    {150.0f, "(Green)<BR>", "ETT 6.0-7.0 Cuffed", kLma3, 11, "300-400", false, true},
};

const std::string kHeader = "<BR><B>Tube Sizes Weight Based :</B><BR>";
const std::string kComment =
    "<BR><BR>Comments:<BR>ETT Depth of Insertion is measured at the lip in cm. These are only "
    "general recommendations and may vary child to child.";

std::string ventilator(const BandCase& c) {
    return std::string("<BR><BR>Initial Ventilator Settings:<BR>100% Oxygen") +
           "<BR>Tidal Vol. 6-8 mL/kg= " + c.tidal + " mL<BR>" +
           "Most Pts: PEEP 3-5 cm H2O<BR>Asthma: PEEP 0 cm H2O<BR>ARDS: PEEP 10-15 cm H2O<BR>" +
           (c.smallRate ? "Rate 20-30" : "Rate 16-20") + (c.comment ? kComment : "");
}

int countBreaks(const std::string& text) {
    int n = 0;
    for (size_t at = text.find("<BR>"); at != std::string::npos; at = text.find("<BR>", at + 1))
        ++n;
    return n;
}

TEST(EquipmentTableTest, EveryBandEdge) {
    for (const BandCase& c : kBands) {
        SCOPED_TRACE(c.weight);
        const std::string text = table(c.weight);
        std::string prefix = kHeader;
        if (c.colour != nullptr) prefix += std::string("Color Code = ") + c.colour;
        ASSERT_EQ(text.substr(0, prefix.size() + std::string(c.ett).size()), prefix + c.ett);
        const std::string tail = ventilator(c);
        ASSERT_GE(text.size(), prefix.size() + tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        // The equipment lines sit between the two and are joined by single breaks.
        const std::string lines =
            text.substr(prefix.size(), text.size() - prefix.size() - tail.size());
        EXPECT_EQ(countBreaks(lines), c.lines - 1) << lines;
        if (c.lma != nullptr) {
            EXPECT_NE(lines.find(std::string("<BR>") + c.lma + "<BR>"), std::string::npos) << lines;
        } else {
            EXPECT_EQ(lines.find("LMA"), std::string::npos) << lines;
        }
    }
}

TEST(EquipmentTableTest, SmallestBandInFull) {
    EXPECT_EQ(table(0.8f),
              kHeader +
                  "ETT 2.5<BR>Laryngoscope: 0 Miller<BR>Stylet: 6 French<BR>No other data on "
                  "infants less than 1000 grams.<BR><BR>Initial Ventilator Settings:<BR>100% "
                  "Oxygen<BR>Tidal Vol. 6-8 mL/kg= 4.8-6.4 mL<BR>Most Pts: PEEP 3-5 cm "
                  "H2O<BR>Asthma: PEEP 0 cm H2O<BR>ARDS: PEEP 10-15 cm H2O<BR>Rate 20-30");
}

TEST(EquipmentTableTest, SeventeenAndAHalfKilogramsInFull) {
    EXPECT_EQ(table(17.5f),
              kHeader +
                  "Color Code = (White)<BR>ETT 5.0-5.5<BR>Laryngoscope: 2 Miller/Mac<BR>Stylet: 14 "
                  "French<BR>ETT Depth Insertion: 15-16.5 cm<BR>LMA: 2, Max air in cuff=10 "
                  "mL<BR>Suction Cath: 10 French<BR>IV Cath: 18-20<BR>Butterfly: 21-23<BR>NG "
                  "Tube: 12-14 French<BR>Urine Cath: 10-12 French<BR>Chest Tube: 24-32 French"
                  "<BR><BR>Initial Ventilator Settings:<BR>100% Oxygen<BR>Tidal Vol. 6-8 mL/kg= "
                  "100-140 mL<BR>Most Pts: PEEP 3-5 cm H2O<BR>Asthma: PEEP 0 cm H2O<BR>ARDS: "
                  "PEEP 10-15 cm H2O<BR>Rate 16-20" +
                  kComment);
}

TEST(EquipmentTableTest, InfantColourJustAboveTwoAndAHalf) {
    EXPECT_EQ(table(2.6f).find(kHeader + "Color Code =  (Infant)<BR>ETT 3.0-3.5<BR>"), 0u);
    EXPECT_EQ(table(2.5f).find("Color Code"), std::string::npos);
}

TEST(EquipmentTableTest, AppendsToWhatIsThere) {
    SharedString out("before");
    appendEquipmentTable(out, 10);
    EXPECT_EQ(out.str().find("before" + kHeader), 0u);
}

TEST(EquipmentTableTest, NoTableForAWeightThatIsNoNumber) {
    EXPECT_EQ(table(std::numeric_limits<float>::quiet_NaN()), "");
    EXPECT_EQ(table(std::numeric_limits<float>::infinity()), "");
}

}  // namespace
}  // namespace orvane
