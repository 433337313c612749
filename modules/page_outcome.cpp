#include "modules/page_outcome.h"

#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

PageOutcome fixedPage(PageShown shown, const char* body) {
    PageOutcome outcome;
    outcome.shown = shown;
    outcome.body = std::string(body);
    return outcome;
}

}  // namespace

std::optional<PageOutcome> moduleOutcome(const ModuleHandle* module) {
    if (module == nullptr) return fixedPage(PageShown::kNoModule, page_outcome::kNoModulePage);
    if (!module->isAvailable()) {
        return fixedPage(PageShown::kMissingContent, page_outcome::kMissingContentPage);
    }
    return std::nullopt;
}

PageOutcome pageOutcome(PatientContext& context, const ModuleHandle* module, const char* page,
                        ScreenKind screen) {
    const int16_t weightInput = context.pageBuilder().weightInput;
    PageOutcome outcome;
    bool weightFails = false;
    if (screen == ScreenKind::kDocument && weightInput != 0) {
        outcome.weight = selectPageWeight(context, weightInput);
        weightFails = !checkPageWeight(outcome.weight, &outcome.message);
    }
    if (std::optional<PageOutcome> gate = moduleOutcome(module)) {
        gate->weight = outcome.weight;
        gate->message = outcome.message;
        return *gate;
    }
    if (weightFails) {
        // Doses are never shown for a weight that fails its check.
        outcome.shown = PageShown::kWeightMessage;
        outcome.body = messagePageBody(outcome.message.view());
        return outcome;
    }
    if (page != nullptr) outcome.body = std::string(page);
    return outcome;
}

}  // namespace orvane
