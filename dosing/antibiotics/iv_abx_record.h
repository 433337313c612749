// One record of the IV/IM antibiotic table of TykoAbx (database 9): the drug's code and name, its
// stepped dose range per kg, frequency and protocol codes, daily maximum, route and texts. Reads
// only; the lists and the page text are built from it elsewhere (iv_abx_lists.h, iv_abx_text.h).
#pragma once

#include <array>
#include <cstdint>

#include "content/record_buffer.h"
#include "foundation/shared_string.h"

namespace orvane {

// The drug code of the loading-dose regimen drug, dosed by its own regimen list.
inline constexpr const char* kLoadingRegimenCode = "J500";

// The route codes of the table.
namespace abx_route {
inline constexpr int32_t kIvOnly = 1;
inline constexpr int32_t kImOnly = 2;
inline constexpr int32_t kIvOrIm = 3;
}  // namespace abx_route

// A maximum per day that is dosed by but not printed for a drug that is not a penicillin.
inline constexpr int32_t kUnprintedMaximum = 555;
// Protocol codes from here up are the neonatal weight protocols; below, ordinary drugs.
inline constexpr float kFirstProtocolCode = 10.0f;

struct IvAbxRecord {
    SharedString code;
    SharedString name;
    SharedString adultDosing;
    float low = 0.0f;  // mg (or units) per kg per day
    float high = 0.0f;
    float step = 0.0f;
    float frequencyCode = 0.0f;
    float protocolCode = 0.0f;
    int32_t maximum = 0;  // per day; 0 or less for none
    int32_t route = 0;
    std::array<SharedString, 4> notes;
    SharedString durationInfo;
    SharedString comments;
    // The record ended before its last field (the missing fields read as empty or 0).
    bool damaged = false;

    bool isLoadingRegimen() const { return code == kLoadingRegimenCode; }
    // A record whose numbers are not all numbers cannot be dosed.
    bool isDosable() const;
};

IvAbxRecord readIvAbxRecord(RecordHandle record);

// The penicillins are dosed in units. One check, blind to letter case, for every place the unit
// is chosen: the name starts with "Pen" or "PCN".
bool namesPenicillin(std::string_view name);

}  // namespace orvane
