// The screen factory's maker for IndexDocumentScreen. Until that class exists here, a placeholder
// stands in for it; replace the body by: return std::make_unique<IndexDocumentScreen>(app,
// request);
#include "shell/placeholder_screen.h"
#include "shell/screen_makers.h"

namespace orvane {

std::unique_ptr<Screen> makeIndexDocumentScreen(PPCOrvaneApp& app, Request request) {
    return std::make_unique<PlaceholderScreen>(app, request, "IndexDocumentScreen", 2);
}

}  // namespace orvane
