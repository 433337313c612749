#include "modules/module_registry.h"

#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

struct RegistryEntry {
    const char* label;
    int32_t code;
};

constexpr RegistryEntry kEntries[] = {
    {"AbxNavix", 1},         {"ACLS", 2},           {"Adult Drips", 3}, {"Calculators", 59},
    {"Clinical Consult", 5}, {"Emergency Meds", 6}, {"Fluid Navix", 7}, {"Induction Meds", 39},
    {"Infusion Calc", 27},   {"PALS", 8},           {"Paralytics", 37}, {"TykoAbx", 30},
    {"TykoCode", 10},        {"TykoDrips", 11},     {"TykoDrugs", 12},  {"TykoFever", 13},
    {"TykoGrowth", 14},      {"TykoOTC", 17},       {"RSI Navix", 22},  {"Sedation Meds", 23},
    {"Toxicology", 57},      {"Transfusions", 26},  {"References", 49},
};

}  // namespace

ModuleRegistry::ModuleRegistry(PatientContext& context, Request request)
    : context_(context), request_(request) {
    for (const RegistryEntry& entry : kEntries) {
        list_.addEntry(entry.label, makeRequest(entry.code, 0));
    }
}

const char* ModuleRegistry::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    return builder.finish();
}

InputField* ModuleRegistry::choiceList(Request /*request*/) {
    list_.unit = selected_;
    return &list_;
}

bool ModuleRegistry::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    for (int16_t i = 0; i < list_.entries.count(); ++i) {
        if (moduleCode(list_.entries[i].request()) == code) {
            selected_ = i;
            break;
        }
    }
    return true;
}

}  // namespace orvane
