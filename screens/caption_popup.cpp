#include "screens/caption_popup.h"

#include <algorithm>

#include "platform/typed_controls.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;

namespace {

constexpr COLORREF kPopupBackground = RGB(255, 255, 34);
constexpr UINT_PTR kCloseTimer = 1;

// "LabelClass" is registered once for every screen that opens a popup. Its own procedure is the
// default one; each popup replaces it by its own handler right after creation.
void registerLabelClass(WindowSystem& ws, HINSTANCE instance) {
    WNDCLASS existing;
    if (ws.GetClassInfo(kLabelClass, &existing)) return;
    WNDCLASS wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = [&ws](HWND h, UINT m, WPARAM w, LPARAM l) {
        return ws.DefWindowProc(h, m, w, l);
    };
    wc.hInstance = instance;
    wc.lpszClassName = kLabelClass;
    ws.RegisterClass(wc);
}

}  // namespace

// What the popup's window procedures reach. Shared with them, so that a procedure still running
// when the popup object goes away finds the state (and sees it closed) instead of a dangling one.
struct CaptionPopup::State {
    WindowSystem* ws = nullptr;
    HWND popup;
    HWND edit;
    HWND previousFocus;
    HBRUSH background;
};

CaptionPopup::CaptionPopup(PPCOrvaneApp& app) : app_(app) {}

CaptionPopup::~CaptionPopup() {
    Close();
}

bool CaptionPopup::isOpen() const {
    return state_ && state_->popup && app_.windows().IsWindow(state_->popup);
}

HWND CaptionPopup::window() const {
    return isOpen() ? state_->popup : HWND();
}

void CaptionPopup::CloseState(State& state) {
    WindowSystem& ws = *state.ws;
    const HWND popup = state.popup;
    state.popup = HWND();
    state.edit = HWND();
    if (popup && ws.IsWindow(popup)) {
        const HWND focus = ws.GetFocus();
        const bool focusInside = focus && (focus == popup || ws.GetParent(focus) == popup);
        ws.KillTimer(popup, kCloseTimer);
        ws.DestroyWindow(popup);
        // The focus goes back where it was, unless something else has taken it meanwhile.
        if ((focusInside || !ws.GetFocus()) && state.previousFocus &&
            ws.IsWindow(state.previousFocus)) {
            ws.SetFocus(state.previousFocus);
        }
    }
    if (state.background) {
        ws.DeleteObject(state.background);
        state.background = HBRUSH();
    }
}

void CaptionPopup::Close() {
    if (!state_) return;
    const std::shared_ptr<State> state = std::move(state_);
    CloseState(*state);
}

void CaptionPopup::Open(const std::u16string& text, int32_t x, int32_t y, uint32_t ms) {
    Close();
    if (text.empty()) return;
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    registerLabelClass(ws, app_.instance());

    auto state = std::make_shared<State>();
    state->ws = &ws;
    state->background = ws.CreateSolidBrush(kPopupBackground);
    state_ = state;
    const std::weak_ptr<State> weak = state;

    RECT client;
    ws.GetClientRect(main, &client);
    const int32_t width = client.width() - 20 + 2;
    state->popup = ws.CreateWindowEx(0, kLabelClass, u"", WS_CHILD | WS_BORDER, x, y, width,
                                     app_.lineHeight() + 2, main, 0, app_.instance());
    if (!state->popup) return;

    const WNDPROC popupDefault = ws.GetWindowProc(state->popup);
    ws.SetWindowProc(state->popup,
                     [weak, popupDefault, &ws](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                         const std::shared_ptr<State> s = weak.lock();
                         if (!s || s->popup != h)
                             return ws.CallWindowProc(popupDefault, h, m, w, l);
                         switch (m) {
                             case WM_TIMER:
                                 if (w == kCloseTimer) CloseState(*s);
                                 return 0;
                             case WM_SIZE:
                                 if (w == SIZE_MINIMIZED) CloseState(*s);
                                 return 0;
                             case WM_KEYDOWN:
                                 CloseState(*s);
                                 return 0;
                             case WM_ERASEBKGND: {
                                 RECT r;
                                 ws.GetClientRect(h, &r);
                                 ws.FillRect(HDC(static_cast<uint32_t>(w)), r, s->background);
                                 return 1;
                             }
                             case WM_PAINT: {
                                 PAINTSTRUCT ps;
                                 const HDC dc = ws.BeginPaint(h, &ps);
                                 RECT r;
                                 ws.GetClientRect(h, &r);
                                 ws.FillRect(dc, r, s->background);
                                 ws.EndPaint(h, &ps);
                                 return 0;
                             }
                             case WM_CTLCOLOREDIT:
                             case WM_CTLCOLORSTATIC:
                                 ws.SetBkColor(HDC(static_cast<uint32_t>(w)), kPopupBackground);
                                 return static_cast<LRESULT>(s->background.value());
                             default:
                                 return ws.DefWindowProc(h, m, w, l);
                         }
                     });

    RECT inner;
    ws.GetClientRect(state->popup, &inner);
    state->edit =
        ws.CreateWindowEx(0, u"Edit", text, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 1,
                          1, std::max(1, inner.width() - 2), std::max(1, inner.height() - 2),
                          state->popup, kCaptionPopupEditId, app_.instance());
    if (state->edit) {
        // Any key in the edit box closes the popup; the key is not typed anywhere. Getting the
        // focus does not close it (the popup gives its edit box the focus itself).
        const WNDPROC editDefault = ws.GetWindowProc(state->edit);
        ws.SetWindowProc(state->edit,
                         [weak, editDefault, &ws](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                             const std::shared_ptr<State> s = weak.lock();
                             if (s && s->edit == h && m == WM_KEYDOWN) {
                                 CloseState(*s);
                                 return 0;
                             }
                             return ws.CallWindowProc(editDefault, h, m, w, l);
                         });
    }

    // One line: 18 × scale plus 5; several: 18 × scale per line less 2.
    const int32_t lines = state->edit ? TypingBox(ws, state->edit).lineCount() : 1;
    const int32_t height = lines * app_.scale() * 18 + (lines <= 1 ? 5 : -2);
    ws.SetWindowPos(state->popup, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
    ws.GetClientRect(state->popup, &inner);
    if (state->edit) {
        ws.MoveWindow(state->edit, 1, 1, std::max(1, inner.width() - 2),
                      std::max(1, inner.height() - 2), true);
    }

    state->previousFocus = ws.GetFocus();
    if (state->edit) ws.SetFocus(state->edit);
    ws.SetTimer(state->popup, kCloseTimer, ms);
}

}  // namespace orvane
