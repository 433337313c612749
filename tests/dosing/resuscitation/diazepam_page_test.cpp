// The diazepam page: the route by weight, the dose range line of 0.2-0.5 mg/kg of 5 mg/mL capped
// at 10 mg, and the young child's note once 0.5 mg/kg reaches 5 mg.
#include "dosing/resuscitation/diazepam_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orvane {
namespace {

constexpr const char* kDosing =
    "<BR><BR><B>Dosing:</B><BR>Status epilepticus:<BR>0.2-0.5 mg/kg/dose.<BR>Rectal: 0.5 "
    "mg/kg/dose.<BR><BR>";
constexpr const char* kNote = "<B>Note:</B> if child < 5 yrs of age, Max dose 5 mg.<BR><BR>";
constexpr const char* kCommentsStart =
    "<B>Comments:</B><BR>Generally use Lorazepam (Ativan) for neonates. May repeat IV dose in "
    "15-30 min and rectal dose in 10 minutes if needed. Can use IV solution rectally or use "
    "Diastat rectal gel. For children under 5 years of age,";

std::string page(float weight) {
    SharedString out;
    appendDiazepamPage(out, weight);
    return out.str();
}

struct Case {
    float weight;
    const char* route;
    const char* line;
    bool note;
};

TEST(DiazepamPageTest, RouteDoseLineAndNoteByWeight) {
    const Case cases[] = {
        // 3 kg: 0.6-1.5 mg in 0.12-0.3 mL; 0.5 mg/kg is 1.5 mg, no note.
        {3.0f, "(IV/IO/UVC):", "0.2-0.5 mg/kg = 0.6-1.5 mg.<BR>[0.12 - 0.3 mL of 5 mg/mL soln].",
         false},
        // 5 kg is still the umbilical band: 1-2.5 mg in 0.2-0.5 mL.
        {5.0f, "(IV/IO/UVC):", "0.2-0.5 mg/kg = 1-2.5 mg.<BR>[0.2 - 0.5 mL of 5 mg/mL soln].",
         false},
        // Above 5 kg: 1.2-3 mg in 0.24-0.6 mL.
        {6.0f, "(IV/IO):", "0.2-0.5 mg/kg = 1.2-3 mg.<BR>[0.24 - 0.6 mL of 5 mg/mL soln].", false},
        // 9.8 kg: 1.96 → 2 mg and 4.9 mg (0.98 mL); 4.9 mg is under the 5 mg of the note.
        {9.8f, "(IV/IO):", "0.2-0.5 mg/kg = 2-4.9 mg.<BR>[0.4 - 0.98 mL of 5 mg/mL soln].", false},
        // 10 kg: 2-5 mg in 0.4-1 mL, and 0.5 mg/kg reaches 5 mg: the note.
        {10.0f, "(IV/IO):", "0.2-0.5 mg/kg = 2-5 mg.<BR>[0.4 - 1 mL of 5 mg/mL soln].", true},
        // 30 kg: 6 mg to the 10 mg cap (15 mg is above it), in 1.2-2 mL.
        {30.0f, "(IV/IO):",
         "0.2-0.5 mg/kg = 6-10 mg.<BR>[10 mg = Max dose].<BR>[1.2 - 2 mL of 5 mg/mL soln].", true},
        // 60 kg: even the low dose (12 mg) is above the cap: 10 mg once, in 2 mL.
        {60.0f, "(IV/IO):", "0.2 mg/kg = 10 mg (Max Dose).<BR>[2 mL of 5 mg/mL soln].", true},
    };
    for (const Case& c : cases) {
        const std::string expected = std::string("<B>Calc Result</B> ") + c.route + "<BR>" +
                                     c.line + kDosing + (c.note ? kNote : "") + kCommentsStart;
        const std::string text = page(c.weight);
        EXPECT_EQ(text.substr(0, expected.size()), expected) << c.weight;
        EXPECT_GT(text.size(), expected.size()) << "the comment goes on";
    }
}

TEST(DiazepamPageTest, TheUmbilicalRouteUpToFiveKilograms) {
    const struct {
        float weight;
        const char* route;
    } cases[] = {{0.5f, "(IV/IO/UVC):"}, {4.9f, "(IV/IO/UVC):"}, {5.0f, "(IV/IO/UVC):"},
                 {5.01f, "(IV/IO):"},    {5.1f, "(IV/IO):"},     {150.0f, "(IV/IO):"}};
    for (const auto& c : cases) {
        EXPECT_EQ(page(c.weight).rfind(std::string("<B>Calc Result</B> ") + c.route + "<BR>", 0),
                  0u)
            << c.weight;
    }
}

// The note's test in a float32 model of its own: 0.5 × W in single precision, then rounded to
// tenths (ties to even) as the dose bands do between 0.5 and 10.
bool noteByModel(float weight) {
    const float half = 0.5f * weight;
    const float tenths = std::nearbyint(half * 10.0f) * 0.1f;
    return tenths >= 5.0f;
}

TEST(DiazepamPageTest, TheNoteAppearsWhereHalfAMilligramPerKgReachesFive) {
    // Weights around 10 kg in steps of 0.05 kg (doses there lie in the tenths band).
    for (int hundredths = 950; hundredths <= 1050; hundredths += 5) {
        const float weight = static_cast<float>(hundredths) / 100.0f;
        const bool shown = page(weight).find(kNote) != std::string::npos;
        EXPECT_EQ(shown, noteByModel(weight)) << weight;
    }
    EXPECT_FALSE(noteByModel(9.8f));
    EXPECT_TRUE(noteByModel(10.0f));
}

}  // namespace
}  // namespace orvane
