// The screen factory's maker for DocumentScreen.
#include "screens/document_screen.h"
#include "shell/screen_makers.h"

namespace orvane {

std::unique_ptr<Screen> makeDocumentScreen(PPCOrvaneApp& app, Request request) {
    return std::make_unique<DocumentScreen>(app, request);
}

}  // namespace orvane
