// The HTML viewer control "DISPLAYCLASS". It keeps the page text from DTM_CLEAR to
// DTM_ENDOFSOURCE (DTM_ADDTEXT appends 8-bit text); at the end of the source it asks its parent
// for every inline image, in page order, with NM_INLINE_IMAGE (szTarget = the <IMG src> text,
// dwCookie = 1, 2, ...), reports NM_TITLE for a <TITLE>, then NM_DOCUMENTCOMPLETE. DTM_SETIMAGE
// answers an image by its cookie (a bitmap given with bOwnBitmap is released at once: only its
// resource identifier is kept). A tap on a link (through the driver, by its raw target text)
// sends NM_HOTSPOT with szTarget = that text; the viewer never follows links by itself. DTM_ANCHOR
// scrolls to a named anchor. Scripts are never run (DTM_ENABLESCRIPTING is recorded only).
// The viewer has one inner child window that takes the keyboard; Up and Down (and Page Up/Down)
// scroll the page by lines there. Layout and drawing of the page are the front end's.
#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"
#include "platform/html_scan.h"
#include "platform/html_viewer_messages.h"

namespace orvane::platform {

namespace {

constexpr char16_t kInnerClass[] = u"DISPLAYCLASS_INNER";

struct ViewerState final : ControlState {
    std::string page;
    bool complete = false;
    std::string anchor;
    HtmlScan scan;
    std::vector<ImageRequestSnapshot> images;
    int scrollLine = 0;
    bool clearType = false;
    bool scripting = false;
    HWND inner;
    void describe(ControlSnapshot& out) const override {
        out.kind = "htmlviewer";
        out.pageText = page;
        out.complete = complete;
        out.anchor = anchor;
        out.links = scan.links;
        out.images = images;
        out.scrollLine = scrollLine;
    }
};

ViewerState* stateOf(WindowSystem& ws, HWND hwnd) {
    return ControlStateOf<ViewerState>(ws, hwnd);
}

void endOfSource(WindowSystem& ws, HWND hwnd) {
    ViewerState* s = stateOf(ws, hwnd);
    if (!s) return;
    s->complete = true;
    s->scan = ScanHtml(s->page);
    s->images.clear();
    for (size_t i = 0; i < s->scan.images.size(); ++i) {
        ImageRequestSnapshot request;
        request.source = s->scan.images[i];
        request.cookie = static_cast<uint32_t>(i + 1);
        s->images.push_back(request);
    }
    ws.InvalidateRect(hwnd, nullptr, true);
    const size_t count = s->images.size();
    for (size_t i = 0; i < count; ++i) {
        s = stateOf(ws, hwnd);
        if (!s || i >= s->images.size()) return;
        const std::string source = s->images[i].source;
        NM_HTMLVIEW nm;
        nm.szTarget = source.c_str();
        nm.szData = "";
        nm.dwCookie = static_cast<DWORD>(i + 1);
        ws.NotifyParent(hwnd, &nm.hdr, NM_INLINE_IMAGE);
    }
    s = stateOf(ws, hwnd);
    if (!s) return;
    if (!s->scan.title.empty()) {
        const std::string title = s->scan.title;
        NM_HTMLVIEW nm;
        nm.szTarget = title.c_str();
        ws.NotifyParent(hwnd, &nm.hdr, NM_TITLE);
    }
    NM_HTMLVIEW done;
    ws.NotifyParent(hwnd, &done.hdr, NM_DOCUMENTCOMPLETE);
}

std::string narrow(const char16_t* text) {
    std::string out;
    for (; text && *text; ++text) out.push_back(*text < 256 ? static_cast<char>(*text) : '?');
    return out;
}

LRESULT viewerProc(WindowSystem& ws, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ViewerState* s = stateOf(ws, hwnd);
    switch (msg) {
        case WM_CREATE: {
            ws.windowData(hwnd)->control = std::make_unique<ViewerState>();
            RECT client;
            ws.GetClientRect(hwnd, &client);
            HWND inner = ws.CreateWindowEx(0, kInnerClass, u"", WS_CHILD | WS_VISIBLE, 0, 0,
                                           client.right, client.bottom, hwnd, 0);
            if (ViewerState* st = stateOf(ws, hwnd)) st->inner = inner;
            return 0;
        }
        case WM_SIZE:
            if (s && s->inner) {
                RECT client;
                ws.GetClientRect(hwnd, &client);
                ws.SetWindowPos(s->inner, HWND_TOP, 0, 0, client.right, client.bottom,
                                SWP_NOZORDER);
            }
            return 0;
        case WM_SETFOCUS:
            if (s && s->inner) ws.SetFocus(s->inner);
            return 0;
        case DTM_CLEAR:
            if (s) {
                s->page.clear();
                s->complete = false;
                s->anchor.clear();
                s->scan = HtmlScan{};
                s->images.clear();
                s->scrollLine = 0;
                ws.InvalidateRect(hwnd, nullptr, true);
            }
            return 0;
        case DTM_ADDTEXT:
            if (s && lParam) s->page += reinterpret_cast<const char*>(lParam);
            return 0;
        case DTM_ADDTEXTW:
            if (s && lParam) s->page += narrow(reinterpret_cast<const char16_t*>(lParam));
            return 0;
        case DTM_ENDOFSOURCE:
            endOfSource(ws, hwnd);
            return 0;
        case DTM_SETIMAGE: {
            const auto* info = reinterpret_cast<const INLINEIMAGEINFO*>(lParam);
            if (!s || !info) return FALSE;
            for (auto& image : s->images) {
                if (image.cookie != info->dwCookie) continue;
                image.bitmapId = ws.BitmapResourceId(info->hbm);
                SIZE size;
                if (ws.GetBitmapSize(info->hbm, &size)) {
                    image.width = size.cx;
                    image.height = size.cy;
                }
            }
            if (info->bOwnBitmap) ws.DeleteObject(info->hbm);
            ws.InvalidateRect(hwnd, nullptr, false);
            return TRUE;
        }
        case DTM_IMAGEFAIL:
            return TRUE;
        case DTM_ANCHOR:
        case DTM_ANCHORW:
            if (!s || !lParam) return FALSE;
            s->anchor = msg == DTM_ANCHOR ? std::string(reinterpret_cast<const char*>(lParam))
                                          : narrow(reinterpret_cast<const char16_t*>(lParam));
            s->scrollLine = 0;
            ws.InvalidateRect(hwnd, nullptr, false);
            return std::find(s->scan.anchors.begin(), s->scan.anchors.end(), s->anchor) !=
                   s->scan.anchors.end();
        case DTM_ENABLECLEARTYPE:
            if (s) s->clearType = wParam != 0;
            return 0;
        case DTM_ENABLESCRIPTING:
            if (s) s->scripting = wParam != 0;
            return 0;
        case WM_ORVANE_LINK_TAP: {
            const auto* target = reinterpret_cast<const char*>(lParam);
            if (!s || !target) return 0;
            if (std::find(s->scan.links.begin(), s->scan.links.end(), target) ==
                s->scan.links.end())
                return 0;
            const std::string copy = target;
            NM_HTMLVIEW nm;
            nm.szTarget = copy.c_str();
            nm.szData = "";
            ws.NotifyParent(hwnd, &nm.hdr, NM_HOTSPOT);
            return 1;
        }
    }
    return ws.DefWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT innerProc(WindowSystem& ws, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN: {
            ViewerState* s = stateOf(ws, ws.GetParent(hwnd));
            if (!s) return 0;
            int step = 0;
            if (wParam == VK_UP) step = -1;
            if (wParam == VK_DOWN) step = 1;
            if (wParam == VK_PRIOR) step = -10;
            if (wParam == VK_NEXT) step = 10;
            if (step != 0) {
                s->scrollLine = std::max(0, s->scrollLine + step);
                ws.InvalidateRect(ws.GetParent(hwnd), nullptr, false);
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
            ws.SetFocus(hwnd);
            return 0;
    }
    return ws.DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterHtmlViewerControl(WindowSystem& ws) {
    RegisterControlClass(ws, kInnerClass, 0,
                         [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
                             return innerProc(ws, hwnd, msg, wParam, lParam);
                         });
    WNDCLASS wc;
    wc.lpszClassName = kHtmlViewerClass;
    wc.hbrBackground = ws.GetStockBrush(WHITE_BRUSH);
    wc.lpfnWndProc = [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        return viewerProc(ws, hwnd, msg, wParam, lParam);
    };
    ws.RegisterClass(wc);
}

}  // namespace orvane::platform
