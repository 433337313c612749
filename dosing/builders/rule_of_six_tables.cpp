#include "dosing/builders/rule_of_six_tables.h"

namespace orvane {

void appendRateTableA(SharedString& out, float weight) {
    if (weight < 10) {
        out.append(
            "0.1 mL/hr = 1 mcg/kg/min<BR>"
            "0.25 mL/hr = 2.5 mcg/kg/min<BR>"
            "0.5 mL/hr = 5 mcg/kg/min<BR>"
            "1 mL/hr = 10 mcg/kg/min<BR><BR>");
    } else {
        out.append(
            "1 mL/hr = 1 mcg/kg/min<BR>"
            "2.5 mL/hr = 2.5 mcg/kg/min<BR>"
            "5 mL/hr = 5 mcg/kg/min<BR>"
            "10 mL/hr = 10 mcg/kg/min<BR><BR>");
    }
}

void appendRateTableB(SharedString& out, float weight) {
    if (weight < 20) {
        out.append(
            "1 mL/hr = 0.1 mcg/kg/min<BR>"
            "2 mL/hr = 0.2 mcg/kg/min<BR>"
            "5 mL/hr = 0.5 mcg/kg/min<BR>"
            "10 mL/hr = 1 mcg/kg/min<BR><BR>");
    } else {
        out.append(
            "10 mL/hr = 0.1 mcg/kg/min<BR>"
            "20 mL/hr = 0.2 mcg/kg/min<BR>"
            "50 mL/hr = 0.5 mcg/kg/min<BR>"
            "100 mL/hr = 1 mcg/kg/min<BR><BR>");
    }
}

}  // namespace orvane
