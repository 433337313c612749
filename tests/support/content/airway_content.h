// Test content for the paralytics and sedation lists: a temporary content folder with a small
// paralytic table (database 37) and sedation table (database 23) whose documents use one dose
// template each, so that the expected numbers are easy to work out by hand.
#pragma once

#include <string>
#include <vector>

#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tests/support/page_checks.h"
#include "tests/support/patient_weight.h"

namespace orvane::test_support {

using tools::ByteVector;

inline constexpr const char* kParalytics[] = {
    "Atracurium",  "Cisatracurium", "Doxacurium",      "Mivacurium",
    "Pancuronium", "Rocuronium",    "Succinylcholine", "Vecuronium",
};

class AirwayContentDir : public TempContentDir {
  public:
    AirwayContentDir() : TempContentDir("orvane-airway") {}

    // Eight paralytics in the table's order, and `extra` more after them. Each has the
    // information "Info of NAME"; the dosing document of the first is 0.1 mg/kg at most 4 mg.
    void writeParalytics(int extra = 0) const {
        std::vector<ByteVector> records;
        for (const char* name : kParalytics) {
            records.push_back(textRecord({"code", name, "", std::string("Info of ") + name,
                                          "Dose <$dose=0.1 max=4 units=mg>"}));
        }
        for (int i = 0; i < extra; ++i) {
            records.push_back(textRecord({"X", "Extra", "", "Info of Extra", "Extra dose"}));
        }
        write(37, records);
    }

    // A table whose second record ends in the middle of its name (no NUL, no later texts).
    void writeDamagedParalytics() const {
        std::vector<ByteVector> records;
        records.push_back(textRecord({"A30", "Atracurium", "", "Info", "Dose"}));
        records.push_back(ByteVector{'C', '1', '0', 0, 'C', 'i', 's'});
        write(37, records);
    }

    // The four fixed codes, a document drug, a code that only begins like a fixed one, and a
    // record that holds nothing but its code.
    void writeSedatives() const {
        std::vector<ByteVector> records;
        records.push_back(textRecord({"F20", "Flumazenil", "", "not shown"}));
        records.push_back(textRecord({"K20", "Ketamine IM", "", "not shown"}));
        records.push_back(textRecord({"K25", "Ketamine IV", "", "not shown"}));
        records.push_back(textRecord({"M35", "Midazolam Oral", "", "not shown"}));
        records.push_back(textRecord({"D10", "Drug Doc", "", "Dose <$dose=0.1 max=4 units=mg>"}));
        records.push_back(textRecord({"F20X", "Not Fixed", "", "Own document"}));
        records.push_back(textRecord({"K20"}));
        write(23, records);
    }
};

}  // namespace orvane::test_support
