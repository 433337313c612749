#include "shell/screen_kind.h"

namespace orvane {

ScreenKind screenKindFor(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t argument = longValue(request);
    switch (code) {
        case 33:
            return ScreenKind::kKeep;
        case 1:
        case 2:
        case 3:
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
        case 17:
        case 23:
        case 24:
        case 26:
        case 37:
        case 39:
        case 46:
        case 47:
        case 49:
            return argument != 0 ? ScreenKind::kDocument : ScreenKind::kIndex;
        case 48:
        case 60:
        case 30:
        case 59:
        case 53:
            return ScreenKind::kIndex;
        case 14:
            return argument != 0 ? ScreenKind::kCalculator : ScreenKind::kIndex;
        case 27:
            return ScreenKind::kCalculator;
        case 4:
            switch (argument) {
                case 4:
                case 8:
                case 10:
                case 17:
                case 18:
                case 25:
                case 27:
                case 31:
                case 32:
                case 38:
                case 39:
                    return ScreenKind::kDocument;
                default:
                    return argument >= 1 && argument <= 40 ? ScreenKind::kCalculator
                                                           : ScreenKind::kNone;
            }
        case 32:
            return ScreenKind::kModuleList;
        case 87:
            return ScreenKind::kNone;
        default:
            return ScreenKind::kDocument;
    }
}

}  // namespace orvane
