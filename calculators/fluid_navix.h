// FluidNavix: the pediatric fluids menu (request 7). It lists the burn calculators and computes
// the two pages it owns from the child weight: the boluses (mode 3) and the 4-2-1 maintenance
// rates (mode 4). The burn area and burn fluid calculators are other modules.
#pragma once

#include "modules/module.h"

namespace orvane {

class PatientContext;

class FluidNavix : public Module {
  public:
    static constexpr int32_t kCode = 7;

    // The mode starts as the creating request's value (0 menu, 3 boluses, 4 maintenance).
    FluidNavix(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Fluid Navix"); }
    // Empty until a calculation page was shown, then that page's name.
    SharedString caption() const override { return caption_; }
    // Mode 3: the bolus page; mode 4: the maintenance page (both from the child weight, with the
    // weight row); otherwise the menu as links.
    const char* buildPage(int32_t view) override;
    // 80: none; anything else: the four entries under "Select Fluids Calculator:".
    InputField* choiceList(Request request) override;
    // (7, v): mode v (the remembered bolus choice is cleared); (33, v, 2): remembers bolus v.
    bool handleRequest(Request request) override;

    int32_t mode() const { return mode_; }

  private:
    void bolusPage();
    void maintenancePage();

    PatientContext& context_;
    Request request_;
    SharedString caption_;
    int32_t mode_ = 0;
    int32_t bolusChoice_ = 0;
    InputField list_;
};

}  // namespace orvane
