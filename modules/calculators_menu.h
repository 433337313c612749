// CalculatorsMenu: the list of calculators (request 59), one entry per record of calculator
// database 4 (its second text), each opening calculator (4, record + 1). It only lists; the
// calculators themselves are other modules.
#pragma once

#include "modules/module.h"

namespace orvane {

class PatientContext;

class CalculatorsMenu : public Module {
  public:
    static constexpr int32_t kCode = 59;

    // Reads the entries from database 4 and closes it again.
    CalculatorsMenu(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Calculators"); }
    SharedString caption() const override { return SharedString(); }
    // With a calculator selected: an empty page. Otherwise the heading "Select a Calculator" is
    // written and there is no page to show (null).
    const char* buildPage(int32_t view) override;
    // Request 80: none. Any other: the calculator list, selected entry = selected number − 1.
    InputField* choiceList(Request request) override;
    // (4, n) or (70, n): the selected calculator number becomes n.
    bool handleRequest(Request request) override;

    int32_t selectedNumber() const { return selected_; }

  private:
    PatientContext& context_;
    Request request_;
    InputField list_;
    int32_t selected_ = 0;
};

}  // namespace orvane
