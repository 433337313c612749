// Predicted peak expiratory flow (26): sex, age, race and height, eight results from a row of the
// peak-flow coefficient table (database 55). Arithmetic in calculators/formulas/peak_flow.h.
// Unlike the other formula calculators it does not check the whole form (its race list starts at
// the first race, below the list's declared limits); it refuses a missing or out-of-range age or
// height, a race outside the list and a coefficient row that cannot be read.
#pragma once

#include <memory>

#include "calculators/formula_calculator.h"
#include "calculators/formulas/peak_flow.h"
#include "content/content_database.h"

namespace orvane {

// The peak-flow coefficient table (database 55): the database, and one row read: its name, then
// the coefficients as floats. Missing numbers read as 0; false when the row is cut short or
// missing.
inline constexpr int32_t kPeakFlowTable = 55;
bool readPeakFlowCoefficients(RecordHandle record, PeakFlowCoefficients& coefficients);

class PeakFlowCalculator : public FormulaCalculator {
  public:
    PeakFlowCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;
    // (33, v, 3): race entry v (counted from 1) becomes the chosen race; the rest as for every
    // calculator.
    bool handleRequest(Request request) override;

  protected:
    bool computeResults() override;

  private:
    // Reads row r of the coefficient table; false when it is not there.
    bool readRow(int32_t row);

    std::unique_ptr<ContentDatabase> coefficientTable_;
    PeakFlowCoefficients coefficients_;
};

}  // namespace orvane
