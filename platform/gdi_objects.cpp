#include "platform/gdi_objects.h"

#include <algorithm>

namespace orvane::platform {

GdiObjects::GdiObjects(LONG systemFontHeight) : systemFontHeight_(systemFontHeight) {
    const std::pair<int, COLORREF> brushes[] = {{WHITE_BRUSH, RGB(255, 255, 255)},
                                                {LTGRAY_BRUSH, RGB(192, 192, 192)},
                                                {GRAY_BRUSH, RGB(128, 128, 128)},
                                                {BLACK_BRUSH, RGB(0, 0, 0)}};
    for (auto [which, color] : brushes) {
        stockBrushes_[which] = createBrush(color);
        stockIds_.push_back(stockBrushes_[which].value());
    }
    HBRUSH nullBrush(nextId_++);
    brushes_[nullBrush.value()] = BrushObject{true, 0};
    stockBrushes_[NULL_BRUSH] = nullBrush;
    stockIds_.push_back(nullBrush.value());
    stockPens_[WHITE_PEN] = createPen(PS_SOLID, 1, RGB(255, 255, 255));
    stockPens_[BLACK_PEN] = createPen(PS_SOLID, 1, RGB(0, 0, 0));
    stockPens_[NULL_PEN] = createPen(PS_NULL, 0, 0);
    for (auto& [which, pen] : stockPens_) stockIds_.push_back(pen.value());
    LOGFONT log;
    log.lfHeight = systemFontHeight;
    log.lfWeight = FW_BOLD;
    log.lfFaceName = u"Tahoma";
    systemFont_ = createFont(log);
    stockIds_.push_back(systemFont_.value());
}

bool GdiObjects::isStock(uint32_t id) const {
    return std::find(stockIds_.begin(), stockIds_.end(), id) != stockIds_.end();
}

HFONT GdiObjects::createFont(const LOGFONT& log) {
    HFONT h(nextId_++);
    FontObject f{
        log, FontSize{log.lfHeight == 0 ? systemFontHeight_ : log.lfHeight, log.lfWeight >= 600}};
    fonts_[h.value()] = f;
    return h;
}

HPEN GdiObjects::createPen(int style, int width, COLORREF color) {
    HPEN h(nextId_++);
    pens_[h.value()] = PenObject{style, width < 1 ? 1 : width, color};
    return h;
}

HBRUSH GdiObjects::createBrush(COLORREF color) {
    HBRUSH h(nextId_++);
    brushes_[h.value()] = BrushObject{false, color};
    return h;
}

HBITMAP GdiObjects::createBitmap(int resourceId, int width, int height) {
    HBITMAP h(nextId_++);
    bitmaps_[h.value()] = BitmapObject{resourceId, width, height};
    return h;
}

HIMAGELIST GdiObjects::createImageList(int cx, int cy) {
    HIMAGELIST h(nextId_++);
    imageLists_[h.value()] = ImageListObject{cx, cy, {}};
    return h;
}

template <class Map>
static auto* findIn(Map& map, uint32_t id) {
    auto it = map.find(id);
    return it == map.end() ? nullptr : &it->second;
}

const FontObject* GdiObjects::font(HFONT h) const {
    return findIn(fonts_, h.value());
}
const PenObject* GdiObjects::pen(HPEN h) const {
    return findIn(pens_, h.value());
}
const BrushObject* GdiObjects::brush(HBRUSH h) const {
    return findIn(brushes_, h.value());
}
const BitmapObject* GdiObjects::bitmap(HBITMAP h) const {
    return findIn(bitmaps_, h.value());
}
ImageListObject* GdiObjects::imageList(HIMAGELIST h) {
    return findIn(imageLists_, h.value());
}

bool GdiObjects::destroy(HFONT h) {
    return !isStock(h.value()) && fonts_.erase(h.value()) > 0;
}
bool GdiObjects::destroy(HPEN h) {
    return !isStock(h.value()) && pens_.erase(h.value()) > 0;
}
bool GdiObjects::destroy(HBRUSH h) {
    return !isStock(h.value()) && brushes_.erase(h.value()) > 0;
}
bool GdiObjects::destroy(HBITMAP h) {
    return bitmaps_.erase(h.value()) > 0;
}
bool GdiObjects::destroy(HIMAGELIST h) {
    return imageLists_.erase(h.value()) > 0;
}

HBRUSH GdiObjects::stockBrush(int which) const {
    auto it = stockBrushes_.find(which);
    return it == stockBrushes_.end() ? HBRUSH{} : it->second;
}

HPEN GdiObjects::stockPen(int which) const {
    auto it = stockPens_.find(which);
    return it == stockPens_.end() ? HPEN{} : it->second;
}

const SIZE* GdiObjects::bitmapResource(int id) const {
    auto it = resources_.find(id);
    return it == resources_.end() ? nullptr : &it->second;
}

}  // namespace orvane::platform
