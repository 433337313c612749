// Which generator draws which page number, and which paralytic record the paralytic pages show.
#include <array>

#include "dosing/resuscitation/code_pages.h"

namespace orvane::code {

namespace {

// Page n is entry n - 1; the paralytic pages have no generator.
constexpr std::array<CodePage, kLastPage> kPages{
    appendAnaphylaxisPage,      // 1
    appendAsthmaPage,           // 2
    appendCodeSummaryPage,      // 3
    appendHyperkalemiaPage,     // 4
    appendHypertensionPage,     // 5
    appendHypoglycemiaPage,     // 6
    appendSeizuresPage,         // 7
    appendDrugSummaryPage,      // 8
    appendSvtPage,              // 9
    appendAdenosinePage,        // 10
    appendAmiodaronePage,       // 11
    nullptr,                    // 12 atracurium
    appendAtropinePage,         // 13
    appendBicarbonatePage,      // 14
    appendCalciumPage,          // 15
    appendCardioversionPage,    // 16
    nullptr,                    // 17 cisatracurium
    appendDefibrillationPage,   // 18
    appendDextrosePage,         // 19
    appendDiazepamPage,         // 20
    appendDiphenhydraminePage,  // 21
    appendDobutaminePage,       // 22
    appendDopaminePage,         // 23
    appendEpinephrinePage,      // 24
    appendEpinephrineDripPage,  // 25
    appendFentanylPage,         // 26
    appendFluidsPage,           // 27
    appendLidocainePage,        // 28
    appendLorazepamPage,        // 29
    appendMidazolamPage,        // 30
    nullptr,                    // 31 mivacurium
    appendMorphinePage,         // 32
    appendNaloxonePage,         // 33
    nullptr,                    // 34 pancuronium
    appendPhenobarbitalPage,    // 35
    appendPhenytoinPage,        // 36
    appendProcainamidePage,     // 37
    nullptr,                    // 38 rocuronium
    nullptr,                    // 39 succinylcholine
    appendEquipmentPage,        // 40
    appendVasopressinPage,      // 41
    nullptr,                    // 42 vecuronium
};

struct ParalyticPage {
    int32_t page;
    int32_t record;  // in the paralytics table, from 0
};

constexpr std::array kParalyticPages{
    ParalyticPage{12, 0},  // atracurium
    ParalyticPage{17, 1},  // cisatracurium
    ParalyticPage{31, 3},  // mivacurium
    ParalyticPage{34, 4},  // pancuronium
    ParalyticPage{38, 5},  // rocuronium
    ParalyticPage{39, 6},  // succinylcholine
    ParalyticPage{42, 7},  // vecuronium
};

}  // namespace

CodePage codePage(int32_t page) {
    if (page < kFirstPage || page > kLastPage) return nullptr;
    return kPages[static_cast<std::size_t>(page - kFirstPage)];
}

int32_t paralyticRecord(int32_t page) {
    for (const ParalyticPage& p : kParalyticPages) {
        if (p.page == page) return p.record;
    }
    return -1;
}

}  // namespace orvane::code
