#include <gtest/gtest.h>

#include "platform/text_metrics.h"
#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

using Harness = test_support::WindowHarness;

// Reference width: the advances added up and scaled once, to nearest (halves up).
int referenceWidth(std::u16string_view text, int emOrCell, bool cell, bool bold) {
    int64_t units = 0;
    for (char16_t c : text) units += GlyphAdvanceUnits(c, bold);
    const int64_t den = cell ? 1901 + 483 : 2048;  // ascent + descent, units per em
    return static_cast<int>((2 * units * emOrCell + den) / (2 * den));
}

TEST(TextMetrics, KnownAdvancesOfDejaVuSansCondensed) {
    EXPECT_EQ(FontUnitsPerEm(), 2048);
    EXPECT_EQ(GlyphAdvanceUnits(u'A', false), 1260);
    EXPECT_EQ(GlyphAdvanceUnits(u' ', false), 585);
    EXPECT_EQ(GlyphAdvanceUnits(u'0', false), 1172);
    EXPECT_GT(GlyphAdvanceUnits(u'A', true), GlyphAdvanceUnits(u'A', false));
    // Characters the program draws beyond Latin-1 are covered.
    for (char16_t c :
         {u'\u0152', u'\u0153', u'\u2022', u'\u2264', u'\u2265', u'\u03B2', u'\u2014'}) {
        EXPECT_NE(GlyphAdvanceUnits(c, false), GlyphAdvanceUnits(u'\uE000', false)) << int(c);
    }
}

TEST(TextMetrics, WidthIsTheScaledSumRoundedOnce) {
    const std::u16string samples[] = {u"Weight", u"Kilograms", u"A-Z", u"\u2264 5 \u00B5g/kg", u""};
    for (const auto& s : samples) {
        for (int h : {11, 13, 16, 26}) {
            EXPECT_EQ(MeasureText(s, FontSize{h, false}), referenceWidth(s, h, true, false));
            EXPECT_EQ(MeasureText(s, FontSize{-h, true}), referenceWidth(s, h, false, true));
        }
    }
    // At an em of 2048 pixels the width is the sum of the advances itself: 1260 + 585 + 1172.
    EXPECT_EQ(MeasureText(u"A 0", FontSize{-2048, false}), 3017);
    // W e i g h t = 1822 + 1134 + 512 + 1170 + 1168 + 722 = 6528 units; at a 13-pixel cell
    // (ascent + descent 2384 units) 6528 x 13 / 2384 = 35.6, so 36 pixels.
    EXPECT_EQ(MeasureText(u"Weight", FontSize{13, false}), 36);
}

TEST(TextMetrics, CellHeightGivesTheLineHeight) {
    EXPECT_EQ(FontTextMetrics(FontSize{13, false}).tmHeight, 13);
    EXPECT_EQ(FontTextMetrics(FontSize{26, true}).tmHeight, 26);
    // An em of 11 pixels: (1901 + 483) * 11 / 2048 = 12.8 -> 13.
    EXPECT_EQ(FontTextMetrics(FontSize{-11, false}).tmHeight, 13);
}

TEST(TextMetrics, EllipsisAndLineBreaking) {
    const FontSize f{13, false};
    const std::u16string text = u"Pediatric resuscitation drugs by weight";
    const std::u16string cut = EllipsizeEnd(text, 100, f);
    EXPECT_LE(MeasureText(cut, f), 100);
    EXPECT_EQ(cut.substr(cut.size() - 3), u"...");
    EXPECT_EQ(EllipsizeEnd(u"short", 100, f), u"short");
    const auto lines = BreakLines(u"one two three\r\nfour", 40, f, true);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.back(), u"four");
    for (const auto& l : lines) EXPECT_LE(MeasureText(l, f), 40) << std::string(l.begin(), l.end());
}

TEST(DisplayList, PaintRecordsShapesTextAndBitmapsInOrder) {
    Harness h;
    h.ws.registerBitmapResource(4001, 239, 165);
    h.hook = [&](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m != WM_PAINT) return false;
        PAINTSTRUCT ps;
        HDC dc = h.ws.BeginPaint(hwnd, &ps);
        HPEN pen = h.ws.CreatePen(PS_SOLID, 1, RGB(140, 20, 20));
        HBRUSH brush = h.ws.CreateSolidBrush(RGB(140, 20, 20));
        HPEN oldPen = h.ws.SelectObject(dc, pen);
        HBRUSH oldBrush = h.ws.SelectObject(dc, brush);
        h.ws.Rectangle(dc, 1, 1, 101, 17);
        h.ws.SetTextColor(dc, RGB(255, 255, 255));
        h.ws.SetBkMode(dc, TRANSPARENT);
        RECT tab{2, 1, 101, 17};
        h.ws.DrawText(dc, u"Drugs && Doses", &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        HBITMAP bmp = h.ws.LoadBitmap(HINSTANCE{}, 4001);
        HDC mem = h.ws.CreateCompatibleDC(dc);
        h.ws.SelectObject(mem, bmp);
        h.ws.StretchBlt(dc, 1, 20, 239, 165, mem, 0, 0, 239, 165, SRCCOPY);
        h.ws.DeleteDC(mem);
        h.ws.DeleteObject(bmp);
        h.ws.SelectObject(dc, oldPen);
        h.ws.SelectObject(dc, oldBrush);
        h.ws.DeleteObject(pen);
        h.ws.DeleteObject(brush);
        h.ws.EndPaint(hwnd, &ps);
        *r = 0;
        return true;
    };
    h.ws.InvalidateRect(h.host, nullptr, true);
    h.driver.pumpUntilIdle();
    const auto& cmds = h.driver.snapshotWindow(h.host).display.commands;
    ASSERT_EQ(cmds.size(), 4u);  // background fill, tab, text, picture
    EXPECT_EQ(cmds[0].kind, DrawKind::FillRect);
    EXPECT_EQ(cmds[1].kind, DrawKind::Rectangle);
    EXPECT_EQ(cmds[1].rect, (RECT{1, 1, 101, 17}));
    EXPECT_EQ(cmds[1].fillColor, RGB(140, 20, 20));
    EXPECT_EQ(cmds[2].kind, DrawKind::Text);
    EXPECT_EQ(cmds[2].text, u"Drugs & Doses");
    const int width = MeasureText(u"Drugs & Doses", FontSize{13, true});
    EXPECT_EQ(cmds[2].textWidth, width);
    EXPECT_EQ(cmds[2].origin.x, 2 + (99 - width) / 2);
    EXPECT_EQ(cmds[2].origin.y, 1 + (16 - 13) / 2);
    EXPECT_FALSE(cmds[2].opaqueBackground);
    EXPECT_EQ(cmds[3].kind, DrawKind::Bitmap);
    EXPECT_EQ(cmds[3].bitmapId, 4001);
    EXPECT_EQ(cmds[3].rect, (RECT{1, 20, 240, 185}));
    // A second full paint replaces the drawing instead of adding to it.
    h.ws.InvalidateRect(h.host, nullptr, true);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.driver.snapshotWindow(h.host).display.commands.size(), 4u);
}

TEST(DisplayList, DrawingOutsidePaintAddsAndOpaqueFillsCoverWhatIsBeneath) {
    Harness h;
    h.driver.pumpUntilIdle();
    const size_t before = h.driver.snapshotWindow(h.host).display.commands.size();
    for (int i = 0; i < 5; ++i) {
        HDC dc = h.ws.GetDC(h.host);
        HBRUSH b = h.ws.CreateSolidBrush(RGB(240, 240, 240));
        h.ws.FillRect(dc, RECT{0, 0, 50, 20}, b);
        RECT r{2, 2, 48, 18};
        h.ws.DrawText(dc, u"Caption text", &r,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        h.ws.DeleteObject(b);
        h.ws.ReleaseDC(h.host, dc);
    }
    const auto cmds = h.driver.snapshotWindow(h.host).display.commands;
    EXPECT_EQ(cmds.size(), before + 2);  // each fill hid the previous round
    EXPECT_EQ(cmds.back().kind, DrawKind::Text);
    EXPECT_LE(cmds.back().textWidth, 46);
    EXPECT_EQ(cmds.back().text.substr(cmds.back().text.size() - 3), u"...");
}

TEST(DisplayList, TextMetricsOfTheScreenDc) {
    Harness h;
    HDC dc = h.ws.GetDC(HWND{});
    TEXTMETRIC tm;
    ASSERT_TRUE(h.ws.GetTextMetrics(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 13);  // the 240-pixel screen's system font
    h.ws.ReleaseDC(HWND{}, dc);
    Harness large(DisplayConfig{480, 640, 52, 0, 0});
    HDC dc2 = large.ws.GetDC(HWND{});
    large.ws.GetTextMetrics(dc2, &tm);
    EXPECT_EQ(tm.tmHeight, 26);
    EXPECT_EQ(large.ws.GetSystemMetrics(SM_CXVSCROLL), 26);
    large.ws.ReleaseDC(HWND{}, dc2);
}

}  // namespace
}  // namespace orvane::platform
