#include "dosing/weight_based/drug_record.h"

#include "content/record_cursor.h"

namespace orvane {

DrugRecord readDrugRecord(RecordHandle record) {
    RecordCursor cursor(std::move(record));
    DrugRecord drug;
    drug.name = cursor.readText();
    drug.secondName = cursor.readText();
    cursor.readText();  // a third name, not shown
    drug.kind = cursor.readByte();
    drug.unit = cursor.readText();
    for (DoseOption& option : drug.options) {
        option.perKg = cursor.readFloat();
        option.text = cursor.readText();
        option.interval = cursor.readText();
    }
    drug.concentration = cursor.readFloat();
    drug.maximum = cursor.readFloat();
    drug.notes = cursor.readText();
    drug.furtherNotes = cursor.readText();
    drug.availability = cursor.readText();
    drug.damaged = cursor.ranOut();
    return drug;
}

}  // namespace orvane
