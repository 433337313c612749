#include "rendering/page_builder.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

namespace orvane {

PageBuilder& PageBuilder::start(bool reset) {
    if (reset) {
        ++pagesStarted_;
        html_.clear();
        inputs_ = nullptr;
        weightInput = 0;
        keepImage = 0;
        selectionMode = 1;
        showImage = 1;
        showInputs = 1;
        hideChoiceList = 0;
    }
    return *this;
}

void PageBuilder::setTitle(std::string_view /*title*/, Request /*request*/, int32_t /*kind*/) {}

void PageBuilder::appendText(std::string_view text) {
    converted_.clear();
    converter_.convertInto(text, converted_);
    appendRaw(converted_);
}

void PageBuilder::appendDocument(SharedString& document) {
    converted_.clear();
    converter_.convertInto(document.view(), converted_);
    document.assign(converted_);
    appendText(document.view());
}

void PageBuilder::appendDocument(std::string_view document) {
    SharedString copy(document);
    appendDocument(copy);
}

void PageBuilder::appendHeading(std::string_view text, bool lineBreak) {
    std::string heading;
    heading.reserve(text.size() + 21);
    heading.append("<STRONG>").append(text).append("</STRONG>");
    if (lineBreak) heading.append("<BR>");
    appendDocument(std::string_view(heading));
}

void PageBuilder::appendLineBreaks(int32_t n) {
    for (int32_t i = 0; i < n; ++i) appendRaw("<BR>");
}

void PageBuilder::appendSpaces(int32_t n) {
    for (int32_t i = 0; i < n; ++i) appendRaw("&nbsp;");
}

void PageBuilder::appendAnchor(std::string_view name) {
    appendRaw("<A name=\"");
    appendRaw(name.empty() ? std::string_view("anchor") : name);
    appendRaw("\"></A>");
}

void PageBuilder::appendImage(std::string_view name) {
    appendRaw("<IMG src=\"");
    appendRaw(name);
    appendRaw("\">");
}

void PageBuilder::appendLink(Request target, std::string_view text, bool lineBreak, bool bold,
                             bool underline, std::string_view image, std::string_view name) {
    char number[16];
    const auto written =
        std::to_chars(number, number + sizeof number, static_cast<int32_t>(target));
    appendRaw("<A HREF=\"");
    appendRaw(std::string_view(number, static_cast<size_t>(written.ptr - number)));
    appendRaw("\"");
    if (!name.empty()) {
        appendRaw(" name=\"");
        appendRaw(name);
        appendRaw("\"");
    }
    appendRaw(">");
    if (!image.empty()) {
        appendImage(image);
        if (!text.empty()) appendRaw("&nbsp;");
    } else if (text.empty()) {
        appendImage("enter");
    }
    if (!text.empty()) {
        if (bold) appendRaw("<B>");
        if (underline) appendRaw("<U>");
        appendText(text);
        if (underline) appendRaw("</U>");
        if (bold) appendRaw("</B>");
    }
    appendRaw("</A>");
    if (lineBreak) appendRaw("<BR>");
}

void PageBuilder::appendItemList(const DynArray<MenuItem>& list) {
    for (const MenuItem& item : list) {
        appendLink(item.request(), item.label().view(), true, false, true, "drug");
    }
}

void PageBuilder::appendGroup(const MenuGroup& group, bool trailingBreak) {
    std::string label(group.label.view());
    label.append(label.find(':') == std::string::npos ? "&nbsp;:&nbsp;" : "&nbsp;");
    if (!group.isList) {
        appendHeading(label, false);
        appendLink(group.target, group.text.view(), true, false, true);
        if (trailingBreak) appendRaw("<BR>");
    } else {
        appendHeading(label, true);
        appendItemList(group.items);
        appendRaw("<BR>");
    }
}

// Accepts what the standard conversion reads as a decimal number: leading white space, a sign,
// digits with at most one '.', and an exponent only when digits follow it. Hexadecimal, "inf" and
// "nan" are not decimal numbers here.
float PageBuilder::parseNumber(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    auto isDigit = [&](size_t k) { return k < n && text[k] >= '0' && text[k] <= '9'; };
    while (i < n && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t start = i;
    size_t digits = 0;
    while (isDigit(i)) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (isDigit(i)) ++i, ++digits;
    }
    if (digits == 0) return 0.0f;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
        if (isDigit(k)) {
            while (isDigit(k)) ++k;
            i = k;
        }
    }
    // The span holds only a plain decimal number, so strtod reads exactly it; it gives infinity
    // when the number is too large and zero when it is too small.
    const std::string span(text.substr(start, i - start));
    const double magnitude = std::strtod(span.c_str(), nullptr);
    if (magnitude > static_cast<double>(std::numeric_limits<float>::max())) {
        // Beyond the float range; a value that would round down to the largest float is
        // treated as overflowing too (only reachable with more digits than any content holds).
        return negative ? -std::numeric_limits<float>::infinity()
                        : std::numeric_limits<float>::infinity();
    }
    const float value = static_cast<float>(magnitude);
    return negative ? -value : value;
}

}  // namespace orvane
