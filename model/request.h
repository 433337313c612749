// Request: the 32-bit number that names a module or an action inside one (module code in bits
// 31-24, sub-code in bits 23-16, value in bits 15-0). Packing and unpacking, and the names of the
// codes the framework itself acts on; which module answers a code is the module table's business.
#pragma once

#include <cstdint>

namespace orvane {

using Request = uint32_t;

// Builds a request. With a sub-code of 0 or below the result is code × 2^24 plus the value taken
// as a signed 16-bit number; otherwise (code << 24) + (subCode << 16) + the signed 16-bit value.
// All arithmetic wraps modulo 2^32, so a negative value borrows from the bits above it exactly as
// the plain sum does.
constexpr Request makeRequest(int32_t code, int32_t value, int32_t subCode = 0) {
    const uint32_t signedValue = static_cast<uint32_t>(static_cast<int32_t>(
        static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu))));
    const uint32_t codePart = static_cast<uint32_t>(code) << 24;
    if (subCode <= 0) return codePart + signedValue;
    return codePart + (static_cast<uint32_t>(subCode) << 16) + signedValue;
}

// Bits 31-24: which module or action.
constexpr int32_t moduleCode(Request request) {
    return static_cast<int32_t>(request >> 24);
}
// Bits 23-16: which list or part; 0 when not needed.
constexpr int32_t subCode(Request request) {
    return static_cast<int32_t>((request >> 16) & 0xFFu);
}
// Bits 15-0, unsigned: entry, record or input number.
constexpr int32_t value(Request request) {
    return static_cast<int32_t>(request & 0xFFFFu);
}
// Bits 23-0: used where a module number is read (e.g. the calculator number of code 4).
constexpr int32_t longValue(Request request) {
    return static_cast<int32_t>(request & 0xFFFFFFu);
}

// Codes the screens, the history and the patient context act on by themselves. Every other code
// names a module (see the module table).
namespace request_code {
inline constexpr int32_t kCalculator = 4;     // a formula or scoring calculator by number
inline constexpr int32_t kHome = 32;          // the module list
inline constexpr int32_t kSamePage = 33;      // an entry or link acted on by the module shown
inline constexpr int32_t kInPage = 50;        // a link that rebuilds the page on the same screen
inline constexpr int32_t kAzIndex = 53;       // the A-Z index, kept for the whole run
inline constexpr int32_t kInput = 70;         // input n of the page changed
inline constexpr int32_t kPreviousView = 74;  // step to the previous view of the module
inline constexpr int32_t kNextView = 75;      // step to the next view of the module
inline constexpr int32_t kResultsMenu = 80;   // asks the module for its list of result views
inline constexpr int32_t kReservedInModule = 81;  // kept inside the module; nothing sends it
inline constexpr int32_t kBadDocType = 87;        // a request no screen can show
}  // namespace request_code

// A chosen link or entry with one of these codes rebuilds the page on the same screen; any other
// request navigates.
constexpr bool staysOnPage(int32_t code) {
    return code == request_code::kSamePage || code == request_code::kInPage;
}

}  // namespace orvane
