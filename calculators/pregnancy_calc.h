// PregnancyCalc: the pregnancy calculator (calculator 29). From the first day of the last
// menstrual period, the weeks and days pregnant today, or the due date it works out the other two,
// today's gestational age and the expected B-HCG range, and writes the derived dates back into the
// form. Today comes from the patient context (the local clock unless fixed). The date arithmetic
// and the report are in pregnancy_dates.h and pregnancy_report.h.
#pragma once

#include "modules/calculator_module.h"
#include "modules/civil_date.h"

namespace orvane {

class PregnancyCalc : public CalculatorModule {
  public:
    PregnancyCalc(PatientContext& context, Request request);

    // The report of the current mode once its starting point is complete; else an empty page.
    const char* buildPage(int32_t view) override;
    // (33, sub-code 1): the mode list; otherwise as every calculator.
    InputField* choiceList(Request request) override;
    // (33, m, 1): mode m. (33, n, 2) and (33, n, 3): weeks n − 1 and days n − 1. (70, i): input i
    // (from 0) was chosen: the LMP date (mode 1), the due date (mode 3) or a list (mode 2).
    bool handleRequest(Request request) override;
    // The LMP date, weeks and days lists, and the due date, all unset; the dates show today.
    void resetInputs() override;

    int32_t mode() const { return mode_; }

  private:
    void setMode(int32_t mode);
    void writeDate(int32_t input, const CivilDate& date);
    // Weeks and days back to nothing chosen.
    void clearAge();
    // Only the date the user picked stays: the age and the other date, worked out from an
    // earlier one, are cleared (the other date shows its placeholder).
    void clearDerived(int32_t pickedInput);
    bool pickedDate(int32_t input, CivilDate& date) const;

    InputField modes_;
    int32_t mode_ = 0;
    bool lmpPicked_ = false;
    bool duePicked_ = false;
};

}  // namespace orvane
