// Messages, notification codes and records of the HTML viewer control (window class
// "DISPLAYCLASS") with the names and values of the Pocket PC HTML control. All page text is 8-bit.
// Constants and plain records only; the control is platform/controls/html_viewer_control.cpp.
#pragma once

#include "platform/common_controls.h"
#include "platform/window_messages.h"

namespace orvane::platform {

inline constexpr char16_t kHtmlViewerClass[] = u"DISPLAYCLASS";

// Messages to the viewer. DTM_ADDTEXT: wParam FALSE for HTML (TRUE for plain text), lParam a
// NUL-terminated 8-bit text. DTM_ANCHOR: lParam the anchor name (8-bit). DTM_SETIMAGE: lParam an
// INLINEIMAGEINFO*.
inline constexpr UINT DTM_ADDTEXT = WM_USER + 101;
inline constexpr UINT DTM_ADDTEXTW = WM_USER + 102;
inline constexpr UINT DTM_SETIMAGE = WM_USER + 103;
inline constexpr UINT DTM_ENDOFSOURCE = WM_USER + 104;
inline constexpr UINT DTM_ANCHOR = WM_USER + 105;
inline constexpr UINT DTM_ANCHORW = WM_USER + 106;
inline constexpr UINT DTM_IMAGEFAIL = WM_USER + 109;
inline constexpr UINT DTM_CLEAR = WM_USER + 113;
inline constexpr UINT DTM_ENABLECLEARTYPE = WM_USER + 114;
inline constexpr UINT DTM_ENABLESCRIPTING = WM_USER + 115;

// Notifications from the viewer (WM_NOTIFY to its parent, lParam an NM_HTMLVIEW*).
inline constexpr UINT NM_HOTSPOT = WM_USER + 101;
inline constexpr UINT NM_INLINE_IMAGE = WM_USER + 102;
inline constexpr UINT NM_INLINE_SOUND = WM_USER + 103;
inline constexpr UINT NM_TITLE = WM_USER + 104;
inline constexpr UINT NM_META = WM_USER + 105;
inline constexpr UINT NM_DOCUMENTCOMPLETE = WM_USER + 110;

struct NM_HTMLVIEW {
    NMHDR hdr;
    const char* szTarget = nullptr;
    const char* szData = nullptr;
    DWORD dwCookie = 0;
    const char* szExInfo = nullptr;
};

struct INLINEIMAGEINFO {
    DWORD dwCookie = 0;
    int iOrigHeight = 0;
    int iOrigWidth = 0;
    HBITMAP hbm;
    BOOL bOwnBitmap = FALSE;
};

}  // namespace orvane::platform
