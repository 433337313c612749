// Test content for the infusion modules: drug records described field by field (a few
// concentrations and rates, the custom range, the texts) and written in the adult (database 3)
// or child (database 11) layout, with the helpers that set the weight and read pages.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tests/support/page_checks.h"
#include "tests/support/patient_weight.h"

namespace orvane::test_support {

using tools::ByteVector;

struct InfusionRate {
    float value;
    std::string text;
    std::string note;
};

struct InfusionConc {
    float value;
    std::string text;
    std::string mixing;
};

struct InfusionDrug {
    std::string code;
    std::string name;
    std::string unit = "mcg";
    std::vector<InfusionConc> concs;
    std::vector<InfusionRate> rates;
    float low = 0.0f;
    float high = 0.0f;
    float step = 0.0f;
    std::string customUnit = "mcg/kg/min";
    std::string info1 = "Info one";
    std::string info2 = "Info two";
    std::string compat = "Compat";
    std::string bolus = "Bolus mix";
    uint8_t rateTextKind = 0;
    // Stored counts in place of the list sizes (a damaged record), when not negative.
    int32_t storedConcCount = -1;
};

inline void putLong(ByteVector& out, uint32_t value) {
    tools::putBigEndian32(out, value);
}

template <class T, class F>
void putPadded(ByteVector& out, const std::vector<T>& items, size_t slots, F put) {
    for (size_t i = 0; i < slots; ++i) put(out, i < items.size() ? &items[i] : nullptr);
}

inline void putRatesAndCustom(ByteVector& r, const InfusionDrug& d) {
    putLong(r, static_cast<uint32_t>(d.rates.size()));
    putFloat(r, d.low);
    putFloat(r, d.high);
    putFloat(r, d.step);
    putText(r, d.customUnit);
    putPadded(r, d.rates, 7,
              [](ByteVector& o, const InfusionRate* x) { putFloat(o, x ? x->value : 0); });
    putPadded(r, d.rates, 7,
              [](ByteVector& o, const InfusionRate* x) { putText(o, x ? x->text : ""); });
    putPadded(r, d.rates, 7,
              [](ByteVector& o, const InfusionRate* x) { putText(o, x ? x->note : ""); });
}

inline void putConcs(ByteVector& r, const InfusionDrug& d, size_t slots) {
    const uint32_t count = d.storedConcCount >= 0 ? static_cast<uint32_t>(d.storedConcCount)
                                                  : static_cast<uint32_t>(d.concs.size());
    putLong(r, count);
    putPadded(r, d.concs, slots,
              [](ByteVector& o, const InfusionConc* x) { putFloat(o, x ? x->value : 0); });
    putPadded(r, d.concs, slots,
              [](ByteVector& o, const InfusionConc* x) { putText(o, x ? x->text : ""); });
}

// The child layout (database 11).
inline ByteVector childRecord(const InfusionDrug& d) {
    ByteVector r;
    putText(r, d.code);
    putText(r, d.name);
    putText(r, d.unit);
    putConcs(r, d, 6);
    putRatesAndCustom(r, d);
    putLong(r, 0);
    putText(r, d.info1);
    putText(r, d.info2);
    putText(r, d.compat);
    putText(r, d.bolus);
    putPadded(r, d.concs, 6,
              [](ByteVector& o, const InfusionConc* x) { putText(o, x ? x->mixing : ""); });
    r.push_back(0);
    return r;
}

// The adult layout (database 3).
inline ByteVector adultRecord(const InfusionDrug& d) {
    ByteVector r;
    putText(r, d.code);
    putText(r, d.name);
    putText(r, "");
    putText(r, d.unit);
    putConcs(r, d, 5);
    putRatesAndCustom(r, d);
    putText(r, d.info1);
    putText(r, d.info2);
    putText(r, d.compat);
    putText(r, d.bolus);
    putPadded(r, d.concs, 5,
              [](ByteVector& o, const InfusionConc* x) { putText(o, x ? x->mixing : ""); });
    r.push_back(d.rateTextKind);
    return r;
}

class InfusionContentDir : public TempContentDir {
  public:
    InfusionContentDir() : TempContentDir("orvane-infusion") {}

    void writeChild(const std::vector<InfusionDrug>& drugs) const {
        std::vector<ByteVector> records;
        for (const InfusionDrug& d : drugs) records.push_back(childRecord(d));
        write(11, records);
    }
    void writeAdult(const std::vector<InfusionDrug>& drugs) const {
        std::vector<ByteVector> records;
        for (const InfusionDrug& d : drugs) records.push_back(adultRecord(d));
        write(3, records);
    }
};

// A drug with two concentrations and three standard rates per kg per minute.
inline InfusionDrug rateDrug(const std::string& code,
                             std::vector<InfusionConc> concs = {{1600, "1600 mcg/mL", "Mix A"},
                                                                {3200, "3200 mcg/mL", "Mix B"}}) {
    InfusionDrug d;
    d.code = code;
    d.name = "Drug " + code;
    d.concs = std::move(concs);
    d.rates = {{5, "5 mcg/kg/min", "(low)"},
               {10, "10 mcg/kg/min", "(mid)"},
               {20, "20 mcg/kg/min", "(high)"}};
    d.low = 1;
    d.high = 3;
    d.step = 1;
    return d;
}

}  // namespace orvane::test_support
