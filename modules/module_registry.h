// ModuleRegistry: the home list of every module of the suite (request 32), in a fixed order. It
// reads no content and builds an empty page; choosing an entry is the screen's business.
#pragma once

#include "modules/module.h"

namespace orvane {

class PatientContext;

class ModuleRegistry : public Module {
  public:
    ModuleRegistry(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString(); }
    SharedString caption() const override { return SharedString(); }
    // An empty page.
    const char* buildPage(int32_t view) override;
    // The module list with the selected entry set, whatever the request.
    InputField* choiceList(Request request) override;
    // Selects the first entry whose request has the request's module code (none: unchanged).
    bool handleRequest(Request request) override;

    int32_t selected() const { return selected_; }

  private:
    PatientContext& context_;
    Request request_;
    InputField list_;
    int16_t selected_ = 0;
};

}  // namespace orvane
