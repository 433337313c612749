// The drawing objects of the window system: fonts, pens, brushes, bitmaps (by resource
// identifier, with the sizes the program registers), image lists, and the stock objects. Each is
// reached by a typed handle; deleting a stock object is refused. Draws nothing itself.
#pragma once

#include <map>
#include <unordered_map>
#include <vector>

#include "platform/gdi_types.h"
#include "platform/text_metrics.h"

namespace orvane::platform {

struct FontObject {
    LOGFONT log;
    FontSize size;
};
struct PenObject {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};
struct BrushObject {
    bool null = false;
    COLORREF color = 0;
};
struct BitmapObject {
    int resourceId = 0;
    int width = 0;
    int height = 0;
};
// One image of an image list: a cx-wide slice of a bitmap resource starting at sourceLeft.
struct ImageListEntry {
    int bitmapId = 0;
    int sourceLeft = 0;
};
struct ImageListObject {
    int cx = 0;
    int cy = 0;
    std::vector<ImageListEntry> images;
};

class GdiObjects {
  public:
    explicit GdiObjects(LONG systemFontHeight);

    HFONT createFont(const LOGFONT& log);
    HPEN createPen(int style, int width, COLORREF color);
    HBRUSH createBrush(COLORREF color);
    HBITMAP createBitmap(int resourceId, int width, int height);
    HIMAGELIST createImageList(int cx, int cy);

    const FontObject* font(HFONT h) const;
    const PenObject* pen(HPEN h) const;
    const BrushObject* brush(HBRUSH h) const;
    const BitmapObject* bitmap(HBITMAP h) const;
    ImageListObject* imageList(HIMAGELIST h);

    bool destroy(HFONT h);
    bool destroy(HPEN h);
    bool destroy(HBRUSH h);
    bool destroy(HBITMAP h);
    bool destroy(HIMAGELIST h);

    HBRUSH stockBrush(int which) const;
    HPEN stockPen(int which) const;
    HFONT systemFont() const { return systemFont_; }
    LONG systemFontHeight() const { return systemFontHeight_; }

    // Bitmap resources: identifier -> size in pixels. LoadBitmap of an unregistered identifier
    // fails, as loading a missing resource does.
    void registerBitmapResource(int id, int width, int height) { resources_[id] = {width, height}; }
    const SIZE* bitmapResource(int id) const;

  private:
    uint32_t nextId_ = 1;
    LONG systemFontHeight_;
    std::unordered_map<uint32_t, FontObject> fonts_;
    std::unordered_map<uint32_t, PenObject> pens_;
    std::unordered_map<uint32_t, BrushObject> brushes_;
    std::unordered_map<uint32_t, BitmapObject> bitmaps_;
    std::unordered_map<uint32_t, ImageListObject> imageLists_;
    std::map<int, SIZE> resources_;
    std::map<int, HBRUSH> stockBrushes_;
    std::map<int, HPEN> stockPens_;
    std::vector<uint32_t> stockIds_;
    HFONT systemFont_;
    bool isStock(uint32_t id) const;
};

}  // namespace orvane::platform
