#include "shell/splash_screen.h"

#include "shell/ppc_orvane_app.h"
#include "shell/shell_commands.h"

namespace orvane {

using namespace platform;

int32_t SplashScreen::magnification(int32_t contentWidth) {
    int32_t steps = 0;
    for (int32_t reached = 0; reached < contentWidth; reached += 239) ++steps;
    return steps - 1 < 1 ? 1 : steps - 1;
}

void SplashScreen::Paint() {
    TraceScope trace(app_.trace(), "SplashScreen::PaintScreen");
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    PAINTSTRUCT ps;
    const HDC dc = ws.BeginPaint(main, &ps);
    const HBITMAP picture = ws.LoadBitmap(app_.instance(), bitmap::kSplash);
    if (picture) {
        const HDC memory = ws.CreateCompatibleDC(dc);
        const HBITMAP old = ws.SelectObject(memory, picture);
        const int32_t k = magnification(app_.contentRect().width());
        ws.StretchBlt(dc, 1, 1, k * 239, k * 165, memory, 0, 0, 239, 165, SRCCOPY);
        ws.SelectObject(memory, old);
        ws.DeleteDC(memory);
        ws.DeleteObject(picture);
    }
    ws.EndPaint(main, &ps);
    ws.SHFullScreen(main, SHFS_HIDESIPBUTTON);
    if (painted_ != nullptr) *painted_ = true;
}

LRESULT SplashScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && window == app_.mainWindow()) {
        Paint();
        return 0;
    }
    LRESULT result = 0;
    HandleMessage(window, message, wParam, lParam, result);
    return result;
}

}  // namespace orvane
