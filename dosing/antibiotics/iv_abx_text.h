// The result text of an IV/IM antibiotic of TykoAbx once its choices are made: the Sig line with
// the dose per dose, the maximum and route lines, the adult dosing, the loading dose of the J500
// regimens, the neonatal weight-protocol warning, comments and notes. Text only; the choices and
// the page around it belong to TykoAbxModule.
#pragma once

#include <cstdint>
#include <string>

#include "dosing/antibiotics/iv_abx_record.h"

namespace orvane {

struct IvAbxChoice {
    float perKgPerDay = 0.0f;        // the chosen dose per kg per day
    int32_t frequencyChoice = 0;     // counted from 1; 0 when the code offers no choice
    const char* frequencyWord = "";  // the chosen frequency's text, "" when none
};

// The warning of a neonatal weight protocol (codes 12 to 16) when the weight is outside it, else
// the empty text.
std::string protocolWarning(float protocolCode, float weightKg);

// The whole text. Without a weight above 0, a known count of doses a day or a dosable record
// there is no Sig line (and no loading dose): never a dose of 0, "inf" or "nan".
std::string ivAbxText(const IvAbxRecord& drug, const IvAbxChoice& choice, float weightKg);

}  // namespace orvane
