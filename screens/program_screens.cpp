#include "screens/program_screens.h"

#include "screens/calculator_screen.h"
#include "screens/document_screen.h"
#include "screens/index_document_screen.h"
#include "screens/module_list_screen.h"

namespace orvane {

namespace {

template <class S>
std::unique_ptr<Screen> make(PPCOrvaneApp& app, Request request) {
    return std::make_unique<S>(app, request);
}

constexpr ScreenMakers kScreens{make<ModuleListScreen>, make<IndexDocumentScreen>,
                                make<DocumentScreen>, make<CalculatorScreen>};

}  // namespace

const ScreenMakers& programScreens() {
    return kScreens;
}

}  // namespace orvane
