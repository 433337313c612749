#include "calculators/fluid_navix.h"

#include "calculators/fluids_formulas.h"
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

// A volume or rate as the fluid pages print it: after the dose bands, at most 1 decimal.
SharedString volume(float x) {
    return formatNumber(x, 1, true);
}

}  // namespace

FluidNavix::FluidNavix(PatientContext& context, Request request)
    : context_(context), request_(request), mode_(value(request)) {
    list_.addEntry("Fluids for Burns", makeRequest(request_code::kCalculator, 40));
    list_.addEntry("Calculator for % BSA Burned", makeRequest(request_code::kCalculator, 8));
    list_.addEntry("Tyko Bolus Fluids", makeRequest(kCode, 3));
    list_.addEntry("Tyko Maintenance Fluids", makeRequest(kCode, 4));
}

const char* FluidNavix::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (mode_ == 3) {
        bolusPage();
    } else if (mode_ == 4) {
        maintenancePage();
    } else {
        for (const MenuItem& item : list_.entries) {
            builder.appendLink(item.request(), item.label(), true, true, false, "drug");
        }
    }
    return builder.finish();
}

void FluidNavix::bolusPage() {
    PageBuilder& builder = context_.pageBuilder();
    const float w = context_.weightKg(weight_mode::kChild);
    builder.weightInput = 3;
    caption_ = "Tyko Bolus Fluids";
    SharedString text;
    for (const int perKg : {5, 10, 15, 20}) {
        text.append("Bolus of ");
        text.append(formatNumber(static_cast<float>(perKg), 0, false));
        text.append(" mL/kg = ");
        text.append(volume(bolusVolume(w, static_cast<float>(perKg))));
        text.append(" mL.<BR>");
    }
    text.append("<BR>Boluses should be LR or NS.<BR><BR>");
    text.append("Recommended Bolus Amount:<BR><28 Days of Age: 10 mL/kg<BR>");
    text.append(">28 Days of Age: 20 mL/kg<BR><BR>");
    text.append(
        "Notes on Boluses:<BR>Recommended Bolus Amount is for moderately to severely ill "
        "patients.  If the patient is mildly ill, less fluid may be effective.  The bolus amount "
        "should be repeated as often as the patient's condition necessitates.  Critically ill "
        "volume depleted children may require volumes of up to 100 mL/kg to stabilize their "
        "condition.");
    builder.appendText(text);
}

void FluidNavix::maintenancePage() {
    PageBuilder& builder = context_.pageBuilder();
    const float w = context_.weightKg(weight_mode::kChild);
    builder.weightInput = 3;
    caption_ = "Maintenance Fluid Calculation";
    const float m = maintenanceRate(w);
    SharedString text;
    text.append("Maint x 1 = ");
    text.append(volume(m));
    text.append(" mL/hr<BR>Maint x 1.5 = ");
    text.append(volume(1.5f * m));
    text.append(" mL/hr<BR>Maint x 2 = ");
    text.append(volume(2.0f * m));
    text.append(" mL/hr<BR>");
    text.append("<BR>Type of Fluid<BR>");
    text.append("&#8804;10 kg: D5 \xBC NS<BR>");
    text.append(">10 kg: D5 \xBD NS<BR><BR>");
    text.append(
        "Above recommendations are for maintenance fluids, if there have been intravascular "
        "losses that are being replaced; these should be replaced with LR or NS in most "
        "circumstances.  After replacement of losses, then maintenance solution can be "
        "initiated.");
    builder.appendText(text);
}

InputField* FluidNavix::choiceList(Request request) {
    if (moduleCode(request) == 80) return nullptr;
    list_.label = "Select Fluids Calculator:";
    return &list_;
}

bool FluidNavix::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 7) {
        mode_ = value(request);
        if (mode_ > 0) bolusChoice_ = 0;
    } else if (code == 33 && subCode(request) == 2) {
        bolusChoice_ = value(request);
    }
    return true;
}

}  // namespace orvane
