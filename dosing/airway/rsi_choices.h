// The four choice lists of the intubation plan (adjunct, sedative, narcotic, paralytic) with
// their labels, and the drugs each entry stands for. Fixed data only: the dose texts are written
// by rsi_dose_text.h and the pages by RsiNavixModule.
#pragma once

#include <cstdint>
#include <span>

namespace orvane::airway {

// The lists, by the sub-code their entries carry.
enum RsiList : int32_t {
    kAdjunctList = 1,
    kSedativeList = 2,
    kNarcoticList = 3,
    kParalyticList = 4
};
inline constexpr int32_t kRsiListCount = 4;

// Entries that the dose text treats apart (counted from 1; entry 1 of every list is "No ...").
inline constexpr int32_t kNoneChosen = 0;
inline constexpr int32_t kNoDrugEntry = 1;
inline constexpr int32_t kAtropineEntry = 2;              // adjunct
inline constexpr int32_t kAtropineAndLidocaineEntry = 5;  // adjunct
inline constexpr int32_t kKetamineEntry = 3;              // sedative
inline constexpr int32_t kFirstParalyticEntry = 2;        // paralytic page 0
inline constexpr int32_t kSuccinylcholineEntry = 8;       // paralytic

// How a drug's dose is written.
enum class RsiDoseKind {
    kRangeLine,      // the resuscitation dose range line with the fields below
    kTenMgPerMl,     // low-high mg/kg in mg and mL of a 10 mg/mL solution (one decimal)
    kAtropineRange,  // the adjunct's own atropine range
};

struct RsiDrug {
    const char* heading;  // e.g. "<B>Lidocaine:</B><BR>"
    RsiDoseKind kind;
    float low;  // dose per kg
    const char* lowText;
    float high;
    const char* highText;
    float maximum;  // range line only
    const char* unit;
    float concentration;  // range line only; 0: no volumes
    const char* after;    // written after the dose ("" for none)
};

struct RsiChoiceList {
    const char* chosenLabel;  // before the chosen name on the selections page
    const char* selectLabel;  // the heading of the list
    std::span<const char* const> entries;
};

// The list of a sub-code from 1 to 4; null for any other.
const RsiChoiceList* rsiChoiceList(int32_t list);

// The drugs (one or two) of entry k of the adjunct, sedative or narcotic list; empty for "No ..."
// and for any entry outside the list.
std::span<const RsiDrug* const> rsiDrugsOf(int32_t list, int32_t entry);

}  // namespace orvane::airway
