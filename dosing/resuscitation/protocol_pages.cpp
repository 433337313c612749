// The protocol pages for anaphylaxis, asthma, hypertension, hypoglycemia and seizures: fixed
// advice around drug blocks whose doses are capped ranges per kg. The blocks are data; the
// arithmetic is in code_items.cpp.
#include "dosing/builders/equipment_table.h"
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"

namespace orvane::code {

namespace {

constexpr RangeBlock kAnaphylaxisDrugs[] = {
    {"<BR><BR>Diphenhydramine (0.5-2 mg/kg/dose)<BR>Calc Dose: ",
     {0.5f, 2.0f, caps::kDiphenhydramineMg, " mg.", "mg", " mg."},
     "<BR>Route: IV/IM/IO/PO<BR>Freq: q4-6 hrs"},
    {"<BR><BR>Methylprednisolone (1-2 mg/kg/dose)<BR>Calc Dose: ",
     {1.0f, 2.0f, caps::kMethylprednisoloneMg, " mg.", "mg", " mg."},
     "<BR>Route/Freq: IV/IM/IO q8 hr."},
    {"<BR><BR>Famotidine (0.3-0.4 mg/kg/dose)<BR>Calc Dose: ",
     {0.3f, 0.4f, 20.0f, " mg.", "mg", " mg."},
     "<BR>Route/Freq: IV/IO q12 hr."},
};

constexpr RangeBlock kAsthmaDrugs[] = {
    {"<BR><BR><B>Fluid Bolus (10-20 mL/kg/bolus)</B><BR>Calc Dose: ",
     {10.0f, 20.0f, caps::kFluidBolusMl, " mL IV/IO", "mL", " mL IV/IO"},
     "<BR>Note: Most asthmatics will benefit from fluid bolus."},
    {"<BR><BR><B>Methylprednisolone (1-2 mg/kg/dose)</B><BR>Calc Dose: ",
     {1.0f, 2.0f, caps::kMethylprednisoloneMg, " mg.", "mg", " mg."},
     "<BR>Route/Freq: IV/IM/IO q8 hr."},
    {"<BR><BR><B>Magnesium Sulfate (25-50 mg/kg)</B><BR>Calc Dose: ",
     {25.0f, 50.0f, 2000.0f, " mg.", "mg", " mg."},
     "<BR>Route: IV/IO, administered over 10-20 minutes.<BR>"
     "Mix: Add calculated amount of Magnesium Sulfate to D5W or NS."},
};

constexpr RangeBlock kHypertensionDrugs[] = {
    {"<BR><BR><B>Labetalol (0.5-1 mg/kg/dose)</B><BR>Calc Result: ",
     {0.5f, 1.0f, 20.0f, " mg.", "mg", " mg"},
     "<BR>Route: IV/IO over 2 minutes<BR>Frequency: May repeat q10 minutes.<BR>"
     "Note: Initiate drip at 1-3 mg/kg/hr using the TykoDrips module."},
    {"<BR><BR><B>Phentolamine (0.02-0.1 mg/kg/dose)</B><BR>Calc Result: ",
     {0.02f, 0.1f, 5.0f, " mg.", "mg", " mg"},
     "<BR>Route: IV/IO Push<BR>Frequency: May repeat q5-10 minutes."},
    {"<BR><BR><B>Hydralazine (0.3-0.4 mg/kg/dose)</B><BR>Calc Result: ",
     {0.3f, 0.4f, 20.0f, " mg.", "mg", " mg"},
     "<BR>Route: IV/IM/IO no faster than 10 mg/minute<BR>Frequency: May repeat q2-4 hours."},
};

constexpr RangeBlock kHypoglycemiaDrugs[] = {
    {"<BR><BR><B>Octreotide (1-2 mcg/kg)</B><BR>Calc Result: ",
     {1.0f, 2.0f, 100.0f, " mcg", "mcg", " mcg"},
     "<BR>Route: IV/IO/SC<BR>Note: Used for hypoglycemia caused by ingestion of oral "
     "hypoglycemics in the sulfonylurea family. Should repeat q12 hours."},
};

constexpr RangeBlock kSeizureDrugs[] = {
    {"<BR><BR><B>Lorazepam (0.05-0.1 mg/kg)</B><BR>Calc Dose: ",
     {0.05f, 0.1f, caps::kLorazepamMg, " mg.", "mg", " mg"},
     "<BR>Route: IV/IO/IM<BR>Note: May repeat q10 minutes with max cumulative dose of the "
     "lesser of 0.4 mg/kg or 10 mg."},
    {"<BR><BR><B>Midazolam (0.1-0.2 mg/kg)</B><BR>Calc Dose: ",
     {0.1f, 0.2f, caps::kMidazolamSeizureMg, " mg.", "mg", " mg"},
     "<BR>Route: IV/IO/IM<BR>Note: May repeat q5 minutes"},
    {"<BR><BR><B>Diazepam (0.2-0.5 mg/kg)</B><BR>Calc Dose: ",
     {0.2f, 0.5f, caps::kDiazepamMg, " mg.", "mg", " mg"},
     "<BR>Route: IV/IO<BR>Note: May repeat q15 minutes with max cumulative dose of 20 mg."},
    {"<BR><BR><B>Phenobarbital (15-20 mg/kg)</B><BR>Calc Dose: ",
     {15.0f, 20.0f, caps::kPhenobarbitalMg, " mg.", "mg", " mg"},
     "<BR>Route: IV/IO over 20 minutes (faster if intubated)<BR>Note: May give 5 mg/kg "
     "additional doses up to maximum of total dose received being 30 mg/kg."},
    {"<BR><BR><B>Phenytoin (15-20 mg/kg)</B><BR>Calc Dose: ",
     {15.0f, 20.0f, caps::kPhenytoinMg, " mg.", "mg", " mg"},
     "<BR>Route: IV/IO over 20 minutes"},
};

constexpr CappedDose kGlucagon{0.1f, 1.0f, " mg.", "mg"};

// The anaphylaxis fluids, 10-20 mL/kg.
constexpr CappedRange kAnaphylaxisFluids{10.0f, 20.0f, caps::kFluidBolusMl, " mL.", "mL", " mL."};

}  // namespace

void appendAnaphylaxisPage(SharedString& out, float weight, const SharedString&) {
    out.append("Epinephrine IM/SC (0.01 mg/kg/dose)<BR>Calc Dose: ");
    appendEpinephrineIm(out, weight);
    out.append("Route: IM (Preferred) or SC<BR>Freq: May be repeated q15 min");
    appendRangeBlocks(out, weight, kAnaphylaxisDrugs);
    out.append("<BR><BR>Fluids IV (10-20 mL/kg)<BR>Calc Dose: ");
    appendCappedRange(out, weight, kAnaphylaxisFluids);
    out.append(
        "<BR>Route: IV, use either LR or NS<BR>Freq: Repeat as needed to maintain urine "
        "output and BP.<BR><BR>[Tubes]<BR>");
    appendEquipmentTable(out, weight);
}

void appendAsthmaPage(SharedString& out, float weight, const SharedString&) {
    out.append(
        "<B>Albuterol/Atrovent:</B><BR>Utilize albuterol continuously, with Atrovent UD added q30 "
        "minutes x 3 for all severe asthma attacks.<BR><BR><B>Oxygen/Heliox:</B><BR>Utilize "
        "Oxygen/Heliox as needed to maintain O2 sat >92%.<BR><BR><B>Epinephrine Subcut (0.01 "
        "mg/kg/dose)</B><BR>Calc Dose: ");
    appendEpinephrineIm(out, weight);
    out.append("Route: Subcutaneous<BR>Freq: May be repeated q15 min");
    appendRangeBlocks(out, weight, kAsthmaDrugs);
    out.append(
        "<BR>Mag Sulfate     Vol of D5W/NS<BR><500 mg                25 mL<BR>"
        "500-1000 mg          50 mL<BR>1000-2000 mg        100 mL<BR>");
    appendEquipmentTable(out, weight);
}

void appendHypertensionPage(SharedString& out, float weight, const SharedString&) {
    out.append(
        "Carefully check the blood pressure yourself, once in each arm, manually before "
        "initiating any treatment.<BR><BR>Usually choose one agent initially. The usual choices "
        "are Labetalol, Phentolamine, Nitroprusside or Hydralazine. Dosing for Nitroprusside is "
        "in the TykoDrips module.");
    appendRangeBlocks(out, weight, kHypertensionDrugs);
}

void appendHypoglycemiaPage(SharedString& out, float weight, const SharedString&) {
    out.append(
        "If the infant or child is able to eat, feed high glucose meal as soon as possible. Other "
        "measures may not be necessary. For Neonates, see TykoDrips Dextrose Infusion.<BR><BR>"
        "<B>Dextrose (0.5-1 gram/kg)</B><BR>Calc Result: ");
    appendDextroseBlock(out, weight);
    out.append(
        "<BR>Route: IV/IO slow push.<BR>Note: Use D10 for infants, D25 for children and D50 for "
        "Adolescents.<BR><BR><B>Glucagon (0.1 mg/kg)</B><BR>Calc Result: ");
    appendCappedDose(out, weight, kGlucagon);
    out.append("<BR>Route: IV/IO/IM/SC<BR>Note: May repeat in 25 minutes.");
    appendRangeBlocks(out, weight, kHypoglycemiaDrugs);
}

void appendSeizuresPage(SharedString& out, float weight, const SharedString&) {
    out.append(
        "Choose either Lorazepam, Midazolam or Diazepam for initial treatment. As time permits, "
        "load with Phenobarbital or Phenytoin, if indicated.");
    appendRangeBlocks(out, weight, kSeizureDrugs);
}

}  // namespace orvane::code
