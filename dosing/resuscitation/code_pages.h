// The computed pages of the children's resuscitation module, numbered 1 to 42 as its list is.
// Each generator appends its whole page for a child weight in kg; the page's trailing text (from
// the code table) is passed in and used by the pages that end with it. The seven paralytic pages
// are not generated here: they are the paralytic pages of the paralytics table. No generator
// reads content or checks the weight.
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"

namespace orvane::code {

inline constexpr int32_t kFirstPage = 1;
inline constexpr int32_t kLastPage = 42;

using CodePage = void (*)(SharedString& out, float weight, const SharedString& trailing);

// The generator of a page, or null for a paralytic page and a number outside 1 to 42.
CodePage codePage(int32_t page);

// The paralytic record (from 0) that a paralytic page shows, or -1 for any other page.
int32_t paralyticRecord(int32_t page);

// Protocols (protocol_pages.cpp, code_summary_page.cpp, hyperkalemia_page.cpp).
void appendAnaphylaxisPage(SharedString& out, float weight, const SharedString& trailing);
void appendAsthmaPage(SharedString& out, float weight, const SharedString& trailing);
void appendCodeSummaryPage(SharedString& out, float weight, const SharedString& trailing);
void appendHyperkalemiaPage(SharedString& out, float weight, const SharedString& trailing);
void appendHypertensionPage(SharedString& out, float weight, const SharedString& trailing);
void appendHypoglycemiaPage(SharedString& out, float weight, const SharedString& trailing);
void appendSeizuresPage(SharedString& out, float weight, const SharedString& trailing);
void appendDrugSummaryPage(SharedString& out, float weight, const SharedString& trailing);
void appendSvtPage(SharedString& out, float weight, const SharedString& trailing);

// Cardiac drugs and energies (cardiac_pages.cpp, energy_pages.cpp).
void appendAdenosinePage(SharedString& out, float weight, const SharedString& trailing);
void appendAmiodaronePage(SharedString& out, float weight, const SharedString& trailing);
void appendAtropinePage(SharedString& out, float weight, const SharedString& trailing);
void appendBicarbonatePage(SharedString& out, float weight, const SharedString& trailing);
void appendCalciumPage(SharedString& out, float weight, const SharedString& trailing);
void appendCardioversionPage(SharedString& out, float weight, const SharedString& trailing);
void appendDefibrillationPage(SharedString& out, float weight, const SharedString& trailing);
void appendEpinephrinePage(SharedString& out, float weight, const SharedString& trailing);
void appendLidocainePage(SharedString& out, float weight, const SharedString& trailing);
void appendProcainamidePage(SharedString& out, float weight, const SharedString& trailing);
void appendVasopressinPage(SharedString& out, float weight, const SharedString& trailing);

// Sedatives, anticonvulsants and the rest (sedative_pages.cpp, fluid_pages.cpp).
void appendDiazepamPage(SharedString& out, float weight, const SharedString& trailing);
void appendDiphenhydraminePage(SharedString& out, float weight, const SharedString& trailing);
void appendFentanylPage(SharedString& out, float weight, const SharedString& trailing);
void appendLorazepamPage(SharedString& out, float weight, const SharedString& trailing);
void appendMidazolamPage(SharedString& out, float weight, const SharedString& trailing);
void appendMorphinePage(SharedString& out, float weight, const SharedString& trailing);
void appendNaloxonePage(SharedString& out, float weight, const SharedString& trailing);
void appendPhenobarbitalPage(SharedString& out, float weight, const SharedString& trailing);
void appendPhenytoinPage(SharedString& out, float weight, const SharedString& trailing);
void appendDextrosePage(SharedString& out, float weight, const SharedString& trailing);
void appendFluidsPage(SharedString& out, float weight, const SharedString& trailing);
void appendEquipmentPage(SharedString& out, float weight, const SharedString& trailing);

// Infusions (drip_pages.cpp).
void appendDobutaminePage(SharedString& out, float weight, const SharedString& trailing);
void appendDopaminePage(SharedString& out, float weight, const SharedString& trailing);
void appendEpinephrineDripPage(SharedString& out, float weight, const SharedString& trailing);

}  // namespace orvane::code
