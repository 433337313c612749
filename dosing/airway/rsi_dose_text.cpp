#include "dosing/airway/rsi_dose_text.h"

#include <string>

#include "dosing/airway/paralytics_module.h"
#include "dosing/airway/rsi_choices.h"
#include "dosing/builders/atropine_block.h"
#include "dosing/builders/dose_range_line.h"
#include "dosing/builders/equipment_table.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::airway {

namespace {

constexpr const char* kAfterChoice = "<BR><BR>";
constexpr const char* kBetweenDrugs = "<BR>";
// mL per mg of the 10 mg/mL solutions.
constexpr float kTenMgPerMlVolume = 0.1f;
// The equipment table is for children above this weight (and under the atropine limit).
constexpr float kEquipmentAboveKg = 2.5f;

void appendDrug(SharedString& out, const RsiDrug& drug, float weight) {
    out.append(drug.heading);
    switch (drug.kind) {
        case RsiDoseKind::kRangeLine:
            appendDoseRangeLine(out, DoseRange{.weight = weight,
                                               .low = drug.low,
                                               .lowText = drug.lowText,
                                               .high = drug.high,
                                               .highText = drug.highText,
                                               .maximum = drug.maximum,
                                               .unit = drug.unit,
                                               .concentration = drug.concentration});
            break;
        case RsiDoseKind::kTenMgPerMl: {
            const float low = drug.low * weight;
            const float high = drug.high * weight;
            out.append(std::string(drug.lowText) + "-" + drug.highText +
                       " mg/kg = " + doseRoundedAmount(doseRound(low)) + "-" +
                       doseRoundedAmount(doseRound(high)) + " mg.<BR>[" +
                       doseRoundedAmount(doseRound(low * kTenMgPerMlVolume)) + " - " +
                       doseRoundedAmount(doseRound(high * kTenMgPerMlVolume)) +
                       " mL of 10 mg/mL soln].");
            break;
        }
        case RsiDoseKind::kAtropineRange:
            appendRsiAtropineRange(out, weight);
            break;
    }
    out.append(drug.after);
}

// The adjunct, sedative or narcotic chosen from a list: its drugs, or nothing for "No ...".
void appendChoice(SharedString& out, int32_t list, int32_t entry, float weight) {
    const auto drugs = rsiDrugsOf(list, entry);
    if (drugs.empty()) return;
    bool first = true;
    for (const RsiDrug* drug : drugs) {
        if (!first) out.append(kBetweenDrugs);
        first = false;
        appendDrug(out, *drug, weight);
    }
    out.append(kAfterChoice);
}

void appendParalytic(SharedString& out, int32_t entry, float weight, ParalyticsModule& paralytics) {
    const RsiChoiceList* list = rsiChoiceList(kParalyticList);
    const int32_t index = entry - 1;
    if (entry < kFirstParalyticEntry || index >= static_cast<int32_t>(list->entries.size())) {
        return;
    }
    out.append("<B>");
    out.append(list->entries[static_cast<std::size_t>(index)]);
    out.append(":</B><BR>");
    // The page's templates are filled on a text of its own, so that nothing written before it
    // is ever read as a template.
    SharedString page;
    SharedString information;
    paralytics.appendPage(entry - kFirstParalyticEntry, weight, page, information,
                          {.atropine = true, .equipment = false});
    out.append(page);
    out.append(kAfterChoice);
}

}  // namespace

void appendRsiDoseText(SharedString& out, const RsiChoices& choices, float weight,
                       ParalyticsModule& paralytics) {
    appendChoice(out, kAdjunctList, choices.adjunct, weight);
    appendChoice(out, kSedativeList, choices.sedative, weight);
    appendChoice(out, kNarcoticList, choices.narcotic, weight);
    appendParalytic(out, choices.paralytic, weight, paralytics);

    // Ketamine calls for atropine unless the adjunct or the succinylcholine page gives it.
    const bool atropineGiven = choices.adjunct == kAtropineEntry ||
                               choices.adjunct == kAtropineAndLidocaineEntry ||
                               choices.paralytic == kSuccinylcholineEntry;
    if (choices.sedative == kKetamineEntry && !atropineGiven) appendAtropineBlock(out, weight);
    if (weight > kEquipmentAboveKg && weight < kAtropineBlockBelowKg) {
        appendEquipmentTable(out, weight);
    }
}

}  // namespace orvane::airway
