// DcMeasurer: text widths measured with the font selected into a device context, for the
// caption and list shortening that needs a measurer. Holds no font of its own.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_system.h"
#include "rendering/plain_text.h"

namespace orvane {

class DcMeasurer final : public TextMeasurer {
  public:
    DcMeasurer(platform::WindowSystem& ws, platform::HDC dc) : ws_(ws), dc_(dc) {}
    int32_t textWidth(std::u16string_view text) const override {
        platform::SIZE size;
        ws_.GetTextExtentPoint32(dc_, text, &size);
        return size.cx;
    }

  private:
    platform::WindowSystem& ws_;
    platform::HDC dc_;
};

}  // namespace orvane
