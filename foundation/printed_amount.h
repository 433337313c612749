// The printed form of an amount of a dose, volume, rate, energy or count of units: the one rule
// every dosing page prints amounts by. An amount is printed within 10% of what its formula gives
// (the clinical roundings of the formula, doseRound among them, are the formula's; the printing
// is not): the usual short form where that already holds, otherwise more decimals, up to 4, until
// it does. An amount too small for 4 decimals to show within 10% is no number at all: the caller
// says so in words (kTooSmallToGiveText). It does not compute doses nor build lines.
#pragma once

#include <cstdint>
#include <optional>

#include "foundation/shared_string.h"

namespace orvane {

// The most decimals an amount is widened to.
inline constexpr int32_t kMostAmountDecimals = 4;
// How far a printed amount may be from its formula's amount, as a share of that amount.
inline constexpr double kPrintedAmountTolerance = 0.1;
// The smallest amount that 4 decimals show within 10% wherever it falls between two steps: half
// a step (0.00005) is a tenth of it.
inline constexpr float kSmallestPrintedAmount = 0.0005f;

// What a page says in place of an amount below kSmallestPrintedAmount. It never reads as a dose.
inline constexpr const char* kTooSmallToGiveText = "(amount too small to give by this page)";

// The text of amount x, first written with `decimals` decimals (after doseRound when
// applyDoseRound is set, which then is part of the formula). A positive amount whose text is not
// within 10% of the formula's amount gets more decimals, up to kMostAmountDecimals; a positive x
// below kSmallestPrintedAmount (or one that doseRound makes 0) gives nullopt. Zero, a negative x
// and a value that is no number are written as formatNumber writes them.
std::optional<SharedString> printedAmount(float x, int32_t decimals, bool applyDoseRound);

// Whether a shown value is within the tolerance of the positive amount (for a page whose own
// rounding may take a very small amount too far, e.g. to 0).
bool isWithinPrintTolerance(double shown, float amount);

// printedAmount, or kTooSmallToGiveText where it gives no number: for a caller that writes the
// amount into running text and has no line of its own to replace.
SharedString amountOrTooSmall(float x, int32_t decimals, bool applyDoseRound);

}  // namespace orvane
