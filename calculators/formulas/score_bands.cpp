#include "calculators/formulas/score_bands.h"

namespace orvane {

namespace {
const CroupBand kCroupBands[] = {
    {" 0-4 ", " 'Mild' ", " cool mist, home care "},
    {" 5-6 ", " 'Mild/Moderate' ", " cool mist,admit if &lt;6 months or unreliable family "},
    {" 7-8 ", " 'Moderate' ", " racemic epinephrine, consider steroids, admit most "},
    {" 9-14 ", " 'Severe' ", kCroupSevereAdvice},
    {" 15 ", " 'Terminal' ", " racemic epinephrine, steroids, intubation "},
};
}  // namespace

const CroupBand* croupBand(float score) {
    if (score >= 0.0f && score <= 4.0f) return &kCroupBands[0];
    if (score >= 5.0f && score <= 6.0f) return &kCroupBands[1];
    if (score >= 7.0f && score <= 8.0f) return &kCroupBands[2];
    if (score >= 9.0f && score <= 14.0f) return &kCroupBands[3];
    if (score == 15.0f) return &kCroupBands[4];
    return nullptr;
}

const char* glasgowComaSeverity(float total) {
    if (total <= 8.0f) return "Severe";
    if (total >= 9.0f && total <= 12.0f) return "Moderate";
    if (total >= 13.0f && total <= 15.0f) return "Mild";
    return nullptr;
}

const char* miMortalityBand(float score) {
    if (score < 130.0f) return "<10";
    if (score == 130.0f) return "10";
    if (score < 142.0f) return "10-20";
    if (score == 142.0f) return "20";
    if (score < 149.0f) return "20-30";
    if (score == 149.0f) return "30";
    if (score < 155.0f) return "30-40";
    if (score == 155.0f) return "40";
    if (score < 160.0f) return "40-50";
    if (score == 160.0f) return "50";
    return ">50";
}

}  // namespace orvane
