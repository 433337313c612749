// What a document or calculator screen shows for a module's page, decided in one place for the
// screens and the headless renderer alike: the module's page, the red message of a page weight
// that fails its check, the missing-content page, or the no-module page. It builds no page and
// draws nothing: the caller builds the page first and shows the outcome its own way.
#pragma once

#include <optional>
#include <string>

#include "foundation/shared_string.h"
#include "modules/module_handle.h"
#include "modules/module_table.h"
#include "modules/patient_checks.h"

namespace orvane {

class PatientContext;

namespace page_outcome {
// The page shown when no module answers the screen's request.
inline constexpr char kNoModulePage[] = "This module is not available in this version.";
// The page shown when the module's content could not be read, as the lists say it.
inline constexpr char kMissingContentPage[] =
    "The content for this document is missing or could not be read.";
}  // namespace page_outcome

enum class PageShown {
    kPage,            // the module's page (or none, when it built none)
    kWeightMessage,   // the page's weight failed its check: its red message, never the page
    kMissingContent,  // the module's content could not be read
    kNoModule,        // no module answers the request
};

struct PageOutcome {
    PageShown shown = PageShown::kPage;
    // The page weight of a document page with a weight row (its field is null otherwise), made
    // the current weight.
    PageWeight weight;
    // The weight's message when it failed its check.
    SharedString message;
    // The body the viewer shows; none when the module built no page.
    std::optional<std::string> body;
};

// Before a page is built: the no-module or the missing-content outcome, or none when the module
// can build its page.
std::optional<PageOutcome> moduleOutcome(const ModuleHandle* module);

// After the module built `page` (null for none) into the context's page builder, for a screen of
// the given kind: a document page with a weight row checks the page's weight (child limits on a
// child page) and shows its message instead of doses computed from a weight that fails.
PageOutcome pageOutcome(PatientContext& context, const ModuleHandle* module, const char* page,
                        ScreenKind screen);

}  // namespace orvane
