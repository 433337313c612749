// Device contexts and drawing of the window system: everything drawn on a window's DC is
// recorded into the window's display list.
#include <algorithm>

#include "platform/window_system.h"

namespace orvane::platform {

WindowSystem::DeviceContext* WindowSystem::dcOf(HDC dc) {
    auto it = dcs_.find(dc.value());
    return it == dcs_.end() ? nullptr : &it->second;
}

const WindowSystem::DeviceContext* WindowSystem::dcOf(HDC dc) const {
    auto it = dcs_.find(dc.value());
    return it == dcs_.end() ? nullptr : &it->second;
}

HDC WindowSystem::BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = find(hwnd);
    if (!w) return HDC{};
    w->paintBegun = true;
    const RECT update = w->needsPaint ? w->invalid : RECT{};
    const bool erase = w->needsErase;
    w->invalid = RECT{};
    w->needsPaint = false;
    w->needsErase = false;
    if (!update.empty() && update.containsRect(clientArea(*w))) w->display.clear();
    HDC dc = GetDC(hwnd);
    dcOf(dc)->paint = true;
    BOOL erased = FALSE;
    if (erase) erased = SendMessage(hwnd, WM_ERASEBKGND, dc.value(), 0) != 0 ? TRUE : FALSE;
    if (ps) {
        ps->hdc = dc;
        ps->rcPaint = update;
        ps->fErase = erase && !erased ? TRUE : FALSE;
    }
    return dc;
}

bool WindowSystem::EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps) return false;
    return ReleaseDC(hwnd, ps->hdc) != 0;
}

HDC WindowSystem::GetDC(HWND hwnd) {
    if (hwnd && !find(hwnd)) return HDC{};
    HDC dc(nextDcId_++);
    DeviceContext d;
    d.hwnd = hwnd;
    d.font = gdi_.systemFont();
    if (const Window* w = find(hwnd); w && w->font) d.font = w->font;
    d.pen = gdi_.stockPen(BLACK_PEN);
    d.brush = gdi_.stockBrush(WHITE_BRUSH);
    dcs_[dc.value()] = d;
    return dc;
}

int WindowSystem::ReleaseDC(HWND, HDC dc) {
    return dcs_.erase(dc.value()) > 0 ? 1 : 0;
}

HDC WindowSystem::CreateCompatibleDC(HDC) {
    HDC dc(nextDcId_++);
    DeviceContext d;
    d.memory = true;
    d.font = gdi_.systemFont();
    d.pen = gdi_.stockPen(BLACK_PEN);
    d.brush = gdi_.stockBrush(WHITE_BRUSH);
    dcs_[dc.value()] = d;
    return dc;
}

bool WindowSystem::DeleteDC(HDC dc) {
    return dcs_.erase(dc.value()) > 0;
}

HWND WindowSystem::WindowFromDC(HDC dc) const {
    const DeviceContext* d = dcOf(dc);
    return d ? d->hwnd : HWND{};
}

HFONT WindowSystem::CreateFontIndirect(const LOGFONT& font) {
    return gdi_.createFont(font);
}
HPEN WindowSystem::CreatePen(int style, int width, COLORREF color) {
    return gdi_.createPen(style, width, color);
}
HBRUSH WindowSystem::CreateSolidBrush(COLORREF color) {
    return gdi_.createBrush(color);
}

HFONT WindowSystem::SelectObject(HDC dc, HFONT font) {
    DeviceContext* d = dcOf(dc);
    if (!d || !gdi_.font(font)) return HFONT{};
    HFONT old = d->font;
    d->font = font;
    return old;
}

HPEN WindowSystem::SelectObject(HDC dc, HPEN pen) {
    DeviceContext* d = dcOf(dc);
    if (!d || !gdi_.pen(pen)) return HPEN{};
    HPEN old = d->pen;
    d->pen = pen;
    return old;
}

HBRUSH WindowSystem::SelectObject(HDC dc, HBRUSH brush) {
    DeviceContext* d = dcOf(dc);
    if (!d || !gdi_.brush(brush)) return HBRUSH{};
    HBRUSH old = d->brush;
    d->brush = brush;
    return old;
}

HBITMAP WindowSystem::SelectObject(HDC dc, HBITMAP bitmap) {
    DeviceContext* d = dcOf(dc);
    if (!d || !d->memory || !gdi_.bitmap(bitmap)) return HBITMAP{};
    HBITMAP old = d->bitmap;
    d->bitmap = bitmap;
    return old;
}

bool WindowSystem::DeleteObject(HFONT font) {
    return gdi_.destroy(font);
}
bool WindowSystem::DeleteObject(HPEN pen) {
    return gdi_.destroy(pen);
}
bool WindowSystem::DeleteObject(HBRUSH brush) {
    return gdi_.destroy(brush);
}
bool WindowSystem::DeleteObject(HBITMAP bitmap) {
    return gdi_.destroy(bitmap);
}

bool WindowSystem::GetObject(HFONT font, LOGFONT* out) const {
    const FontObject* f = gdi_.font(font);
    if (!f || !out) return false;
    *out = f->log;
    return true;
}

HFONT WindowSystem::DcFont(HDC dc) const {
    const DeviceContext* d = dcOf(dc);
    return d ? d->font : HFONT{};
}
COLORREF WindowSystem::DcTextColor(HDC dc) const {
    const DeviceContext* d = dcOf(dc);
    return d ? d->textColor : 0;
}
COLORREF WindowSystem::DcBkColor(HDC dc) const {
    const DeviceContext* d = dcOf(dc);
    return d ? d->bkColor : 0;
}

bool WindowSystem::GetTextMetrics(HDC dc, TEXTMETRIC* tm) const {
    const DeviceContext* d = dcOf(dc);
    if (!d || !tm) return false;
    const FontObject* f = gdi_.font(d->font);
    if (!f) return false;
    *tm = FontTextMetrics(f->size);
    return true;
}

bool WindowSystem::GetTextExtentPoint32(HDC dc, std::u16string_view text, SIZE* size) const {
    const DeviceContext* d = dcOf(dc);
    if (!d || !size) return false;
    const FontObject* f = gdi_.font(d->font);
    if (!f) return false;
    size->cx = MeasureText(text, f->size);
    size->cy = FontTextMetrics(f->size).tmHeight;
    return true;
}

COLORREF WindowSystem::SetTextColor(HDC dc, COLORREF color) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0;
    COLORREF old = d->textColor;
    d->textColor = color;
    return old;
}

COLORREF WindowSystem::SetBkColor(HDC dc, COLORREF color) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0;
    COLORREF old = d->bkColor;
    d->bkColor = color;
    return old;
}

int WindowSystem::SetBkMode(HDC dc, int mode) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0;
    int old = d->bkMode;
    d->bkMode = mode;
    return old;
}

RECT WindowSystem::dcClip(const DeviceContext& dc) const {
    const Window* w = find(dc.hwnd);
    return w ? clientArea(*w) : RECT{};
}

void WindowSystem::record(HDC dc, DrawCommand command) {
    const DeviceContext* d = dcOf(dc);
    if (!d || d->memory) return;
    Window* w = find(d->hwnd);
    if (!w) return;
    command.bounds = IntersectRect(command.bounds, clientArea(*w));
    w->display.add(std::move(command));
}

int WindowSystem::FillRect(HDC dc, const RECT& rect, HBRUSH brush) {
    const BrushObject* b = gdi_.brush(brush);
    if (!dcOf(dc) || !b) return 0;
    if (b->null || rect.empty()) return 1;
    DrawCommand c;
    c.kind = DrawKind::FillRect;
    c.rect = rect;
    c.filled = true;
    c.fillColor = b->color;
    c.bounds = rect;
    record(dc, std::move(c));
    return 1;
}

bool WindowSystem::Rectangle(HDC dc, int left, int top, int right, int bottom) {
    const DeviceContext* d = dcOf(dc);
    if (!d) return false;
    const PenObject* pen = gdi_.pen(d->pen);
    const BrushObject* brush = gdi_.brush(d->brush);
    DrawCommand c;
    c.kind = DrawKind::Rectangle;
    c.rect = RECT{left, top, right, bottom};
    c.filled = brush && !brush->null;
    c.fillColor = brush ? brush->color : 0;
    c.outlined = pen && pen->style != PS_NULL;
    c.lineColor = pen ? pen->color : 0;
    c.lineWidth = pen ? pen->width : 1;
    c.bounds = c.rect;
    record(dc, std::move(c));
    return true;
}

bool WindowSystem::MoveToEx(HDC dc, int x, int y, POINT* previous) {
    DeviceContext* d = dcOf(dc);
    if (!d) return false;
    if (previous) *previous = d->current;
    d->current = POINT{x, y};
    return true;
}

bool WindowSystem::LineTo(HDC dc, int x, int y) {
    DeviceContext* d = dcOf(dc);
    if (!d) return false;
    const PenObject* pen = gdi_.pen(d->pen);
    DrawCommand c;
    c.kind = DrawKind::Line;
    c.rect = RECT{d->current.x, d->current.y, x, y};
    c.outlined = pen && pen->style != PS_NULL;
    c.lineColor = pen ? pen->color : 0;
    c.lineWidth = pen ? pen->width : 1;
    c.bounds = RECT{std::min(d->current.x, x), std::min(d->current.y, y),
                    std::max(d->current.x, x) + 1, std::max(d->current.y, y) + 1};
    d->current = POINT{x, y};
    if (c.outlined) record(dc, std::move(c));
    return true;
}

bool WindowSystem::TextOut(HDC dc, int x, int y, std::u16string_view text) {
    const DeviceContext* d = dcOf(dc);
    if (!d) return false;
    const FontObject* f = gdi_.font(d->font);
    DrawCommand c;
    c.kind = DrawKind::Text;
    c.text = std::u16string(text);
    c.origin = POINT{x, y};
    c.textWidth = MeasureText(text, f->size);
    c.font = DescribeFont(d->font);
    c.rect = RECT{x, y, x + c.textWidth, y + c.font.lineHeight};
    c.textColor = d->textColor;
    c.opaqueBackground = d->bkMode == OPAQUE;
    c.backColor = d->bkColor;
    c.bounds = c.rect;
    record(dc, std::move(c));
    return true;
}

namespace {

// Removes "&" prefixes: "&&" is one "&", "&x" is x underlined (its index returned).
std::u16string stripPrefixes(std::u16string_view text, int* underline) {
    std::u16string out;
    *underline = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                out.push_back(u'&');
                ++i;
            } else if (i + 1 < text.size()) {
                *underline = static_cast<int>(out.size());
            }
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace

int WindowSystem::DrawText(HDC dc, std::u16string_view text, RECT* rect, UINT format) {
    const DeviceContext* d = dcOf(dc);
    if (!d || !rect) return 0;
    const FontObject* f = gdi_.font(d->font);
    const FontSize size = f->size;
    const int lineHeight = FontTextMetrics(size).tmHeight;
    int underline = -1;
    std::u16string shown =
        (format & DT_NOPREFIX) ? std::u16string(text) : stripPrefixes(text, &underline);
    std::vector<std::u16string> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(shown);
    } else {
        lines = BreakLines(shown, rect->width(), size, (format & DT_WORDBREAK) != 0);
    }
    if (format & DT_END_ELLIPSIS) {
        for (auto& line : lines) line = EllipsizeEnd(line, rect->width(), size);
    }
    const int total = static_cast<int>(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const auto& line : lines) widest = std::max(widest, MeasureText(line, size));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }
    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) {
            y = rect->top + (rect->height() - lineHeight) / 2;
        } else if (format & DT_BOTTOM) {
            y = rect->bottom - lineHeight;
        }
    }
    const FontDescription font = DescribeFont(d->font);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int width = MeasureText(lines[i], size);
        int x = rect->left;
        if (format & DT_CENTER) {
            x = rect->left + (rect->width() - width) / 2;
        } else if (format & DT_RIGHT) {
            x = rect->right - width;
        }
        DrawCommand c;
        c.kind = DrawKind::Text;
        c.rect = *rect;
        c.text = lines[i];
        c.origin = POINT{x, y};
        c.textWidth = width;
        c.format = format;
        c.font = font;
        c.textColor = d->textColor;
        c.opaqueBackground = d->bkMode == OPAQUE;
        c.backColor = d->bkColor;
        c.underline = (i == 0 && lines.size() == 1) ? underline : -1;
        const RECT box{x, y, x + width, y + lineHeight};
        c.bounds = (format & DT_NOCLIP) ? box : IntersectRect(box, *rect);
        if (!(format & DT_NOCLIP) && c.bounds.empty()) {
            y += lineHeight;
            continue;
        }
        record(dc, std::move(c));
        y += lineHeight;
    }
    return total;
}

HBITMAP WindowSystem::LoadBitmap(HINSTANCE, int resourceId) {
    const SIZE* size = gdi_.bitmapResource(resourceId);
    if (!size) return HBITMAP{};
    return gdi_.createBitmap(resourceId, size->cx, size->cy);
}

HBITMAP WindowSystem::LoadImage(HINSTANCE, int resourceId, UINT type, int cx, int cy, UINT) {
    if (type != IMAGE_BITMAP) return HBITMAP{};
    const SIZE* size = gdi_.bitmapResource(resourceId);
    if (!size) return HBITMAP{};
    return gdi_.createBitmap(resourceId, cx > 0 ? cx : size->cx, cy > 0 ? cy : size->cy);
}

bool WindowSystem::GetBitmapSize(HBITMAP bitmap, SIZE* size) const {
    const BitmapObject* b = gdi_.bitmap(bitmap);
    if (!b || !size) return false;
    *size = SIZE{b->width, b->height};
    return true;
}

int WindowSystem::BitmapResourceId(HBITMAP bitmap) const {
    const BitmapObject* b = gdi_.bitmap(bitmap);
    return b ? b->resourceId : 0;
}

bool WindowSystem::BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy,
                          DWORD rop) {
    return StretchBlt(dst, x, y, cx, cy, src, sx, sy, cx, cy, rop);
}

bool WindowSystem::StretchBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy,
                              int scx, int scy, DWORD) {
    const DeviceContext* s = dcOf(src);
    if (!s || !dcOf(dst)) return false;
    const BitmapObject* b = gdi_.bitmap(s->bitmap);
    if (!b) return false;
    DrawCommand c;
    c.kind = DrawKind::Bitmap;
    c.rect = RECT{x, y, x + cx, y + cy};
    c.bitmapId = b->resourceId;
    c.source = RECT{sx, sy, sx + scx, sy + scy};
    c.bounds = c.rect;
    record(dst, std::move(c));
    return true;
}

HIMAGELIST WindowSystem::ImageList_Create(int cx, int cy, UINT, int, int) {
    return gdi_.createImageList(cx, cy);
}

int WindowSystem::ImageList_Add(HIMAGELIST list, HBITMAP bitmap, HBITMAP) {
    ImageListObject* l = gdi_.imageList(list);
    const BitmapObject* b = gdi_.bitmap(bitmap);
    if (!l || !b) return -1;
    const int first = static_cast<int>(l->images.size());
    const int count = l->cx > 0 ? std::max(1, b->width / l->cx) : 1;
    for (int i = 0; i < count; ++i) l->images.push_back(ImageListEntry{b->resourceId, i * l->cx});
    return first;
}

bool WindowSystem::ImageList_Destroy(HIMAGELIST list) {
    return gdi_.destroy(list);
}

}  // namespace orvane::platform
