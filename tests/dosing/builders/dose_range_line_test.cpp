// The dose range line and its volume-first variant: ranges under the maximum, the maximum reached
// by the high end or already by the low end, volumes of a concentration, infusion units.
#include "dosing/builders/dose_range_line.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

struct Case {
    const char* name;
    float weight;
    float low;
    const char* lowText;
    float high;
    const char* highText;
    float maximum;
    const char* unit;
    float concentration;
    const char* expected;  // worked out by hand
};

DoseRange rangeOf(const Case& c) {
    DoseRange r;
    r.weight = c.weight;
    r.low = c.low;
    r.lowText = c.lowText;
    r.high = c.high;
    r.highText = c.highText;
    r.maximum = c.maximum;
    r.unit = c.unit;
    r.concentration = c.concentration;
    return r;
}

const Case kRangeCases[] = {
    // 6 mg low; 15 mg high is past the maximum.
    {"worked example", 30, 0.2f, "0.2", 0.5f, "0.5", 10, "mg", 0,
     "0.2-0.5 mg/kg = 6-10 mg.<BR>[10 mg = Max dose]"},
    {"both under", 10, 0.1f, "0.1", 0.2f, "0.2", 10, "mg", 0, "0.1-0.2 mg/kg = 1-2 mg."},
    {"high exactly at the maximum", 20, 0.2f, "0.2", 0.5f, "0.5", 10, "mg", 0,
     "0.2-0.5 mg/kg = 4-10 mg.<BR>[10 mg = Max dose]"},
    {"low past the maximum", 60, 0.2f, "0.2", 0.5f, "0.5", 10, "mg", 0,
     "0.2 mg/kg = 10 mg [Max Dose]."},
    // 9.98 mg is under 10 but rounds to 10: the maximum is printed once, not twice.
    {"low rounds onto the maximum", 49.9f, 0.2f, "0.2", 0.5f, "0.5", 10, "mg", 0,
     "0.2 mg/kg = 10 mg [Max Dose]."},
    {"no maximum", 70, 0.2f, "0.2", 0.5f, "0.5", 0, "mg", 0, "0.2-0.5 mg/kg = 14-35 mg."},
    {"other unit", 10, 50, "50", 100, "100", 2000, "units", 0, "50-100 units/kg = 500-1000 units."},
    {"infusion low at the maximum", 40, 1, "1", 2, "2", 20, "mg/kg/hr", 0,
     "1 mg/kg/hr = 20 mg/hr (Max Dose)."},
    {"infusion under the maximum", 10, 1, "1", 2, "2", 100, "mg/kg/hr", 0,
     "1-2 mg/kg/hr = 10-20 mg/hr."},
    {"infusion high at the maximum", 10, 1, "1", 4, "4", 30, "mg/kg/hr", 0,
     "1-4 mg/kg/hr = 10-30 mg/hr.<BR>[30 mg/hr = Max dose]"},
    // With a concentration: the volumes are those of the doses printed.
    {"worked example with volumes", 10, 1.0f, "1.0", 1.5f, "1.5", 100, "mg", 20,
     "1.0-1.5 mg/kg = 10-15 mg.<BR>[0.5 - 0.75 mL of 20 mg/mL soln]."},
    {"volumes, high at the maximum", 30, 0.2f, "0.2", 0.5f, "0.5", 10, "mg", 5,
     "0.2-0.5 mg/kg = 6-10 mg.<BR>[10 mg = Max dose].<BR>[1.2 - 2 mL of 5 mg/mL soln]."},
    {"volumes, low at the maximum", 60, 0.2f, "0.2", 0.5f, "0.5", 10, "mg", 5,
     "0.2 mg/kg = 10 mg (Max Dose).<BR>[2 mL of 5 mg/mL soln]."},
    {"volumes of a small child", 3, 0.01f, "0.01", 0.03f, "0.03", 1, "mg", 1,
     "0.01-0.03 mg/kg = 0.03-0.09 mg.<BR>[0.03 - 0.09 mL of 1 mg/mL soln]."},
    // 0.0015 and 0.0045 mL: three decimals would read 0.002 and 0.005 (33% and 11% over): four.
    {"volumes below a hundredth", 1.5f, 0.01f, "0.01", 0.03f, "0.03", 1, "mg", 10,
     "0.01-0.03 mg/kg = 0.015-0.045 mg.<BR>[0.0015 - 0.0045 mL of 10 mg/mL soln]."},
    {"no weight with volumes", 0, 0.2f, "0.2", 0.5f, "0.5", 10, "mg", 5,
     "0.2-0.5 mg/kg = 0 mg.<BR>[0 mL of 5 mg/mL soln]."},
    {"volumes of a fraction", 10, 0.1f, "0.1", 0.2f, "0.2", 100, "mg", 3,
     "0.1-0.2 mg/kg = 1-2 mg.<BR>[0.33 - 0.67 mL of 3 mg/mL soln]."},
};

TEST(DoseRangeLineTest, Cases) {
    for (const Case& c : kRangeCases) {
        SharedString out("");
        appendDoseRangeLine(out, rangeOf(c));
        EXPECT_EQ(out.str(), c.expected) << c.name;
    }
}

TEST(DoseRangeLineTest, Appends) {
    SharedString out("Dose: ");
    appendDoseRangeLine(out, rangeOf(kRangeCases[1]));
    EXPECT_EQ(out.str(), std::string("Dose: ") + kRangeCases[1].expected);
}

const Case kVolumeFirstCases[] = {
    {"worked example", 20, 1, "1", 2, "2", 210, "mg", 20,
     "1 - 2 mL of 20 mg/mL soln.<BR>[1-2 mg/kg = 20-40 mg.]"},
    // 15 mg of 20 mg/mL is 0.75 mL, dose-rounded to tenths: 0.8 (7.5 goes to the even 8).
    {"volumes dose-rounded", 10, 1.0f, "1.0", 1.5f, "1.5", 210, "mg", 20,
     "0.5 - 0.8 mL of 20 mg/mL soln.<BR>[1.0-1.5 mg/kg = 10-15 mg.]"},
    {"no high volume", 0, 1, "1", 2, "2", 210, "mg", 20,
     "0 mL of 20 mg/mL soln.<BR>[1-2 mg/kg = 0 mg.]"},
    {"without a concentration", 1, 1, "1", 4, "4", 210, "mg", 0, "1-4 mg [1-4 mg/kg]."},
    {"infusion without a concentration", 20, 1, "1", 4, "4", 210, "mg/kg/hr", 0,
     "20-80 mg/hr [1-4 mg/kg/hr]."},
    {"high at the maximum", 100, 1, "1", 4, "4", 210, "mg", 20,
     "5 - 10.5 mL of 20 mg/mL soln.<BR>[1-4 mg/kg = 100-210 mg (Max dose).]"},
    {"low at the maximum", 220, 1, "1", 4, "4", 210, "mg", 20,
     "10.5 mL of 20 mg/mL soln.<BR>[1 mg/kg = 210 mg (Max Dose).]"},
    {"high at the maximum, no concentration", 100, 1, "1", 4, "4", 210, "mg", 0,
     "100-210 mg (Max Dose) [1-4 mg/kg]."},
    {"low at the maximum, no concentration", 220, 1, "1", 4, "4", 210, "mg", 0,
     "210 mg (Max Dose) [1 mg/kg]."},
};

TEST(VolumeFirstDoseLineTest, Cases) {
    for (const Case& c : kVolumeFirstCases) {
        SharedString out("left over from before");
        setVolumeFirstDoseLine(out, rangeOf(c));
        EXPECT_EQ(out.str(), c.expected) << c.name;
    }
}

TEST(FormatVolumeTest, ThreeDecimalsBelowAHundredth) {
    EXPECT_EQ(formatVolume(0.0094f).str(), "0.009");
    EXPECT_EQ(formatVolume(0.01f).str(), "0.01");
    EXPECT_EQ(formatVolume(0.125f).str(), "0.13");
    EXPECT_EQ(formatVolume(12.0f).str(), "12");
}

}  // namespace
}  // namespace orvane
