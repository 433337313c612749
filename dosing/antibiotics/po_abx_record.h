// One record of the oral antibiotic table of TykoAbx (database 47): code and name, daily maximum,
// form, up to four concentrations with their flavours and three bottles each, the closing texts,
// the stepped dose range per kg per day and the frequency code. Reads only; the lists and text are
// in po_abx_lists.h and po_abx_text.h.
#pragma once

#include <array>
#include <cstdint>

#include "content/record_buffer.h"
#include "foundation/shared_string.h"

namespace orvane {

// The form code of tablets; every other form is a liquid dosed in mL.
inline constexpr int32_t kTabletForm = 9;
inline constexpr int32_t kMostOralConcentrations = 4;
inline constexpr int32_t kBottlesPerConcentration = 3;

// The oral drugs dosed by their own regimen lists, by name.
enum class SpecialOral { kNone, kNystatin, kAzithromycin, kFluconazole };

struct Bottle {
    float volume = 0.0f;  // mL
    SharedString cost;
};

struct OralConcentration {
    float mgPer5Ml = 0.0f;
    SharedString flavor;
    std::array<Bottle, kBottlesPerConcentration> bottles;
};

struct PoAbxRecord {
    SharedString code;
    SharedString name;
    int32_t maximum = 0;  // per day; 0 or less for none
    int32_t form = 0;
    int32_t concentrationCount = 0;
    std::array<OralConcentration, kMostOralConcentrations> concentrations;
    std::array<SharedString, 3> notes;
    SharedString chewable;
    SharedString nonLiquid;
    SharedString comments;
    float low = 0.0f;  // mg per kg per day
    float high = 0.0f;
    float step = 0.0f;
    int32_t frequencyCode = 0;
    // The record ended before its last field (the missing fields read as empty or 0).
    bool damaged = false;

    bool isTablets() const { return form == kTabletForm; }
    // The codes "A03", "A06" and "C01" are dosed by regimen and have no duration list.
    bool isSpecial() const;
    SpecialOral special() const;
    // The concentrations in use: the count kept within 1 to 4.
    int32_t usableConcentrations() const;
};

PoAbxRecord readPoAbxRecord(RecordHandle record);

}  // namespace orvane
