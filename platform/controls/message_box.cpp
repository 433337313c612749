// The modal message box: a top-level window of class "OrvaneMessageBox" holding its text and
// buttons, run by a nested message loop until a button answers it (a tap, or the driver through
// AnswerMessageBox). Its owner is disabled meanwhile and the focus comes back afterwards.
#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

constexpr char16_t kMessageBoxClass[] = u"OrvaneMessageBox";
constexpr int kTextId = 0xFFFF;

}  // namespace

void RegisterMessageBoxClass(WindowSystem& ws) {
    WNDCLASS wc;
    wc.lpszClassName = kMessageBoxClass;
    wc.hbrBackground = ws.GetStockBrush(WHITE_BRUSH);
    wc.lpfnWndProc = [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        switch (msg) {
            case WM_COMMAND:
                if (HIWORD(wParam) == BN_CLICKED) ws.AnswerMessageBox(hwnd, LOWORD(wParam));
                return 0;
            case WM_CLOSE:
                ws.AnswerMessageBox(hwnd, IDCANCEL);
                return 0;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = ws.BeginPaint(hwnd, &ps);
                RECT client;
                ws.GetClientRect(hwnd, &client);
                TEXTMETRIC tm;
                ws.GetTextMetrics(dc, &tm);
                RECT band{0, 0, client.right, tm.tmHeight + 4};
                HBRUSH brush = ws.CreateSolidBrush(RGB(0, 0, 128));
                ws.FillRect(dc, band, brush);
                ws.DeleteObject(brush);
                ws.SetTextColor(dc, RGB(255, 255, 255));
                ws.SetBkMode(dc, TRANSPARENT);
                band.left += 3;
                ws.DrawText(dc, ws.windowData(hwnd)->text, &band,
                            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
                ws.EndPaint(hwnd, &ps);
                return 0;
            }
        }
        return ws.DefWindowProc(hwnd, msg, wParam, lParam);
    };
    ws.RegisterClass(wc);
}

int WindowSystem::MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption,
                             UINT type) {
    struct ButtonSpec {
        int id;
        const char16_t* label;
    };
    std::vector<ButtonSpec> buttons;
    switch (type & 0xF) {
        case MB_OKCANCEL:
            buttons = {{IDOK, u"OK"}, {IDCANCEL, u"Cancel"}};
            break;
        case MB_YESNO:
            buttons = {{IDYES, u"Yes"}, {IDNO, u"No"}};
            break;
        default:
            buttons = {{IDOK, u"OK"}};
            break;
    }
    const FontSize font = gdi_.font(gdi_.systemFont())->size;
    const int lineHeight = FontTextMetrics(font).tmHeight;
    const int width = display_.width - 20;
    const auto lines = BreakLines(text, width - 12, font, true);
    const int textHeight = std::max<int>(1, static_cast<int>(lines.size())) * lineHeight;
    const int buttonHeight = lineHeight + 8;
    const int height = (lineHeight + 4) + 6 + textHeight + 8 + buttonHeight + 8;
    const int y = std::max(display_.taskbarHeight, (display_.height - height) / 2);
    const HWND previousFocus = focus_;
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    HWND box = CreateWindowEx(WS_EX_TOPMOST, kMessageBoxClass, caption,
                              WS_POPUP | WS_VISIBLE | WS_BORDER, 10, y, width, height, owner, 0);
    if (!box) return 0;
    auto state = std::make_unique<OpenMessageBox>();
    state->window = box;
    state->text = std::u16string(text);
    state->caption = std::u16string(caption);
    state->type = type;
    OpenMessageBox* open = state.get();
    messageBoxes_.push_back(std::move(state));
    if (ownerWasEnabled) EnableWindow(owner, false);
    CreateWindowEx(0, kStaticClass, text, WS_CHILD | WS_VISIBLE, 6, lineHeight + 10, width - 12,
                   textHeight, box, kTextId);
    const int buttonWidth = 60;
    const int gap = 8;
    const int total = static_cast<int>(buttons.size()) * buttonWidth +
                      (static_cast<int>(buttons.size()) - 1) * gap;
    int x = (width - 2 - total) / 2;
    HWND first;
    for (const ButtonSpec& b : buttons) {
        HWND button = CreateWindowEx(
            0, kButtonClass, b.label, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x,
            height - 2 - 8 - buttonHeight, buttonWidth, buttonHeight, box, b.id);
        if (!first) first = button;
        x += buttonWidth + gap;
    }
    SetForegroundWindow(box);
    SetFocus(first);
    const bool answered = RunMessageLoop([open] { return open->answer != 0; });
    const int answer = answered ? open->answer : 0;
    std::erase_if(messageBoxes_, [open](const auto& b) { return b.get() == open; });
    if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, true);
    DestroyWindow(box);
    if (IsWindow(previousFocus)) SetFocus(previousFocus);
    return answer;
}

void WindowSystem::AnswerMessageBox(HWND box, int answer) {
    for (auto& b : messageBoxes_) {
        if (b->window == box && b->answer == 0) b->answer = answer;
    }
}

}  // namespace orvane::platform
