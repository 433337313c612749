// PageBuilder: writes the body of every page the HTML viewer shows (headings, links, images,
// anchors and converted content text) and carries the page flags that the screens read. It does
// not frame the page (the viewer bridge adds head and footer) and does not fill dose templates.
// One object, owned by the program's patient context; no hidden global.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/menu_group.h"
#include "model/menu_item.h"
#include "model/request.h"
#include "rendering/markup.h"

namespace orvane {

class InputField;

class PageBuilder {
  public:
    // Page flags, read by the screens; modules set them directly after start(true).
    int16_t weightInput = 0;     // 0 none, 1 adult weight, 2 child weight, 3 the weight last used
    int16_t keepImage = 0;       // 1: the calculator screen keeps its image control shown
    int16_t selectionMode = 1;   // 2: the calculator screen acts on a choice at once
    int16_t showImage = 1;       // the calculator screen shows its image control only when set
    int16_t showInputs = 1;      // when clear, the calculator screen hides keypad and "Clear All"
    int16_t hideChoiceList = 0;  // when set, the document screen hides its choice list

    // Returns the builder; with reset the body is emptied and every field takes its reset value.
    PageBuilder& start(bool reset);
    // How many pages were started with reset so far: tells the records one page build reads from
    // those of the next.
    uint32_t pagesStarted() const { return pagesStarted_; }
    // Called by every module after start; nothing is kept and nothing reads it back.
    void setTitle(std::string_view title, Request request, int32_t kind);

    void setWeightInput(int16_t n) { weightInput = n; }
    void setSelectionMode(int16_t n) { selectionMode = n; }
    // The module's input form; the builder does not own it.
    void setInputs(DynArray<InputField>* list) { inputs_ = list; }
    DynArray<InputField>* inputs() const { return inputs_; }

    // Converts the text with the content markup conversion, then appends it.
    void appendText(std::string_view text);
    void appendText(const char* text) { appendText(std::string_view(text)); }
    void appendText(const SharedString& text) { appendText(text.view()); }

    // Converts the caller's string in place, then appends it with appendText (so the text is
    // converted a second time). The overloads for texts the caller cannot give up convert a copy.
    void appendDocument(SharedString& document);
    void appendDocument(const SharedString& document) { appendDocument(document.view()); }
    void appendDocument(std::string_view document);
    void appendDocument(const char* document) { appendDocument(std::string_view(document)); }

    // appendDocument of "<STRONG>" text "</STRONG>" and, with lineBreak, "<BR>".
    void appendHeading(std::string_view text, bool lineBreak);
    void appendHeading(const SharedString& text, bool lineBreak) {
        appendHeading(text.view(), lineBreak);
    }
    void appendHeading(const char* text, bool lineBreak) {
        appendHeading(std::string_view(text), lineBreak);
    }

    void appendLineBreaks(int32_t n);  // n times "<BR>"
    void appendSpaces(int32_t n);      // n times "&nbsp;"
    // <A name="name"></A>; the name "anchor" when none (empty) is given.
    void appendAnchor(std::string_view name = {});
    // <IMG src="name">
    void appendImage(std::string_view name);

    // A link to a request, written as a signed decimal number. An empty image or name means none
    // is given; with neither text nor image the link shows the image "enter".
    void appendLink(Request target, std::string_view text, bool lineBreak, bool bold,
                    bool underline, std::string_view image = {}, std::string_view name = {});
    void appendLink(Request target, const SharedString& text, bool lineBreak, bool bold,
                    bool underline, std::string_view image = {}, std::string_view name = {}) {
        appendLink(target, text.view(), lineBreak, bold, underline, image, name);
    }
    void appendLink(Request target, const char* text, bool lineBreak, bool bold, bool underline,
                    std::string_view image = {}, std::string_view name = {}) {
        appendLink(target, std::string_view(text), lineBreak, bold, underline, image, name);
    }

    // Every item as an underlined link with the image "drug" and a line break.
    void appendItemList(const DynArray<MenuItem>& list);
    // The group's label as a heading, then its one link or its list of items.
    void appendGroup(const MenuGroup& group, bool trailingBreak);

    // The text's leading decimal number as a 32-bit float (read as a double, then rounded to
    // float); 0 when the text does not start with a number.
    static float parseNumber(std::string_view text);

    // The page body; valid until the builder is next started with reset (or appended to).
    const char* finish() const { return html_.text(); }
    const SharedString& html() const { return html_; }

  private:
    void appendRaw(std::string_view text) { html_.append(text); }

    SharedString html_;
    uint32_t pagesStarted_ = 0;
    DynArray<InputField>* inputs_ = nullptr;
    MarkupConverter converter_;
    std::string converted_;
};

}  // namespace orvane
