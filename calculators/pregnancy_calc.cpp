#include "calculators/pregnancy_calc.h"

#include "calculators/pregnancy_dates.h"
#include "calculators/pregnancy_report.h"
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr int32_t kLmpInput = 0;
constexpr int32_t kWeeksInput = 1;
constexpr int32_t kDaysInput = 2;
constexpr int32_t kDueInput = 3;

InputField dateInput(Request kind, const char* label, const CivilDate& today) {
    InputField field(makeRequest(0, 0), label, "", 0.0f, -1.0f, -1.0f, 1);
    field.kind = kind;
    field.text = dateText(today);
    // A date input keeps the day in unit, the month in decimals and the year in fraction.
    field.unit = static_cast<int16_t>(today.day);
    field.decimals = today.month;
    field.fraction = static_cast<int16_t>(today.year);
    return field;
}

InputField numberList(Request kind, const char* label, int32_t last, int32_t subCode) {
    InputField field(makeRequest(0, 0), label, "", -1.0f, 0.0f, static_cast<float>(last), 0);
    field.kind = kind;
    for (int32_t n = 0; n <= last; ++n) {
        field.addEntry(formatNumber(static_cast<float>(n), 0, false),
                       makeRequest(request_code::kSamePage, n + 1, subCode));
    }
    field.text = SharedString();
    field.unit = -1;  // nothing chosen
    return field;
}

// The chosen number of a weeks or days list, or -1 when none is chosen.
int32_t chosenNumber(const InputField& list) {
    return list.unit >= 0 && list.unit < list.entries.count() ? list.unit : -1;
}

// The text a date input shows while it holds no date of the calculation.
const char* datePlaceholder(int32_t input) {
    return input == kLmpInput ? "1st day LMP" : "Due Date";
}

void chooseNumber(InputField& list, int32_t n) {
    if (n < 0 || n >= list.entries.count()) return;
    list.unit = static_cast<int16_t>(n);
    list.value = static_cast<float>(n);
    list.text = list.entries[n].label();
}

}  // namespace

PregnancyCalc::PregnancyCalc(PatientContext& context, Request request)
    : CalculatorModule(context, request, 1) {
    modes_.addEntry("1st day LMP", makeRequest(request_code::kSamePage, 1, 1));
    modes_.addEntry("Weeks Pregnant", makeRequest(request_code::kSamePage, 2, 1));
    modes_.addEntry("Due Date", makeRequest(request_code::kSamePage, 3, 1));
    resetInputs();
}

void PregnancyCalc::resetInputs() {
    const CivilDate today = context_.today();
    inputs_.resize(0);
    inputs_.append(dateInput(makeRequest(input_kind::kDate, 1), "1st day LMP:", today));
    inputs_.append(numberList(makeRequest(input_kind::kChoiceList, 1), "Weeks Pregnant:", 44, 2));
    inputs_.append(numberList(makeRequest(input_kind::kChoiceListAlt, 1), "Days:", 6, 3));
    inputs_.append(dateInput(makeRequest(input_kind::kDate, 2), "Due Date:", today));
    mode_ = 0;
    lmpPicked_ = false;
    duePicked_ = false;
}

void PregnancyCalc::setMode(int32_t mode) {
    mode_ = mode;
    switch (mode) {
        case 1:
            caption_ = "Select 1st day LMP";
            break;
        case 2:
            caption_ = "Weeks Pregnant";
            break;
        case 3:
            caption_ = "Due Date";
            break;
        default:
            caption_ = "Pregnancy Calculator";
            break;
    }
    if (mode == 1 || mode == 3) {
        // A new date must be picked before anything is worked out from it.
        (mode == 1 ? lmpPicked_ : duePicked_) = false;
        clearAge();
        const int32_t input = mode == 1 ? kLmpInput : kDueInput;
        inputs_[input].text = datePlaceholder(input);
    }
}

void PregnancyCalc::clearAge() {
    InputField& weeks = inputs_[kWeeksInput];
    InputField& days = inputs_[kDaysInput];
    weeks.unit = days.unit = -1;
    weeks.value = days.value = -1.0f;
    weeks.text = days.text = SharedString();
}

void PregnancyCalc::clearDerived(int32_t pickedInput) {
    clearAge();
    const int32_t other = pickedInput == kLmpInput ? kDueInput : kLmpInput;
    inputs_[other].text = datePlaceholder(other);
}

InputField* PregnancyCalc::choiceList(Request request) {
    if (moduleCode(request) == 33 && subCode(request) == 1) return &modes_;
    return CalculatorModule::choiceList(request);
}

bool PregnancyCalc::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == 33) {
        switch (subCode(request)) {
            case 1:
                setMode(v);
                break;
            case 2:
                chooseNumber(inputs_[kWeeksInput], v - 1);
                break;
            case 3:
                chooseNumber(inputs_[kDaysInput], v - 1);
                break;
            default:
                break;
        }
        return true;
    }
    if (code == 70) {
        // The screen stored the picked date or list entry in the field before telling us.
        if (v == kLmpInput) {
            mode_ = 1;
            caption_ = "Select 1st day LMP";
            lmpPicked_ = true;
        } else if (v == kDueInput) {
            mode_ = 3;
            caption_ = "Select Due Date";
            duePicked_ = true;
        } else if (v == kWeeksInput || v == kDaysInput) {
            mode_ = 2;
            InputField& list = inputs_[v];
            chooseNumber(list, chosenNumber(list));
        }
        return true;
    }
    return CalculatorModule::handleRequest(request);
}

bool PregnancyCalc::pickedDate(int32_t input, CivilDate& date) const {
    const InputField& field = inputs_[input];
    date = CivilDate{field.fraction, field.decimals, field.unit};
    return isValidDate(date);
}

void PregnancyCalc::writeDate(int32_t input, const CivilDate& date) {
    InputField& field = inputs_[input];
    field.text = dateText(date);
    field.unit = static_cast<int16_t>(date.day);
    field.decimals = date.month;
    field.fraction = static_cast<int16_t>(date.year);
}

const char* PregnancyCalc::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    builder.showImage = 0;
    builder.showInputs = 0;
    if (mode_ >= 1 && mode_ <= 3) builder.showImage = 1;
    const CivilDate today = context_.today();
    PregnancyReport report;
    bool made = false;
    CivilDate picked;
    if (mode_ == 1 && lmpPicked_ && pickedDate(kLmpInput, picked)) {
        report = pregnancyFromLmp(picked, today);
        made = true;
    } else if (mode_ == 2) {
        const int32_t weeks = chosenNumber(inputs_[kWeeksInput]);
        const int32_t days = chosenNumber(inputs_[kDaysInput]);
        if (weeks >= 0 && days >= 0) {
            report = pregnancyFromAge(weeks, days, today);
            made = true;
        }
    } else if (mode_ == 3 && duePicked_ && pickedDate(kDueInput, picked)) {
        report = pregnancyFromDueDate(picked, today);
        made = true;
    }
    if (made) {
        caption_ = "Pregnancy Calculator";
        // A refused date: the message page shows no result of an earlier date, and neither
        // does the form.
        if (!report.valid) clearDerived(mode_ == 1 ? kLmpInput : kDueInput);
        if (report.hasLmp) writeDate(kLmpInput, report.lmp);
        if (report.hasDue) writeDate(kDueInput, report.due);
        if (report.hasAge) {
            chooseNumber(inputs_[kWeeksInput], report.weeks);
            chooseNumber(inputs_[kDaysInput], report.days);
        }
    }
    results_[0] = report.text;
    builder.appendDocument(report.text);
    return builder.finish();
}

}  // namespace orvane
