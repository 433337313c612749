#include "platform/text_metrics.h"

#include <algorithm>

#include "platform/font_widths_dejavu.h"

namespace orvane::platform {

namespace {

const FontWidthTable& face(bool bold) {
    return bold ? kDejaVuSansBold : kDejaVuSans;
}

// Pixels = units * num / den, with num/den from the font height.
struct Scale {
    int64_t num;
    int64_t den;
};

Scale scaleOf(FontSize font) {
    const FontWidthTable& f = face(font.bold);
    if (font.height > 0) return Scale{font.height, f.ascent + f.descent};
    return Scale{-static_cast<int64_t>(font.height), f.unitsPerEm};
}

int toPixels(int64_t units, Scale s) {
    return static_cast<int>((units * s.num * 2 + s.den) / (s.den * 2));
}

int64_t sumUnits(std::u16string_view text, bool bold) {
    int64_t sum = 0;
    for (char16_t c : text) sum += GlyphAdvanceUnits(c, bold);
    return sum;
}

}  // namespace

int GlyphAdvanceUnits(char16_t c, bool bold) {
    const FontWidthTable& f = face(bold);
    auto it = std::lower_bound(f.glyphs.begin(), f.glyphs.end(), c,
                               [](const GlyphAdvance& g, char16_t v) { return g.code < v; });
    if (it != f.glyphs.end() && it->code == c) return it->advance;
    if (c == u'\t') return GlyphAdvanceUnits(u' ', bold) * 4;
    return f.missingAdvance;
}

int FontUnitsPerEm() {
    return kDejaVuSans.unitsPerEm;
}

int MeasureText(std::u16string_view text, FontSize font) {
    return toPixels(sumUnits(text, font.bold), scaleOf(font));
}

double FontEmPixels(FontSize font) {
    const Scale s = scaleOf(font);
    return static_cast<double>(s.num) * face(font.bold).unitsPerEm / static_cast<double>(s.den);
}

TEXTMETRIC FontTextMetrics(FontSize font) {
    const FontWidthTable& f = face(font.bold);
    const Scale s = scaleOf(font);
    TEXTMETRIC tm;
    tm.tmHeight = toPixels(f.ascent + f.descent, s);
    tm.tmAscent = toPixels(f.ascent, s);
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmInternalLeading = tm.tmHeight - toPixels(f.unitsPerEm, s);
    tm.tmExternalLeading = toPixels(f.lineGap, s);
    tm.tmAveCharWidth = toPixels(GlyphAdvanceUnits(u'x', font.bold), s);
    tm.tmMaxCharWidth = toPixels(GlyphAdvanceUnits(u'W', font.bold), s);
    tm.tmWeight = font.bold ? FW_BOLD : FW_NORMAL;
    tm.tmPitchAndFamily = 0x22;  // variable pitch, swiss
    return tm;
}

std::vector<std::u16string> BreakLines(std::u16string_view text, int width, FontSize font,
                                       bool wordBreak) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find(u'\n', start);
        std::u16string_view para = text.substr(
            start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
        if (!para.empty() && para.back() == u'\r') para.remove_suffix(1);
        if (!wordBreak) {
            lines.emplace_back(para);
        } else {
            // Greedy filling, breaking after spaces.
            std::u16string line;
            size_t i = 0;
            bool any = false;
            while (i < para.size()) {
                size_t wordEnd = i;
                while (wordEnd < para.size() && para[wordEnd] != u' ') ++wordEnd;
                size_t spaceEnd = wordEnd;
                while (spaceEnd < para.size() && para[spaceEnd] == u' ') ++spaceEnd;
                std::u16string_view word = para.substr(i, wordEnd - i);
                std::u16string candidate = line;
                candidate.append(word);
                if (!line.empty() && MeasureText(candidate, font) > width) {
                    while (!line.empty() && line.back() == u' ') line.pop_back();
                    lines.push_back(line);
                    line.assign(word);
                } else {
                    line = candidate;
                }
                line.append(para.substr(wordEnd, spaceEnd - wordEnd));
                any = true;
                i = spaceEnd;
            }
            while (!line.empty() && line.back() == u' ') line.pop_back();
            if (any || para.empty()) lines.push_back(line);
        }
        if (end == std::u16string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

std::u16string EllipsizeEnd(std::u16string_view text, int width, FontSize font) {
    if (MeasureText(text, font) <= width) return std::u16string(text);
    std::u16string head(text);
    while (!head.empty()) {
        head.pop_back();
        std::u16string candidate = head + u"...";
        if (MeasureText(candidate, font) <= width) return candidate;
    }
    return u"...";
}

}  // namespace orvane::platform
