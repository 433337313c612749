#include "calculators/tyko_growth.h"

#include <cmath>

#include "content/record_cursor.h"
#include "foundation/number_format.h"
#include "foundation/rounding.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

// The eleven rows of one table: label, the value at the percentile in the display unit, unit text.
void appendRows(SharedString& report, const LmsParameters& lms, float factor, bool grams,
                const char* unitText) {
    for (int32_t i = 0; i < kGrowthPercentileCount; ++i) {
        report.append(growthPercentileLabel(i));
        report.append(growthValueText(lmsValue(growthPercentileZ(i), lms), factor, grams));
        report.append(unitText);
    }
}

LmsParameters readLms(RecordCursor& cursor) {
    LmsParameters lms;
    lms.l = cursor.readFloat();
    lms.m = cursor.readFloat();
    lms.s = cursor.readFloat();
    return lms;
}

}  // namespace

GrowthReference readGrowthReference(RecordHandle record) {
    RecordCursor cursor(std::move(record));
    GrowthReference r;
    r.name = cursor.readText();
    cursor.readByte();   // flag
    cursor.readFloat();  // age
    r.weight = readLms(cursor);
    r.length = readLms(cursor);
    r.head = readLms(cursor);
    r.bmi = readLms(cursor);
    r.complete = !cursor.ranOut();
    return r;
}

TykoGrowth::TykoGrowth(PatientContext& context, Request request)
    : CalculatorModule(context, request, 1), growth_(context.openDatabase(kGrowthTable)) {
    title_ = "TykoGrowth";
    caption_ = "Select Child's Age:";
    for (int32_t n = 1; n <= kGrowthBandCount; ++n) {
        ages_.addEntry(growthBandLabel(n), makeRequest(kCode, n));
    }
    views_.addEntry("Selections", makeRequest(request_code::kInPage, 0));
    views_.addEntry("Result", makeRequest(request_code::kInPage, 1));
    context_.calcWeight().value = 0.0f;
    context_.height().value = 0.0f;
    context_.headCircumference().value = 0.0f;
    const int32_t n = value(request);
    if (n >= 1 && n <= kGrowthBandCount) {
        chooseBand(n);
    } else {
        resetInputs();
    }
}

bool TykoGrowth::isAvailable() const {
    return growth_->isOpen();
}

void TykoGrowth::chooseBand(int32_t band) {
    band_ = band;
    caption_ = "Age : ";
    caption_.append(growthBandLabel(band));
    resetInputs();
}

void TykoGrowth::resetInputs() {
    inputs_.resize(0);
    // The sex input follows the patient's sex: 0 male, 1 female.
    InputField sex(makeRequest(input_kind::kSex, 2, 1), "Male", "", 0.0f, -1.0f, -1.0f, 1);
    inputs_.append(sex);
    inputs_.append(
        InputField(makeRequest(input_kind::kCalcWeight, 0), "Weight:", "", 0.0f, 0.5f, 150.0f, 1));
    if (band_ >= 1 && band_ <= kGrowthLastInfantBand) {
        inputs_.append(InputField(makeRequest(input_kind::kHeightNoDefault, 0), "Length:", "", 0.0f,
                                  1.0f, 500.0f, 1));
        inputs_.append(InputField(makeRequest(input_kind::kHeadCircumference, 0), "Head Circ:", "",
                                  0.0f, 1.0f, 63.0f, 1));
    } else if (band_ > kGrowthLastInfantBand) {
        inputs_.append(
            InputField(makeRequest(input_kind::kHeight, 0), "Height:", "", 0.0f, 1.0f, 500.0f, 1));
    }
}

TykoGrowth::Reference TykoGrowth::readReference(bool boy) {
    const int32_t index = band_ - 1 + (boy ? kGrowthBandCount : 0);
    return readGrowthReference(growth_->getRecord(static_cast<uint16_t>(index)));
}

const char* TykoGrowth::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    builder.keepImage = 1;
    if (band_ < 1 || band_ > kGrowthBandCount) return nullptr;
    const float w = context_.calcWeightKg();
    const float h = context_.heightCm();
    const float hc = context_.headCircumferenceCm();
    if (!growthMeasurementsPlausible(w, h, hc)) return nullptr;

    // Sex 0 is male: boys read the boys' records, 72 after the girls'.
    const bool boy = static_cast<int32_t>(inputs_[0].value) == unit::kMale;
    const Reference ref = readReference(boy);
    const bool infant = band_ <= kGrowthLastInfantBand;
    const bool bmiBand = band_ >= kGrowthFirstBmiBand;
    const bool hasW = w != 0.0f;
    const bool hasH = h != 0.0f;
    const bool hasHc = hc != 0.0f;
    const bool any = hasW || hasH || hasHc;

    // A damaged record's curves give no page: every curve the page uses must be one, and every
    // score a number.
    const bool curves = !any || (isGrowthCurve(ref.weight) && isGrowthCurve(ref.length) &&
                                 (!infant || isGrowthCurve(ref.head)));
    if (!curves || (bmiBand && !isGrowthCurve(ref.bmi))) return nullptr;
    bool scored = true;
    const auto bandText = [&scored](float x, const LmsParameters& lms) {
        const float z = lmsZScore(x, lms);
        if (!std::isfinite(z)) scored = false;
        return growthBandText(z);
    };

    SharedString report;
    float bmi = 0.0f;
    if (hasW) {
        if (hasH) {
            bmi = growthBodyMassIndex(w, h);
            if (bmiBand) {
                report.append("<STRONG>Calculated BMI </STRONG>:<B> ");
                report.append(formatNumber(roundWhole(bmi * 10.0f) * 0.1f, 1, false));
                report.append("</B><BR><BR>");
            }
        }
        report.append("Weight %tile = ");
        report.append(bandText(w, ref.weight));
    }
    if (hasH) {
        report.append(infant ? "<BR>Length %tile = " : "<BR>Height %tile = ");
        report.append(bandText(h, ref.length));
    }
    if (infant && hasHc) {
        report.append("<BR>Head Circ %tile = ");
        report.append(bandText(hc, ref.head));
    }
    if (bmiBand && hasW && hasH) {
        report.append("<BR>BMI %tile = ");
        report.append(bandText(bmi, ref.bmi));
    }
    const InputField& weightField = inputs_[1];
    const int16_t lengthUnit = inputs_.count() > 2 ? inputs_[2].unit : unit::kCentimetres;
    const int16_t headUnit = inputs_.count() > 3 ? inputs_[3].unit : unit::kCentimetres;
    const auto lengthFactor = [](int16_t u) { return u == unit::kInches ? 0.394f : 1.0f; };
    const auto lengthText = [](int16_t u) {
        return u == unit::kInches ? " Inches.\r\n" : " cm.\r\n";
    };
    if (any) {
        report.append("<BR><BR><B>Weight Percentiles</B><BR>");
        if (weightField.unit == unit::kGrams) {
            appendRows(report, ref.weight, 1000.0f, true, " Grams.<BR>");
        } else if (weightField.unit == unit::kPounds) {
            appendRows(report, ref.weight, 2.2f, false, " Pounds.<BR>");
        } else {
            appendRows(report, ref.weight, 1.0f, false, "kgs.<BR>");
        }
        report.append(infant ? "<BR><B>Length Percentiles</B><BR>"
                             : "<BR><B>Height Percentiles</B><BR>");
        appendRows(report, ref.length, lengthFactor(lengthUnit), false, lengthText(lengthUnit));
        if (infant) {
            report.append("<BR><B>Head Circumference Percentiles</B><BR>");
            appendRows(report, ref.head, lengthFactor(headUnit), false, lengthText(headUnit));
        }
    }
    if (bmiBand) {
        report.append("<BR><B>BMI Percentiles</B><BR>");
        appendRows(report, ref.bmi, 1.0f, false, " Kg/M^2\r\n");
    }
    // A page with tables says where their numbers come from.
    if ((any || bmiBand) && !ref.name.empty()) {
        report.append("<BR>");
        report.append(ref.name);
    }
    if (!scored) return nullptr;
    results_[0] = report;
    builder.appendDocument(report);
    return builder.finish();
}

InputField* TykoGrowth::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 14) {
        ages_.label = "Select Child's Age :";
        // Before any band is chosen the list opens at 3 years (band 38).
        ages_.unit = static_cast<int16_t>((band_ > 0 ? band_ : kGrowthLastInfantBand) - 1);
        context_.setListPosition(ages_.unit);
        return &ages_;
    }
    if (code == 80) {
        views_.label = "";
        return &views_;
    }
    return CalculatorModule::choiceList(request);
}

bool TykoGrowth::handleRequest(Request request) {
    if (moduleCode(request) == 14) {
        const int32_t n = value(request);
        if (n >= 1 && n <= kGrowthBandCount) chooseBand(n);
        return true;
    }
    return CalculatorModule::handleRequest(request);
}

}  // namespace orvane
