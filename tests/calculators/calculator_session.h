// A formula or scoring calculator opened over the fixture content, with the few actions the
// calculator screen performs: setting a plain input as typed, setting patient values (weight in
// pounds and ounces or kilograms, height in inches and eighths or centimetres, age, sex), copying
// them into the form, and building the page.
#pragma once

#include <memory>
#include <string>

#include "calculators/scores/scoring_calculator.h"
#include "foundation/number_format.h"
#include "modules/calculator_module.h"
#include "suite/program_modules.h"
#include "tests/support/content/calculator_content.h"

namespace orvane::test_support {

// Calculator number n as the program's module table makes it; null for a number it has none for.
inline std::unique_ptr<Module> makeCalculator(int32_t number, PatientContext& context) {
    const CalculatorRow* row = programModules().calculator(number);
    if (row == nullptr || row->make == nullptr) return nullptr;
    return row->make(context, makeRequest(request_code::kCalculator, number));
}

class OpenCalculator {
  public:
    explicit OpenCalculator(int32_t number) : session_(prepare(dir_).path()) {
        module_ = makeCalculator(number, session_.context);
        // The screen binds a newly opened calculator's form to the patient values.
        if (auto* calculator = dynamic_cast<CalculatorModule*>(module_.get())) {
            bindFormInputs(calculator->inputs(), session_.context);
        }
    }

    Module* module() { return module_.get(); }
    CalculatorModule& calc() { return *dynamic_cast<CalculatorModule*>(module_.get()); }
    ScoringCalculator& scoring() { return *dynamic_cast<ScoringCalculator*>(module_.get()); }
    // Sends a request to the module, as a tapped link does.
    void send(int32_t code, int32_t value, int32_t subCode) {
        module_->handleRequest(makeRequest(code, value, subCode));
    }
    PatientContext& context() { return session_.context; }
    const CalculatorContentDir& dir() const { return dir_; }

    // A plain input typed as the screen reads it: value, text with the field's decimals, entered.
    void set(int32_t i, float v) {
        InputField& field = calc().inputs()[i - 1];
        field.value = v;
        field.text = formatNumber(v, field.decimals, false);
        field.entered = 1;
    }
    // A drop-down list selection or a check box as the screen stores it: unit and value.
    void select(int32_t i, int16_t index) {
        InputField& field = calc().inputs()[i - 1];
        field.unit = index;
        field.value = index;
    }
    void weightKg(float kg) { setWeight(kg, unit::kKilograms, 0); }
    void weightPounds(float pounds, int16_t ounces) { setWeight(pounds, unit::kPounds, ounces); }
    void heightCm(float cm) { setHeight(cm, unit::kCentimetres, 0); }
    void heightInches(float inches, int16_t eighths) { setHeight(inches, unit::kInches, eighths); }
    void age(float years) { context().age().value = years; }
    void sex(int16_t s) {
        context().sex().value = s;
        context().sex().unit = s;
    }

    // The page after the bound values are copied into the form, as the screen does.
    std::string page(int32_t view = 0) {
        if (auto* calculator = dynamic_cast<CalculatorModule*>(module_.get())) {
            copyBoundValues(calculator->inputs(), session_.context);
        }
        const char* html = module_->buildPage(view);
        return html ? html : "(none)";
    }
    std::string result(int32_t i) {
        if (auto* calculator = dynamic_cast<CalculatorModule*>(module_.get())) {
            return calculator->results()[i - 1].str();
        }
        return scoring().results()[i - 1].str();
    }

  private:
    static const CalculatorContentDir& prepare(CalculatorContentDir& dir) {
        dir.writeCalculatorTable();
        dir.writePeakFlowTable(0.05, -0.001, 0.0002, 0.00015);
        dir.writePointsTable(fixturePoints());
        return dir;
    }
    void setWeight(float v, int16_t u, int16_t fraction) {
        InputField& w = context().calcWeight();
        w.value = v;
        w.unit = u;
        w.fraction = fraction;
    }
    void setHeight(float v, int16_t u, int16_t fraction) {
        InputField& h = context().height();
        h.value = v;
        h.unit = u;
        h.fraction = fraction;
    }

    CalculatorContentDir dir_;
    ContentSession session_;
    std::unique_ptr<Module> module_;
};

}  // namespace orvane::test_support
