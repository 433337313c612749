// A small scanner of HTML page text for what the viewer control must act on: link targets
// (<A HREF>), anchor names (<A NAME>), inline image sources (<IMG SRC>) and the title. Tag and
// attribute names compare without regard to case; values are returned raw (as written, without
// entity decoding). Script and style contents are skipped and never run. No layout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::platform {

struct HtmlScan {
    std::vector<std::string> links;
    std::vector<std::string> anchors;
    std::vector<std::string> images;
    std::string title;
};

HtmlScan ScanHtml(std::string_view page);

}  // namespace orvane::platform
