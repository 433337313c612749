#include "dosing/airway/rsi_choices.h"

#include <array>

#include "dosing/builders/dose_caps.h"

namespace orvane::airway {

namespace {

using K = RsiDoseKind;

constexpr const char* kAdjuncts[] = {"No Adjunct",
                                     "Atropine",
                                     "Lidocaine",
                                     "Mannitol (Osmitrol)",
                                     "Atropine and Lidocaine",
                                     "Lidocaine and Mannitol"};
constexpr const char* kSedatives[] = {"No Sedative",
                                      "Etomidate (Amidate)",
                                      "Ketamine",
                                      "Methohexital (Brevital)",
                                      "Midazolam (Versed)",
                                      "Propofol (Diprivan)",
                                      "Thiopental (Pentothal)"};
constexpr const char* kNarcotics[] = {"No Narcotic", "Fentanyl (Sublimaze)", "Morphine Sulfate"};
constexpr const char* kParalytics[] = {
    "No Paralytic",         "Atracurium (Tracium)",  "Cisatracurium (Nimbex)",
    "Doxacurium (Nuromax)", "Mivacurium (Mivacron)", "Pancuronium (Pavulon)",
    "Rocuronium (Zemuron)", "Succinylcholine",       "Vecuronium (Norcuron)"};

constexpr std::array kLists{
    RsiChoiceList{"Adjunct : ", "Select Adjunct :", kAdjuncts},
    RsiChoiceList{"Sedative   : ", "Select Sedative :", kSedatives},
    RsiChoiceList{"Narcotic   : ", "Select Narcotic :", kNarcotics},
    RsiChoiceList{"Paralytic : ", "Select Paralytic :", kParalytics},
};

constexpr RsiDrug kAtropine{"<B>Atropine:</B><BR>", K::kAtropineRange, 0, "", 0, "", 0, "", 0, ""};
constexpr RsiDrug kLidocaine{"<B>Lidocaine:</B><BR>", K::kRangeLine, 1.0f,  "1", 1.5f, "1.5",
                             caps::kLidocaineIvMg,    "mg",          20.0f, ""};
constexpr RsiDrug kMannitol{
    "<B>Mannitol:</B><BR>", K::kRangeLine, 0.25f, "0.25", 2.0f, "2", 600.0f, "Grams", 0.0f, ""};
constexpr RsiDrug kEtomidate{
    "<B>Etomidate:</B><BR>", K::kRangeLine, 0.3f, "0.3", 0.4f, "0.4", 120.0f, "mg", 2.0f, ""};
constexpr RsiDrug kKetamine{"<B>Ketamine:</B><BR>", K::kRangeLine, 1.0f, "1", 4.0f, "4",
                            caps::kKetamineMg,      "mg",          0.0f, ""};
constexpr RsiDrug kMethohexital{"<B>Methohexital (Brevital):</B><BR>",
                                K::kTenMgPerMl,
                                1.0f,
                                "1",
                                1.5f,
                                "1.5",
                                0.0f,
                                "mg",
                                0.0f,
                                ""};
constexpr RsiDrug kMidazolam{"<B>Midazolam:</B><BR>",      K::kRangeLine, 0.1f, "0.1", 0.2f, "0.2",
                             caps::kMidazolamIntubationMg, "mg",          1.0f, ""};
constexpr RsiDrug kPropofol{"<B>Propofol:</B><BR>",
                            K::kTenMgPerMl,
                            1.5f,
                            "1.5",
                            2.5f,
                            "2.5",
                            0.0f,
                            "mg",
                            0.0f,
                            "<BR>Give rapid IVP; typically 1.5 mg/kg adequate."};
constexpr RsiDrug kThiopental{
    "<B>Thiopental:</B><BR>", K::kRangeLine, 3.0f, "3", 5.0f, "5", 2100.0f, "mg", 20.0f, ""};
constexpr RsiDrug kFentanyl{"<B>Fentanyl:</B><BR>", K::kRangeLine, 1.0f,  "1", 4.0f, "4",
                            caps::kFentanylMcg,     "mcg",         50.0f, ""};
constexpr RsiDrug kMorphine{"<B>Morphine Sulfate:</B><BR>",
                            K::kRangeLine,
                            0.05f,
                            "0.05",
                            0.2f,
                            "0.2",
                            caps::kMorphineMg,
                            "mg",
                            10.0f,
                            ""};

// The drugs of each entry from 2 on (entry 1 is "No ...").
constexpr const RsiDrug* kAtropineOnly[] = {&kAtropine};
constexpr const RsiDrug* kLidocaineOnly[] = {&kLidocaine};
constexpr const RsiDrug* kMannitolOnly[] = {&kMannitol};
constexpr const RsiDrug* kAtropineLidocaine[] = {&kAtropine, &kLidocaine};
constexpr const RsiDrug* kLidocaineMannitol[] = {&kLidocaine, &kMannitol};
constexpr std::span<const RsiDrug* const> kAdjunctDrugs[] = {
    kAtropineOnly, kLidocaineOnly, kMannitolOnly, kAtropineLidocaine, kLidocaineMannitol};

constexpr const RsiDrug* kEtomidateOnly[] = {&kEtomidate};
constexpr const RsiDrug* kKetamineOnly[] = {&kKetamine};
constexpr const RsiDrug* kMethohexitalOnly[] = {&kMethohexital};
constexpr const RsiDrug* kMidazolamOnly[] = {&kMidazolam};
constexpr const RsiDrug* kPropofolOnly[] = {&kPropofol};
constexpr const RsiDrug* kThiopentalOnly[] = {&kThiopental};
constexpr std::span<const RsiDrug* const> kSedativeDrugs[] = {kEtomidateOnly,    kKetamineOnly,
                                                              kMethohexitalOnly, kMidazolamOnly,
                                                              kPropofolOnly,     kThiopentalOnly};

constexpr const RsiDrug* kFentanylOnly[] = {&kFentanyl};
constexpr const RsiDrug* kMorphineOnly[] = {&kMorphine};
constexpr std::span<const RsiDrug* const> kNarcoticDrugs[] = {kFentanylOnly, kMorphineOnly};

std::span<const std::span<const RsiDrug* const>> drugTable(int32_t list) {
    switch (list) {
        case kAdjunctList:
            return kAdjunctDrugs;
        case kSedativeList:
            return kSedativeDrugs;
        case kNarcoticList:
            return kNarcoticDrugs;
        default:
            return {};
    }
}

}  // namespace

const RsiChoiceList* rsiChoiceList(int32_t list) {
    if (list < kAdjunctList || list > kRsiListCount) return nullptr;
    return &kLists[static_cast<std::size_t>(list - kAdjunctList)];
}

std::span<const RsiDrug* const> rsiDrugsOf(int32_t list, int32_t entry) {
    const auto table = drugTable(list);
    const int32_t index = entry - kNoDrugEntry - 1;
    if (index < 0 || index >= static_cast<int32_t>(table.size())) return {};
    return table[static_cast<std::size_t>(index)];
}

}  // namespace orvane::airway
