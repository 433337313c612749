#include "dosing/antibiotics/po_abx_record.h"

#include <algorithm>

#include "content/record_cursor.h"

namespace orvane {

namespace {

constexpr const char* kSpecialCodes[] = {"A03", "A06", "C01"};

Bottle readLongBottle(RecordCursor& cursor) {
    Bottle b;
    b.volume = static_cast<float>(static_cast<int32_t>(cursor.readLong()));
    b.cost = cursor.readText();
    return b;
}

}  // namespace

bool PoAbxRecord::isSpecial() const {
    for (const char* c : kSpecialCodes) {
        if (code == c) return true;
    }
    return false;
}

SpecialOral PoAbxRecord::special() const {
    if (!isSpecial()) return SpecialOral::kNone;
    if (name == "Nystatin (Mycostatin)") return SpecialOral::kNystatin;
    if (name == "Azithromycin (Zithromax)") return SpecialOral::kAzithromycin;
    if (name == "Fluconazole (Diflucan)") return SpecialOral::kFluconazole;
    return SpecialOral::kNone;
}

int32_t PoAbxRecord::usableConcentrations() const {
    return std::clamp(concentrationCount, 1, kMostOralConcentrations);
}

PoAbxRecord readPoAbxRecord(RecordHandle record) {
    RecordCursor cursor(std::move(record));
    PoAbxRecord drug;
    drug.code = cursor.readText();
    drug.name = cursor.readText();
    cursor.readText();  // two texts not shown
    cursor.readText();
    drug.maximum = static_cast<int32_t>(cursor.readLong());
    drug.form = static_cast<int32_t>(cursor.readLong());
    drug.concentrationCount = static_cast<int32_t>(cursor.readLong());
    drug.concentrations[0].mgPer5Ml = cursor.readFloat();
    drug.concentrations[0].flavor = cursor.readText();
    for (size_t i = 1; i < drug.concentrations.size(); ++i) {
        drug.concentrations[i].mgPer5Ml =
            static_cast<float>(static_cast<int32_t>(cursor.readLong()));
        drug.concentrations[i].flavor = cursor.readText();
    }
    for (Bottle& b : drug.concentrations[0].bottles) b = readLongBottle(cursor);
    // The second concentration's middle bottle is stored as a float.
    std::array<Bottle, kBottlesPerConcentration>& second = drug.concentrations[1].bottles;
    second[0] = readLongBottle(cursor);
    second[1].volume = cursor.readFloat();
    second[1].cost = cursor.readText();
    second[2] = readLongBottle(cursor);
    for (size_t i = 2; i < drug.concentrations.size(); ++i) {
        for (Bottle& b : drug.concentrations[i].bottles) b = readLongBottle(cursor);
    }
    for (SharedString& note : drug.notes) note = cursor.readText();
    drug.chewable = cursor.readText();
    drug.nonLiquid = cursor.readText();
    drug.comments = cursor.readText();
    drug.low = cursor.readFloat();
    drug.high = cursor.readFloat();
    drug.step = cursor.readFloat();
    cursor.readByte();  // not used
    drug.frequencyCode = cursor.readByte();
    drug.damaged = cursor.ranOut();
    return drug;
}

}  // namespace orvane
