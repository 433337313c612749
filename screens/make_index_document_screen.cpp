// The screen factory's maker for IndexDocumentScreen.
#include "screens/index_document_screen.h"
#include "shell/screen_makers.h"

namespace orvane {

std::unique_ptr<Screen> makeIndexDocumentScreen(PPCOrvaneApp& app, Request request) {
    return std::make_unique<IndexDocumentScreen>(app, request);
}

}  // namespace orvane
