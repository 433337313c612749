// Test content for the weight-based dosing modules: a temporary content folder with a small drug
// table (database 12) and drug index (database 58), fever table (13) and OTC table (17), so that
// the expected numbers are easy to work out by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tests/support/page_checks.h"
#include "tests/support/patient_weight.h"

namespace orvane::test_support {

using tools::ByteVector;

struct DoseOption {
    float perKg;
    std::string text;
    std::string interval;
};

struct WeightBasedDrug {
    std::string name;
    std::string secondName;
    uint8_t kind;
    std::vector<DoseOption> options;  // up to four; the rest are 0
    float concentration;
    float maximum;
    std::string notes;
};

inline ByteVector drugRecord(const WeightBasedDrug& d) {
    ByteVector r;
    putText(r, d.name);
    putText(r, d.secondName);
    putText(r, "");
    r.push_back(d.kind);
    putText(r, "mg");
    for (size_t j = 0; j < 4; ++j) {
        const DoseOption o = j < d.options.size() ? d.options[j] : DoseOption{0.0f, "", ""};
        putFloat(r, o.perKg);
        putText(r, o.text);
        putText(r, o.interval);
    }
    putFloat(r, d.concentration);
    putFloat(r, d.maximum);
    putText(r, d.notes);
    putText(r, "");
    putText(r, "");
    return r;
}

// Drug 1: one option; drug 2: options 50, 0, 100 (the middle one unused); drug 3: a stepped
// range of 10 to 40 by 10 per day, frequency code "2"; drug 4: intravenous diazepam.
inline const std::vector<WeightBasedDrug>& sampleDrugs() {
    static const std::vector<WeightBasedDrug> drugs = {
        {"One Option", "One", 4, {{1.0f, "1", "6"}}, 0.0f, 0.0f, "One notes."},
        {"Skipper",
         "Skip",
         5,
         {{50.0f, "50", "24"}, {0.0f, "", ""}, {100.0f, "100", "12"}},
         0.0f,
         2000.0f,
         "Skip notes."},
        {"Stepper",
         "Step",
         12,
         {{10.0f, "2", ""}, {40.0f, "", ""}, {10.0f, "", ""}},
         0.0f,
         2000.0f,
         "Step notes."},
        {"Diazepam IV",
         "Diazepam (Valium) IV",
         4,
         {{0.3f, "0.3", "0"}, {0.1f, "0.1", "6"}},
         0.0f,
         10.0f,
         "Valium notes."},
    };
    return drugs;
}

class WeightBasedContentDir : public TempContentDir {
  public:
    WeightBasedContentDir() : TempContentDir("orvane-weight-based") {}

    // The drugs above, and an index listing them under other names in reverse order followed
    // by the first resuscitation drug.
    void writeDrugs() const {
        std::vector<ByteVector> table;
        for (const WeightBasedDrug& d : sampleDrugs()) table.push_back(drugRecord(d));
        write(12, table);
        std::vector<ByteVector> index;
        for (int32_t n = static_cast<int32_t>(sampleDrugs().size()); n >= 1; --n) {
            index.push_back(indexRecord("Listed " + sampleDrugs()[n - 1].name, makeRequest(12, n)));
        }
        index.push_back(indexRecord("Listed Adenosine", makeRequest(12, 5)));
        write(58, index);
    }

    // Two fever medicines whose documents hold one dose template each: 15 mg/kg at most 1000 mg,
    // and 10 mg/kg at most 400 mg.
    void writeFever() const {
        write(13, {textRecord({"F1", "Acetaminophen", "", "A <$dose=15 max=1000 units=mg>"}),
                   textRecord({"F2", "Ibuprofen", "", "I <$dose=10 max=400 units=mg>"})});
    }

    // `count` OTC records named "Medicine m" (m counted from 1) whose paragraphs are "P1 of m",
    // an empty second one, " joined" (beginning with a space) and "P4"; the rest empty.
    void writeOtc(int32_t count) const {
        std::vector<ByteVector> records;
        for (int32_t m = 1; m <= count; ++m) {
            const std::string n = std::to_string(m);
            records.push_back(textRecord(
                {"K" + n, "Medicine " + n, "P1 of " + n, "", " joined", "P4", "", "", "", ""}));
        }
        write(17, records);
    }
};

}  // namespace orvane::test_support
