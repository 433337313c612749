#include "modules/patient_context.h"

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

}  // namespace

PatientContext::PatientContext(const ContentCatalogue& catalogue, const ModuleTable& modules)
    : catalogue_(catalogue),
      modules_(modules),
      pageBuilder_(std::make_unique<PageBuilder>()),
      adultWeight_(patientValue(kAdultStartWeightKg, unit::kKilograms, "")),
      childWeight_(patientValue(kChildStartWeightKg, unit::kKilograms, "")),
      calcWeight_(patientValue(0.0f, unit::kKilograms, "")),
      height_(patientValue(160.0f, unit::kCentimetres, "160 cms")),
      sex_(patientValue(0.0f, unit::kMale, "")),
      age_(patientValue(30.0f, 0, "")),
      headCircumference_(patientValue(40.0f, unit::kCentimetres, "40 cms")) {
    age_.min = 1.0f;
    age_.max = 120.0f;
}

PatientContext::~PatientContext() {
    current_.reset();
    index_.reset();
}

const ContentNotice& PatientContext::contentNotice() {
    if (!contentNotice_) contentNotice_ = orvane::contentNotice(catalogue_);
    return *contentNotice_;
}

std::unique_ptr<ContentDatabase> PatientContext::openDatabase(uint32_t number) const {
    return catalogue_.openDatabase(number);
}

std::unique_ptr<Module> PatientContext::createModule(Request request) {
    return factory_ ? factory_(request, *this) : modules_.create(request, *this);
}

int32_t PatientContext::rememberedChoice(int32_t moduleCode) const {
    const auto found = rememberedChoices_.find(moduleCode);
    return found == rememberedChoices_.end() ? 0 : found->second;
}

ModuleRef PatientContext::moduleFor(Request request) {
    const int32_t code = moduleCode(request);
    if (code == request_code::kAzIndex) {
        // The index is made once and kept for the run: its search position survives navigation.
        if (!index_) {
            std::unique_ptr<Module> module = createModule(request);
            if (module) index_ = std::make_shared<ModuleHandle>(request, std::move(module));
        }
        current_ = index_;
        return current_;
    }
    if (modules_.isInModule(code)) return current_;
    if (current_) {
        const int32_t currentCode = moduleCode(current_->request());
        const ModuleFamily family = modules_.familyOf(code);
        if (family != ModuleFamily::kNone && family == modules_.familyOf(currentCode)) {
            return current_;
        }
        if (code != request_code::kCalculator && code == currentCode) return current_;
    }
    current_.reset();
    std::unique_ptr<Module> module = createModule(request);
    if (!module) return nullptr;
    current_ = std::make_shared<ModuleHandle>(request, std::move(module));
    return current_;
}

InputField& PatientContext::selectWeight(int32_t mode) {
    if (mode == weight_mode::kChild) {
        currentWeight_ = &childWeight_;
    } else if (mode == weight_mode::kAdult || currentWeight_ == nullptr) {
        currentWeight_ = &adultWeight_;
    }
    return *currentWeight_;
}

void PatientContext::markWeightEntered(const InputField& weight) {
    if (&weight == &adultWeight_) adultWeightEntered_ = true;
    if (&weight == &childWeight_) childWeightEntered_ = true;
}

bool PatientContext::isStartWeight(const InputField& weight) const {
    const auto untouched = [&weight](bool entered, float startKg) {
        return !entered && weight.value == startKg && weight.unit == unit::kKilograms &&
               weight.fraction == 0;
    };
    if (&weight == &adultWeight_) return untouched(adultWeightEntered_, kAdultStartWeightKg);
    if (&weight == &childWeight_) return untouched(childWeightEntered_, kChildStartWeightKg);
    return false;
}

void PatientContext::setCurrentWeight(int32_t mode) {
    currentWeight_ = mode == weight_mode::kChild ? &childWeight_ : &adultWeight_;
}

float PatientContext::weightKg(int32_t mode) {
    return weightToKg(selectWeight(mode));
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

CivilDate PatientContext::today() const {
    if (isValidDate(fixedToday_)) return fixedToday_;
    return localToday();
}

}  // namespace orvane
