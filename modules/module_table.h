// ModuleTable: what every request code means to the program, in one place: which module class
// answers it, which kind of screen shows it, which family of codes shares one module object,
// whether it acts inside the module shown, and whether its list screen offers the search row.
// The rows themselves are the program's (see suite/); this class only looks them up. It makes
// modules but never keeps them: reusing the current module is PatientContext::moduleFor's job.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "model/request.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

// Which kind of screen shows a request.
enum class ScreenKind {
    kNone,        // no screen for the request
    kKeep,        // the current screen stays
    kModuleList,  // the home list
    kIndex,       // a list of entries
    kDocument,    // one page of a module, with an optional weight row
    kCalculator,  // a typed form with its result page
};

// How a row chooses its screen from the request's long value.
enum class ScreenRule {
    kNone,
    kKeep,
    kModuleList,
    kIndex,
    kDocument,
    kCalculator,
    kIndexOrDocument,    // the list without a value, a page with one
    kIndexOrCalculator,  // the list without a value, a form with one
    kByCalculator,       // the calculator row of the value decides
};

// Makes a new module for a request; never null for a row that has one.
using ModuleMaker = std::unique_ptr<Module> (*)(PatientContext&, Request);

// Families: codes whose requests keep one module alive while the user moves between them.
enum class ModuleFamily {
    kNone,
    kClinicalConsult,
    kToxicology,
    kGrowth,
    kOtc,
    kChildAntibiotics,
};

struct ModuleRow {
    int32_t code = 0;
    ModuleMaker make = nullptr;  // null: no module (an action code, or not in this version)
    ScreenRule screen = ScreenRule::kDocument;
    ModuleFamily family = ModuleFamily::kNone;
    bool inModule = false;   // acts inside the module shown; never changes the current module
    bool searchRow = false;  // its list screen has the search row
};

// One calculator of code 4, by its number.
struct CalculatorRow {
    int32_t number = 0;
    ModuleMaker make = nullptr;
    ScreenKind screen = ScreenKind::kCalculator;
};

class ModuleTable {
  public:
    // The spans must outlive the table (the program's are static constants).
    ModuleTable(std::span<const ModuleRow> modules, std::span<const CalculatorRow> calculators);

    // The row of a code, or null when the table has none.
    const ModuleRow* row(int32_t code) const;
    const CalculatorRow* calculator(int32_t number) const;

    // The screen for a request. A code the table does not list gets a document screen (which
    // then says that no module answers it).
    ScreenKind screenKindFor(Request request) const;
    // A new module for the request, or null when no module answers it.
    std::unique_ptr<Module> create(Request request, PatientContext& context) const;

    ModuleFamily familyOf(int32_t code) const;
    bool isInModule(int32_t code) const;
    bool hasSearchRow(int32_t code) const;

  private:
    std::span<const ModuleRow> modules_;
    std::span<const CalculatorRow> calculators_;
};

}  // namespace orvane
