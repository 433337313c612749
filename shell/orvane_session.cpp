#include "shell/orvane_session.h"

#include "shell/start_up.h"

namespace orvane {

namespace {

AppInstance instanceOf(platform::WindowSystem& windows, platform::Registry* registry,
                       const ContentCatalogue& catalogue, const ScreenMakers& screens,
                       Trace& trace) {
    AppInstance instance;
    instance.windows = &windows;
    instance.handle = platform::HINSTANCE(1);
    instance.catalogue = &catalogue;
    instance.registry = registry;
    instance.trace = &trace;
    instance.screens = &screens;
    return instance;
}

}  // namespace

OrvaneSession::OrvaneSession(platform::WindowSystem& windows, platform::Registry* registry,
                             const ContentCatalogue& catalogue, const ModuleTable& modules,
                             const ScreenMakers& screens, Trace& trace)
    : factory_(instanceOf(windows, registry, catalogue, screens, trace)) {
    installObjectFactory(&factory_);
    patient_ = std::make_unique<PatientContext>(catalogue, modules);
    factory_.attachPatientContext(patient_.get());
    app_ = factory_.createApp();
}

OrvaneSession::~OrvaneSession() {
    app_.reset();
    factory_.attachPatientContext(nullptr);
    patient_.reset();
    installObjectFactory(nullptr);
}

int OrvaneSession::run() {
    return runStartUpSequence(*app_, *patient_);
}

}  // namespace orvane
