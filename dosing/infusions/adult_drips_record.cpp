#include "dosing/infusions/adult_drips_record.h"

#include "content/record_cursor.h"

namespace orvane::infusion {

InfusionRecord readAdultDripsRecord(RecordHandle handle) {
    RecordCursor cursor(handle);
    InfusionRecord r;
    r.code = cursor.readText().str();
    r.name = cursor.readText().str();
    cursor.readText();  // not shown
    r.amountUnit = cursor.readText().str();
    r.concentrationCount = boundedCount(cursor.readLong(), kMostAdultConcentrations, r);
    for (int32_t i = 0; i < kMostAdultConcentrations; ++i) {
        r.concentrations[i] = finiteValue(cursor.readFloat(), r);
    }
    for (int32_t i = 0; i < kMostAdultConcentrations; ++i) {
        r.concentrationTexts[i] = cursor.readText().str();
    }
    r.rateCount = boundedCount(cursor.readLong(), kMostRates, r);
    r.customLowest = finiteValue(cursor.readFloat(), r);
    r.customHighest = finiteValue(cursor.readFloat(), r);
    r.customStep = finiteValue(cursor.readFloat(), r);
    r.customUnit = cursor.readText().str();
    for (float& rate : r.rates) rate = finiteValue(cursor.readFloat(), r);
    for (std::string& text : r.rateTexts) text = cursor.readText().str();
    for (std::string& text : r.rateNotes) text = cursor.readText().str();
    r.information1 = cursor.readText().str();
    r.information2 = cursor.readText().str();
    r.compatibility = cursor.readText().str();
    r.bolusMixing = cursor.readText().str();
    for (int32_t i = 0; i < kMostAdultConcentrations; ++i) {
        r.dripMixing[i] = cursor.readText().str();
    }
    r.rateTextKind = cursor.readByte();
    // A record cut short of its last field is damaged, not a record of zeros.
    if (cursor.ranOut()) r.damaged = true;
    return r;
}

}  // namespace orvane::infusion
