// The maxima of the drugs that more than one computed page prints, one per drug, route and use,
// so that every page that prints a drug caps it at the same amount. A page that writes a maximum
// into its text makes the text from the number here (maxDoseNote), never from a copy of it. The
// doses per kg and the pages themselves are elsewhere; this is data only.
#pragma once

#include <string>

namespace orvane::caps {

// Adrenaline: IV/IO of 1:10,000 (1 mg = 10 mL), endotracheal of 1:1,000 (the adult endotracheal
// dose), and IM/SC of 1:1,000.
inline constexpr float kEpinephrineIvMg = 1.0f;
inline constexpr float kEpinephrineEttMg = 2.5f;
inline constexpr float kEpinephrineImMg = 0.5f;

// Atropine for bradycardia and arrest, IV/IO and endotracheal (three times the IV/IO dose).
inline constexpr float kAtropineIvMg = 1.0f;
inline constexpr float kAtropineEttMg = 3.0f;
// Atropine given before an intubation or with ketamine, to blunt bradycardia and secretions.
inline constexpr float kAtropinePremedicationMg = 0.4f;

// Succinylcholine IV/IO, at any dose per kg.
inline constexpr float kSuccinylcholineMg = 210.0f;

// The loading doses of phenobarbital and phenytoin IV/IO.
inline constexpr float kPhenobarbitalMg = 1500.0f;
inline constexpr float kPhenytoinMg = 1500.0f;

// A bolus of crystalloid (NS or LR) IV/IO.
inline constexpr float kFluidBolusMl = 1000.0f;

// Sodium bicarbonate IV/IO, for acidosis and for hyperkalemia.
inline constexpr float kBicarbonateMEq = 50.0f;

// Dextrose IV/IO, in grams, whatever the strength it is given in.
inline constexpr float kDextroseG = 25.0f;

// Lidocaine IV/IO bolus, for arrhythmia and before an intubation.
inline constexpr float kLidocaineIvMg = 160.0f;

// Calcium chloride IV/IO (10 mL of 100 mg/mL).
inline constexpr float kCalciumChlorideMg = 1000.0f;

// Methylprednisolone and diphenhydramine IV/IM/IO.
inline constexpr float kMethylprednisoloneMg = 125.0f;
inline constexpr float kDiphenhydramineMg = 50.0f;

// Benzodiazepines IV/IO for a seizure, midazolam for an intubation.
inline constexpr float kLorazepamMg = 4.0f;
inline constexpr float kMidazolamSeizureMg = 4.0f;
inline constexpr float kMidazolamIntubationMg = 10.0f;
inline constexpr float kDiazepamMg = 5.0f;

// Ketamine IV/IO, fentanyl (mcg) and morphine IV/IO.
inline constexpr float kKetamineMg = 1200.0f;
inline constexpr float kFentanylMcg = 200.0f;
inline constexpr float kMorphineMg = 10.0f;

// "[" + the maximum + " " + unit + " = Max dose]", the maximum written exactly as given (up to 3
// decimals), e.g. "[1000 mL = Max dose]".
std::string maxDoseNote(float maximum, const char* unit);

}  // namespace orvane::caps
