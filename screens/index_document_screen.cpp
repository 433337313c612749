#include "screens/index_document_screen.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "foundation/windows1252.h"
#include "platform/text_metrics.h"
#include "platform/typed_controls.h"
#include "rendering/page_builder.h"
#include "rendering/plain_text.h"
#include "screens/caption_popup.h"
#include "screens/list_entry_text.h"
#include "screens/program_bitmaps.h"
#include "shell/dc_measurer.h"
#include "shell/ppc_orvane_app.h"
#include "shell/shell_commands.h"

namespace orvane {

using namespace platform;
namespace ids = index_screen;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMarkerColor = RGB(0, 150, 30);
constexpr COLORREF kCaptionBack = RGB(245, 245, 245);
constexpr COLORREF kIndexEntryColor = RGB(0, 0, 143);
constexpr COLORREF kListEntryColor = RGB(0, 0, 43);

// The list's columns: the entry's text, and the marker of a text too long for its row.
constexpr int32_t kTextColumn = 0;
constexpr int32_t kMarkerColumn = 1;

}  // namespace

IndexDocumentScreen::IndexDocumentScreen(PPCOrvaneApp& app, Request request)
    : Screen(app), request_(request), moduleCode_(moduleCode(request)) {
    search_ = app_.patientContext().modules().hasSearchRow(moduleCode_);
    const RECT& c = app_.contentRect();
    scale_ = static_cast<int16_t>(c.width() < 360 ? 1 : 2);
    iconSize_ = static_cast<int16_t>(scale_ == 1 ? 16 : 32);
    lineHeight_ = app_.lineHeight();
    rowHeight_ = lineHeight_ + 2;
    entryColor_ = moduleCode_ == request_code::kAzIndex ? kIndexEntryColor : kListEntryColor;
    markerWidth_ = 20 * scale_;
    app_.ShowNavButtons(0);
    ShowControls(0);
    if (list_) rowsPerPage_ = ListView(app_.windows(), list_).rowsPerPage();
}

IndexDocumentScreen::~IndexDocumentScreen() {
    WindowSystem& ws = app_.windows();
    ws.SHSipShowIM(SIPF_OFF);
    popup_.reset();
    for (const HWND window :
         {list_, scrollBar_, searchBox_, findButton_, moreButton_, keyboardButton_, missingNote_}) {
        if (window && ws.IsWindow(window)) ws.DestroyWindow(window);
    }
    for (const HBITMAP bitmap :
         {findBitmap_, moreBitmap_, keyboardBitmap_, imageBitmaps_[0], imageBitmaps_[1]}) {
        if (bitmap) ws.DeleteObject(bitmap);
    }
    if (images_) ws.ImageList_Destroy(images_);
    module_ = nullptr;
}

HWND IndexDocumentScreen::popupWindow() const {
    return popup_ ? popup_->window() : HWND();
}

void IndexDocumentScreen::ShowControls(int32_t level) {
    if (level != 0) return;
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    const HINSTANCE instance = app_.instance();
    const RECT& c = app_.contentRect();
    const int32_t s = scale_;
    const int32_t lh = lineHeight_;
    const int32_t rh = rowHeight_;
    const int32_t i = iconSize_;
    const int32_t w = ws.GetSystemMetrics(SM_CXVSCROLL);
    const int32_t top = c.top + 2 * lh;
    const int32_t height = c.bottom - 2 * s - top - (search_ ? rh : 0);
    const int k = s == 1 ? 0 : 1;

    // Picture controls that report taps (they take no focus, so the search box keeps it).
    // The more button: shown only when the caption had to be shortened.
    moreButton_ =
        ws.CreateWindowEx(0, kStaticClass, u"", WS_CHILD | SS_BITMAP | SS_NOTIFY, c.right - 14 * s,
                          c.top + lh, 13 * s, 16 * s, main, ids::kMoreCommand, instance);
    moreBitmap_ = loadProgramBitmap(app_, ids::kMoreBitmap[k], s == 1 ? 13 : 32, s == 1 ? 16 : 32);
    if (moreButton_ && moreBitmap_) StaticPicture(ws, moreButton_).setBitmap(moreBitmap_);

    // The list: two columns (entry text, marker), no header, no scrolling of its own.
    list_ =
        ws.CreateWindowEx(0, kListViewClass, u"",
                          WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER |
                              LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSCROLL | LVS_ALIGNLEFT,
                          c.left, top, c.right - w - c.left, height, main, ids::kListId, instance);
    baseTextWidth_ = c.right - w - 23 * s - c.left;
    textWidth_ = baseTextWidth_;
    textLimit_ = textWidth_ - markerWidth_;
    if (list_) {
        const ListView list(ws, list_);
        list.selectWholeRows();
        list.addColumn(kTextColumn, textWidth_);
        list.addColumn(kMarkerColumn, markerWidth_);
        images_ = ws.ImageList_Create(9, 11, ILC_COLOR, 2, 0);
        for (int n = 0; n < 2; ++n) {
            imageBitmaps_[n] = loadProgramBitmap(app_, ids::kRowImageBitmaps[n], 9, 11);
            if (imageBitmaps_[n]) ws.ImageList_Add(images_, imageBitmaps_[n], HBITMAP());
        }
        list.setSmallImages(images_);
    }

    scrollBar_ = ws.CreateWindowEx(0, kScrollBarClass, u"", WS_CHILD | WS_VISIBLE | SBS_VERT,
                                   c.right - w, top, w, height, main, ids::kScrollBarId, instance);

    // Said instead of the list when the content is missing.
    missingNote_ = ws.CreateWindowEx(0, kStaticClass, ids::kMissingContent, WS_CHILD | SS_LEFT,
                                     c.left + 2 * s, top, c.right - c.left - 4 * s, height, main,
                                     ids::kMissingNoteId, instance);

    if (!search_) return;
    searchBox_ = ws.CreateWindowEx(
        0, kEditClass, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, c.left + i + 10 * s,
        c.bottom - s - rh, c.right - w - c.left - 2 * i - 40 * s, lh, main, ids::kSearchBoxCommand,
        instance);
    // Enter typed in the search box is the screen's Enter (find the next entry): the box passes
    // it on to the main window instead of keeping it.
    auto previous = std::make_shared<WNDPROC>();
    *previous = ws.SetWindowProc(
        searchBox_, [&ws, main, previous](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_KEYDOWN && wp == VK_RETURN) {
                ws.PostMessage(main, WM_KEYDOWN, wp, lp);
                return 0;
            }
            return ws.CallWindowProc(*previous, h, m, wp, lp);
        });
    findButton_ = ws.CreateWindowEx(0, kStaticClass, u"",
                                    WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY, c.left + 5 * s,
                                    c.bottom - rh + 2, i, i, main, ids::kFindCommand, instance);
    findBitmap_ = loadProgramBitmap(app_, ids::kFindBitmap[k], i, i);
    if (findButton_ && findBitmap_) StaticPicture(ws, findButton_).setBitmap(findBitmap_);
    keyboardButton_ = ws.CreateWindowEx(
        0, kStaticClass, u"", WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY, c.right - s - i,
        c.bottom - rh + 2, i, i, main, ids::kKeyboardCommand, instance);
    keyboardBitmap_ =
        loadProgramBitmap(app_, ids::kKeyboardBitmap[k], s == 1 ? 16 : 32, s == 1 ? 14 : 28);
    if (keyboardButton_ && keyboardBitmap_) {
        StaticPicture(ws, keyboardButton_).setBitmap(keyboardBitmap_);
    }
}

void IndexDocumentScreen::Resize(const RECT& rect) {
    WindowSystem& ws = app_.windows();
    const int32_t s = scale_;
    const int32_t w = ws.GetSystemMetrics(SM_CXVSCROLL);
    const int32_t top = rect.top + 2 * lineHeight_;
    const int32_t height = rect.bottom - 2 * s - top - (search_ ? rowHeight_ : 0);
    if (list_) ws.MoveWindow(list_, rect.left, top, rect.right - w - rect.left, height, true);
    if (scrollBar_) ws.MoveWindow(scrollBar_, rect.right - w, top, w, height, true);
    if (field_ != nullptr && count_ > 0) FillPage();
}

void IndexDocumentScreen::Update(Request request) {
    TraceScope trace(app_.trace(), "IndexDocumentScreen::Update");
    WindowSystem& ws = app_.windows();
    request_ = request;
    app_.ShowNavButtons(2);
    module_ = app_.patientContext().moduleFor(request);
    if (module_ == nullptr) {
        ShowMissingContent(ids::kNoModule);
        return;
    }
    pageBuilder_ = &app_.patientContext().pageBuilder().start(true);
    if (!module_->isAvailable()) {
        ShowMissingContent();
        return;
    }
    field_ = module_->choiceList(request_);
    if (field_ == nullptr) {
        ShowMissingContent();
        return;
    }
    caption_ = field_->label;

    if (field_->lazyList == 1) {
        // The number of entries comes as a float; anything unusable counts as none.
        const float max = field_->max;
        count_ =
            std::isfinite(max) && max > 0.0f ? static_cast<int32_t>(std::min(max, 65535.0f)) : 0;
        lazy_ = true;
    } else {
        count_ = field_->entries.count();
        lazy_ = false;
    }
    if (count_ == 0) {
        ShowMissingContent();
        return;
    }
    if (top_ < 0) {
        top_ = 0;
        SetCurrent(0);
    }
    if (list_) ws.SetFocus(list_);

    // The list opens at the remembered position; one that is not an entry of this list opens it
    // at the first entry.
    int32_t current = app_.patientContext().listPosition();
    if (current < 0 || current >= count_) current = 0;
    SetCurrent(current);
    if (current_ < rowsPerPage_) {
        FillPage();
    } else {
        const int32_t before = top_;
        ScrollTo(current_);
        if (top_ == before) FillPage();
    }
}

void IndexDocumentScreen::ShowMissingContent(const char16_t* note) {
    WindowSystem& ws = app_.windows();
    if (missingNote_) ws.SetWindowText(missingNote_, note);
    for (const HWND window :
         {list_, scrollBar_, searchBox_, findButton_, keyboardButton_, moreButton_}) {
        if (window) ws.ShowWindow(window, SW_HIDE);
    }
    if (missingNote_) ws.ShowWindow(missingNote_, SW_SHOW);
    ws.InvalidateRect(app_.mainWindow(), nullptr, true);
}

void IndexDocumentScreen::SetCurrent(int32_t current) {
    current_ = current;
    if (field_ != nullptr) field_->unit = static_cast<int16_t>(current);
}

IndexDocumentScreen::Entry IndexDocumentScreen::ReadEntry(int32_t i) {
    Entry entry;
    if (module_ == nullptr || field_ == nullptr || i < 0 || i >= count_) return entry;
    if (lazy_) {
        // One entry at a time from the module. An answer without an entry (a damaged or missing
        // record) gives an empty row rather than ending the program.
        const InputField* one = module_->choiceList(makeRequest(request_code::kSamePage, i, 1));
        if (one == nullptr || one->entries.count() == 0) return entry;
        const MenuItem& item = one->entries[0];
        entry.label = item.label();
        entry.valid = item.requests().count() > 0;
        if (entry.valid) entry.request = item.request();
        return entry;
    }
    if (i >= field_->entries.count()) return entry;
    const MenuItem& item = field_->entries[i];
    entry.label = item.label();
    entry.valid = item.requests().count() > 0;
    if (entry.valid) entry.request = item.request();
    return entry;
}

int32_t IndexDocumentScreen::MaxTop() const {
    return std::max(0, count_ - rowsPerPage_);
}

int32_t IndexDocumentScreen::RowsShown() const {
    return list_ ? ListView(app_.windows(), list_).rowCount() : 0;
}

void IndexDocumentScreen::FillPage() {
    if (!list_ || field_ == nullptr) return;
    WindowSystem& ws = app_.windows();
    const RECT& c = app_.contentRect();
    const int32_t s = scale_;
    const bool wasBusy = busy_;
    busy_ = true;

    const ListView list(ws, list_);
    rowsPerPage_ = list.rowsPerPage();
    list.clear();
    if (top_ < 0) top_ = 0;

    int32_t page = 0;
    if (rowsPerPage_ < count_) {
        allFit_ = false;
        page = rowsPerPage_;
    } else {
        // Every entry fits: no scroll bar; the entry column takes its width, and the list moves
        // in from the left edge. Its bottom stays above the search row when there is one.
        allFit_ = true;
        top_ = 0;
        const int32_t w = ws.GetSystemMetrics(SM_CXVSCROLL);
        if (scrollBar_) ws.ShowWindow(scrollBar_, SW_HIDE);
        textWidth_ = baseTextWidth_ + w;
        textLimit_ = textWidth_ - markerWidth_;
        list.setColumnWidth(kTextColumn, textWidth_);
        const int32_t listTop = c.top + 2 * lineHeight_;
        ws.MoveWindow(list_, c.left + 2 * s, listTop, c.right - 4 * s - c.left,
                      c.bottom - 3 * s - listTop - (search_ ? rowHeight_ : 0), true);
        page = count_;
    }

    const FontSize font = ws.WindowFontSize(list_);
    const int32_t image = field_->decimals > 0 ? field_->decimals : 0;
    for (int32_t r = 0; r < page; ++r) {
        const int32_t e = top_ + r;
        if (e >= count_) break;
        const Entry entry = ReadEntry(e);
        const std::u16string text = indexEntryText(entry.label.view());
        const int32_t row = list.insertRow(r, text, image);
        if (row >= 0 && MeasureText(text, font) > textLimit_) {
            list.setCellText(row, kMarkerColumn, std::u16string(1, ids::kMarker));
        }
    }

    if (!allFit_ && scrollBar_) {
        ws.ShowWindow(scrollBar_, SW_SHOW);
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = count_;
        info.nPage = static_cast<UINT>(rowsPerPage_);
        info.nPos = top_;
        ws.SetScrollInfo(scrollBar_, SB_CTL, &info, true);
    }

    if (current_ < 0) SetCurrent(0);
    SelectRow(current_ - top_);
    busy_ = wasBusy;

    ws.InvalidateRect(app_.mainWindow(), nullptr, false);
    ws.UpdateWindow(app_.mainWindow());
    if (keyboardUp_) {
        ws.SHSipShowIM(SIPF_ON);
    } else {
        ws.SetFocus(list_);
    }
}

void IndexDocumentScreen::SelectRow(int32_t row) {
    if (!list_ || row < 0 || row >= RowsShown()) return;
    ListView(app_.windows(), list_).selectRow(row);
}

int32_t IndexDocumentScreen::FocusedRow() const {
    if (!list_) return 0;
    const int32_t row = ListView(app_.windows(), list_).focusedRow();
    return row < 0 ? 0 : row;
}

void IndexDocumentScreen::MoveTop(int32_t newTop) {
    if (newTop == top_) return;
    top_ = newTop;
    FillPage();
}

void IndexDocumentScreen::ScrollUp(int32_t n) {
    MoveTop(n == 0 ? 0 : std::max(0, top_ - n));
}

void IndexDocumentScreen::ScrollDown(int32_t n) {
    MoveTop(n == 0 ? MaxTop() : std::min(MaxTop(), top_ + n));
}

void IndexDocumentScreen::ScrollTo(int32_t i) {
    MoveTop(std::clamp(i, 0, MaxTop()));
}

std::u16string IndexDocumentScreen::SearchText() const {
    if (!searchBox_) return {};
    std::u16string text = app_.windows().GetWindowText(searchBox_);
    if (text.size() > static_cast<size_t>(ids::kSearchReadLimit)) {
        text.resize(static_cast<size_t>(ids::kSearchReadLimit));
    }
    return upperAscii(text);
}

namespace {

// The first n characters of a label, widened and upper-cased, against the search text.
int comparePrefix(const SharedString& label, const std::u16string& text) {
    const std::u16string prefix = upperAscii(widenWindows1252(label.view().substr(0, text.size())));
    return prefix.compare(text);
}

}  // namespace

void IndexDocumentScreen::FindPrefix() {
    if (!search_ || count_ == 0) return;
    const std::u16string text = SearchText();
    // A binary search over the entries that exist (0 to count - 1); the entries are taken to be
    // in alphabetical order, and any entry with the prefix is a match.
    int32_t lo = 0;
    int32_t hi = count_ - 1;
    int32_t mid = hi / 2;
    while (hi >= lo) {
        const int cmp = comparePrefix(ReadEntry(mid).label, text);
        if (cmp == 0) {
            SetCurrent(mid);
            const int32_t before = top_;
            ScrollTo(mid);
            if (top_ == before) SelectRow(current_ - top_);
            return;
        }
        if (cmp < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
        mid = lo + (hi - lo) / 2;
    }
}

void IndexDocumentScreen::FindNext() {
    if (count_ == 0) return;
    const std::u16string text = SearchText();
    const auto matches = [&](int32_t e) {
        return upperAscii(widenWindows1252(ReadEntry(e).label.view())).find(text) !=
               std::u16string::npos;
    };
    int32_t found = -1;
    for (int32_t e = current_ + 1; e < count_ && found < 0; ++e) {
        if (matches(e)) found = e;
    }
    // Wrapping to the beginning only from the third entry on.
    if (found < 0 && current_ > 1) {
        for (int32_t e = 0; e < current_ && found < 0; ++e) {
            if (matches(e)) found = e;
        }
    }
    if (found < 0) return;
    SetCurrent(found);
    const int32_t before = top_;
    ScrollTo(found);
    if (top_ == before) SelectRow(current_ - top_);
}

void IndexDocumentScreen::MatchFirstLetter(char16_t key) {
    if (count_ == 0) return;
    const auto matches = [&](int32_t e) {
        const SharedString label = ReadEntry(e).label;
        return !label.empty() &&
               upperAscii(wideFromWindows1252(static_cast<unsigned char>(label.view()[0]))) ==
                   upperAscii(key);
    };
    int32_t found = -1;
    for (int32_t e = std::max(0, current_); e < count_ && found < 0; ++e) {
        if (matches(e)) found = e;
    }
    if (found < 0 && current_ >= 2) {
        for (int32_t e = 0; e < current_ && found < 0; ++e) {
            if (matches(e)) found = e;
        }
    }
    if (found < 0) return;
    SetCurrent(found);
    const int32_t before = top_;
    ScrollTo(found);
    if (top_ == before) SelectRow(current_ - top_);
}

void IndexDocumentScreen::AppendToSearch(char16_t c) {
    if (!searchBox_) return;
    WindowSystem& ws = app_.windows();
    std::u16string text = ws.GetWindowText(searchBox_);
    if (text.size() >= static_cast<size_t>(ids::kTypedSearchLimit)) return;
    text.push_back(c);
    // Setting the text reports a change, which runs the prefix search; typing goes on at the end.
    ws.SetWindowText(searchBox_, text);
    if (searchBox_ && ws.IsWindow(searchBox_)) {
        const auto end = static_cast<int32_t>(text.size());
        EditBox(ws, searchBox_).selectRange(end, end);
    }
}

void IndexDocumentScreen::Choose(int32_t e) {
    if (module_ == nullptr || e < 0 || e >= count_) return;
    const Entry entry = ReadEntry(e);
    // An entry that could not be read has nothing to open.
    if (!entry.valid) return;
    app_.patientContext().setListPosition(e);
    module_->handleRequest(makeRequest(request_code::kInput, e));
    Navigate(entry.request);
}

void IndexDocumentScreen::RaiseInputPanel(bool up) {
    app_.windows().SHSipShowIM(up ? SIPF_ON : SIPF_OFF);
    keyboardUp_ = up;
}

void IndexDocumentScreen::LayOutForKeyboard() {
    WindowSystem& ws = app_.windows();
    RECT client;
    ws.GetClientRect(app_.mainWindow(), &client);
    const int32_t s = scale_;
    const int32_t w = ws.GetSystemMetrics(SM_CXVSCROLL);
    const int32_t top = client.top + 2 * lineHeight_;
    const int32_t height = client.bottom - 3 * s - rowHeight_ - top - (keyboardUp_ ? 84 * s : 0);
    if (list_)
        ws.MoveWindow(list_, client.left + 2 * s, top, client.right - w - s - client.left, height,
                      true);
    if (scrollBar_) ws.MoveWindow(scrollBar_, client.right + s - w, top, w, height, true);
    FillPage();
}

void IndexDocumentScreen::PaintScreen() {
    TraceScope trace(app_.trace(), "IndexDocumentScreen::PaintScreen");
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    const int32_t s = scale_;
    const int32_t lh = lineHeight_;
    RECT client;
    ws.GetClientRect(main, &client);

    PAINTSTRUCT ps;
    const HDC dc = ws.BeginPaint(main, &ps);
    bool shortened = false;
    {
        const ScopedSelection<HFONT> font(ws, dc, app_.boldFont());
        ws.SetBkColor(dc, kCaptionBack);
        if (module_ != nullptr && !caption_.empty()) {
            captionWide_ = widenWindows1252(caption_.view());
            toPlainText(captionWide_);
            std::u16string drawn = captionWide_;
            const DcMeasurer measurer(ws, dc);
            shortened = fitWithEllipsis(drawn, measurer, client.right - 4 * s - iconSize_);
            doubleAmpersand(drawn);
            ws.SetTextColor(dc, kBlack);
            ws.SetBkMode(dc, TRANSPARENT);
            RECT band{2 * s, lh, client.right - 2 * s, 2 * lh};
            ws.DrawText(dc, drawn, &band, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        }
    }
    ws.EndPaint(main, &ps);
    if (moreButton_) ws.ShowWindow(moreButton_, shortened ? SW_SHOW : SW_HIDE);

    if (module_ != nullptr) {
        const SharedString title = module_->title();
        if (!title.empty()) {
            app_.SetTitle(title);
            app_.PaintTitle(false);
        }
    }
}

LRESULT IndexDocumentScreen::OnListNotify(LPARAM lParam) {
    WindowSystem& ws = app_.windows();
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
        case NM_CUSTOMDRAW: {
            auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
            const DWORD stage = draw->nmcd.dwDrawStage;
            if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            if (stage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
            if (stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
                draw->clrText = draw->iSubItem == kTextColumn ? entryColor_ : kMarkerColor;
                draw->clrTextBk = kWhite;
            }
            return CDRF_DODEFAULT;
        }
        case LVN_ITEMCHANGED: {
            if (busy_) return 0;
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if (change->iItem != -1) SetCurrent(top_ + change->iItem);
            return 0;
        }
        case LVN_KEYDOWN: {
            if (busy_) return 0;
            const UINT key = reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey;
            switch (key) {
                case VK_RETURN:
                case VK_RIGHT:
                    Choose(top_ + FocusedRow());
                    return 0;
                case VK_LEFT:
                    ws.PostMessage(app_.mainWindow(), WM_COMMAND, command::kBack, 0);
                    return 0;
                case VK_UP: {
                    const int32_t row = FocusedRow();
                    SetCurrent(top_ + row);
                    if (row == 0) ScrollUp(1);
                    return 0;
                }
                case VK_DOWN: {
                    const int32_t row = FocusedRow();
                    SetCurrent(top_ + row);
                    if (row == RowsShown() - 1) ScrollDown(1);
                    return 0;
                }
                default:
                    break;
            }
            const bool letter = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
            if (!letter) return 1;
            if (search_) {
                AppendToSearch(static_cast<char16_t>(key));
            } else {
                MatchFirstLetter(static_cast<char16_t>(key));
            }
            return 0;
        }
        case NM_CLICK: {
            if (busy_) return 0;
            const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
            if (click->iItem < 0) return 0;
            if (popup_) popup_->Close();
            const int32_t row = click->iItem;
            if (click->iSubItem == kTextColumn) {
                Choose(top_ + row);
                return 0;
            }
            if (click->iSubItem == kMarkerColumn) {
                const ListView list(ws, list_);
                if (list.cellText(row, kMarkerColumn) != std::u16string(1, ids::kMarker)) return 0;
                if (!popup_) popup_ = std::make_unique<CaptionPopup>(app_);
                popup_->Open(list.cellText(row, kTextColumn), 2,
                             std::min(row * 15 + 2 * lineHeight_, 300));
                ws.SetFocus(list_);
            }
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT IndexDocumentScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    LRESULT result = 0;
    switch (message) {
        case WM_PAINT:
            if (window != main) break;
            PaintScreen();
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header != nullptr && list_ && header->hwndFrom == list_) {
                return OnListNotify(lParam);
            }
            break;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                if (search_ && !busy_) {
                    ws.SendMessage(main, WM_COMMAND, MAKEWPARAM(ids::kFindCommand, BN_CLICKED), 0);
                }
                break;
            }
            if (wParam == VK_LEFT) {
                ws.PostMessage(main, WM_COMMAND, command::kBack, 0);
                return 0;
            }
            if (wParam == VK_RIGHT) return 0;
            break;
        case WM_CHAR:
            if (searchBox_ && window != searchBox_ && ws.IsWindowVisible(searchBox_)) {
                ws.PostMessage(searchBox_, WM_CHAR, wParam, lParam);
                return 0;
            }
            break;
        case WM_COMMAND: {
            if (window != main) break;
            const int id = LOWORD(wParam);
            const UINT code = HIWORD(wParam);
            if (id == ids::kKeyboardCommand) {
                if (keyboardUp_) {
                    RaiseInputPanel(false);
                    LayOutForKeyboard();
                    if (list_) ws.SetFocus(list_);
                } else {
                    RaiseInputPanel(true);
                    LayOutForKeyboard();
                    if (searchBox_) ws.SetFocus(searchBox_);
                }
                return 0;
            }
            if (id == ids::kMoreCommand) {
                if (!popup_) popup_ = std::make_unique<CaptionPopup>(app_);
                popup_->Open(captionWide_, 2, 2 * lineHeight_);
                return 0;
            }
            if (id == ids::kFindCommand && search_) {
                if (busy_) return 0;
                FindNext();
                if (searchBox_) ws.SetFocus(searchBox_);
                RaiseInputPanel(true);
                return 0;
            }
            if (id == ids::kSearchBoxCommand && searchBox_) {
                if (busy_) return 0;
                if (code == EN_SETFOCUS) {
                    RaiseInputPanel(true);
                } else if (code == EN_KILLFOCUS) {
                    RaiseInputPanel(false);
                } else if (code == EN_CHANGE) {
                    FindPrefix();
                    ws.SetFocus(searchBox_);
                }
                return 0;
            }
            break;
        }
        case WM_VSCROLL: {
            if (!scrollBar_ || HwndFromLParam(lParam) != scrollBar_ || busy_) break;
            const int32_t position = static_cast<int16_t>(HIWORD(wParam));
            switch (LOWORD(wParam)) {
                case SB_LINEUP:
                    ScrollUp(1);
                    break;
                case SB_LINEDOWN:
                    ScrollDown(1);
                    break;
                case SB_PAGEUP:
                    ScrollUp(rowsPerPage_);
                    break;
                case SB_PAGEDOWN:
                    ScrollDown(rowsPerPage_);
                    break;
                case SB_THUMBPOSITION:
                case SB_THUMBTRACK:
                    ScrollTo(position);
                    break;
                case SB_TOP:
                    ScrollUp(0);
                    break;
                case SB_BOTTOM:
                    ScrollDown(0);
                    break;
                default:
                    break;
            }
            return 0;
        }
        default:
            break;
    }
    HandleMessage(window, message, wParam, lParam, result);
    return result;
}

}  // namespace orvane
