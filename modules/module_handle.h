// ModuleHandle: what a screen holds of a module. It owns the module, remembers the request that
// made it and whether the module was available at creation, and forwards the protocol to it. It
// never creates modules (see PatientContext::moduleFor). Handles are shared (ModuleRef): the
// patient context holds the current one, and a screen or a module that holds a reference keeps
// the module alive even after the context has moved on to another.
#pragma once

#include <memory>

#include "modules/module.h"

namespace orvane {

class ModuleHandle {
  public:
    // Takes the module (not null); `ready` is the module's availability now.
    ModuleHandle(Request request, std::unique_ptr<Module> module);
    ModuleHandle(const ModuleHandle&) = delete;
    ModuleHandle& operator=(const ModuleHandle&) = delete;

    Request request() const { return request_; }
    bool ready() const { return ready_; }
    const SharedString& text() const { return text_; }
    Module& module() { return *module_; }
    const Module& module() const { return *module_; }

    bool isAvailable() const { return module_->isAvailable(); }
    SharedString title() const { return module_->title(); }
    SharedString caption() const { return module_->caption(); }
    const char* buildPage(int32_t view) { return module_->buildPage(view); }
    InputField* choiceList(Request request) { return module_->choiceList(request); }
    bool handleRequest(Request request) { return module_->handleRequest(request); }

  private:
    SharedString text_;
    Request request_;
    std::unique_ptr<Module> module_;
    bool ready_ = false;
};

using ModuleRef = std::shared_ptr<ModuleHandle>;

}  // namespace orvane
