// Which kind of screen shows a request: the module list, a list (index) screen, a document screen
// or a calculator screen. Only the choice by request code and argument; making screens is the
// screen factory's business.
#pragma once

#include "modules/request.h"

namespace orvane {

enum class ScreenKind {
    kNone,        // no screen for the request
    kKeep,        // code 33: the current screen stays
    kModuleList,  // the home list
    kIndex,       // a list of entries
    kDocument,    // one page of a module, with an optional weight row
    kCalculator,  // a typed form with its result page
};

ScreenKind screenKindFor(Request request);

}  // namespace orvane
