#include "web/snapshot_json.h"

#include <cstdio>

#include "platform/text_metrics.h"
#include "platform/window_system.h"
#include "web/control_style_names.h"
#include "web/text_encoding.h"

namespace orvane::web {

using nlohmann::json;
using namespace platform;

namespace {

std::string colour(COLORREF c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

json rect(const RECT& r) {
    return json::array({r.left, r.top, r.right, r.bottom});
}

json font(const FontDescription& f) {
    return json{{"px", f.emPixels}, {"bold", f.bold}, {"ascent", f.ascent}, {"lh", f.lineHeight}};
}

json drawCommand(const DrawCommand& c, const BitmapSizeLookup& bitmapSize) {
    switch (c.kind) {
        case DrawKind::FillRect:
            return json{{"k", "fill"}, {"r", rect(c.rect)}, {"fill", colour(c.fillColor)}};
        case DrawKind::Rectangle:
            return json{{"k", "rect"},
                        {"r", rect(c.rect)},
                        {"fill", c.filled ? json(colour(c.fillColor)) : json()},
                        {"line", c.outlined ? json(colour(c.lineColor)) : json()},
                        {"lw", c.lineWidth}};
        case DrawKind::Line:
            return json{{"k", "line"},
                        {"r", rect(c.rect)},
                        {"line", colour(c.lineColor)},
                        {"lw", c.lineWidth}};
        case DrawKind::Text:
            return json{{"k", "text"},
                        {"t", utf8FromUtf16(c.text)},
                        {"x", c.origin.x},
                        {"y", c.origin.y},
                        {"tw", c.textWidth},
                        {"font", font(c.font)},
                        {"color", colour(c.textColor)},
                        {"bg", c.opaqueBackground ? json(colour(c.backColor)) : json()},
                        {"u", c.underline},
                        {"clip", rect(c.bounds)}};
        case DrawKind::Bitmap: {
            json out{
                {"k", "bmp"}, {"id", c.bitmapId}, {"r", rect(c.rect)}, {"src", rect(c.source)}};
            if (auto size = bitmapSize(c.bitmapId)) {
                out["bw"] = size->cx;
                out["bh"] = size->cy;
            }
            return out;
        }
    }
    return json();
}

json control(const ControlSnapshot& s, DWORD style) {
    json out{{"kind", s.kind}, {"flags", controlFlagNames(s.kind, style)}};
    if (s.kind == "button") out["type"] = buttonTypeName(style);
    if (s.kind == "static" || s.kind == "button") {
        out["bitmap"] = s.bitmapId;
        out["check"] = s.checkState;
        out["pushed"] = s.pushed;
    } else if (s.kind == "edit") {
        out["selStart"] = s.selStart;
        out["selEnd"] = s.selEnd;
        out["readOnly"] = s.readOnly;
    } else if (s.kind == "combobox" || s.kind == "listbox") {
        json items = json::array();
        for (const auto& item : s.items) items.push_back(utf8FromUtf16(item));
        out["items"] = std::move(items);
        out["selected"] = s.selected;
        out["top"] = s.topIndex;
        out["dropped"] = s.dropped;
        out["itemHeight"] = s.itemHeight;
    } else if (s.kind == "scrollbar") {
        out["min"] = s.minPos;
        out["max"] = s.maxPos;
        out["page"] = s.page;
        out["pos"] = s.pos;
        out["vertical"] = s.vertical;
    } else if (s.kind == "listview") {
        json columns = json::array();
        for (const auto& c : s.columns) {
            columns.push_back(
                json{{"t", utf8FromUtf16(c.text)}, {"w", c.width}, {"fmt", c.format}});
        }
        json rows = json::array();
        for (const auto& row : s.rows) {
            json cells = json::array();
            for (const auto& cell : row.cells) {
                cells.push_back(json{{"t", utf8FromUtf16(cell.text)},
                                     {"font", font(cell.font)},
                                     {"color", colour(cell.textColor)},
                                     {"bg", colour(cell.backColor)}});
            }
            rows.push_back(json{{"cells", std::move(cells)},
                                {"image", row.image},
                                {"selected", row.selected},
                                {"focused", row.focused}});
        }
        out["columns"] = std::move(columns);
        out["rows"] = std::move(rows);
        out["top"] = s.topIndex;
        out["itemHeight"] = s.itemHeight;
        out["perPage"] = s.countPerPage;
        json images = json::array();
        for (const auto& image : s.rowImages) {
            images.push_back(json{{"bitmap", image.bitmapId}, {"left", image.sourceLeft}});
        }
        out["rowImages"] = std::move(images);
        out["rowImageW"] = s.rowImageWidth;
        out["rowImageH"] = s.rowImageHeight;
        out["selected"] = s.selected;
    } else if (s.kind == "monthcal") {
        out["year"] = s.date.wYear;
        out["month"] = s.date.wMonth;
        out["day"] = s.date.wDay;
        const MonthGrid& g = s.monthGrid;
        out["grid"] = json{{"titleH", g.titleHeight},
                           {"weekdayH", g.weekdayHeight},
                           {"top", g.top},
                           {"rowH", g.rowHeight},
                           {"cellW", g.cellWidth},
                           {"fontPx", FontEmPixels(FontSize{g.textHeight, false})}};
    } else if (s.kind == "htmlviewer") {
        out["page"] = utf8FromWindows1252(s.pageText);
        out["complete"] = s.complete;
        out["anchor"] = utf8FromWindows1252(s.anchor);
        json links = json::array();
        for (const auto& link : s.links) links.push_back(utf8FromWindows1252(link));
        out["links"] = std::move(links);
        json images = json::array();
        for (const auto& image : s.images) {
            images.push_back(json{{"src", utf8FromWindows1252(image.source)},
                                  {"bitmap", image.bitmapId},
                                  {"w", image.width},
                                  {"h", image.height}});
        }
        out["images"] = std::move(images);
        out["scrollLine"] = s.scrollLine;
    }
    return out;
}

json window(const WindowSnapshot& w, const BitmapSizeLookup& bitmapSize) {
    const int border = (w.screenRect.width() - w.clientRect.width()) / 2;
    json out{{"h", w.handle},
             {"cls", utf8FromUtf16(w.className)},
             {"text", utf8FromUtf16(w.text)},
             {"id", w.id},
             {"r", rect(w.screenRect)},
             {"border", border},
             {"enabled", w.enabled},
             {"focused", w.focused}};
    if (!w.control.kind.empty()) out["ctl"] = control(w.control, w.style);
    json draw = json::array();
    for (const DrawCommand& c : w.display.commands) draw.push_back(drawCommand(c, bitmapSize));
    out["draw"] = std::move(draw);
    json kids = json::array();
    // The viewer's inner window only takes the keyboard; the page is the viewer's own drawing.
    if (w.control.kind != "htmlviewer") {
        for (const WindowSnapshot& child : w.children) {
            if (child.visible) kids.push_back(window(child, bitmapSize));
        }
    }
    out["kids"] = std::move(kids);
    return out;
}

}  // namespace

json snapshotToJson(const UiSnapshot& snapshot, const ScreenFacts& facts,
                    const BitmapSizeLookup& bitmapSize) {
    json out{{"screen", json{{"w", snapshot.screenWidth},
                             {"h", snapshot.screenHeight},
                             {"taskbar", facts.taskbarHeight}}},
             {"focus", snapshot.focus},
             {"foreground", snapshot.foreground},
             {"inputPanelUp", snapshot.inputPanelUp},
             {"taskbarHidden", snapshot.taskbarHidden}};
    if (snapshot.messageBox) {
        out["messageBox"] = json{{"window", snapshot.messageBox->window},
                                 {"caption", utf8FromUtf16(snapshot.messageBox->caption)},
                                 {"text", utf8FromUtf16(snapshot.messageBox->text)}};
    } else {
        out["messageBox"] = nullptr;
    }
    json windows = json::array();
    for (const WindowSnapshot& w : snapshot.windows) {
        if (w.visible) windows.push_back(window(w, bitmapSize));
    }
    out["windows"] = std::move(windows);
    return out;
}

std::string screenJsonText(const Driver& driver, const WindowSystem& system) {
    const UiSnapshot snapshot = driver.snapshot();
    ScreenFacts facts;
    facts.taskbarHeight = system.display().taskbarHeight;
    const BitmapSizeLookup bitmapSize = [&system](int id) -> std::optional<SIZE> {
        if (const SIZE* size = system.gdi().bitmapResource(id)) return *size;
        return std::nullopt;
    };
    return snapshotToJson(snapshot, facts, bitmapSize).dump();
}

}  // namespace orvane::web
