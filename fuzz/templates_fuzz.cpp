// Fuzz target for the dose templates: any bytes as a stored text, filled for a weight taken from
// the first byte (a table of real and broken weights), then the calculator tags. Checks that the
// text grows by at most a fixed factor (no runaway expansion) and that nothing crashes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "dosing/builders/dose_templates.h"
#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/input_field.h"
#include "rendering/calculation_templates.h"

namespace {

constexpr float kWeights[] = {
    0.0f,
    0.8f,
    2.5f,
    2.6f,
    7.5f,
    10.0f,
    17.5f,
    20.0f,
    32.0f,
    49.99f,
    50.0f,
    70.0f,
    3.5f,
    1e6f,
    2e6f,
    -1.0f,
    std::numeric_limits<float>::quiet_NaN(),
    std::numeric_limits<float>::infinity(),
    1e-30f,
    333.3f,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const float weight = kWeights[data[0] % (sizeof kWeights / sizeof kWeights[0])];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    orvane::SharedString text(input);
    orvane::fillWeightTemplates(text, weight);
    // The largest expansion is a fixed block (the equipment table, under a kilobyte) for an
    // eight-byte tag; a units text is copied a few times at most.
    if (static_cast<size_t>(text.length()) > 2000 * input.size() + 4096) std::abort();

    orvane::DynArray<orvane::InputField> inputs;
    inputs.append(orvane::InputField(orvane::SharedString(" "), 12.345f, -1, -1, 1));
    inputs.append(orvane::InputField(orvane::SharedString(input.substr(0, 16)), 1, -1, -1, 1));
    orvane::DynArray<orvane::SharedString> results;
    results.append(orvane::SharedString(input.substr(0, 32)));
    orvane::SharedString calculation(input);
    orvane::fillCalculationTemplates(calculation, inputs, results);
    return 0;
}
