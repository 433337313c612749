#include "screens/module_list_screen.h"

#include <algorithm>

#include "foundation/windows1252.h"
#include "platform/html_viewer_messages.h"
#include "platform/typed_controls.h"
#include "rendering/link_target.h"
#include "screens/list_entry_text.h"
#include "screens/program_bitmaps.h"
#include "shell/ppc_orvane_app.h"
#include "shell/shell_commands.h"

namespace orvane {

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kColumnShadow = RGB(172, 161, 156);
constexpr COLORREF kProductName = RGB(195, 49, 29);
constexpr COLORREF kEntryText = RGB(0, 0, 80);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Draws a rectangle with outline and fill in one colour.
void fillBox(WindowSystem& ws, HDC dc, COLORREF color, int left, int top, int right, int bottom) {
    const ScopedSolidColour colour(ws, dc, color);
    ws.Rectangle(dc, left, top, right, bottom);
}

}  // namespace

ModuleListScreen::ModuleListScreen(PPCOrvaneApp& app, Request request)
    : Screen(app), request_(request), moduleCode_(moduleCode(request)) {
    const RECT& c = app_.contentRect();
    scale_ = static_cast<int16_t>(c.width() < 360 ? 1 : 2);
    rowUnit_ = static_cast<int16_t>(scale_ == 1 ? 15 : 16);
    exitSize_ = static_cast<int16_t>(scale_ == 1 ? 16 : 32);
    lineHeight_ = app_.lineHeight();
    ShowDecor(0);
    ShowLists(0);
}

ModuleListScreen::~ModuleListScreen() {
    WindowSystem& ws = app_.windows();
    for (const HWND window : {logo_, exit_, left_, right_}) {
        if (window && ws.IsWindow(window)) ws.DestroyWindow(window);
    }
    for (const HBITMAP bitmap : {logoBitmap_, exitBitmap_}) {
        if (bitmap) ws.DeleteObject(bitmap);
    }
    module_ = nullptr;
}

void ModuleListScreen::Resize(const RECT&) {}

void ModuleListScreen::ShowDecor(int32_t level) {
    app_.ShowNavButtons(level);
    if (level != 0) return;
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    const RECT& c = app_.contentRect();
    const int32_t s = scale_;

    // The logo: the large picture at scale 2, else by the content height.
    if (s == 2) {
        logoBitmap_ = loadProgramBitmap(app_, module_list::kLargeLogoBitmap, 132, 88);
    } else if (c.height() <= 240) {
        logoBitmap_ = loadProgramBitmap(app_, module_list::kSmallLogoBitmap, 32, 22);
    } else {
        logoBitmap_ = loadProgramBitmap(app_, module_list::kLogoBitmap, 66, 44);
    }
    logo_ = ws.CreateWindowEx(0, kStaticClass, u"", WS_CHILD | WS_VISIBLE | SS_BITMAP, c.left,
                              c.top + 2, 0, 0, main, 0, app_.instance());
    if (logo_ && logoBitmap_) StaticPicture(ws, logo_).setBitmap(logoBitmap_);

    // The exit picture in the bottom-right corner; a tap sends the exit command.
    const int32_t e = exitSize_;
    exitBitmap_ = loadProgramBitmap(app_, module_list::kExitBitmap, 16, 16);
    exit_ = ws.CreateWindowEx(0, kStaticClass, u"", WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY,
                              c.right - e - 1, c.bottom - e - 1, e, e, main,
                              static_cast<int>(command::kExit), app_.instance());
    if (exit_ && exitBitmap_) StaticPicture(ws, exit_).setBitmap(exitBitmap_);
}

int32_t ModuleListScreen::ListTop() const {
    const RECT& c = app_.contentRect();
    if (c.height() > 240) return c.top + 2 * lineHeight_ + 10;
    return c.top + lineHeight_;
}

void ModuleListScreen::ShowLists(int32_t level) {
    WindowSystem& ws = app_.windows();
    if (level != 0) {
        for (const HWND list : {left_, right_}) {
            if (list) ws.ShowWindow(list, level > 0 ? SW_SHOW : SW_HIDE);
        }
        return;
    }
    const RECT& c = app_.contentRect();
    const int32_t s = scale_;
    const int32_t y = ListTop();
    const int32_t w = columnUnit_ * s;
    const int32_t h = rowsPerColumn_ * rowUnit_ * s;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER |
                        LVS_SINGLESEL | LVS_NOSCROLL | LVS_ALIGNLEFT;
    // The two columns share one pixel column.
    const int32_t xs[2] = {(c.left + c.right) / 2 - w, (c.right - c.left) / 2 - 1};
    const int ids[2] = {module_list::kLeftListId, module_list::kRightListId};
    HWND made[2];
    for (int i = 0; i < 2; ++i) {
        made[i] = ws.CreateWindowEx(0, kListViewClass, u"", style, xs[i], y, w, h,
                                    app_.mainWindow(), ids[i], app_.instance());
        if (!made[i]) continue;
        const ListView list(ws, made[i]);
        list.selectWholeRows();
        list.addColumn(0, w);
    }
    left_ = made[0];
    right_ = made[1];
}

void ModuleListScreen::Update(Request request) {
    TraceScope trace(app_.trace(), "ModuleListScreen::Update");
    app_.ShowNavButtons(3);
    module_ = app_.patientContext().moduleFor(request);
    if (module_ == nullptr) return;
    field_ = module_->choiceList(request_);
    if (field_ == nullptr) return;
    const int32_t n = field_->entries.count();
    half_ = static_cast<int16_t>((n + 1) / 2);
    app_.windows().InvalidateRect(app_.mainWindow(), nullptr, true);
}

void ModuleListScreen::PaintScreen() {
    TraceScope trace(app_.trace(), "ModuleListScreen::PaintScreen");
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    const RECT& c = app_.contentRect();
    const int32_t s = scale_;
    const int32_t lh = lineHeight_;
    const int32_t y = ListTop();
    const int32_t w = columnUnit_ * s;
    const int32_t h = rowsPerColumn_ * rowUnit_ * s;

    PAINTSTRUCT ps;
    const HDC dc = ws.BeginPaint(main, &ps);
    {
        // The fonts are put back before the painting ends.
        const ScopedSelection<HFONT> largeFont(ws, dc, app_.largeBoldFont());

        fillBox(ws, dc, kWhite, c.left, c.top, c.right, c.bottom);

        // The shadow the two columns seem to float above.
        const int32_t x0 = (c.right - c.left) / 2 - w + 2 * s + 2;
        const int32_t y0 = y + 2 * s;
        fillBox(ws, dc, kColumnShadow, x0, y0, x0 + 2 * w, y0 + h + 2 * s);

        // The product name, right of the logo.
        ws.SetTextColor(dc, kProductName);
        ws.SetBkMode(dc, TRANSPARENT);
        RECT name = c.height() > 240 ? RECT{66 * s, y0 - lh - 8, c.right, y0 - 8}
                                     : RECT{34 * s, s, 194 * s, lh + s};
        ws.DrawText(dc, widenWindows1252(app_.patientContext().productTitle().view()), &name,
                    DT_SINGLELINE | DT_LEFT | DT_TOP);

        // The notice and the version along the bottom.
        const ScopedSelection<HFONT> normalFont(ws, dc, app_.normalFont());
        ws.SetTextColor(dc, kBlack);
        RECT notice{2 * s, c.bottom - lh, 190 * s, c.bottom};
        ws.DrawText(dc, module_list::kNotice, &notice, DT_SINGLELINE | DT_BOTTOM | DT_LEFT);
        RECT version{c.right - 75 * s, c.bottom - lh, c.right, c.bottom};
        ws.DrawText(dc, widenWindows1252(app_.patientContext().version().view()), &version,
                    DT_SINGLELINE | DT_BOTTOM | DT_LEFT);

        // Content files that cannot be opened are said under the lists: which folder is used and
        // that files are missing in it (the disclaimer names them; the modules then open to their
        // missing-content notes).
        const std::string& missing = app_.patientContext().contentNotice().summary;
        if (!missing.empty()) {
            ws.SetTextColor(dc, kRed);
            RECT note{c.left + 2 * s, y0 + h + 2 * s + 2, c.right - 2, c.bottom - lh};
            ws.DrawText(dc, widenWindows1252(missing), &note, DT_WORDBREAK | DT_LEFT | DT_TOP);
        }
    }
    ws.EndPaint(main, &ps);

    FillLists();
    ws.SHFullScreen(main, SHFS_HIDESIPBUTTON);
}

void ModuleListScreen::FillLists() {
    WindowSystem& ws = app_.windows();
    if (!left_ || !right_) return;
    // The lists' own notifications while they are refilled do not move the current entry.
    const bool wasBusy = busy_;
    busy_ = true;
    const ListView left(ws, left_);
    const ListView right(ws, right_);
    left.clear();
    right.clear();
    if (field_ != nullptr) {
        const int32_t n = field_->entries.count();
        for (int32_t i = 0; i < n; ++i) {
            const std::u16string text = moduleEntryText(field_->entries[i].label().view());
            if (i < half_) {
                left.insertRow(i, text);
            } else {
                right.insertRow(i - half_, text);
            }
        }
        const int32_t current = field_->unit;
        if (current >= 0 && current < n) {
            const HWND list = current < half_ ? left_ : right_;
            SelectItem(list, current < half_ ? current : current - half_);
            ws.SetFocus(list);
        }
    }
    busy_ = wasBusy;
}

int32_t ModuleListScreen::EntryOf(HWND list, int32_t item) const {
    return list == right_ ? item + half_ : item;
}

int32_t ModuleListScreen::FocusedItem(HWND list) const {
    const ListView view(app_.windows(), list);
    for (int32_t i = view.rowCount() - 1; i >= 0; --i) {
        if (view.hasFocusMark(i)) return i;
    }
    return 0;
}

void ModuleListScreen::SelectItem(HWND list, int32_t item) {
    ListView(app_.windows(), list).selectRow(item);
}

void ModuleListScreen::Choose(int32_t entry) {
    if (field_ == nullptr || entry < 0 || entry >= field_->entries.count()) return;
    const MenuItem& item = field_->entries[entry];
    // An entry without a request has nothing to open.
    if (item.requests().count() == 0) return;
    Navigate(item.request());
}

LRESULT ModuleListScreen::OnListNotify(HWND list, LPARAM lParam) {
    WindowSystem& ws = app_.windows();
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const int32_t n = field_ != nullptr ? field_->entries.count() : 0;
    switch (header->code) {
        case NM_CUSTOMDRAW: {
            auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
                ws.SelectObject(draw->nmcd.hdc, app_.boldFont());
                draw->clrText = kEntryText;
                draw->clrTextBk = kWhite;
                return CDRF_NEWFONT;
            }
            return CDRF_DODEFAULT;
        }
        case LVN_ITEMCHANGED: {
            if (busy_ || field_ == nullptr) return 0;
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if (change->iItem != -1)
                field_->unit = static_cast<int16_t>(EntryOf(list, change->iItem));
            return 0;
        }
        case LVN_KEYDOWN: {
            if (busy_ || field_ == nullptr) return 0;
            const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(lParam);
            switch (key->wVKey) {
                case VK_UP:
                case VK_DOWN:
                    field_->unit = static_cast<int16_t>(EntryOf(list, FocusedItem(list)));
                    return 0;
                case VK_LEFT:
                    if (list == right_) {
                        const int32_t current = std::max(0, field_->unit - half_);
                        field_->unit = static_cast<int16_t>(current);
                        SelectItem(left_, current);
                        ws.SetFocus(left_);
                    }
                    return 0;
                case VK_RIGHT:
                    if (list == left_) {
                        const int32_t current = std::min(n - 1, field_->unit + half_);
                        // With a single entry there is nothing in the right column to move to.
                        if (current < half_) return 0;
                        field_->unit = static_cast<int16_t>(current);
                        SelectItem(right_, current - half_);
                        ws.SetFocus(right_);
                    }
                    return 0;
                default:
                    return 0;
            }
        }
        case LVN_ITEMACTIVATE:
            if (busy_) return 0;
            Choose(EntryOf(list, FocusedItem(list)));
            return 0;
        case NM_CLICK: {
            if (busy_) return 0;
            const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
            if (click->iItem != -1) Choose(EntryOf(list, click->iItem));
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT ModuleListScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    LRESULT result = 0;
    if (message == WM_PAINT && window == main) {
        PaintScreen();
        HandleMessage(window, message, wParam, lParam, result);
        return result;
    }
    if (message == WM_NOTIFY && lParam != 0) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom && (header->hwndFrom == left_ || header->hwndFrom == right_)) {
            return OnListNotify(header->hwndFrom, lParam);
        }
        if (header->code == NM_HOTSPOT && !busy_) {
            const auto* link = reinterpret_cast<const NM_HTMLVIEW*>(lParam);
            const std::optional<Request> target =
                link->szTarget != nullptr ? decodeLinkTarget(link->szTarget) : std::nullopt;
            if (target && module_ != nullptr) {
                module_->handleRequest(*target);
                Navigate(*target);
            }
            return 1;
        }
    }
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        if (busy_) return 0;
        const HWND focus = ws.GetFocus();
        if (focus && (focus == left_ || focus == right_))
            Choose(EntryOf(focus, FocusedItem(focus)));
        return 0;
    }
    HandleMessage(window, message, wParam, lParam, result);
    return result;
}

}  // namespace orvane
