// TykoGrowth: growth percentiles (request 14). The user picks one of 72 age bands and the sex and
// enters weight, length or height and head circumference; the page places each on the reference
// curves of database 14 (LMS rows per band and sex) with its percentile band and Z-score, and
// lists the values at eleven standard percentiles, and closes with a line naming the reference
// (the records' label, e.g. "CDC 2000 growth reference"). The arithmetic is in growth_formulas.h.
#pragma once

#include <memory>

#include "calculators/growth_formulas.h"
#include "content/content_database.h"
#include "modules/calculator_module.h"

namespace orvane {

// One record of the growth reference (database 14), one per age band and sex: the reference's
// name, a flag and the age (not used), then the LMS parameters of weight, length, head
// circumference and BMI.
struct GrowthReference {
    SharedString name;  // the record's label: the reference the rows come from
    LmsParameters weight, length, head, bmi;
    bool complete = false;  // false: the record ends before its last parameter
};
inline constexpr int32_t kGrowthTable = 14;
GrowthReference readGrowthReference(RecordHandle record);

class TykoGrowth : public CalculatorModule {
  public:
    static constexpr int32_t kCode = 14;

    // Opens database 14 and keeps it open; empties weight, height and head circumference. A
    // request value of 1 to 72 chooses that band.
    TykoGrowth(PatientContext& context, Request request);

    // Database 14 (the reference curves) could be opened.
    bool isAvailable() const override;
    SharedString title() const override { return SharedString("TykoGrowth"); }
    // None without a band or with an implausible measurement; else the report.
    const char* buildPage(int32_t view) override;
    // 14: the age list; (70, i): input i; 80: the two views "Selections" and "Result".
    InputField* choiceList(Request request) override;
    // (14, n): band n (the caption and the form follow); (50, v): the view; (0): the form again.
    bool handleRequest(Request request) override;
    // Sex, weight, and length with head circumference (bands 1 to 38) or height (39 to 72).
    void resetInputs() override;

    int32_t band() const { return band_; }

  private:
    using Reference = GrowthReference;

    void chooseBand(int32_t band);
    Reference readReference(bool boy);

    std::unique_ptr<ContentDatabase> growth_;
    InputField ages_;
    InputField views_;
    int32_t band_ = 0;
};

}  // namespace orvane
