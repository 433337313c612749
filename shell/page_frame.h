// The page frame: the fixed style-sheet header and footer that go around every page body the
// viewer shows. Only texts; it does not talk to any viewer.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view kPageHeader =
    "<html>\r\n<head>\r\n<STYLE TYPE=\"text/css\">\r\nBODY { background-color: #FFFFFF; "
    "MARGIN:0px; PADDING-LEFT:1px; PADDING-RIGHT:0px; PADDING-TOP:2px; PADDING-BOTTOM:1px; }\n"
    "STRONG { color: #663300}\r\nA:link { text-decoration: none; color: #0033CC}\r\n"
    "A:visited { color: green }\r\nA:active { color: #663366 }\r\nB { color: #000099 }\r\n"
    "</STYLE>\r\n</head>\r\n\r\n<body>\r\n";

inline constexpr std::string_view kPageFooter = "\r\n</body>\r\n</html>";

// The header, the body and the footer.
inline std::string framePage(std::string_view body) {
    std::string page;
    page.reserve(kPageHeader.size() + body.size() + kPageFooter.size());
    page.append(kPageHeader);
    page.append(body);
    page.append(kPageFooter);
    return page;
}

}  // namespace orvane
