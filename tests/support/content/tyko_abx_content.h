// Test content for TykoAbx: a temporary content folder with a small IV/IM antibiotic table
// (database 9) and an antibiotic index (database 30) with its three ranges, so that the expected
// numbers are easy to work out by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tests/support/page_checks.h"
#include "tests/support/patient_weight.h"
#include "tools/lib/pdb_writer.h"

namespace orvane::test_support {

using tools::ByteVector;

struct IvDrug {
    std::string code;
    std::string name;
    float low, high, step, frequencyCode, protocolCode;
    int32_t maximum, route;
    std::string note;
};

inline ByteVector ivRecord(const IvDrug& d) {
    ByteVector r;
    for (const std::string& t : {d.code, d.name, std::string(), std::string(), std::string()}) {
        putText(r, t);
    }
    for (float f : {d.low, d.high, d.step, d.frequencyCode, d.protocolCode}) putFloat(r, f);
    tools::putBigEndian32(r, static_cast<uint32_t>(d.maximum));
    tools::putBigEndian32(r, static_cast<uint32_t>(d.route));
    putText(r, d.note);
    for (int i = 0; i < 5; ++i) putText(r, "");
    return r;
}

// Drug 1: 50 to 100 by 25 mg/kg/d q8h, at most 6000 a day; drug 2: J500; drug 3: a neonatal
// protocol 15 drug, 4 mg/kg q24h or q48h.
inline const std::vector<IvDrug>& sampleIvDrugs() {
    static const std::vector<IvDrug> drugs = {
        {"C10", "Cefazolin", 50, 100, 25, 1, 1, 6000, 3, "Cefazolin note."},
        {"J500", "Azithro IV", 0, 0, 0, 8, 1, 0, 1, "J note."},
        {"N04", "Genta 1200-2000 g", 4, 4, 0, 12, 15, 0, 3, "Neo note."},
    };
    return drugs;
}

inline constexpr int32_t kIndexRecords = 127 + 98 + 84;

class TykoAbxContentDir : public TempContentDir {
  public:
    TykoAbxContentDir() : TempContentDir("orvane-antibiotics") {
        std::vector<ByteVector> table;
        for (const IvDrug& d : sampleIvDrugs()) table.push_back(ivRecord(d));
        write(9, table);
        // The neonatal range lists drug 3, the pediatric range drugs 1 and 2 by turns, the oral
        // range names its entry number.
        std::vector<ByteVector> index;
        for (int32_t i = 0; i < kIndexRecords; ++i) {
            if (i < 127) {
                index.push_back(indexRecord("Neo " + std::to_string(i), makeRequest(9, 3)));
            } else if (i < 225) {
                const int32_t n = 1 + (i - 127) % 2;
                index.push_back(indexRecord("Ped " + std::to_string(i), makeRequest(9, n)));
            } else {
                index.push_back(indexRecord("Oral " + std::to_string(i), makeRequest(47, 1)));
            }
        }
        write(30, index);
        write(47, {ByteVector{0}});
    }
};

}  // namespace orvane::test_support
