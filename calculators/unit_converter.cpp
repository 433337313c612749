#include "calculators/unit_converter.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/unit_conversion.h"
#include "foundation/number_format.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {
InputField converterField(const char* label, int16_t endsRow, int16_t width, int16_t fieldWidth) {
    InputField field = numberInput(label, "", 0, -1, -1, width, fieldWidth);
    field.endsRow = endsRow;
    return field;
}

InputField ounceList(int32_t kind) {
    InputField field =
        choiceInput(kind, "", 0, 0, 16,
                    {"0 oz", "1 oz", "2 oz", "3 oz", "4 oz", "5 oz", "6 oz", "7 oz", "8 oz", "9 oz",
                     "10 oz", "11 oz", "12 oz", "13 oz", "14 oz", "15 oz"});
    field.decimals = 1;
    field.unit = 0;
    field.width = 50;
    return field;
}
}  // namespace

UnitConverter::UnitConverter(PatientContext& context, Request request)
    : CalculatorModule(context, request, 1) {
    resetInputs();
}

void UnitConverter::resetInputs() {
    inputs_.resize(0);
    inputs_.append(converterField("<SC id=6>F", 0, 110, 0));
    inputs_.append(converterField("<SC id=6>C", 1, 110, 0));
    inputs_.append(converterField("cm", 0, 110, 0));
    inputs_.append(converterField("inches", 1, 110, 0));
    inputs_.append(converterField("kgs", 0, 100, 60));
    inputs_.append(converterField("lbs", 0, 75, 40));
    inputs_.append(ounceList(input_kind::kChoiceList));
    inputs_.append(converterField("grams", 0, 100, 60));
    inputs_.append(converterField("lbs", 0, 75, 40));
    inputs_.append(ounceList(input_kind::kChoiceListAlt));
}

const char* UnitConverter::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    builder.selectionMode = 2;
    builder.showImage = 0;
    return builder.finish();
}

void UnitConverter::setField(int32_t i, double value) {
    InputField& field = inputs_[i - 1];
    field.value = static_cast<float>(value);
    field.text = formatNumber(field.value, field.decimals, false);
    field.entered = 1;
}

void UnitConverter::setPoundsOunces(int32_t poundsField, double kilograms) {
    PoundsOunces po = kilogramsToPoundsOunces(kilograms);
    setField(poundsField, po.pounds);
    InputField& ounces = inputs_[poundsField];  // the list right after the pounds field
    ounces.value = static_cast<float>(po.ounces);
    ounces.unit = static_cast<int16_t>(po.ounces);
    ounces.text = ounces.entries[po.ounces].label();
    ounces.entered = 1;
}

double UnitConverter::poundsOuncesKg(int32_t poundsField) const {
    const InputField& pounds = inputs_[poundsField - 1];
    const InputField& ounces = inputs_[poundsField];
    return poundsOuncesToKilograms(pounds.value, ounces.unit);
}

bool UnitConverter::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 0) {
        resetInputs();
        return true;
    }
    if (code != 70) return true;  // (50) and the rest: nothing to do
    const int32_t i = value(request) + 1;
    switch (i) {
        case 1:
            setField(2, fahrenheitToCelsius(inputs_[0].value));
            break;
        case 2:
            setField(1, celsiusToFahrenheit(inputs_[1].value));
            break;
        case 3:
            setField(4, centimetresToInches(inputs_[2].value));
            break;
        case 4:
            setField(3, inchesToCentimetres(inputs_[3].value));
            break;
        case 5:
            setPoundsOunces(6, inputs_[4].value);
            break;
        case 8:
            setPoundsOunces(9, static_cast<double>(inputs_[7].value) * 0.001);
            break;
        case 6:
        case 7:
            setField(5, poundsOuncesKg(6));
            break;
        case 9:
        case 10:
            setField(8, poundsOuncesKg(9) * 1000.0);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace orvane
