// Test content for the toxicology, transfusion and reference modules: a temporary content folder
// with small tables (databases 24, 46, 26 and 49) whose documents are short marked texts and one
// dose template each, so that what a page shows is easy to work out by hand.
#pragma once

#include <string>
#include <vector>

#include "tests/support/content/content_writer.h"
#include "tests/support/page_checks.h"
#include "tests/support/patient_weight.h"

namespace orvane::test_support {

class ToxicologyContentDir : public TempContentDir {
  public:
    ToxicologyContentDir() : TempContentDir("orvane-toxicology") {}

    // Record 0 the poison-control page, then two ingestions; the second holds a dose template
    // that must stay as stored, and the last record is cut short in its name.
    void writeIngestions() const {
        std::vector<ByteVector> records;
        records.push_back(textRecord({"P00", "Poison Control", "", "Call the centre."}));
        records.push_back(textRecord({"A10", "Acetaminophen", "", "Acetaminophen text."}));
        records.push_back(textRecord({"I10", "Iron", "", "Iron <$dose=0.1 max=4 units=mg>"}));
        records.push_back(ByteVector{'X', '1', '0', 0, 'C', 'u', 't'});
        write(24, records);
    }

    // The three fixed codes, a document antidote, a code that only begins like a fixed one, and
    // a record that holds nothing but a fixed code.
    void writeAntidotes() const {
        std::vector<ByteVector> records;
        records.push_back(textRecord({"S20", "Succinylcholine", "", "not shown"}));
        records.push_back(textRecord({"D80", "Dopamine", "", "not shown"}));
        records.push_back(textRecord({"E20", "Epinephrine", "", "not shown"}));
        records.push_back(textRecord({"N10", "Naloxone", "", "Dose <$dose=0.1 max=2 units=mg>"}));
        records.push_back(textRecord({"D800", "Not Fixed", "", "Own document"}));
        records.push_back(textRecord({"E20"}));
        write(46, records);
    }

    // Ten categories (8, 9 and 10 among them); the second has the code "D20". Each view text is
    // "<view> of <name>"; the calculator is a dose template of 10 mL/kg at most 300 mL.
    void writeTransfusions() const {
        std::vector<ByteVector> records;
        for (int i = 1; i <= 10; ++i) {
            const std::string name = "Category " + std::to_string(i);
            records.push_back(
                textRecord({i == 2 ? "D20" : "C" + std::to_string(i), name, "",
                            "Information of " + name, "Indications of " + name, "Dosing of " + name,
                            "Precautions of " + name, "Monitoring of " + name,
                            "References of " + name, "Give <$dose=10 max=300 units=mL>"}));
        }
        write(26, records);
    }

    // Three modules, each with its reference list.
    void writeReferences() const {
        std::vector<ByteVector> records;
        for (const char* name : {"ACLS", "Paralytics", "Toxicology"}) {
            records.push_back(textRecord({"key", name, std::string("Sources of ") + name}));
        }
        write(49, records);
    }
};

}  // namespace orvane::test_support
