// The window system's own record of one window and the base of a control's private state. Only
// the window system, the controls and the driver read these; the program uses handles.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/display_list.h"
#include "platform/ui_snapshot.h"
#include "platform/window_procedure.h"

namespace orvane::platform {

// A control's private state, owned by its window and described for the driver's snapshot.
class ControlState {
  public:
    virtual ~ControlState() = default;
    virtual void describe(ControlSnapshot& out) const = 0;
};

struct Window {
    HWND handle;
    std::u16string className;  // as registered
    UINT classStyle = 0;
    HBRUSH classBackground;
    WNDPROC proc;
    HWND parent;
    std::vector<HWND> children;  // top of the z-order first
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::u16string text;
    RECT rect;  // parent's client coordinates; screen coordinates for top-level windows
    LONG_PTR userData = 0;
    HFONT font;
    // Painting.
    RECT invalid;  // pending update region (bounding box, client coordinates)
    bool needsPaint = false;
    bool needsErase = false;
    bool paintBegun = false;  // BeginPaint was called during the current WM_PAINT
    DisplayList display;
    std::unique_ptr<ControlState> control;
    bool destroying = false;

    bool visible() const { return (style & 0x10000000u) != 0; }
    bool enabled() const { return (style & 0x08000000u) == 0; }
};

}  // namespace orvane::platform
