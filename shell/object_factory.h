// ObjectFactory: the one program-wide factory, installed at start-up and reached through
// objectFactory(). It makes the application object, the history list and the preferences store,
// opens content databases by number, and passes module requests to the patient context's module
// factory, so that everything above the platform is reached through interfaces. Reaching it
// before installation is a fatal internal error ("NULL impl_").
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_catalogue.h"
#include "model/request.h"
#include "modules/module.h"
#include "platform/win_types.h"

namespace orvane::platform {
class WindowSystem;
class Registry;
}  // namespace orvane::platform

namespace orvane {

class AppShell;
class HistoryList;
class PatientContext;
class PPCOrvaneApp;
class PreferencesStore;
class Trace;
struct ScreenMakers;

// What the factory is made with: the platform services of this run (the "instance").
struct AppInstance {
    platform::WindowSystem* windows = nullptr;
    platform::HINSTANCE handle;
    const ContentCatalogue* catalogue = nullptr;
    platform::Registry* registry = nullptr;
    Trace* trace = nullptr;
    const ScreenMakers* screens = nullptr;  // how the screen factory makes each screen
};

class ObjectFactory {
  public:
    explicit ObjectFactory(const AppInstance& instance) : instance_(instance) {}
    ObjectFactory(const ObjectFactory&) = delete;
    ObjectFactory& operator=(const ObjectFactory&) = delete;
    virtual ~ObjectFactory() = default;

    // A new application object for the instance (needs the patient context attached).
    virtual std::unique_ptr<PPCOrvaneApp> createApp();
    // A new database by number, owned by the caller; not open when the catalogue has none.
    virtual std::unique_ptr<ContentDatabase> openDatabase(uint32_t number);
    // A new, empty history list that reports undecodable entries through shell (may be null).
    virtual std::unique_ptr<HistoryList> createHistoryList(AppShell* shell);
    // A new preferences store on the instance's registry; the caller deletes it after use.
    virtual std::unique_ptr<PreferencesStore> createPreferencesStore();
    // The patient context's module for a request (null when none is attached or no module
    // answers).
    virtual std::unique_ptr<Module> createModule(Request request);

    // The patient context of the run (made after the factory; detached before it goes).
    void attachPatientContext(PatientContext* patient) { patient_ = patient; }
    const AppInstance& instance() const { return instance_; }

  private:
    AppInstance instance_;
    PatientContext* patient_ = nullptr;
};

// The installed factory; fatal ("NULL impl_") when none is installed.
ObjectFactory& objectFactory();
// Installs the program-wide factory (null uninstalls it). The caller keeps ownership.
void installObjectFactory(ObjectFactory* factory);
bool objectFactoryInstalled();

}  // namespace orvane
