#include "calculators/infusion_calc.h"

#include "calculators/infusion_formulas.h"
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr float kMax = 100000000.0f;

InputField numberField(const char* label, const char* units, int16_t width, int16_t fieldWidth) {
    InputField field(makeRequest(input_kind::kNumber, 0), label, units, -1.0f, 0.0f, kMax, 3);
    field.width = width;
    field.fieldWidth = fieldWidth;
    return field;
}

// Chooses entry `index` (from 0) of a drop-down list: its index in unit and value, its label as
// the text.
void selectIndex(InputField& list, int16_t index) {
    list.unit = index;
    list.value = index;
    list.text =
        index >= 0 && index < list.entries.count() ? list.entries[index].label() : SharedString();
}

}  // namespace

InfusionCalc::InfusionCalc(PatientContext& context, Request request)
    : CalculatorModule(context, request, 1) {
    listA_.addEntry("I know amt of drug and fluid", makeRequest(request_code::kSamePage, 1, 1));
    listA_.addEntry("I know the concentration", makeRequest(request_code::kSamePage, 2, 1));
    listB_.addEntry("I know the desired drug dose", makeRequest(request_code::kSamePage, 1, 2));
    listB_.addEntry("I know current infusion mL/hr", makeRequest(request_code::kSamePage, 2, 2));
}

void InfusionCalc::buildInputs() {
    inputs_.resize(0);
    InputField weight(makeRequest(input_kind::kCalcWeight, 0), "Weight", "", -1.0f, 0.1f, 999.0f,
                      2);
    inputs_.append(weight);

    const bool amount = knownA_ == 1;
    InputField first = numberField(amount ? "Drug Amount" : "Conc.", "", 140, 50);
    first.endsRow = 0;
    inputs_.append(first);

    InputField drugUnits(makeRequest(input_kind::kChoiceList, 0), "", "", 0.0f, -1.0f, -1.0f, 2);
    const InfusionKnown known =
        amount ? InfusionKnown::kAmountAndVolume : InfusionKnown::kConcentration;
    for (int32_t i = 0; i < kInfusionDrugUnitCount; ++i) {
        drugUnits.addEntry(infusionDrugUnitLabel(known, i),
                           makeRequest(request_code::kSamePage, i + 1, amount ? 4 : 3));
    }
    drugUnits.width = amount ? 60 : 70;
    drugUnits.fieldWidth = amount ? 60 : 70;
    selectIndex(drugUnits, 0);
    inputs_.append(drugUnits);

    if (amount) inputs_.append(numberField("in Total Volume", "mL", 170, 50));
    if (knownB_ == 1) {
        inputs_.append(numberField("Desired Dose", "", 160, 60));
    } else {
        inputs_.append(numberField("Rate of Infusion", "mL/hr", 180, 65));
    }

    InputField dosing(makeRequest(input_kind::kChoiceListAlt, 0), "Dosing Units", "", 0.0f, -1.0f,
                      -1.0f, 2);
    dosing.width = 200;
    dosing.fieldWidth = 100;
    dosingField_ = static_cast<int16_t>(inputs_.count());
    inputs_.append(dosing);
    setDosingEntries(false);
    selectIndex(inputs_[dosingField_], 0);
}

void InfusionCalc::setDosingEntries(bool unitsSet) {
    if (dosingField_ < 0 || dosingField_ >= inputs_.count()) return;
    unitsDosing_ = unitsSet;
    InputField& dosing = inputs_[dosingField_];
    dosing.clearEntries();
    const int32_t count = unitsSet ? kInfusionUnitsDosingCount : kInfusionMassDosingCount;
    for (int32_t i = 0; i < count; ++i) {
        dosing.addEntry(infusionDosingLabel(unitsSet, i),
                        makeRequest(request_code::kSamePage, i + 1, 8));
    }
    // A choice the new list does not have goes back to its first entry, never to an index
    // without a label or a formula.
    const int16_t chosen = dosing.unit >= 0 && dosing.unit < count ? dosing.unit : 0;
    selectIndex(dosing, chosen);
}

InputField* InfusionCalc::choiceList(Request request) {
    if (moduleCode(request) != 70) return nullptr;
    return CalculatorModule::choiceList(request);
}

bool InfusionCalc::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == 0) {
        knownA_ = 0;
        knownB_ = 0;
        view_ = 0;
    } else if (code == 50) {
        view_ = static_cast<int16_t>(v);
    } else if (code == 33 && (subCode(request) == 1 || subCode(request) == 2)) {
        if (v > 2) return true;
        if (subCode(request) == 1) {
            knownA_ = static_cast<int16_t>(v);
            if (v == 0) knownB_ = 0;
        } else {
            knownB_ = static_cast<int16_t>(v);
            if (v == 0) knownA_ = 0;
        }
        if (knownA_ > 0 && knownB_ > 0) buildInputs();
    } else if (code == 70 && v == 2 && inputs_.count() > 2) {
        setDosingEntries(inputs_[2].unit == kInfusionUnitsEntry);
    }
    return true;
}

void InfusionCalc::chooseKnownItemsPage(PageBuilder& builder) {
    builder.appendHeading("Solution Concentration Data :", true);
    if (knownA_ > 0) {
        builder.appendLink(makeRequest(request_code::kSamePage, 0, 1),
                           listA_.entries[knownA_ - 1].label(), true, false, false, "drug");
    } else {
        for (const MenuItem& item : listA_.entries) {
            builder.appendLink(item.request(), item.label(), true, false, false, "drug");
        }
    }
    if (knownB_ > 0) {
        if (knownA_ == 0) builder.appendLineBreaks(1);
        builder.appendHeading("Select known item :", true);
        builder.appendLink(makeRequest(request_code::kSamePage, 0, 2),
                           listB_.entries[knownB_ - 1].label(), true, false, false, "drug");
    } else {
        builder.appendLineBreaks(1);
        builder.appendHeading("Select known item :", true);
        for (const MenuItem& item : listB_.entries) {
            builder.appendLink(item.request(), item.label(), true, false, false, "drug");
        }
    }
}

bool InfusionCalc::computeResult(SharedString& text) {
    const bool amount = knownA_ == 1;
    const float w = context_.calcWeightKg();
    const float first = inputs_[1].value;
    const int32_t drugUnit = inputs_[2].unit;
    const float volume = amount ? inputs_[3].value : 0.0f;
    const float doseOrRate = inputs_[amount ? 4 : 3].value;
    const int32_t dosingUnit = inputs_[dosingField_].unit;

    const std::optional<float> k = infusionConcentration(
        amount ? InfusionKnown::kAmountAndVolume : InfusionKnown::kConcentration, drugUnit, first,
        volume, first);
    if (!k) return false;
    if (knownB_ == 1) {
        const auto rate = infusionRateFromDose(unitsDosing_, dosingUnit, w, doseOrRate, *k);
        if (!rate) return false;
        // A rate too large to print is no result (the page never shows "ERR").
        const SharedString number = infusionNumberText(*rate);
        if (number == kInvalidNumberText) return false;
        text = "<B>Calculated Result = ";
        text.append(number);
        text.append("&nbsp;mL/hr</B>");
        return true;
    }
    const auto dose = infusionDoseFromRate(unitsDosing_, dosingUnit, w, doseOrRate, *k);
    if (!dose) return false;
    const SharedString number = infusionNumberText(*dose);
    if (number == kInvalidNumberText) return false;
    text = "<B>Calculated Result = ";
    text.append(number);
    text.append("&nbsp;");
    text.append(infusionDosingLabel(unitsDosing_, dosingUnit));
    text.append("</B>");
    return true;
}

const char* InfusionCalc::buildPage(int32_t view) {
    view_ = static_cast<int16_t>(view);
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", makeRequest(kCode, 0), 0);
    if (knownA_ == 0 || knownB_ == 0) {
        caption_ = "Select Known Items:";
        builder.showImage = 0;
        chooseKnownItemsPage(builder);
        return builder.finish();
    }
    caption_ = knownB_ == 2 ? "Calculate Drug Dose" : "Calculate Rate of Infusion";
    builder.showImage = 1;
    builder.setInputs(&inputs_);
    results_[0] = SharedString();
    if (!inputsPass()) return builder.finish();
    SharedString text;
    if (!computeResult(text)) return builder.finish();
    results_[0] = text;
    builder.appendLineBreaks(1);
    builder.appendText(text);
    return builder.finish();
}

}  // namespace orvane
