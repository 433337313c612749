// The command identifiers that reach the main window (navigation and program end) and the
// bitmaps of the navigation buttons. Constants only.
#pragma once

#include <cstdint>

namespace orvane::command {

inline constexpr uint32_t kHome = 40800;
inline constexpr uint32_t kAtoZ = 40801;
inline constexpr uint32_t kBack = 40803;
inline constexpr uint32_t kForward = 40804;
inline constexpr uint32_t kNavigateToCurrent = 40805;
inline constexpr uint32_t kExit = 41002;

}  // namespace orvane::command

namespace orvane::bitmap {

inline constexpr int kHomeButton = 108;     // 32 x 16
inline constexpr int kForwardButton = 117;  // 32 x 16
inline constexpr int kAtoZButton = 119;     // 30 x 16
inline constexpr int kBackButton = 150;     // 32 x 16
inline constexpr int kSplash = 4001;

}  // namespace orvane::bitmap
