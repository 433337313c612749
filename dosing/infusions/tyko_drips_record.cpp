#include "dosing/infusions/tyko_drips_record.h"

#include "content/record_cursor.h"

namespace orvane::infusion {

InfusionRecord readTykoDripsRecord(RecordHandle handle) {
    RecordCursor cursor(handle);
    InfusionRecord r;
    r.code = cursor.readText().str();
    r.name = cursor.readText().str();
    r.amountUnit = cursor.readText().str();
    r.concentrationCount = boundedCount(cursor.readLong(), kMostConcentrations, r);
    for (float& k : r.concentrations) k = finiteValue(cursor.readFloat(), r);
    for (std::string& text : r.concentrationTexts) text = cursor.readText().str();
    r.rateCount = boundedCount(cursor.readLong(), kMostRates, r);
    r.customLowest = finiteValue(cursor.readFloat(), r);
    r.customHighest = finiteValue(cursor.readFloat(), r);
    r.customStep = finiteValue(cursor.readFloat(), r);
    r.customUnit = cursor.readText().str();
    for (float& rate : r.rates) rate = finiteValue(cursor.readFloat(), r);
    for (std::string& text : r.rateTexts) text = cursor.readText().str();
    for (std::string& text : r.rateNotes) text = cursor.readText().str();
    cursor.readLong();  // not used
    r.information1 = cursor.readText().str();
    r.information2 = cursor.readText().str();
    r.compatibility = cursor.readText().str();
    r.bolusMixing = cursor.readText().str();
    for (std::string& text : r.dripMixing) text = cursor.readText().str();
    r.rateTextKind = cursor.readByte();  // not used by the children's module
    // A record cut short of its last field is damaged, not a record of zeros.
    if (cursor.ranOut()) r.damaged = true;
    return r;
}

}  // namespace orvane::infusion
