// The seizure, hypertension and fluids pages over a sweep of weights, against a small float32
// model written here from the dosing rules: the dose bands of the foundation, one decimal, an
// amount widened (up to 4 decimals) while its text is more than 10% off the banded amount, and
// each capped range worked out as low dose, maximum or range (two alike ends printed once).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dosing/resuscitation/code_pages.h"
#include "foundation/number_format.h"
#include "foundation/rounding.h"

namespace orvane::code {
namespace {

// The one-decimal amount of the model.
std::string amount(float x) {
    const float r = doseRound(x);
    std::string text = formatNumber(r, 1, true).str();
    for (int32_t decimals = 2;
         r > 0.0f && std::fabs(std::stod(text) - r) > 0.1 * r && decimals <= 4; ++decimals) {
        text = formatNumber(r, decimals, false).str();
    }
    return text;
}

std::string range(const std::string& low, const std::string& high) {
    return low == high ? low : low + "-" + high;
}

struct Range {
    const char* head;
    float low, high, maximum;
    const char* unit;
    const char* note;
    const char* ending;
    const char* tail;
};

std::string cappedRange(const Range& r, float w) {
    const float lo = doseRound(r.low * w);
    const float hi = doseRound(r.high * w);
    if (lo >= r.maximum) return amount(r.maximum) + r.unit + "<BR>" + r.note;
    if (hi >= r.maximum) return range(amount(lo), amount(r.maximum)) + r.unit + "<BR>" + r.note;
    return range(amount(lo), amount(hi)) + r.ending;
}

std::string generated(int32_t number, float weight) {
    SharedString out;
    codePage(number)(out, weight, SharedString());
    return out.str();
}

// Weights from 0.3 to 120 kg in uneven steps, so that band edges and caps are crossed.
template <class Check>
void sweep(Check check) {
    for (float w = 0.3f; w < 120.0f; w = w * 1.13f + 0.05f) check(w);
    for (float w : {5.0f, 10.0f, 20.0f, 30.0f, 40.0f, 50.0f, 100.0f}) check(w);
}

TEST(CodePagesModelTest, SeizurePage) {
    const Range drugs[] = {
        {"<BR><BR><B>Lorazepam (0.05-0.1 mg/kg)</B><BR>Calc Dose: ", 0.05f, 0.1f, 4.0f, " mg.",
         "[4 mg = Max dose]", " mg",
         "<BR>Route: IV/IO/IM<BR>Note: May repeat q10 minutes with max cumulative dose of the "
         "lesser of 0.4 mg/kg or 10 mg."},
        {"<BR><BR><B>Midazolam (0.1-0.2 mg/kg)</B><BR>Calc Dose: ", 0.1f, 0.2f, 4.0f, " mg.",
         "[4 mg = Max dose]", " mg", "<BR>Route: IV/IO/IM<BR>Note: May repeat q5 minutes"},
        {"<BR><BR><B>Diazepam (0.2-0.5 mg/kg)</B><BR>Calc Dose: ", 0.2f, 0.5f, 5.0f, " mg.",
         "[5 mg = Max dose]", " mg",
         "<BR>Route: IV/IO<BR>Note: May repeat q15 minutes with max cumulative dose of 20 mg."},
        {"<BR><BR><B>Phenobarbital (15-20 mg/kg)</B><BR>Calc Dose: ", 15.0f, 20.0f, 1500.0f, " mg.",
         "[1500 mg = Max dose]", " mg",
         "<BR>Route: IV/IO over 20 minutes (faster if intubated)<BR>Note: May give 5 mg/kg "
         "additional doses up to maximum of total dose received being 30 mg/kg."},
        {"<BR><BR><B>Phenytoin (15-20 mg/kg)</B><BR>Calc Dose: ", 15.0f, 20.0f, 1500.0f, " mg.",
         "[1500 mg = Max dose]", " mg", "<BR>Route: IV/IO over 20 minutes"},
    };
    sweep([&](float w) {
        std::string expected =
            "Choose either Lorazepam, Midazolam or Diazepam for initial treatment. As time "
            "permits, load with Phenobarbital or Phenytoin, if indicated.";
        for (const Range& r : drugs) expected += r.head + cappedRange(r, w) + r.tail;
        EXPECT_EQ(generated(7, w), expected) << w;
    });
}

TEST(CodePagesModelTest, HypertensionDoses) {
    const Range drugs[] = {
        {"<B>Labetalol (0.5-1 mg/kg/dose)</B><BR>Calc Result: ", 0.5f, 1.0f, 20.0f, " mg.",
         "[20 mg = Max dose]", " mg", "<BR>Route: IV/IO over 2 minutes"},
        {"<B>Phentolamine (0.02-0.1 mg/kg/dose)</B><BR>Calc Result: ", 0.02f, 0.1f, 5.0f, " mg.",
         "[5 mg = Max dose]", " mg", "<BR>Route: IV/IO Push"},
        {"<B>Hydralazine (0.3-0.4 mg/kg/dose)</B><BR>Calc Result: ", 0.3f, 0.4f, 20.0f, " mg.",
         "[20 mg = Max dose]", " mg", "<BR>Route: IV/IM/IO no faster"},
    };
    sweep([&](float w) {
        const std::string text = generated(5, w);
        for (const Range& r : drugs) {
            const std::string part = r.head + cappedRange(r, w) + r.tail;
            EXPECT_NE(text.find(part), std::string::npos) << w << ": " << part << "\nin " << text;
        }
    });
}

TEST(CodePagesModelTest, FluidBolusesAndMaintenance) {
    sweep([](float w) {
        const float m = w <= 10.0f  ? 4.0f * w
                        : w < 20.0f ? 40.0f + 2.0f * (w - 10.0f)
                                    : 60.0f + (w - 20.0f);
        // A bolus is at most 1000 mL.
        const auto bolus = [w](float mlPerKg) {
            const float ml = doseRound(mlPerKg * w);
            return ml >= 1000.0f ? std::string("1000 mL IVPB (Max Dose)<BR>")
                                 : amount(ml) + " mL IVPB<BR>";
        };
        const std::string expected =
            "Calc Result:<BR>5 mL/kg = " + bolus(5.0f) + "10 mL/kg = " + bolus(10.0f) +
            "15 mL/kg = " + bolus(15.0f) + "20 mL/kg = " + bolus(20.0f) +
            "<BR>Maintenance Fluids:<BR>Maintenance x 1 = " + amount(m) +
            " mL/hr.<BR>Maintenance x 1.5 = " + amount(1.5f * m) +
            " mL/hr.<BR>Maintenance x 2 = " + amount(2.0f * m) + " mL/hr.<BR><BR>Indications:";
        EXPECT_EQ(generated(27, w).rfind(expected, 0), 0u) << w;
    });
}

}  // namespace
}  // namespace orvane::code
