#include "modules/patient_context.h"

#include "modules/module_factory.h"
#include "modules/patient_inputs.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

// A patient value at start-up: no limits, one decimal, its own row.
InputField patientValue(float value, int16_t unitIndex, const char* text) {
    InputField field(SharedString(text), value, -1.0f, -1.0f, 1);
    field.unit = unitIndex;
    return field;
}

// Families whose members keep one module alive while the user moves between them.
int32_t familyOf(int32_t code) {
    switch (code) {
        case 5:
        case 48:
            return 1;
        case 24:
        case 57:
        case 46:
            return 2;
        case 14:
            return 3;
        case 17:
        case 60:
            return 4;
        case 9:
        case 47:
        case 30:
            return 5;
        default:
            return 0;
    }
}

bool isInModuleCode(int32_t code) {
    return code == 33 || code == 50 || code == 74 || code == 75 || code == 81;
}

}  // namespace

PatientContext::PatientContext(const ContentCatalogue& catalogue)
    : catalogue_(catalogue),
      factory_(createModuleFor),
      pageBuilder_(std::make_unique<PageBuilder>()),
      adultWeight_(patientValue(70.0f, unit::kKilograms, "")),
      childWeight_(patientValue(10.0f, unit::kKilograms, "")),
      calcWeight_(patientValue(0.0f, unit::kKilograms, "")),
      height_(patientValue(160.0f, unit::kCentimetres, "160 cms")),
      sex_(patientValue(0.0f, unit::kMale, "")),
      age_(patientValue(30.0f, 0, "")),
      headCircumference_(patientValue(40.0f, unit::kCentimetres, "40 cms")) {
    age_.min = 1.0f;
    age_.max = 120.0f;
}

PatientContext::~PatientContext() {
    current_ = nullptr;
    owned_.reset();
    index_.reset();
}

std::unique_ptr<ContentDatabase> PatientContext::openDatabase(uint32_t number) const {
    return catalogue_.openDatabase(number);
}

std::unique_ptr<Module> PatientContext::createModule(Request request) {
    return factory_ ? factory_(request, *this) : nullptr;
}

void PatientContext::dropCurrent() {
    // The index handle lives for the whole run; any other current handle is deleted.
    current_ = nullptr;
    owned_.reset();
}

ModuleHandle* PatientContext::moduleFor(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 53) {
        if (!index_) {
            std::unique_ptr<Module> module = createModule(request);
            if (module) index_ = std::make_unique<ModuleHandle>(request, std::move(module));
        }
        dropCurrent();
        current_ = index_.get();
        return current_;
    }
    if (isInModuleCode(code)) return current_;
    if (current_ != nullptr) {
        const int32_t currentCode = moduleCode(current_->request());
        const int32_t family = familyOf(code);
        if (family != 0 && family == familyOf(currentCode)) return current_;
        if (code != 4 && code == currentCode) return current_;
    }
    dropCurrent();
    std::unique_ptr<Module> module = createModule(request);
    if (!module) return nullptr;
    owned_ = std::make_unique<ModuleHandle>(request, std::move(module));
    current_ = owned_.get();
    return current_;
}

InputField& PatientContext::selectWeight(int32_t mode) {
    if (mode == weight_mode::kChild) {
        currentWeight_ = &childWeight_;
        adultWeight_.value = 70.0f;
        return childWeight_;
    }
    if (mode == weight_mode::kAdult) {
        childWeight_.value = 10.0f;
        currentWeight_ = &adultWeight_;
        return adultWeight_;
    }
    if (currentWeight_ == nullptr) currentWeight_ = &adultWeight_;
    return *currentWeight_;
}

void PatientContext::setCurrentWeight(int32_t mode) {
    currentWeight_ = mode == weight_mode::kChild ? &childWeight_ : &adultWeight_;
}

float PatientContext::weightKg(int32_t mode) {
    if (mode == weight_mode::kChild) {
        currentWeight_ = &childWeight_;
    } else if (mode == weight_mode::kAdult) {
        currentWeight_ = &adultWeight_;
    } else if (currentWeight_ == nullptr) {
        currentWeight_ = &adultWeight_;
    }
    return weightToKg(*currentWeight_);
}

float PatientContext::calcWeightKg() const {
    return weightToKg(calcWeight_);
}
float PatientContext::heightCm() const {
    return lengthToCm(height_);
}
float PatientContext::headCircumferenceCm() const {
    return lengthToCm(headCircumference_);
}

bool PatientContext::ageYears(float& years) const {
    if (!checkAge(age_.value, nullptr)) return false;
    years = age_.value;
    return true;
}

bool PatientContext::checkWeight(const InputField& field, float value, SharedString* message,
                                 bool childMode) const {
    return orvane::checkWeight(field, value, message, childMode);
}

CivilDate PatientContext::today() const {
    if (isValidDate(fixedToday_)) return fixedToday_;
    return localToday();
}

}  // namespace orvane
