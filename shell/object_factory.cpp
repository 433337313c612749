#include "shell/object_factory.h"

#include "foundation/fatal.h"
#include "modules/patient_context.h"
#include "shell/history_list.h"
#include "shell/ppc_orvane_app.h"
#include "shell/preferences_store.h"

namespace orvane {

namespace {

// The one installed factory of the program (owned by the program's entry).
ObjectFactory* installedFactory = nullptr;

}  // namespace

std::unique_ptr<PPCOrvaneApp> ObjectFactory::createApp() {
    if (instance_.windows == nullptr || patient_ == nullptr || instance_.trace == nullptr ||
        instance_.screens == nullptr) {
        fatalError("NULL impl_");
    }
    return std::make_unique<PPCOrvaneApp>(*instance_.windows, instance_.handle, *patient_,
                                          *instance_.screens, *instance_.trace);
}

std::unique_ptr<ContentDatabase> ObjectFactory::openDatabase(uint32_t number) {
    if (instance_.catalogue == nullptr) fatalError("NULL impl_");
    return instance_.catalogue->openDatabase(number);
}

std::unique_ptr<HistoryList> ObjectFactory::createHistoryList(AppShell* shell) {
    return std::make_unique<HistoryList>(shell);
}

std::unique_ptr<PreferencesStore> ObjectFactory::createPreferencesStore() {
    return std::make_unique<PreferencesStore>(instance_.registry);
}

std::unique_ptr<Module> ObjectFactory::createModule(Request request) {
    if (patient_ == nullptr) return nullptr;
    return patient_->createModule(request);
}

ObjectFactory& objectFactory() {
    if (installedFactory == nullptr) fatalError("NULL impl_");
    return *installedFactory;
}

void installObjectFactory(ObjectFactory* factory) {
    installedFactory = factory;
}

bool objectFactoryInstalled() {
    return installedFactory != nullptr;
}

}  // namespace orvane
