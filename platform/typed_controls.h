// Typed handles over the standard controls and scoped drawing objects, so that screens say what
// they do ("select entry 2", "is it checked") instead of which message number does it. A handle
// is a window and the window system it lives in; it owns neither (the screen that made the
// control destroys it). The scoped objects select a font, pen or brush into a device context for
// one block and put the previous one back, and delete the pens and brushes they create.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/common_controls.h"
#include "platform/control_messages.h"
#include "platform/html_viewer_messages.h"
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

// A static control ("Static") that shows a picture.
class StaticPicture : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    void setBitmap(HBITMAP bitmap) const {
        send(STM_SETIMAGE, IMAGE_BITMAP, static_cast<LPARAM>(bitmap.value()));
    }
};

// A button that shows a picture instead of a text.
class PictureButton : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    void setBitmap(HBITMAP bitmap) const {
        send(BM_SETIMAGE, IMAGE_BITMAP, static_cast<LPARAM>(bitmap.value()));
    }
};

// An edit box's typing: the selection, the lines and a character typed into it.
class TypingBox : public EditBox {
  public:
    using EditBox::EditBox;
    // The selected characters, start to end (equal: the caret's place).
    void selection(DWORD& start, DWORD& end) const {
        send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    }
    int32_t lineCount() const { return static_cast<int32_t>(send(EM_GETLINECOUNT)); }
    // The box handles the character as if it had been typed.
    void type(WPARAM character) const { send(WM_CHAR, character); }
};

// A list view in report style ("SysListView32"): rows of cells, one column per cell.
class ListView : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    // A tap anywhere on a row selects the whole row.
    void selectWholeRows() const {
        send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    }
    // Adds column `index`, left aligned, `width` wide, with no heading.
    void addColumn(int32_t index, int32_t width) const {
        LVCOLUMN column;
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = width;
        column.pszText = u"";
        column.iSubItem = index;
        send(LVM_INSERTCOLUMN, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }
    void setColumnWidth(int32_t index, int32_t width) const {
        send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), width);
    }
    void setSmallImages(HIMAGELIST images) const {
        send(LVM_SETIMAGELIST, LVSIL_SMALL, static_cast<LPARAM>(images.value()));
    }
    // How many whole rows the list shows at once.
    int32_t rowsPerPage() const { return static_cast<int32_t>(send(LVM_GETCOUNTPERPAGE)); }
    int32_t rowCount() const { return static_cast<int32_t>(send(LVM_GETITEMCOUNT)); }
    void clear() const { send(LVM_DELETEALLITEMS); }
    // Inserts row `index` with its text; the row's index, or -1 when it was not added.
    int32_t insertRow(int32_t index, std::u16string text) const {
        return insertRow(index, std::move(text), LVIF_TEXT, 0);
    }
    // The same, with image `image` of the small images before the text.
    int32_t insertRow(int32_t index, std::u16string text, int32_t image) const {
        return insertRow(index, std::move(text), LVIF_TEXT | LVIF_IMAGE, image);
    }
    void setCellText(int32_t row, int32_t column, std::u16string text) const {
        LVITEM cell;
        cell.iSubItem = column;
        cell.pszText = text.data();
        send(LVM_SETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
    // The text of a cell (at most kLongestCellText characters).
    std::u16string cellText(int32_t row, int32_t column) const {
        char16_t buffer[kLongestCellText + 1] = {};
        LVITEM cell;
        cell.iSubItem = column;
        cell.pszText = buffer;
        cell.cchTextMax = kLongestCellText + 1;
        send(LVM_GETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        return std::u16string(buffer);
    }
    // Selects row `row` and gives it the focus mark.
    void selectRow(int32_t row) const {
        LVITEM state;
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    }
    // The first row with the focus mark, or -1 when none has it.
    int32_t focusedRow() const {
        return static_cast<int32_t>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    }
    bool hasFocusMark(int32_t row) const {
        return (send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
    }

    static constexpr int32_t kLongestCellText = 255;

  private:
    int32_t insertRow(int32_t index, std::u16string text, UINT mask, int32_t image) const {
        LVITEM item;
        item.mask = mask;
        item.iItem = index;
        item.pszText = text.data();
        item.iImage = image;
        return static_cast<int32_t>(send(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    }
};

// A month calendar ("SysMonthCal32").
class MonthCalendar : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    void select(const SYSTEMTIME& day) const {
        send(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    }
};

// The HTML viewer ("DISPLAYCLASS"): a page given in pieces, then ended.
class HtmlViewer : public ControlHandle {
  public:
    using ControlHandle::ControlHandle;
    void enableScripting() const { send(DTM_ENABLESCRIPTING, 0, TRUE); }
    void enableClearType() const { send(DTM_ENABLECLEARTYPE, 0, TRUE); }
    // Adds a piece of the page (narrow text), not the last one.
    void addText(std::string_view text) const {
        // The viewer reads a NUL-terminated 8-bit text.
        const std::string copy(text);
        send(DTM_ADDTEXT, FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
    }
    void endOfSource() const { send(DTM_ENDOFSOURCE); }
    void clear() const { send(DTM_CLEAR); }
    // Scrolls to the named anchor (narrow text).
    void goToAnchor(std::string_view name) const {
        const std::string copy(name);
        send(DTM_ANCHOR, 0, reinterpret_cast<LPARAM>(copy.c_str()));
    }
    void setImage(const INLINEIMAGEINFO& image) const {
        send(DTM_SETIMAGE, 0, reinterpret_cast<LPARAM>(&image));
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
