// The interpretation bands of the scoring calculators: croup severity with its advice, Glasgow
// Coma Scale severity and the MI risk score's mortality band. Texts are exact page texts; the
// scores themselves are sums of points made by the scoring modules.
#pragma once

namespace orvane {

// One croup band: the score range, the severity and the advice, each with its surrounding blanks.
struct CroupBand {
    const char* range;
    const char* severity;
    const char* advice;
};

// The band of a croup score: 0-4 mild, 5-6 mild/moderate, 7-8 moderate, 9-14 severe, 15 terminal.
// Null for a score in none of them (negative, above 15, or between bands with fractional points).
const CroupBand* croupBand(float score);

// The band a croup answer of severity 4 forces whatever the total: the 'Severe' advice.
inline constexpr const char* kCroupSevereAdvice = " racemic epinephrine, steroids, ICU admission ";

// "Severe" up to 8, "Moderate" 9-12, "Mild" 13-15; null for a total outside these.
const char* glasgowComaSeverity(float total);

// Mortality band of the MI risk score, in percent: "<10" below 130, "10" at 130, "10-20" below
// 142, "20" at 142, "20-30" below 149, "30" at 149, "30-40" below 155, "40" at 155, "40-50" below
// 160, "50" at 160, ">50" above.
const char* miMortalityBand(float score);

}  // namespace orvane
