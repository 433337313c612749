#include "modules/module_table.h"

namespace orvane {

ModuleTable::ModuleTable(std::span<const ModuleRow> modules,
                         std::span<const CalculatorRow> calculators)
    : modules_(modules), calculators_(calculators) {}

const ModuleRow* ModuleTable::row(int32_t code) const {
    for (const ModuleRow& r : modules_) {
        if (r.code == code) return &r;
    }
    return nullptr;
}

const CalculatorRow* ModuleTable::calculator(int32_t number) const {
    for (const CalculatorRow& r : calculators_) {
        if (r.number == number) return &r;
    }
    return nullptr;
}

ScreenKind ModuleTable::screenKindFor(Request request) const {
    const ModuleRow* r = row(moduleCode(request));
    if (r == nullptr) return ScreenKind::kDocument;
    const bool hasValue = longValue(request) != 0;
    switch (r->screen) {
        case ScreenRule::kNone:
            return ScreenKind::kNone;
        case ScreenRule::kKeep:
            return ScreenKind::kKeep;
        case ScreenRule::kModuleList:
            return ScreenKind::kModuleList;
        case ScreenRule::kIndex:
            return ScreenKind::kIndex;
        case ScreenRule::kDocument:
            return ScreenKind::kDocument;
        case ScreenRule::kCalculator:
            return ScreenKind::kCalculator;
        case ScreenRule::kIndexOrDocument:
            return hasValue ? ScreenKind::kDocument : ScreenKind::kIndex;
        case ScreenRule::kIndexOrCalculator:
            return hasValue ? ScreenKind::kCalculator : ScreenKind::kIndex;
        case ScreenRule::kByCalculator: {
            const CalculatorRow* c = calculator(longValue(request));
            return c != nullptr ? c->screen : ScreenKind::kNone;
        }
    }
    return ScreenKind::kNone;
}

std::unique_ptr<Module> ModuleTable::create(Request request, PatientContext& context) const {
    const ModuleRow* r = row(moduleCode(request));
    if (r == nullptr) return nullptr;
    if (r->screen == ScreenRule::kByCalculator) {
        const CalculatorRow* c = calculator(longValue(request));
        return c != nullptr && c->make != nullptr ? c->make(context, request) : nullptr;
    }
    return r->make != nullptr ? r->make(context, request) : nullptr;
}

ModuleFamily ModuleTable::familyOf(int32_t code) const {
    const ModuleRow* r = row(code);
    return r != nullptr ? r->family : ModuleFamily::kNone;
}

bool ModuleTable::isInModule(int32_t code) const {
    const ModuleRow* r = row(code);
    return r != nullptr && r->inModule;
}

bool ModuleTable::hasSearchRow(int32_t code) const {
    const ModuleRow* r = row(code);
    return r != nullptr && r->searchRow;
}

}  // namespace orvane
