// Typed handles over the standard controls and scoped drawing objects, so that screens say what
// they do ("select entry 2", "is it checked") instead of which message number does it. A handle
// is a window and the window system it lives in; it owns neither (the screen that made the
// control destroys it). The scoped objects select a font, pen or brush into a device context for
// one block and put the previous one back, and delete the pens and brushes they create.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/control_messages.h"
#include "platform/window_system.h"

namespace orvane::platform {

// Common to every handle: the window, and whether there is one.
class ControlHandle {
  public:
    ControlHandle(WindowSystem& ws, HWND window) : ws_(&ws), window_(window) {}
    HWND window() const { return window_; }
    explicit operator bool() const { return static_cast<bool>(window_); }

  protected:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ws_->SendMessage(window_, message, wParam, lParam);
    }
    WindowSystem& windows() const { return *ws_; }

  private:
    WindowSystem* ws_;
    HWND window_;
};

// A drop-down list ("ComboBox").
class ComboBox : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    void add(std::u16string_view text) const {
        const std::u16string entry(text);
        send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    void clear() const { send(CB_RESETCONTENT); }
    int32_t count() const { return static_cast<int32_t>(send(CB_GETCOUNT)); }
    // Selects entry i (counted from 0); -1 selects nothing.
    void select(int32_t i) const { send(CB_SETCURSEL, static_cast<WPARAM>(i)); }
    // The selected entry, or -1 when none is.
    int32_t selected() const { return static_cast<int32_t>(send(CB_GETCURSEL)); }
};

// A list box ("ListBox").
class ListBox : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    void select(int32_t i) const { send(LB_SETCURSEL, static_cast<WPARAM>(i)); }
    int32_t selected() const { return static_cast<int32_t>(send(LB_GETCURSEL)); }
};

// An edit box ("Edit").
class EditBox : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    std::u16string text() const { return windows().GetWindowText(window()); }
    void setText(std::u16string_view text) const { windows().SetWindowText(window(), text); }
    // Selects characters start to end (both the caret's place when they are equal).
    void selectRange(int32_t start, int32_t end) const {
        send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
};

// A push button, check box or radio button ("Button").
class Button : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    bool checked() const { return send(BM_GETCHECK) == static_cast<LRESULT>(BST_CHECKED); }
    void setChecked(bool checked) const {
        send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    }
};

// A font, pen, brush or bitmap selected into a device context until the end of the block.
template <class Handle>
class ScopedSelection {
  public:
    ScopedSelection(WindowSystem& ws, HDC dc, Handle object)
        : ws_(ws), dc_(dc), previous_(ws.SelectObject(dc, object)) {}
    ~ScopedSelection() { ws_.SelectObject(dc_, previous_); }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

  private:
    WindowSystem& ws_;
    HDC dc_;
    Handle previous_;
};

// A pen or brush this block made and deletes at its end.
template <class Handle>
class OwnedObject {
  public:
    OwnedObject(WindowSystem& ws, Handle object) : ws_(ws), object_(object) {}
    ~OwnedObject() { ws_.DeleteObject(object_); }
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;
    Handle get() const { return object_; }

  private:
    WindowSystem& ws_;
    Handle object_;
};

// A solid pen and brush of one colour, made, selected into a device context for the block, then
// put back and deleted: for shapes drawn filled and outlined in one colour. (Members end in
// reverse order: the selections are put back before the objects are deleted.)
class ScopedSolidColour {
  public:
    ScopedSolidColour(WindowSystem& ws, HDC dc, COLORREF colour)
        : pen_(ws, ws.CreatePen(PS_SOLID, 1, colour)),
          brush_(ws, ws.CreateSolidBrush(colour)),
          penSelection_(ws, dc, pen_.get()),
          brushSelection_(ws, dc, brush_.get()) {}

  private:
    OwnedObject<HPEN> pen_;
    OwnedObject<HBRUSH> brush_;
    ScopedSelection<HPEN> penSelection_;
    ScopedSelection<HBRUSH> brushSelection_;
};

}  // namespace orvane::platform
