// The "SysListView32" control in report view: columns, items with sub-item texts, a small image
// list, item states (selected, focused) and custom draw. User input: a tap on an item takes the
// focus, selects and focuses the item (LVN_ITEMCHANGING/LVN_ITEMCHANGED for each item whose state
// changes, the old item first) and sends NM_CLICK (NMITEMACTIVATE with the item and sub-item
// hit, -1 for none) when released; a double tap (or the driver's activation) sends NM_DBLCLK and
// LVN_ITEMACTIVATE. Every key sends LVN_KEYDOWN first, before the list moves its selection;
// then Up/Down/Home/End move the focused and selected item, and Enter sends NM_RETURN and
// LVN_ITEMACTIVATE. Programmatic changes: LVM_SETITEMSTATE (and LVM_SETITEM with a state) send
// LVN_ITEMCHANGING/LVN_ITEMCHANGED just as user changes do (Win32 does the same);
// LVM_INSERTITEM sends LVN_INSERTITEM; LVM_DELETEITEM sends LVN_DELETEITEM; LVM_DELETEALLITEMS
// sends LVN_DELETEALLITEMS (and LVN_DELETEITEM per item unless the parent answers TRUE); setting
// texts, columns, colours and images sends nothing. Painting sends the NM_CUSTOMDRAW sequence:
// CDDS_PREPAINT; with CDRF_NOTIFYITEMDRAW, CDDS_ITEMPREPAINT per visible item (the handler may
// select a font into the DC and change clrText/clrTextBk); with CDRF_NOTIFYSUBITEMDRAW from that,
// CDDS_ITEMPREPAINT|CDDS_SUBITEM per column. The font and colours decided are kept per cell.
#include <algorithm>

#include "platform/common_controls.h"
#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct Column {
    std::u16string text;
    int width = 0;
    int format = LVCFMT_LEFT;
};

struct Item {
    std::vector<std::u16string> texts;  // index = sub-item
    int image = -1;
    UINT state = 0;
    LPARAM param = 0;
    std::vector<ListViewCellSnapshot> drawn;  // decided at the last paint
};

struct ListViewState final : ControlState {
    std::vector<Column> columns;
    std::vector<Item> items;
    DWORD exStyle = 0;
    HIMAGELIST smallImages;
    // A copy of the small image list's entries, taken when it is set and at each paint.
    ImageListObject images;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF textBkColor = RGB(255, 255, 255);
    int top = 0;
    int itemHeight = 15;
    int headerHeight = 0;
    int countPerPage = 0;
    int pressedItem = -1;
    int pressedSubItem = 0;
    POINT pressedAt;
    FontDescription defaultFont;

    void describe(ControlSnapshot& out) const override {
        out.kind = "listview";
        for (const auto& c : columns) out.columns.push_back({c.text, c.width, c.format});
        for (const auto& item : items) {
            ListViewRowSnapshot row;
            const size_t n = std::max<size_t>(1, columns.size());
            for (size_t i = 0; i < n; ++i) {
                ListViewCellSnapshot cell;
                cell.text = i < item.texts.size() ? item.texts[i] : std::u16string();
                if (i < item.drawn.size()) {
                    cell.font = item.drawn[i].font;
                    cell.textColor = item.drawn[i].textColor;
                    cell.backColor = item.drawn[i].backColor;
                } else {
                    cell.font = defaultFont;
                    cell.textColor = textColor;
                    cell.backColor = textBkColor;
                }
                row.cells.push_back(cell);
            }
            row.image = item.image;
            row.selected = (item.state & LVIS_SELECTED) != 0;
            row.focused = (item.state & LVIS_FOCUSED) != 0;
            row.param = item.param;
            out.rows.push_back(std::move(row));
        }
        out.topIndex = top;
        out.countPerPage = countPerPage;
        for (const ImageListEntry& e : images.images) {
            out.rowImages.push_back(ListViewImageSnapshot{e.bitmapId, e.sourceLeft});
        }
        out.rowImageWidth = images.cx;
        out.rowImageHeight = images.cy;
        out.itemHeight = itemHeight;
        out.selected = -1;
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].state & LVIS_SELECTED) {
                out.selected = static_cast<int>(i);
                break;
            }
        }
    }
};

ListViewState* stateOf(WindowSystem& ws, HWND hwnd) {
    return ControlStateOf<ListViewState>(ws, hwnd);
}

void measure(WindowSystem& ws, HWND hwnd, ListViewState& s) {
    const TEXTMETRIC tm = FontTextMetrics(ws.WindowFontSize(hwnd));
    int imageHeight = 0;
    const ImageListObject* il = ws.ImageListData(s.smallImages);
    s.images = il ? *il : ImageListObject{};
    if (il) imageHeight = il->cy;
    s.itemHeight = std::max<int>(tm.tmHeight, imageHeight) + 2;
    s.headerHeight = (StyleOf(ws, hwnd) & LVS_NOCOLUMNHEADER) ? 0 : tm.tmHeight + 4;
    RECT client;
    ws.GetClientRect(hwnd, &client);
    s.countPerPage = std::max(0, (client.height() - s.headerHeight) / s.itemHeight);
    s.defaultFont =
        ws.DescribeFont(ws.windowData(hwnd)->font ? ws.windowData(hwnd)->font : ws.GetSystemFont());
}

int itemAt(const ListViewState& s, POINT p) {
    if (p.y < s.headerHeight) return -1;
    const int index = s.top + (p.y - s.headerHeight) / s.itemHeight;
    return index < static_cast<int>(s.items.size()) ? index : -1;
}

int subItemAt(const ListViewState& s, int x) {
    int left = 0;
    for (size_t i = 0; i < s.columns.size(); ++i) {
        if (x >= left && x < left + s.columns[i].width) return static_cast<int>(i);
        left += s.columns[i].width;
    }
    return -1;
}

// Changes the state bits of one item, with the notifications; false when vetoed.
bool changeItemState(WindowSystem& ws, HWND hwnd, int index, UINT state, UINT mask) {
    ListViewState* s = stateOf(ws, hwnd);
    if (!s || index < 0 || index >= static_cast<int>(s->items.size())) return false;
    const UINT old = s->items[static_cast<size_t>(index)].state;
    const UINT next = (old & ~mask) | (state & mask);
    if (next == old) return true;
    NMLISTVIEW nm;
    nm.iItem = index;
    nm.uNewState = next;
    nm.uOldState = old;
    nm.uChanged = LVIF_STATE;
    nm.lParam = s->items[static_cast<size_t>(index)].param;
    if (ws.NotifyParent(hwnd, &nm.hdr, LVN_ITEMCHANGING)) return false;
    s = stateOf(ws, hwnd);
    if (!s || index >= static_cast<int>(s->items.size())) return false;
    s->items[static_cast<size_t>(index)].state = next;
    ws.InvalidateRect(hwnd, nullptr, true);
    NMLISTVIEW done = nm;
    ws.NotifyParent(hwnd, &done.hdr, LVN_ITEMCHANGED);
    return true;
}

// Sets state bits on an item (-1: every item) keeping one focused item and, with
// LVS_SINGLESEL, one selected item: the others lose the bit first.
void setItemState(WindowSystem& ws, HWND hwnd, int index, UINT state, UINT mask) {
    ListViewState* s = stateOf(ws, hwnd);
    if (!s) return;
    const int count = static_cast<int>(s->items.size());
    if (index < 0) {
        for (int i = 0; i < count && stateOf(ws, hwnd); ++i)
            changeItemState(ws, hwnd, i, state, mask);
        return;
    }
    UINT exclusive = 0;
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED)) exclusive |= LVIS_FOCUSED;
    if ((mask & LVIS_SELECTED) && (state & LVIS_SELECTED) && (StyleOf(ws, hwnd) & LVS_SINGLESEL)) {
        exclusive |= LVIS_SELECTED;
    }
    if (exclusive) {
        for (int i = 0; i < count; ++i) {
            s = stateOf(ws, hwnd);
            if (!s || i >= static_cast<int>(s->items.size())) break;
            if (i != index && (s->items[static_cast<size_t>(i)].state & exclusive)) {
                changeItemState(ws, hwnd, i, 0, exclusive);
            }
        }
    }
    changeItemState(ws, hwnd, index, state, mask);
}

int focusedItem(const ListViewState& s) {
    for (int i = static_cast<int>(s.items.size()) - 1; i >= 0; --i) {
        if (s.items[static_cast<size_t>(i)].state & LVIS_FOCUSED) return i;
    }
    return -1;
}

void ensureVisible(WindowSystem& ws, HWND hwnd, ListViewState& s, int index) {
    if (StyleOf(ws, hwnd) & LVS_NOSCROLL) return;
    const int rows = std::max(1, s.countPerPage);
    if (index < s.top) s.top = index;
    if (index >= s.top + rows) s.top = index - rows + 1;
    s.top = std::max(0, s.top);
}

void selectByUser(WindowSystem& ws, HWND hwnd, int index) {
    setItemState(ws, hwnd, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (ListViewState* s = stateOf(ws, hwnd)) {
        ensureVisible(ws, hwnd, *s, index);
        ws.InvalidateRect(hwnd, nullptr, true);
    }
}

void activate(WindowSystem& ws, HWND hwnd, int index, UINT firstCode) {
    NMITEMACTIVATE nm;
    nm.iItem = index;
    ws.NotifyParent(hwnd, &nm.hdr, firstCode);
    if (!ws.IsWindow(hwnd)) return;
    NMITEMACTIVATE act;
    act.iItem = index;
    ws.NotifyParent(hwnd, &act.hdr, LVN_ITEMACTIVATE);
}

void paint(WindowSystem& ws, HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    ListViewState* s = stateOf(ws, hwnd);
    if (s) {
        const ImageListObject* il = ws.ImageListData(s->smallImages);
        s->images = il ? *il : ImageListObject{};
    }
    if (!s) {
        ws.EndPaint(hwnd, &ps);
        return;
    }
    measure(ws, hwnd, *s);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    HBRUSH back = ws.CreateSolidBrush(s->bkColor);
    ws.FillRect(dc, client, back);
    ws.DeleteObject(back);
    const HFONT baseFont = ws.DcFont(dc);
    NMLVCUSTOMDRAW pre;
    pre.nmcd.dwDrawStage = CDDS_PREPAINT;
    pre.nmcd.hdc = dc;
    pre.nmcd.rc = client;
    const LRESULT preResult = ws.NotifyParent(hwnd, &pre.nmcd.hdr, NM_CUSTOMDRAW);
    s = stateOf(ws, hwnd);
    if (!s) {
        ws.EndPaint(hwnd, &ps);
        return;
    }
    ws.SetBkMode(dc, TRANSPARENT);
    if (s->headerHeight > 0) {
        int left = 0;
        for (const auto& c : s->columns) {
            RECT r{left, 0, left + c.width, s->headerHeight};
            ws.SelectObject(dc, ws.GetStockBrush(LTGRAY_BRUSH));
            ws.Rectangle(dc, r.left, r.top, r.right, r.bottom);
            r.left += 2;
            ws.DrawText(dc, c.text, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            left += c.width;
        }
    }
    const bool focused = ws.GetFocus() == hwnd;
    const bool showSel = focused || (StyleOf(ws, hwnd) & LVS_SHOWSELALWAYS);
    const size_t columns = std::max<size_t>(1, s->columns.size());
    for (int i = s->top; i < static_cast<int>(s->items.size()); ++i) {
        const int y = s->headerHeight + (i - s->top) * s->itemHeight;
        if (y >= client.bottom) break;
        const RECT rowRect{0, y, client.right, y + s->itemHeight};
        ws.SelectObject(dc, baseFont);
        NMLVCUSTOMDRAW item;
        item.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        item.nmcd.hdc = dc;
        item.nmcd.rc = rowRect;
        item.nmcd.dwItemSpec = static_cast<UINT_PTR>(i);
        item.nmcd.uItemState =
            ((s->items[static_cast<size_t>(i)].state & LVIS_SELECTED) ? CDIS_SELECTED : 0) |
            ((s->items[static_cast<size_t>(i)].state & LVIS_FOCUSED) ? CDIS_FOCUS : 0);
        item.nmcd.lItemlParam = s->items[static_cast<size_t>(i)].param;
        item.clrText = s->textColor;
        item.clrTextBk = s->textBkColor;
        LRESULT itemResult = CDRF_DODEFAULT;
        if (preResult & CDRF_NOTIFYITEMDRAW) {
            itemResult = ws.NotifyParent(hwnd, &item.nmcd.hdr, NM_CUSTOMDRAW);
            s = stateOf(ws, hwnd);
            if (!s || i >= static_cast<int>(s->items.size())) break;
        }
        Item& it = s->items[static_cast<size_t>(i)];
        it.drawn.assign(columns, ListViewCellSnapshot{});
        const bool selected = showSel && (it.state & LVIS_SELECTED);
        const bool fullRow = (s->exStyle & LVS_EX_FULLROWSELECT) != 0;
        int left = 0;
        const HFONT itemFont = ws.DcFont(dc);
        for (size_t c = 0; c < columns; ++c) {
            const int width = c < s->columns.size() ? s->columns[c].width : client.right;
            COLORREF text = item.clrText;
            COLORREF bk = item.clrTextBk;
            ws.SelectObject(dc, itemFont);
            if (itemResult & CDRF_NOTIFYSUBITEMDRAW) {
                NMLVCUSTOMDRAW sub = item;
                sub.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
                sub.iSubItem = static_cast<int>(c);
                sub.nmcd.rc = RECT{left, y, left + width, y + s->itemHeight};
                ws.NotifyParent(hwnd, &sub.nmcd.hdr, NM_CUSTOMDRAW);
                s = stateOf(ws, hwnd);
                if (!s || i >= static_cast<int>(s->items.size())) break;
                text = sub.clrText;
                bk = sub.clrTextBk;
            }
            Item& cur = s->items[static_cast<size_t>(i)];
            cur.drawn[c].font = ws.DescribeFont(ws.DcFont(dc));
            cur.drawn[c].textColor = text;
            cur.drawn[c].backColor = bk;
            RECT cell{left, y, left + width, y + s->itemHeight};
            const bool highlight = selected && (c == 0 || fullRow);
            HBRUSH fill = ws.CreateSolidBrush(highlight ? RGB(0, 0, 128) : bk);
            ws.FillRect(dc, cell, fill);
            ws.DeleteObject(fill);
            int textLeft = cell.left + 2;
            if (c == 0) {
                if (const ImageListObject* il = ws.ImageListData(s->smallImages)) {
                    const int image = cur.image;
                    if (image >= 0 && image < static_cast<int>(il->images.size())) {
                        HBITMAP bmp = ws.LoadBitmap(
                            HINSTANCE{}, il->images[static_cast<size_t>(image)].bitmapId);
                        if (bmp) {
                            HDC mem = ws.CreateCompatibleDC(dc);
                            ws.SelectObject(mem, bmp);
                            ws.BitBlt(
                                dc, cell.left + 1, y + (s->itemHeight - il->cy) / 2, il->cx, il->cy,
                                mem, il->images[static_cast<size_t>(image)].sourceLeft, 0, SRCCOPY);
                            ws.DeleteDC(mem);
                            ws.DeleteObject(bmp);
                        }
                    }
                    textLeft += il->cx + 2;
                }
            }
            ws.SetTextColor(dc, highlight ? RGB(255, 255, 255) : text);
            RECT textRect{textLeft, y, cell.right - 2, y + s->itemHeight};
            const std::u16string& label = c < cur.texts.size() ? cur.texts[c] : std::u16string();
            const int fmt = c < s->columns.size() ? s->columns[c].format : LVCFMT_LEFT;
            UINT align = fmt == LVCFMT_RIGHT    ? DT_RIGHT
                         : fmt == LVCFMT_CENTER ? DT_CENTER
                                                : DT_LEFT;
            ws.DrawText(dc, label, &textRect,
                        align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            left += width;
        }
    }
    ws.EndPaint(hwnd, &ps);
}

void copyText(const std::u16string& text, LVITEM* item) {
    if (!item->pszText || item->cchTextMax <= 0) return;
    const size_t n = std::min<size_t>(text.size(), static_cast<size_t>(item->cchTextMax - 1));
    std::copy_n(text.begin(), n, item->pszText);
    item->pszText[n] = 0;
}

LRESULT proc(WindowSystem& ws, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ListViewState* s = stateOf(ws, hwnd);
    const int count = s ? static_cast<int>(s->items.size()) : 0;
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (msg) {
        case WM_CREATE:
            ws.windowData(hwnd)->control = std::make_unique<ListViewState>();
            measure(ws, hwnd, *stateOf(ws, hwnd));
            return 0;
        case WM_SIZE:
        case WM_SETFONT:
            if (msg == WM_SETFONT) ws.DefWindowProc(hwnd, msg, wParam, lParam);
            if (s) measure(ws, hwnd, *s);
            return 0;
        case LVM_INSERTCOLUMN: {
            const auto* col = reinterpret_cast<const LVCOLUMN*>(lParam);
            if (!s || !col) return -1;
            Column c;
            if (col->mask & LVCF_TEXT && col->pszText) c.text = col->pszText;
            if (col->mask & LVCF_WIDTH) c.width = col->cx;
            if (col->mask & LVCF_FMT) c.format = col->fmt;
            const int at = std::clamp(index, 0, static_cast<int>(s->columns.size()));
            s->columns.insert(s->columns.begin() + at, c);
            for (auto& item : s->items) {
                if (at > 0 && static_cast<size_t>(at) <= item.texts.size()) {
                    item.texts.insert(item.texts.begin() + at, std::u16string());
                }
            }
            ws.InvalidateRect(hwnd, nullptr, true);
            return at;
        }
        case LVM_SETCOLUMNWIDTH:
            if (!s || index < 0 || index >= static_cast<int>(s->columns.size())) return FALSE;
            s->columns[static_cast<size_t>(index)].width = static_cast<int>(lParam);
            ws.InvalidateRect(hwnd, nullptr, true);
            return TRUE;
        case LVM_INSERTITEM: {
            const auto* in = reinterpret_cast<const LVITEM*>(lParam);
            if (!s || !in || in->iSubItem != 0) return -1;
            Item item;
            item.texts.push_back((in->mask & LVIF_TEXT) && in->pszText ? std::u16string(in->pszText)
                                                                       : std::u16string());
            if (in->mask & LVIF_IMAGE) item.image = in->iImage;
            if (in->mask & LVIF_PARAM) item.param = in->lParam;
            const UINT state = (in->mask & LVIF_STATE) ? (in->state & in->stateMask) : 0;
            const int at = std::clamp(in->iItem, 0, count);
            s->items.insert(s->items.begin() + at, item);
            ws.InvalidateRect(hwnd, nullptr, true);
            NMLISTVIEW nm;
            nm.iItem = at;
            ws.NotifyParent(hwnd, &nm.hdr, LVN_INSERTITEM);
            if (state) setItemState(ws, hwnd, at, state, state);
            return at;
        }
        case LVM_SETITEM: {
            const auto* in = reinterpret_cast<const LVITEM*>(lParam);
            if (!s || !in || in->iItem < 0 || in->iItem >= count) return FALSE;
            Item& item = s->items[static_cast<size_t>(in->iItem)];
            if ((in->mask & LVIF_TEXT) && in->iSubItem >= 0) {
                if (item.texts.size() <= static_cast<size_t>(in->iSubItem))
                    item.texts.resize(static_cast<size_t>(in->iSubItem) + 1);
                item.texts[static_cast<size_t>(in->iSubItem)] = in->pszText ? in->pszText : u"";
            }
            if (in->iSubItem == 0) {
                if (in->mask & LVIF_IMAGE) item.image = in->iImage;
                if (in->mask & LVIF_PARAM) item.param = in->lParam;
            }
            ws.InvalidateRect(hwnd, nullptr, true);
            if ((in->mask & LVIF_STATE) && in->iSubItem == 0)
                setItemState(ws, hwnd, in->iItem, in->state, in->stateMask);
            return TRUE;
        }
        case LVM_SETITEMTEXT: {
            const auto* in = reinterpret_cast<const LVITEM*>(lParam);
            if (!s || !in || index < 0 || index >= count || in->iSubItem < 0) return FALSE;
            Item& item = s->items[static_cast<size_t>(index)];
            if (item.texts.size() <= static_cast<size_t>(in->iSubItem))
                item.texts.resize(static_cast<size_t>(in->iSubItem) + 1);
            item.texts[static_cast<size_t>(in->iSubItem)] = in->pszText ? in->pszText : u"";
            ws.InvalidateRect(hwnd, nullptr, true);
            return TRUE;
        }
        case LVM_GETITEMTEXT: {
            auto* out = reinterpret_cast<LVITEM*>(lParam);
            if (!s || !out || index < 0 || index >= count) return 0;
            const Item& item = s->items[static_cast<size_t>(index)];
            const std::u16string text = static_cast<size_t>(out->iSubItem) < item.texts.size()
                                            ? item.texts[static_cast<size_t>(out->iSubItem)]
                                            : std::u16string();
            copyText(text, out);
            return static_cast<LRESULT>(std::min<size_t>(
                text.size(), static_cast<size_t>(std::max(0, out->cchTextMax - 1))));
        }
        case LVM_GETITEM: {
            auto* out = reinterpret_cast<LVITEM*>(lParam);
            if (!s || !out || out->iItem < 0 || out->iItem >= count) return FALSE;
            const Item& item = s->items[static_cast<size_t>(out->iItem)];
            if (out->mask & LVIF_TEXT) {
                copyText(static_cast<size_t>(out->iSubItem) < item.texts.size()
                             ? item.texts[static_cast<size_t>(out->iSubItem)]
                             : std::u16string(),
                         out);
            }
            if (out->mask & LVIF_IMAGE) out->iImage = item.image;
            if (out->mask & LVIF_PARAM) out->lParam = item.param;
            if (out->mask & LVIF_STATE) out->state = item.state & out->stateMask;
            return TRUE;
        }
        case LVM_DELETEITEM: {
            if (!s || index < 0 || index >= count) return FALSE;
            NMLISTVIEW nm;
            nm.iItem = index;
            nm.lParam = s->items[static_cast<size_t>(index)].param;
            ws.NotifyParent(hwnd, &nm.hdr, LVN_DELETEITEM);
            s = stateOf(ws, hwnd);
            if (!s || index >= static_cast<int>(s->items.size())) return FALSE;
            s->items.erase(s->items.begin() + index);
            ws.InvalidateRect(hwnd, nullptr, true);
            return TRUE;
        }
        case LVM_DELETEALLITEMS: {
            if (!s) return FALSE;
            NMLISTVIEW all;
            all.iItem = -1;
            const bool quiet = ws.NotifyParent(hwnd, &all.hdr, LVN_DELETEALLITEMS) != 0;
            s = stateOf(ws, hwnd);
            if (!s) return FALSE;
            if (!quiet) {
                for (int i = 0; i < static_cast<int>(s->items.size()); ++i) {
                    NMLISTVIEW nm;
                    nm.iItem = i;
                    nm.lParam = s->items[static_cast<size_t>(i)].param;
                    ws.NotifyParent(hwnd, &nm.hdr, LVN_DELETEITEM);
                    s = stateOf(ws, hwnd);
                    if (!s) return FALSE;
                }
            }
            s->items.clear();
            s->top = 0;
            ws.InvalidateRect(hwnd, nullptr, true);
            return TRUE;
        }
        case LVM_GETITEMCOUNT:
            return count;
        case LVM_GETNEXTITEM: {
            if (!s) return -1;
            const UINT flags = static_cast<UINT>(lParam);
            for (int i = index + 1; i < count; ++i) {
                const UINT st = s->items[static_cast<size_t>(i)].state;
                if (flags == LVNI_ALL) return i;
                if ((flags & LVNI_FOCUSED) && !(st & LVIS_FOCUSED)) continue;
                if ((flags & LVNI_SELECTED) && !(st & LVIS_SELECTED)) continue;
                return i;
            }
            return -1;
        }
        case LVM_SETITEMSTATE: {
            const auto* in = reinterpret_cast<const LVITEM*>(lParam);
            if (!s || !in || index >= count) return FALSE;
            setItemState(ws, hwnd, index, in->state, in->stateMask);
            return TRUE;
        }
        case LVM_GETITEMSTATE:
            if (!s || index < 0 || index >= count) return 0;
            return static_cast<LRESULT>(s->items[static_cast<size_t>(index)].state &
                                        static_cast<UINT>(lParam));
        case LVM_GETCOUNTPERPAGE:
            if (!s) return 0;
            measure(ws, hwnd, *s);
            return s->countPerPage;
        case LVM_GETTOPINDEX:
            return s ? s->top : 0;
        case LVM_ENSUREVISIBLE:
            if (s && index >= 0 && index < count) {
                ensureVisible(ws, hwnd, *s, index);
                ws.InvalidateRect(hwnd, nullptr, true);
            }
            return TRUE;
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            if (!s) return 0;
            const DWORD old = s->exStyle;
            const DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
            s->exStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
            return static_cast<LRESULT>(old);
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            return s ? static_cast<LRESULT>(s->exStyle) : 0;
        case LVM_SETIMAGELIST: {
            if (!s) return 0;
            HIMAGELIST old = s->smallImages;
            s->smallImages = HIMAGELIST(static_cast<uint32_t>(lParam));
            measure(ws, hwnd, *s);
            ws.InvalidateRect(hwnd, nullptr, true);
            return static_cast<LRESULT>(old.value());
        }
        case LVM_SETBKCOLOR:
            if (s) s->bkColor = static_cast<COLORREF>(lParam);
            return TRUE;
        case LVM_SETTEXTCOLOR:
            if (s) s->textColor = static_cast<COLORREF>(lParam);
            return TRUE;
        case LVM_SETTEXTBKCOLOR:
            if (s) s->textBkColor = static_cast<COLORREF>(lParam);
            return TRUE;
        case LVM_GETITEMRECT: {
            auto* r = reinterpret_cast<RECT*>(lParam);
            if (!s || !r || index < 0 || index >= count) return FALSE;
            RECT client;
            ws.GetClientRect(hwnd, &client);
            const int y = s->headerHeight + (index - s->top) * s->itemHeight;
            *r = RECT{0, y, client.right, y + s->itemHeight};
            return TRUE;
        }
        case LVM_HITTEST:
        case LVM_SUBITEMHITTEST: {
            auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
            if (!s || !info) return -1;
            info->iItem = itemAt(*s, info->pt);
            info->iSubItem = info->iItem >= 0 ? std::max(0, subItemAt(*s, info->pt.x)) : 0;
            info->flags = info->iItem >= 0 ? LVHT_ONITEM : LVHT_NOWHERE;
            return info->iItem;
        }
        case WM_ORVANE_CHOOSE:
            if (s && index >= 0 && index < count) {
                ws.SetFocus(hwnd);
                selectByUser(ws, hwnd, index);
                NMITEMACTIVATE nm;
                nm.iItem = index;
                ws.NotifyParent(hwnd, &nm.hdr, NM_CLICK);
            }
            return 0;
        case WM_ORVANE_ACTIVATE:
            if (s && index >= 0 && index < count) {
                ws.SetFocus(hwnd);
                selectByUser(ws, hwnd, index);
                activate(ws, hwnd, index, NM_DBLCLK);
            }
            return 0;
        case WM_LBUTTONDOWN: {
            if (!s) return 0;
            ws.SetFocus(hwnd);
            s = stateOf(ws, hwnd);
            if (!s) return 0;
            const POINT p = PointFromLParam(lParam);
            const int hit = itemAt(*s, p);
            s->pressedItem = hit;
            s->pressedSubItem = hit >= 0 ? std::max(0, subItemAt(*s, p.x)) : 0;
            s->pressedAt = p;
            if (hit >= 0) {
                selectByUser(ws, hwnd, hit);
            } else {
                setItemState(ws, hwnd, -1, 0, LVIS_SELECTED);
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            if (!s) return 0;
            NMITEMACTIVATE nm;
            nm.iItem = s->pressedItem;
            nm.iSubItem = s->pressedSubItem;
            nm.ptAction = s->pressedAt;
            ws.NotifyParent(hwnd, &nm.hdr, NM_CLICK);
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            if (!s) return 0;
            const int hit = itemAt(*s, PointFromLParam(lParam));
            if (hit >= 0) activate(ws, hwnd, hit, NM_DBLCLK);
            return 0;
        }
        case WM_KEYDOWN: {
            if (!s) return 0;
            NMLVKEYDOWN kd;
            kd.wVKey = static_cast<WORD>(wParam);
            ws.NotifyParent(hwnd, &kd.hdr, LVN_KEYDOWN);
            s = stateOf(ws, hwnd);
            if (!s || s->items.empty()) return 0;
            const int n = static_cast<int>(s->items.size());
            const int focus = focusedItem(*s);
            switch (wParam) {
                case VK_DOWN:
                    selectByUser(ws, hwnd, std::min(n - 1, focus + 1));
                    break;
                case VK_UP:
                    selectByUser(ws, hwnd, std::max(0, focus < 0 ? 0 : focus - 1));
                    break;
                case VK_HOME:
                    selectByUser(ws, hwnd, 0);
                    break;
                case VK_END:
                    selectByUser(ws, hwnd, n - 1);
                    break;
                case VK_RETURN: {
                    NMHDR ret;
                    ws.NotifyParent(hwnd, &ret, NM_RETURN);
                    if (ws.IsWindow(hwnd)) {
                        NMITEMACTIVATE act;
                        act.iItem = focus;
                        ws.NotifyParent(hwnd, &act.hdr, LVN_ITEMACTIVATE);
                    }
                    break;
                }
                default:
                    break;
            }
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            ws.InvalidateRect(hwnd, nullptr, true);
            NMHDR nm;
            ws.NotifyParent(hwnd, &nm, msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
            return 0;
        }
        case WM_PAINT:
            paint(ws, hwnd);
            return 0;
    }
    return ws.DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterListViewControl(WindowSystem& ws) {
    RegisterControlClass(ws, kListViewClass, CS_DBLCLKS,
                         [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
                             return proc(ws, hwnd, msg, wParam, lParam);
                         });
}

}  // namespace orvane::platform
