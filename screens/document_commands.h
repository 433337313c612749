// The command identifiers and bitmaps of the document screen's controls: the more button, the view
// list and view buttons, the weight row (box, unit list, ounces list), the keypad and its two
// toggles. Constants only.
#pragma once

#include <cstdint>

namespace orvane::document_command {

inline constexpr int32_t kMore = 40806;
inline constexpr int32_t kViewList = 41000;
inline constexpr int32_t kFirstView = 40971;
inline constexpr int32_t kSecondView = 40972;
inline constexpr int32_t kWeightBox = 40301;
inline constexpr int32_t kUnitList = 40307;
inline constexpr int32_t kOuncesList = 40302;
inline constexpr int32_t kShowKeypad = 40303;
inline constexpr int32_t kHideKeypad = 40304;
// Keypad: digits 0 to 9 are their own commands.
inline constexpr int32_t kClear = 10;
inline constexpr int32_t kPoint = 12;
inline constexpr int32_t kBackspace = 13;

}  // namespace orvane::document_command

namespace orvane::document_bitmap {

inline constexpr int32_t kMoreSmall = 173;  // 13 x 16, scale 1
inline constexpr int32_t kMoreLarge = 172;  // 32 x 32, scale 2
inline constexpr int32_t kShowKeypadSmall = 3007;
inline constexpr int32_t kShowKeypadLarge = 3008;
inline constexpr int32_t kHideKeypadSmall = 3009;
inline constexpr int32_t kHideKeypadLarge = 3010;

}  // namespace orvane::document_bitmap
