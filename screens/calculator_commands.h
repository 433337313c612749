// The command identifiers and bitmap of the calculator screen's controls: the patient controls
// (weights, height, head circumference, age, sex), the per-input commands of dates, choice lists
// and check boxes, the keypad, "Clear All", the image button and the month calendar. Constants
// only.
#pragma once

#include <cstdint>

namespace orvane::calculator_command {

inline constexpr int32_t kCalcWeightBox = 40301;
inline constexpr int32_t kCalcWeightOunces = 40302;
inline constexpr int32_t kCalcWeightUnits = 40307;
inline constexpr int32_t kAdultWeightBox = 40333;
inline constexpr int32_t kAdultWeightUnits = 40321;
inline constexpr int32_t kAdultWeightOunces = 40322;
inline constexpr int32_t kHeightBox = 40310;
inline constexpr int32_t kHeightEighths = 40309;
inline constexpr int32_t kHeightUnits = 40308;
inline constexpr int32_t kHeadBox = 40315;
inline constexpr int32_t kHeadEighths = 40316;
inline constexpr int32_t kHeadUnits = 40314;
inline constexpr int32_t kAgeBox = 40313;
inline constexpr int32_t kMale = 40311;
inline constexpr int32_t kFemale = 40312;
// Per input n of the form: choice list 40600 + n, date button 40700 + n, check box 41500 + n.
inline constexpr int32_t kChoiceListBase = 40600;
inline constexpr int32_t kDateBase = 40700;
inline constexpr int32_t kCheckBoxBase = 41500;
// Each per-input range holds this many inputs.
inline constexpr int32_t kPerInputRange = 100;
// Keypad: digits 3400 to 3409.
inline constexpr int32_t kDigitBase = 3400;
inline constexpr int32_t kPoint = 3410;
inline constexpr int32_t kBackspace = 3411;
inline constexpr int32_t kClear = 3412;
inline constexpr int32_t kClearAll = 3415;
inline constexpr int32_t kImage = 40444;
inline constexpr int32_t kCalendar = 1301;

}  // namespace orvane::calculator_command

namespace orvane::calculator_bitmap {

inline constexpr int32_t kImage = 907;  // 17 x 18

}  // namespace orvane::calculator_bitmap
