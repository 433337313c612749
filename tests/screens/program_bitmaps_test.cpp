// Every bitmap the screens load has a drawing among the program's resources, drawn at the size
// the screen lays it out with (a missing one shows as an empty button face).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "rendering/image_names.h"
#include "screens/calculator_commands.h"
#include "screens/document_commands.h"
#include "screens/index_document_screen.h"
#include "screens/module_list_screen.h"

namespace orvane {
namespace {

std::string readResource(int id) {
    std::ifstream in(std::string(ORVANE_RESOURCE_DIR) + "/" + programBitmapFile(id),
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The number in attribute="N" of the first <svg ...> tag, or -1.
int svgAttribute(const std::string& svg, const std::string& name) {
    const size_t tagEnd = svg.find('>');
    const size_t at = svg.find(" " + name + "=\"");
    if (tagEnd == std::string::npos || at == std::string::npos || at > tagEnd) return -1;
    return std::stoi(svg.substr(at + name.size() + 3));
}

TEST(ProgramBitmaps, EveryScreenBitmapIsDrawnAtItsSize) {
    struct Case {
        int id;
        int width;
        int height;
    };
    const Case cases[] = {
        {index_screen::kMoreBitmap[0], 13, 16},
        {index_screen::kMoreBitmap[1], 32, 32},
        {index_screen::kFindBitmap[0], 16, 16},
        {index_screen::kFindBitmap[1], 32, 32},
        {index_screen::kKeyboardBitmap[0], 16, 14},
        {index_screen::kKeyboardBitmap[1], 32, 28},
        {index_screen::kRowImageBitmaps[0], 9, 11},
        {index_screen::kRowImageBitmaps[1], 9, 11},
        {document_bitmap::kMoreSmall, 13, 16},
        {document_bitmap::kMoreLarge, 32, 32},
        // The keypad toggles fill their buttons: (24s - 2) x line height.
        {document_bitmap::kShowKeypadSmall, 22, 19},
        {document_bitmap::kShowKeypadLarge, 46, 39},
        {document_bitmap::kHideKeypadSmall, 22, 19},
        {document_bitmap::kHideKeypadLarge, 46, 39},
        {calculator_bitmap::kImage, 17, 18},
        // Shared with pictures a page may name, so drawn at their own sizes and scaled.
        {module_list::kLogoBitmap, 0, 0},
        {module_list::kSmallLogoBitmap, 0, 0},
        {module_list::kLargeLogoBitmap, 0, 0},
        {module_list::kExitBitmap, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const std::string svg = readResource(c.id);
        ASSERT_EQ(svg.rfind("<svg ", 0), 0u);
        EXPECT_NE(svg.find("</svg>"), std::string::npos);
        if (c.width == 0) continue;
        EXPECT_EQ(svgAttribute(svg, "width"), c.width);
        EXPECT_EQ(svgAttribute(svg, "height"), c.height);
    }
}

}  // namespace
}  // namespace orvane
