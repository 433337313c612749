// PPCOrvaneApp: the application object. It owns the main window "Orvane 6.0" with its message
// routing, the one current screen, the navigation history and its four buttons, the fonts and
// layout units every screen uses (scale, line height, content rectangle), the title tab and
// calculator header drawing, and the deferred HTML viewer windows. It draws no screen content
// and holds no module; screens reach the modules through the patient context.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/dyn_array.h"
#include "modules/patient_context.h"
#include "platform/window_system.h"
#include "shell/app_shell.h"
#include "shell/navigation_history.h"
#include "shell/screen.h"
#include "shell/screen_makers.h"
#include "shell/trace.h"

namespace orvane {

struct ViewerBridge;

// The window class and title of the main window (also the single-instance name).
inline constexpr char16_t kMainWindowClass[] = u"Orvane 6.0";
inline constexpr char16_t kClickableListBoxClass[] = u"ClickableListBox";
// The face of the three fonts: the platform's measuring font.
inline constexpr char16_t kShellFontFace[] = u"DejaVu Sans";

class PPCOrvaneApp final : public AppShell {
  public:
    // The window system, the patient context, the screen makers and the trace must outlive the
    // application.
    PPCOrvaneApp(platform::WindowSystem& windows, platform::HINSTANCE instance,
                 PatientContext& patient, const ScreenMakers& screens, Trace& trace);
    // Deletes the current screen, destroys the navigation buttons and their bitmaps, the main
    // window, the deferred viewers and the fonts.
    ~PPCOrvaneApp() override;

    // ---- AppShell ----
    void Initialise() override;
    int32_t PassThrough(int32_t value) override { return value; }
    void Run() override;
    void DisplayScreen(int32_t flag) override;
    void DisplayScreen(Request request) override;
    void ShowDisclaimer(int32_t kind) override;
    void ShowError(int32_t kind, const SharedString& text) override;
    void ShowSplash() override;
    void EndSplash() override;
    int64_t CurrentTime() override;
    void StepPage(int32_t direction) override;

    // ---- Start-up waiting (monotonic; never affected by the wall clock) ----
    // Milliseconds of the window system's monotonic clock.
    int64_t MonotonicMs() const;
    // Runs the message loop, sleeping, until the monotonic clock reaches untilMs. False when the
    // quit message arrived first (it stays posted).
    bool WaitUntil(int64_t untilMs);
    // True once a quit message has ended a loop (the program is ending).
    bool QuitRequested() const { return quitSeen_; }

    // ---- Accessors ----
    platform::WindowSystem& windows() const { return windows_; }
    platform::HWND mainWindow() const { return mainWindow_; }
    platform::HINSTANCE instance() const { return instance_; }
    PatientContext& patientContext() const { return patient_; }
    Trace& trace() const { return trace_; }
    platform::HFONT boldFont() const { return boldFont_; }
    platform::HFONT normalFont() const { return normalFont_; }
    platform::HFONT largeBoldFont() const { return largeBoldFont_; }
    // The system font height plus half of it.
    int32_t lineHeight() const { return lineHeight_; }
    int32_t systemFontHeight() const { return systemFontHeight_; }
    // The area below which screens lay out: (left, 0, right, bottom − 26 × scale) of the main
    // window's screen rectangle.
    void contentRect(platform::RECT* rect) const { *rect = contentCopy_; }
    const platform::RECT& contentRect() const { return contentCopy_; }
    // 1 below 360 pixels of width, else 2.
    int16_t scale() const { return scale_; }
    int16_t navButtonHeight() const { return navButtonHeight_; }
    Screen* currentScreen() const { return screen_.get(); }
    bool screenReady() const { return screenReady_; }
    const std::u16string& title() const { return title_; }
    // The history, made on first use with the list from the object factory.
    NavigationHistory& history();
    bool hasHistory() const { return history_ != nullptr; }
    const DynArray<platform::HWND>& browserHandles() const { return browserHandles_; }
    // The navigation button for a command (null before the buttons exist).
    platform::HWND navButton(uint32_t command) const;
    const std::shared_ptr<ViewerBridge>& viewerBridge() const { return bridge_; }

    // Makes a given screen the current one (the old one deleted first, the ready flag clear in
    // between); Update is not called. For screens made outside the screen factory (tests).
    void ShowScreen(std::unique_ptr<Screen> screen);

    // ---- Drawing and layout services for the screens ----
    // Stores an 8-bit title, widened as every 8-bit text is (Windows-1252).
    void SetTitle(const SharedString& text);
    // The title tab; inside a begin/end-paint pair on the main window when paint is true,
    // else on the main window's device context.
    void PaintTitle(bool paint);
    // The calculator header: the content rectangle in 240, 240, 240, the title tab with its
    // bottom at 17, and the caption.
    void PaintHeader(bool paint, const SharedString& caption);
    // 0: makes the four buttons once (Home hidden). 1 or more: Home shown unless 3, A-Z shown,
    // Back shown exactly when stepping back is possible, Forward exactly when stepping forward is.
    void ShowNavButtons(int32_t level);
    // Hides one navigation button (the screen factory hides A-Z on the A-Z index).
    void HideNavButton(uint32_t command);
    // Keeps a hidden viewer window until the module list is next shown.
    void RegisterBrowserHandle(platform::HWND window);
    // Destroys every kept viewer window in order and empties the list.
    void DestroyBrowserHandle();

    // The main window procedure (also reached by "ClickableListBox" windows on a tap).
    platform::LRESULT MainWindowProc(platform::HWND window, platform::UINT message,
                                     platform::WPARAM wParam, platform::LPARAM lParam);

  private:
    struct NavButton {
        platform::HWND window;
        platform::HBITMAP bitmap;
    };

    void RunCommand(uint32_t command);
    std::unique_ptr<Screen> MakeScreen(ScreenMakers::Maker maker, Request request);
    void ReplaceScreen(std::unique_ptr<Screen> screen);
    void DrawTab(platform::HDC dc, int32_t tabBottom, int32_t shadowBottom);
    void DestroyNavButtons();
    platform::HFONT MakeFont(int32_t height, int32_t weight, uint8_t pitchAndFamily);

    platform::WindowSystem& windows_;
    PatientContext& patient_;
    const ScreenMakers& screens_;
    Trace& trace_;

    platform::HWND mainWindow_;
    platform::HINSTANCE instance_;
    int16_t scale_ = 1;
    int16_t navButtonHeight_ = 16;
    // Home, Back, Forward, A-Z.
    std::array<NavButton, 4> navButtons_{};
    bool navButtonsMade_ = false;
    platform::HFONT boldFont_;
    platform::HFONT normalFont_;
    platform::HFONT largeBoldFont_;
    int32_t lineHeight_ = 0;
    int32_t systemFontHeight_ = 0;
    platform::RECT content_;
    platform::RECT contentCopy_;
    DynArray<platform::HWND> browserHandles_;
    std::unique_ptr<Screen> screen_;
    bool screenReady_ = true;
    std::u16string title_;

    std::unique_ptr<NavigationHistory> history_;
    std::shared_ptr<ViewerBridge> bridge_;
    bool classesRegistered_ = false;
    bool quitSeen_ = false;
    bool splashPainted_ = false;
};

}  // namespace orvane
