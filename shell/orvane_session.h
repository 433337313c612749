// OrvaneSession: one run of the program on a given window system and registry: it installs the
// object factory, makes the patient context and the application object, runs the start-up
// sequence, and at the end destroys the application, the patient context and the factory in that
// order. It owns no platform object; the process entry (orvane_program) and the tests make those.
#pragma once

#include <memory>

#include "content/content_catalogue.h"
#include "modules/patient_context.h"
#include "shell/object_factory.h"
#include "shell/ppc_orvane_app.h"
#include "shell/screen_makers.h"
#include "shell/trace.h"

namespace orvane {

class OrvaneSession {
  public:
    // Everything given must outlive the session; registry may be null (nothing stored). The
    // module table and the screen makers are the program's (or a test's).
    OrvaneSession(platform::WindowSystem& windows, platform::Registry* registry,
                  const ContentCatalogue& catalogue, const ModuleTable& modules,
                  const ScreenMakers& screens, Trace& trace);
    OrvaneSession(const OrvaneSession&) = delete;
    OrvaneSession& operator=(const OrvaneSession&) = delete;
    ~OrvaneSession();

    // The start-up sequence through the end of the message loop; the exit code (0).
    int run();

    PPCOrvaneApp& app() { return *app_; }
    PatientContext& patient() { return *patient_; }
    ObjectFactory& factory() { return factory_; }

  private:
    ObjectFactory factory_;
    std::unique_ptr<PatientContext> patient_;
    std::unique_ptr<PPCOrvaneApp> app_;
};

}  // namespace orvane
