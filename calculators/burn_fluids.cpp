#include "calculators/burn_fluids.h"

#include "calculators/fluids_formulas.h"
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

// Every volume and rate of the page: after the dose bands, at most 1 decimal.
SharedString amount(float x) {
    return formatNumber(x, 1, true);
}

InputField numberInput(int32_t kind, const char* label, const char* units, float max, int16_t width,
                       int16_t fieldWidth) {
    InputField field(makeRequest(kind, 0), label, units, -1.0f, kind == 71 ? 0.1f : 0.0f, max, 1);
    field.width = width;
    field.fieldWidth = fieldWidth;
    return field;
}

}  // namespace

BurnFluids::BurnFluids(PatientContext& context, Request request)
    : CalculatorModule(context, request, 1) {
    caption_ = "Fluids for Burns";
    resetInputs();
}

void BurnFluids::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput(71, "Weight", "", 999.0f, 0, 0));
    inputs_.append(numberInput(70, "BSA Burned (2nd/3rd<SC id=6>)", "%", 100.0f, 200, 30));
    inputs_.append(numberInput(70, "Hours since burn", "hrs", 24.0f, 180, 30));
    inputs_.append(numberInput(70, "Fluid Already", "mL", 99999.9f, 180, 50));
}

const char* BurnFluids::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (!inputsPass()) return builder.finish();
    const float given = inputs_[3].value;
    const ParklandPlan plan =
        parklandPlan(context_.calcWeightKg(), inputs_[1].value, inputs_[2].value, given);

    SharedString page =
        "Parkland Formula Calculation (fluid requirements from time of burn):<BR>0-8 hrs: ";
    page.append(amount(plan.firstRate));
    page.append(" mL/hr.<BR>9-24 hrs: ");
    page.append(amount(plan.secondRate));
    page.append(" mL/hr.<BR><BR>");

    SharedString detail = "The maintenance fluids are calculated at ";
    detail.append(amount(plan.maintenance));
    detail.append(" mL/hr.  Burn related fluids are estimated at ");
    detail.append(amount(plan.burnFluid));
    detail.append(" mL to be given during hours 0-8 then an additional ");
    detail.append(amount(plan.burnFluid));
    detail.append(" mL given during hours 9-24.");

    if (plan.balance == FluidBalance::kDeficit) {
        page.append("Recommended fluid orders:<BR>Next 4 hours: ");
        page.append(formatNumber(plan.catchUpOrder, 1, false));
        page.append(
            " mL/hr (due to fluid deficit from time of burn existing) then resume the "
            "recommended infusion rate from the time of burn listed above.<BR><BR>");
        detail.append("<BR><BR>Adjustment suggested for fluid deficit as ");
        detail.append(amount(given));
        detail.append(" mL of fluids given since burn and ");
        detail.append(amount(plan.expected));
        detail.append(
            " mL should have been given. Recommendations above replace this deficit over next 4 "
            "hours.");
    } else if (plan.balance == FluidBalance::kExcess) {
        detail.append("<BR><BR>It is noted that based upon Parkland Formula, excess fluids of ");
        detail.append(amount(given - plan.expected));
        detail.append(
            " mL has been given.  Consider resuming the calculated rate of infusion listed "
            "above.");
    }

    page.append(
        "These calculations provide a good starting point; however, clinical judgement and "
        "monitoring of urinary output will guide adjustments needed during the course of "
        "therapy.<BR><BR>");
    page.append(
        "LR or NS should be used for initial fluid replacement. Close monitoring of electrolytes "
        "with individualized replacement will be needed.<BR><BR>");
    page.append(
        "Details of the calculation above are from a combination of burn related fluid needs and "
        "maintenance fluids.<BR><BR>");
    page.append(detail);
    results_[0] = page;
    builder.appendText(page);
    return builder.finish();
}

}  // namespace orvane
