// The page frame and the red message page.
#include "shell/page_frame.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PageFrameTest, FramesTheBodyWithTheFixedHeaderAndFooter) {
    const std::string expected =
        "<html>\r\n<head>\r\n<STYLE TYPE=\"text/css\">\r\nBODY { background-color: #FFFFFF; "
        "MARGIN:0px; PADDING-LEFT:1px; PADDING-RIGHT:0px; PADDING-TOP:2px; PADDING-BOTTOM:1px; "
        "}\nSTRONG { color: #663300}\r\nA:link { text-decoration: none; color: #0033CC}\r\n"
        "A:visited { color: green }\r\nA:active { color: #663366 }\r\nB { color: #000099 }\r\n"
        "</STYLE>\r\n</head>\r\n\r\n<body>\r\nHello\r\n</body>\r\n</html>";
    EXPECT_EQ(framePage("Hello"), expected);
}

TEST(PageFrameTest, AnEmptyPageIsStillFramed) {
    EXPECT_EQ(framePage(""), std::string(kPageHeader) + std::string(kPageFooter));
}

}  // namespace
}  // namespace orvane
