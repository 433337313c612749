#include "dosing/builders/dose_caps.h"

#include "dosing/builders/short_amounts.h"

namespace orvane::caps {

// Appended piece by piece: "[" + a temporary text inserts at the temporary's front, which GCC
// 12's optimiser misreads as an overlapping copy (-Wrestrict).
std::string maxDoseNote(float maximum, const char* unit) {
    std::string note = "[";
    note += storedNumberText(maximum);
    note += ' ';
    note += unit;
    note += " = Max dose]";
    return note;
}

}  // namespace orvane::caps
