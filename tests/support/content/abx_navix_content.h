// Test content for the antibiotic guide: a temporary content folder with a small category table
// (database 1) and antibiotic dose table (database 45), with writers for their records, so that
// what a page shows is easy to work out by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tests/support/page_text_checks.h"
#include "tests/support/patient_weight.h"

namespace orvane::test_support {

using tools::ByteVector;

struct Antibiotic {
    std::string name;
    float low;
    float high;
    uint8_t perDay;
    uint8_t count;
    uint8_t route;
    float maximum;
};

// A dose record: the key, the antibiotics, and the empty name that ends a short list.
inline ByteVector doseRecord(const std::vector<Antibiotic>& antibiotics, bool endMark = true) {
    ByteVector r;
    putText(r, "key");
    for (const Antibiotic& a : antibiotics) {
        putText(r, a.name);
        putFloat(r, a.low);
        putFloat(r, a.high);
        r.push_back(a.perDay);
        r.push_back(a.count);
        r.push_back(a.route);
        putFloat(r, a.maximum);
    }
    if (endMark) putText(r, "");
    return r;
}

// A category record: 4 unused bytes, the name, the text and the dose record's number as text.
inline ByteVector categoryRecord(const std::string& name, const std::string& text,
                                 const std::string& doseRecord) {
    ByteVector r{0, 0, 0, 0};
    putText(r, name);
    putText(r, text);
    putText(r, doseRecord);
    return r;
}

class AbxNavixContentDir : public TempContentDir {
  public:
    AbxNavixContentDir() : TempContentDir("orvane-antibiotics") {}

    // Four categories: "Pneumonia" with dose record 1, "Notes" without one, "Meningitis" with
    // dose record 2, and "Stale" naming a record past the table.
    void writeGuide() const {
        write(1, {categoryRecord("Pneumonia", "Pneumonia text", "1"),
                  categoryRecord("Notes", "Notes text", ""),
                  categoryRecord("Meningitis", "Meningitis text", "2"),
                  categoryRecord("Stale", "Stale text", "9")});
        write(45, {doseRecord({}), doseRecord({{"Amoxicillin", 30, 50, 1, 3, 1, 1500}}),
                   doseRecord({{"Penicillin G", 100000, 0, 1, 4, 2, 0},
                               {"Gentamicin", 2.5f, 0, 0, 3, 4, 0}})});
    }
};

}  // namespace orvane::test_support
