#include "shell/ppc_orvane_app.h"

#include "foundation/fatal.h"
#include "foundation/windows1252.h"
#include "platform/control_messages.h"
#include "platform/typed_controls.h"
#include "rendering/plain_text.h"
#include "shell/dc_measurer.h"
#include "shell/disclaimer_screen.h"
#include "shell/html_view.h"
#include "shell/object_factory.h"
#include "shell/preferences_store.h"
#include "shell/screen_makers.h"
#include "shell/shell_commands.h"
#include "shell/splash_screen.h"

namespace orvane {

using namespace platform;

namespace {

// File time of 1 January 1904 00:00 (100-nanosecond intervals since 1601).
constexpr uint64_t kFileTime1904 = 95616288000000000ull;

// Index of each command's button in the button array, and its bitmap.
struct NavButtonSpec {
    uint32_t command;
    int bitmap;
};
constexpr NavButtonSpec kNavButtonSpecs[4] = {
    {command::kHome, bitmap::kHomeButton},
    {command::kBack, bitmap::kBackButton},
    {command::kForward, bitmap::kForwardButton},
    {command::kAtoZ, bitmap::kAtoZButton},
};

int navIndex(uint32_t cmd) {
    for (int i = 0; i < 4; ++i) {
        if (kNavButtonSpecs[i].command == cmd) return i;
    }
    return -1;
}

// Room kept free at the title tab's sides, times the scale.
constexpr int32_t kTitleMargin = 4;

std::u16string widen(const SharedString& text) {
    return widenWindows1252(text.view());
}

}  // namespace

PPCOrvaneApp::PPCOrvaneApp(WindowSystem& windows, HINSTANCE instance, PatientContext& patient,
                           const ScreenMakers& screens, Trace& trace)
    : windows_(windows),
      patient_(patient),
      screens_(screens),
      trace_(trace),
      instance_(instance),
      bridge_(std::make_shared<ViewerBridge>()) {}

PPCOrvaneApp::~PPCOrvaneApp() {
    screenReady_ = false;
    screen_.reset();
    DestroyNavButtons();
    DestroyBrowserHandle();
    if (mainWindow_ && windows_.IsWindow(mainWindow_)) windows_.DestroyWindow(mainWindow_);
    for (HFONT font : {boldFont_, normalFont_, largeBoldFont_}) {
        if (font) windows_.DeleteObject(font);
    }
    if (classesRegistered_) {
        windows_.UnregisterClass(kMainWindowClass);
        windows_.UnregisterClass(kClickableListBoxClass);
    }
}

// ---- Initialise ----

HFONT PPCOrvaneApp::MakeFont(int32_t height, int32_t weight, uint8_t pitchAndFamily) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = 0;
    font.lfWeight = weight;
    font.lfItalic = 0;
    font.lfUnderline = 0;
    font.lfStrikeOut = 0;
    font.lfCharSet = 0;
    font.lfOutPrecision = 0;
    font.lfClipPrecision = 0;
    font.lfQuality = 6;  // ClearType with compatible widths
    font.lfPitchAndFamily = pitchAndFamily;
    font.lfFaceName = kShellFontFace;
    return windows_.CreateFontIndirect(font);
}

void PPCOrvaneApp::Initialise() {
    TraceScope trace(trace_, "PPCOrvaneApp::Initialise");
    // The shell's own pictures, unless the platform's resource table has them already.
    static constexpr struct {
        int id, width, height;
    } kShellBitmaps[] = {{bitmap::kHomeButton, 32, 16},
                         {bitmap::kForwardButton, 32, 16},
                         {bitmap::kAtoZButton, 30, 16},
                         {bitmap::kBackButton, 32, 16},
                         {bitmap::kSplash, 239, 165}};
    for (const auto& b : kShellBitmaps) {
        if (windows_.gdi().bitmapResource(b.id) == nullptr) {
            windows_.registerBitmapResource(b.id, b.width, b.height);
        }
    }

    WNDCLASS existing;
    if (!windows_.GetClassInfo(kMainWindowClass, &existing)) {
        WNDCLASS wc;
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) {
            return MainWindowProc(h, m, w, l);
        };
        wc.hInstance = instance_;
        wc.hbrBackground = windows_.GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = kMainWindowClass;
        windows_.RegisterClass(wc);
        classesRegistered_ = true;
    }
    // "ClickableListBox": a list box that first lets the main window procedure (and so the
    // current screen) see a tap, then handles it as a list box does.
    WNDCLASS listBox;
    if (!windows_.GetClassInfo(kClickableListBoxClass, &existing) &&
        windows_.GetClassInfo(u"ListBox", &listBox)) {
        const WNDPROC system = listBox.lpfnWndProc;
        listBox.lpfnWndProc = [this, system](HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_LBUTTONDOWN) MainWindowProc(h, m, w, l);
            return windows_.CallWindowProc(system, h, m, w, l);
        };
        listBox.lpszClassName = kClickableListBoxClass;
        windows_.RegisterClass(listBox);
    }

    screenReady_ = true;
    mainWindow_ =
        windows_.CreateWindowEx(0, kMainWindowClass, kMainWindowClass, WS_VISIBLE, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, HWND(), 0, instance_);
    // Without a main window the program goes on; it then measures nothing.
    RECT screen;
    if (mainWindow_) windows_.GetWindowRect(mainWindow_, &screen);
    scale_ = static_cast<int16_t>(screen.right - screen.left >= 360 ? 2 : 1);
    navButtonHeight_ = static_cast<int16_t>(scale_ == 2 ? 32 : 16);

    TEXTMETRIC tm;
    const HDC dc = windows_.GetDC(mainWindow_);
    windows_.GetTextMetrics(dc, &tm);
    windows_.ReleaseDC(mainWindow_, dc);
    systemFontHeight_ = tm.tmHeight;
    lineHeight_ = systemFontHeight_ + systemFontHeight_ / 2;

    content_ = RECT{screen.left, 0, screen.right, screen.bottom - 26 * scale_};
    contentCopy_ = content_;

    boldFont_ = MakeFont(systemFontHeight_, FW_BOLD, tm.tmPitchAndFamily);
    normalFont_ = MakeFont(systemFontHeight_, FW_NORMAL, tm.tmPitchAndFamily);
    largeBoldFont_ = MakeFont(20 * scale_, FW_BOLD, tm.tmPitchAndFamily);
}

// ---- Loops ----

void PPCOrvaneApp::Run() {
    TraceScope trace(trace_, "PPCOrvaneApp::Run");
    windows_.ShowWindow(mainWindow_, SW_SHOW);
    windows_.UpdateWindow(mainWindow_);
    if (!windows_.RunMessageLoop()) quitSeen_ = true;
}

int64_t PPCOrvaneApp::MonotonicMs() const {
    return windows_.clock().nowMs();
}

bool PPCOrvaneApp::WaitUntil(int64_t untilMs) {
    if (quitSeen_) return false;
    const int64_t now = MonotonicMs();
    if (now >= untilMs) return true;
    // A thread timer due at the deadline lets the loop sleep until then (or until input).
    const int64_t left = untilMs - now;
    const UINT_PTR timer =
        windows_.SetTimer(HWND(), 0, static_cast<UINT>(left), [](HWND, UINT, UINT_PTR, DWORD) {});
    const bool done = windows_.RunMessageLoop([&] { return MonotonicMs() >= untilMs; });
    windows_.KillTimer(HWND(), timer);
    if (!done) quitSeen_ = true;
    return done;
}

// ---- Screens ----

NavigationHistory& PPCOrvaneApp::history() {
    if (!history_) {
        history_ =
            std::make_unique<NavigationHistory>(objectFactory().createHistoryList(this), *this);
    }
    return *history_;
}

void PPCOrvaneApp::ReplaceScreen(std::unique_ptr<Screen> screen) {
    screen_ = std::move(screen);
}

void PPCOrvaneApp::ShowScreen(std::unique_ptr<Screen> screen) {
    screenReady_ = false;
    screen_.reset();
    ReplaceScreen(std::move(screen));
    screenReady_ = true;
}

std::unique_ptr<Screen> PPCOrvaneApp::MakeScreen(ScreenMakers::Maker maker, Request request) {
    return maker != nullptr ? maker(*this, request) : nullptr;
}

void PPCOrvaneApp::DisplayScreen(Request request) {
    TraceScope trace(trace_, "PPCOrvaneApp::DisplayScreen");
    const int32_t code = moduleCode(request);
    const ScreenKind kind = patient_.modules().screenKindFor(request);
    if (kind == ScreenKind::kKeep) return;

    // The A-Z index is never offered from itself.
    const bool azIndex = code == request_code::kAzIndex;
    screenReady_ = false;
    screen_.reset();
    if (azIndex) HideNavButton(command::kAtoZ);
    if (kind == ScreenKind::kModuleList) DestroyBrowserHandle();
    std::unique_ptr<Screen> made;
    switch (kind) {
        case ScreenKind::kModuleList:
            made = MakeScreen(screens_.moduleList, request);
            break;
        case ScreenKind::kIndex:
            made = MakeScreen(screens_.index, request);
            break;
        case ScreenKind::kDocument:
            made = MakeScreen(screens_.document, request);
            break;
        case ScreenKind::kCalculator:
            made = MakeScreen(screens_.calculator, request);
            break;
        case ScreenKind::kNone:
        case ScreenKind::kKeep:
            if (code == request_code::kBadDocType) diagnostic("Bad doctype");
            break;
    }
    ReplaceScreen(std::move(made));
    screenReady_ = true;
    if (screen_) screen_->Update(request);
    if (azIndex) HideNavButton(command::kAtoZ);
}

void PPCOrvaneApp::DisplayScreen(int32_t flag) {
    TraceScope trace(trace_, "PPCOrvaneApp::DisplayScreen");
    if (flag == 0) {
        const Request request = makeRequest(request_code::kHome, 0);
        screenReady_ = false;
        screen_.reset();
        ReplaceScreen(MakeScreen(screens_.moduleList, request));
        screenReady_ = true;
        HideNavButton(command::kHome);
        if (screen_) screen_->Update(request);
        DestroyBrowserHandle();
    }
    windows_.InvalidateRect(mainWindow_, nullptr, true);
    windows_.UpdateWindow(mainWindow_);
}

void PPCOrvaneApp::ShowDisclaimer(int32_t kind) {
    TraceScope trace(trace_, "PPCOrvaneApp::ShowDisclaimer");
    screenReady_ = false;
    screen_.reset();
    auto made = std::make_unique<DisclaimerScreen>(*this, kind);
    DisclaimerScreen* disclaimer = made.get();
    ReplaceScreen(std::move(made));
    screenReady_ = true;
    // The loop also ends if anything replaced the disclaimer meanwhile.
    const bool closed = windows_.RunMessageLoop(
        [&] { return screen_.get() != disclaimer || disclaimer->closed(); });
    if (!closed) {
        // The quit message ends the program; the preferences are left as they are.
        quitSeen_ = true;
        return;
    }
    if (screen_.get() != disclaimer || !disclaimer->dontShowAgain()) return;
    const std::unique_ptr<PreferencesStore> store = objectFactory().createPreferencesStore();
    Preferences prefs = store->read();
    if (kind == 0) prefs.showDisclaimer = 0;
    if (kind == 1) prefs.secondDisclaimer = 0;
    store->write(prefs);
}

void PPCOrvaneApp::ShowError(int32_t kind, const SharedString& text) {
    static constexpr const char16_t* kCaptions[] = {u"Invalid Document Type", u"Missing Database",
                                                    u"Missing Document", u"Invalid Entry",
                                                    u"Invalid Link"};
    const std::u16string caption = kind >= 0 && kind < 5 ? kCaptions[kind] : u"";
    windows_.MessageBox(mainWindow_, widen(text), caption, MB_OK);
}

void PPCOrvaneApp::ShowSplash() {
    TraceScope trace(trace_, "PPCOrvaneApp::ShowSplash");
    screenReady_ = false;
    screen_.reset();
    splashPainted_ = false;
    ReplaceScreen(std::make_unique<SplashScreen>(*this, &splashPainted_));
    screenReady_ = true;
    windows_.InvalidateRect(mainWindow_, nullptr, true);
    windows_.UpdateWindow(mainWindow_);
    // Ends when the picture is up, or at once when nothing is left that could paint it (the
    // loop never waits for a paint that cannot come).
    const bool done =
        windows_.RunMessageLoop([&] { return splashPainted_ || !windows_.HasPendingWork(); });
    if (!done) quitSeen_ = true;
}

void PPCOrvaneApp::EndSplash() {
    screenReady_ = false;
    screen_.reset();
    screenReady_ = true;
    windows_.InvalidateRect(mainWindow_, nullptr, true);
}

int64_t PPCOrvaneApp::CurrentTime() {
    const uint64_t fileTime = SystemTimeToFileTime(windows_.clock().localTime());
    return (static_cast<int64_t>(fileTime) - static_cast<int64_t>(kFileTime1904)) / 10000000;
}

void PPCOrvaneApp::StepPage(int32_t direction) {
    if (screen_)
        screen_->Update(
            makeRequest(direction < 1 ? request_code::kPreviousView : request_code::kNextView, 0));
}

// ---- Title, header, buttons ----

void PPCOrvaneApp::SetTitle(const SharedString& text) {
    if (title_.capacity() < static_cast<size_t>(text.length()) + 1) {
        title_.reserve(static_cast<size_t>(text.length()) + 1);
    }
    title_ = widen(text);
}

void PPCOrvaneApp::DrawTab(HDC dc, int32_t tabBottom, int32_t shadowBottom) {
    const int32_t s = scale_;
    const int32_t l = content_.left;
    const int32_t t = content_.top;
    const COLORREF shadow = RGB(192, 192, 192);
    const COLORREF tab = RGB(140, 20, 20);

    {
        const ScopedSolidColour colour(windows_, dc, shadow);
        windows_.Rectangle(dc, l + s + 2, t + s + 2, l + s + 100 * s + 2, shadowBottom);
    }
    {
        const ScopedSolidColour colour(windows_, dc, tab);
        windows_.Rectangle(dc, l + s, t + s, l + s + 100 * s, tabBottom);
    }

    windows_.SetTextColor(dc, RGB(255, 255, 255));
    windows_.SetBkMode(dc, TRANSPARENT);
    RECT text{l + s + 1, t + s, l + s + 100 * s, tabBottom};
    // A title longer than the tab is shortened with "..." as captions are, so that it neither
    // runs out of the tab under the buttons beside it nor is clipped at the tab's edge.
    std::u16string shown = title_;
    fitWithEllipsis(shown, DcMeasurer(windows_, dc), text.width() - kTitleMargin * s);
    windows_.DrawText(dc, shown, &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void PPCOrvaneApp::PaintTitle(bool paint) {
    if (!mainWindow_) return;
    PAINTSTRUCT ps;
    const HDC dc = paint ? windows_.BeginPaint(mainWindow_, &ps) : windows_.GetDC(mainWindow_);
    const HFONT oldFont = windows_.SelectObject(dc, boldFont_);
    const int32_t s = scale_;
    const int32_t t = content_.top;
    DrawTab(dc, t + s + 16 * s, t + s + 16 * s + 2);
    windows_.SelectObject(dc, oldFont);
    if (paint) {
        windows_.EndPaint(mainWindow_, &ps);
    } else {
        windows_.ReleaseDC(mainWindow_, dc);
    }
}

void PPCOrvaneApp::PaintHeader(bool paint, const SharedString& caption) {
    if (!mainWindow_) return;
    PAINTSTRUCT ps;
    const HDC dc = paint ? windows_.BeginPaint(mainWindow_, &ps) : windows_.GetDC(mainWindow_);
    const HFONT oldFont = windows_.SelectObject(dc, boldFont_);

    const COLORREF band = RGB(240, 240, 240);
    {
        const ScopedSolidColour colour(windows_, dc, band);
        windows_.Rectangle(dc, content_.left, content_.top, content_.right, content_.bottom);
    }

    // The header's tab ends 17 pixels below the top at the small scale; at the large scale it
    // grows with the scale like the title tab, or the doubled font would be cut off at its top.
    const int32_t t = content_.top;
    DrawTab(dc, t + 17 * scale_, t + 17 * scale_ + 2);
    if (!caption.empty()) {
        windows_.SetTextColor(dc, RGB(0, 0, 0));
        windows_.SetBkMode(dc, TRANSPARENT);
        RECT r{2, lineHeight_, content_.right - 2, 2 * lineHeight_};
        windows_.DrawText(dc, widen(caption), &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    windows_.SelectObject(dc, oldFont);
    if (paint) {
        windows_.EndPaint(mainWindow_, &ps);
    } else {
        windows_.ReleaseDC(mainWindow_, dc);
    }
}

HWND PPCOrvaneApp::navButton(uint32_t cmd) const {
    const int i = navIndex(cmd);
    return i < 0 ? HWND() : navButtons_[static_cast<size_t>(i)].window;
}

void PPCOrvaneApp::HideNavButton(uint32_t cmd) {
    const HWND button = navButton(cmd);
    if (button) windows_.ShowWindow(button, SW_HIDE);
}

void PPCOrvaneApp::ShowNavButtons(int32_t level) {
    if (level == 0) {
        if (navButtonsMade_ || !mainWindow_) return;
        const RECT& c = content_;
        const int32_t s = c.right - c.left >= 360 ? 2 : 1;
        const int32_t width = 32 * s;
        const int32_t height = s == 2 ? 32 : 16;
        const int32_t y = c.top + s;
        // From the right edge leftwards: A-Z, Forward, Back, Home, a gap of s between them.
        int32_t x = c.right - s - width;
        for (int i = 3; i >= 0; --i) {
            const NavButtonSpec& spec = kNavButtonSpecs[i];
            NavButton& button = navButtons_[static_cast<size_t>(i)];
            button.window = windows_.CreateWindowEx(
                0, u"Button", u"", WS_CHILD | WS_VISIBLE | BS_BITMAP, x, y, width, height,
                mainWindow_, static_cast<int>(spec.command), instance_);
            button.bitmap = windows_.LoadBitmap(instance_, spec.bitmap);
            PictureButton(windows_, button.window).setBitmap(button.bitmap);
            x -= s + width;
        }
        navButtonsMade_ = true;
        HideNavButton(command::kHome);
        return;
    }
    if (level < 0 || !navButtonsMade_) return;
    const auto show = [&](uint32_t cmd, bool shown) {
        const HWND button = navButton(cmd);
        if (button) windows_.ShowWindow(button, shown ? SW_SHOW : SW_HIDE);
    };
    if (level != 3) show(command::kHome, true);
    show(command::kAtoZ, true);
    NavigationHistory& h = history();
    // Shown exactly when the step is possible, so a stale button is never left up.
    show(command::kBack, h.current() > 0);
    show(command::kForward, h.current() + 1 < h.count());
}

void PPCOrvaneApp::DestroyNavButtons() {
    for (NavButton& button : navButtons_) {
        if (button.window && windows_.IsWindow(button.window))
            windows_.DestroyWindow(button.window);
        if (button.bitmap) windows_.DeleteObject(button.bitmap);
        button = NavButton{};
    }
    navButtonsMade_ = false;
}

void PPCOrvaneApp::RegisterBrowserHandle(HWND window) {
    browserHandles_.append(window);
}

void PPCOrvaneApp::DestroyBrowserHandle() {
    for (const HWND window : browserHandles_) {
        if (windows_.IsWindow(window)) windows_.DestroyWindow(window);
    }
    browserHandles_.resize(0);
}

// ---- Main window procedure ----

void PPCOrvaneApp::RunCommand(uint32_t cmd) {
    NavigationHistory& h = history();
    switch (cmd) {
        case command::kHome:
            patient_.setListPosition(0);
            h.clear();
            h.push(HomeEntry());
            h.showCurrent();
            break;
        case command::kAtoZ: {
            const RequestEntry entry(makeRequest(request_code::kAzIndex, 0));
            h.push(entry);
            h.showCurrent();
            break;
        }
        case command::kBack:
            if (h.atBottom()) return;
            h.stepBack();
            h.showCurrent();
            break;
        case command::kForward:
            if (h.atTop()) return;
            h.stepForward();
            h.showCurrent();
            break;
        case command::kNavigateToCurrent:
            h.showCurrent();
            break;
        default:
            break;
    }
}

LRESULT PPCOrvaneApp::MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == mainWindow_) {
        if (message == WM_COMMAND) {
            const uint32_t id = LOWORD(wParam);
            if (id == command::kExit) {
                windows_.PostQuitMessage(0);
                return 1;
            }
            if (id == command::kHome || id == command::kAtoZ || id == command::kBack ||
                id == command::kForward || id == command::kNavigateToCurrent) {
                if (screenReady_) {
                    RunCommand(id);
                    return 1;
                }
            }
        } else if (message == WM_CLOSE) {
            windows_.PostQuitMessage(0);
            return 1;
        }
    }
    if (screen_ && screenReady_) return screen_->WindowProc(window, message, wParam, lParam);
    return windows_.DefWindowProc(window, message, wParam, lParam);
}

}  // namespace orvane
