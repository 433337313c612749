#include "platform/html_scan.h"

#include <cctype>

namespace orvane::platform {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct Attribute {
    std::string name;
    std::string value;
};

// Parses the inside of a tag (after "<", before ">"): its lower-case name and attributes.
void parseTag(std::string_view body, std::string* name, std::vector<Attribute>* attributes) {
    size_t i = 0;
    while (i < body.size() && !isSpace(body[i]) && body[i] != '/') ++i;
    *name = lower(body.substr(0, i));
    while (i < body.size()) {
        while (i < body.size() && (isSpace(body[i]) || body[i] == '/')) ++i;
        const size_t start = i;
        while (i < body.size() && !isSpace(body[i]) && body[i] != '=' && body[i] != '/') ++i;
        if (i == start) {
            ++i;
            continue;
        }
        Attribute a;
        a.name = lower(body.substr(start, i - start));
        while (i < body.size() && isSpace(body[i])) ++i;
        if (i < body.size() && body[i] == '=') {
            ++i;
            while (i < body.size() && isSpace(body[i])) ++i;
            if (i < body.size() && (body[i] == '"' || body[i] == '\'')) {
                const char quote = body[i++];
                const size_t end = body.find(quote, i);
                a.value = std::string(
                    body.substr(i, end == std::string_view::npos ? body.npos : end - i));
                i = end == std::string_view::npos ? body.size() : end + 1;
            } else {
                const size_t vstart = i;
                while (i < body.size() && !isSpace(body[i])) ++i;
                a.value = std::string(body.substr(vstart, i - vstart));
            }
        }
        attributes->push_back(std::move(a));
    }
}

}  // namespace

HtmlScan ScanHtml(std::string_view page) {
    HtmlScan scan;
    size_t i = 0;
    while (true) {
        const size_t open = page.find('<', i);
        if (open == std::string_view::npos) break;
        if (page.substr(open, 4) == "<!--") {
            const size_t end = page.find("-->", open + 4);
            if (end == std::string_view::npos) break;
            i = end + 3;
            continue;
        }
        const size_t close = page.find('>', open + 1);
        if (close == std::string_view::npos) break;
        std::string name;
        std::vector<Attribute> attributes;
        parseTag(page.substr(open + 1, close - open - 1), &name, &attributes);
        i = close + 1;
        if (name == "script" || name == "style" || name == "title") {
            const std::string endTag = "</" + name;
            const std::string rest = lower(page.substr(i));
            const size_t end = rest.find(endTag);
            const size_t contentEnd = end == std::string::npos ? page.size() : i + end;
            if (name == "title") scan.title = std::string(page.substr(i, contentEnd - i));
            i = contentEnd;
            continue;
        }
        for (const Attribute& a : attributes) {
            if (name == "a" && a.name == "href") scan.links.push_back(a.value);
            if (name == "a" && a.name == "name") scan.anchors.push_back(a.value);
            if (name == "img" && a.name == "src") scan.images.push_back(a.value);
        }
    }
    return scan;
}

}  // namespace orvane::platform
