// Styles, messages, notification codes and records of the common controls SysListView32 (report
// view with custom draw) and SysMonthCal32, and the shared notification header, with the Win32
// names and values. Constants and plain records only.
#pragma once

#include <string>

#include "platform/win_types.h"

namespace orvane::platform {

struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// Generic notification codes (negative numbers in an unsigned code, as in Win32).
inline constexpr UINT NM_CLICK = 0u - 2u;
inline constexpr UINT NM_DBLCLK = 0u - 3u;
inline constexpr UINT NM_RETURN = 0u - 4u;
inline constexpr UINT NM_SETFOCUS = 0u - 7u;
inline constexpr UINT NM_KILLFOCUS = 0u - 8u;
inline constexpr UINT NM_CUSTOMDRAW = 0u - 12u;

// List view styles.
inline constexpr DWORD LVS_ICON = 0x0000;
inline constexpr DWORD LVS_REPORT = 0x0001;
inline constexpr DWORD LVS_SINGLESEL = 0x0004;
inline constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
inline constexpr DWORD LVS_ALIGNLEFT = 0x0800;
inline constexpr DWORD LVS_NOSCROLL = 0x2000;
inline constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;

// List view messages (LVM_FIRST = 0x1000).
inline constexpr UINT LVM_SETBKCOLOR = 0x1001;
inline constexpr UINT LVM_SETIMAGELIST = 0x1003;
inline constexpr UINT LVM_GETITEMCOUNT = 0x1004;
inline constexpr UINT LVM_GETITEM = 0x1005;
inline constexpr UINT LVM_SETITEM = 0x1006;
inline constexpr UINT LVM_INSERTITEM = 0x1007;
inline constexpr UINT LVM_DELETEITEM = 0x1008;
inline constexpr UINT LVM_DELETEALLITEMS = 0x1009;
inline constexpr UINT LVM_GETNEXTITEM = 0x100C;
inline constexpr UINT LVM_GETITEMRECT = 0x100E;
inline constexpr UINT LVM_HITTEST = 0x1012;
inline constexpr UINT LVM_ENSUREVISIBLE = 0x1013;
inline constexpr UINT LVM_INSERTCOLUMN = 0x101B;
inline constexpr UINT LVM_SETCOLUMNWIDTH = 0x101E;
inline constexpr UINT LVM_SETTEXTCOLOR = 0x1024;
inline constexpr UINT LVM_SETTEXTBKCOLOR = 0x1026;
inline constexpr UINT LVM_GETTOPINDEX = 0x1027;
inline constexpr UINT LVM_GETCOUNTPERPAGE = 0x1028;
inline constexpr UINT LVM_SETITEMSTATE = 0x102B;
inline constexpr UINT LVM_GETITEMSTATE = 0x102C;
inline constexpr UINT LVM_GETITEMTEXT = 0x102D;
inline constexpr UINT LVM_SETITEMTEXT = 0x102E;
inline constexpr UINT LVM_SUBITEMHITTEST = 0x1039;
inline constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = 0x1036;
inline constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = 0x1037;

inline constexpr int LVSIL_SMALL = 1;

inline constexpr UINT LVIF_TEXT = 0x0001;
inline constexpr UINT LVIF_IMAGE = 0x0002;
inline constexpr UINT LVIF_PARAM = 0x0004;
inline constexpr UINT LVIF_STATE = 0x0008;
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
inline constexpr UINT LVNI_ALL = 0x0000;
inline constexpr UINT LVNI_FOCUSED = 0x0001;
inline constexpr UINT LVNI_SELECTED = 0x0002;
inline constexpr int LVIR_BOUNDS = 0;

inline constexpr UINT LVCF_FMT = 0x0001;
inline constexpr UINT LVCF_WIDTH = 0x0002;
inline constexpr UINT LVCF_TEXT = 0x0004;
inline constexpr UINT LVCF_SUBITEM = 0x0008;
inline constexpr int LVCFMT_LEFT = 0x0000;
inline constexpr int LVCFMT_RIGHT = 0x0001;
inline constexpr int LVCFMT_CENTER = 0x0002;

struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    // Text in (LVIF_TEXT with set/insert) and out (get: copied to pszText up to cchTextMax).
    char16_t* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
};

struct LVCOLUMN {
    UINT mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    const char16_t* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
};

inline constexpr UINT LVHT_NOWHERE = 0x0001;
inline constexpr UINT LVHT_ONITEM = 0x000E;
struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};

// List view notifications (LVN_FIRST = -100).
inline constexpr UINT LVN_ITEMCHANGING = 0u - 100u;
inline constexpr UINT LVN_ITEMCHANGED = 0u - 101u;
inline constexpr UINT LVN_INSERTITEM = 0u - 102u;
inline constexpr UINT LVN_DELETEITEM = 0u - 103u;
inline constexpr UINT LVN_DELETEALLITEMS = 0u - 104u;
inline constexpr UINT LVN_ITEMACTIVATE = 0u - 114u;
inline constexpr UINT LVN_KEYDOWN = 0u - 155u;

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};

// Custom draw.
inline constexpr DWORD CDDS_PREPAINT = 0x00000001;
inline constexpr DWORD CDDS_POSTPAINT = 0x00000002;
inline constexpr DWORD CDDS_ITEM = 0x00010000;
inline constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
inline constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
inline constexpr DWORD CDDS_SUBITEM = 0x00020000;
inline constexpr LRESULT CDRF_DODEFAULT = 0x00;
inline constexpr LRESULT CDRF_NEWFONT = 0x02;
inline constexpr LRESULT CDRF_SKIPDEFAULT = 0x04;
inline constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x10;
inline constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;
inline constexpr LRESULT CDRF_NOTIFYSUBITEMDRAW = 0x20;
inline constexpr UINT CDIS_SELECTED = 0x0001;
inline constexpr UINT CDIS_FOCUS = 0x0010;

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage = 0;
    HDC hdc;
    RECT rc;
    UINT_PTR dwItemSpec = 0;
    UINT uItemState = 0;
    LPARAM lItemlParam = 0;
};

struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText = 0;
    COLORREF clrTextBk = 0;
    int iSubItem = 0;
};

// Month calendar (MCM_FIRST = 0x1000, MCN_FIRST = -750).
inline constexpr UINT MCM_GETCURSEL = 0x1001;
inline constexpr UINT MCM_SETCURSEL = 0x1002;
inline constexpr UINT MCN_SELCHANGE = 0u - 749u;
inline constexpr UINT MCN_SELECT = 0u - 746u;
struct NMSELCHANGE {
    NMHDR nmhdr;
    SYSTEMTIME stSelStart;
    SYSTEMTIME stSelEnd;
};

// Class names of the standard and common controls.
inline constexpr char16_t kStaticClass[] = u"Static";
inline constexpr char16_t kButtonClass[] = u"Button";
inline constexpr char16_t kEditClass[] = u"Edit";
inline constexpr char16_t kComboBoxClass[] = u"ComboBox";
inline constexpr char16_t kListBoxClass[] = u"ListBox";
inline constexpr char16_t kScrollBarClass[] = u"ScrollBar";
inline constexpr char16_t kListViewClass[] = u"SysListView32";
inline constexpr char16_t kMonthCalClass[] = u"SysMonthCal32";

}  // namespace orvane::platform
