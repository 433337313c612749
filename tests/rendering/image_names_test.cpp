// Image names: the program's bitmap table, and files looked for only as bare names directly in the
// content folder.
#include "rendering/image_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(ImageNamesTest, ProgramBitmapTable) {
    struct Case {
        const char* name;
        int32_t id;
    };
    const Case cases[] = {
        {"home", 108},
        {"index", 119},
        {"drug", 161},
        {"enter", 412},
        {"uparr", 905},
        {"dnarr", 906},
        {"azindex", 445},
        {"calc", 110},
        {"prev", 150},
        {"next", 117},
        {"yes", 164},
        {"no", 165},
        {"on", 163},
        {"off", 162},
        {"ok48", 450},
        {"cancel", 451},
        {"up", 126},
        {"btn", 125},
        {"folder", 155},
        {"foldopen", 156},
        {"foldup", 166},
        {"ref", 150},
        {"blank", 160},
        {"exit", 135},
        {"nresult", 319},
        {"result", 320},
        {"input", 321},
        {"ok", 188},
        {"ninput", 325},
        {"info", 151},
        {"ninfo", 324},
        {"dosing", 322},
        {"ndosing", 323},
        {"orvane", 1501},
        {"poison", 333},
        {"0", 199},
        {"1", 190},
        {"5", 194},
        {"9", 198},
        {"a", 622},
        {"c", 624},
        {"f", 627},
        // Not in the table: exact and case-sensitive, and never with a '.'.
        {"Home", 0},
        {"uparr.bmp", 0},
        {"g", 0},
        {"10", 0},
        {"", 0},
        {"home ", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(programBitmapId(c.name), c.id) << c.name;
}

TEST(ImageNamesTest, EveryProgramBitmapHasItsPicture) {
    const char* names[] = {
        "home",   "index",    "drug",   "enter", "uparr",  "dnarr",   "azindex", "calc",   "prev",
        "next",   "yes",      "no",     "on",    "off",    "ok48",    "cancel",  "up",     "btn",
        "folder", "foldopen", "foldup", "ref",   "blank",  "exit",    "nresult", "result", "input",
        "ok",     "ninput",   "info",   "ninfo", "dosing", "ndosing", "orvane",  "poison", "0",
        "1",      "2",        "3",      "4",     "5",      "6",       "7",       "8",      "9",
        "a",      "b",        "c",      "d",     "e",      "f"};
    const ContentFolder nowhere("", "/nonexistent-content-folder");
    for (const char* name : names) {
        const ResolvedImage image = resolveImage(name, nowhere);
        ASSERT_FALSE(image.empty()) << name;
        EXPECT_EQ(image.bitmapId, programBitmapId(name));
        EXPECT_EQ(image.mediaType, "image/svg+xml");
        EXPECT_EQ(image.bytes.rfind("<svg ", 0), 0u) << name;
        EXPECT_NE(image.bytes.find("</svg>"), std::string::npos) << name;
    }
}

TEST(ImageNamesTest, BareFileNames) {
    struct Case {
        std::string name;
        bool bare;
    };
    const Case cases[] = {
        {"chart.bmp", true},
        {"ecg-lead_II.png", true},
        {"Home", true},
        {std::string(64, 'x'), true},
        {std::string(65, 'x'), false},
        {"", false},
        {"../secret.bmp", false},
        {"..", false},
        {"a..b", false},
        {"sub/chart.bmp", false},
        {"/etc/passwd", false},
        {"sub\\chart.bmp", false},
        {"C:chart.bmp", false},
        {"chart\n.bmp", false},
        {std::string("chart\0.bmp", 10), false},
    };
    for (const Case& c : cases) EXPECT_EQ(isBareImageFileName(c.name), c.bare) << c.name;
}

class ContentImagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("orvane-images-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "content" / "sub");
        write(root_ / "content" / "chart.bmp", std::string("BM") + std::string(60, '\1'));
        write(root_ / "content" / "photo.png", std::string("\x89PNG\r\n\x1a\n", 8) + "data");
        write(root_ / "content" / "anim.gif", "GIF89a....");
        write(root_ / "content" / "scan.jpg", "\xFF\xD8\xFF\xE0....");
        write(root_ / "content" / "uparr.bmp", "BMfile");
        write(root_ / "content" / "Home", "BMhome");
        write(root_ / "content" / "notes.txt", "not a picture");
        write(root_ / "content" / "empty.bmp", "");
        write(root_ / "content" / "sub" / "inner.bmp", "BMinner");
        write(root_ / "outside.bmp", "BMoutside");
        fs::create_symlink(root_ / "outside.bmp", root_ / "content" / "link.bmp");
        fs::create_directories(root_ / "content" / "dir.bmp");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ContentFolder folder() const { return ContentFolder("", (root_ / "content").string()); }

    fs::path root_;
};

TEST_F(ContentImagesTest, LoadsPicturesLyingInTheContentFolder) {
    struct Case {
        const char* name;
        const char* type;  // nullptr: no bitmap
    };
    const Case cases[] =
        {
            {"chart.bmp", "image/bmp"},   {"photo.png", "image/png"},
            {"anim.gif", "image/gif"},    {"scan.jpg", "image/jpeg"},
            {"uparr.bmp", "image/bmp"},  // with a '.', a table name is a file name
            {"Home", "image/bmp"},       // not the table's "home"
            {"notes.txt", nullptr},      // not a picture
            {"empty.bmp", nullptr},       {"missing.bmp", nullptr},
            {"dir.bmp", nullptr},         // a folder
            {"link.bmp", nullptr},        // a link leading out of the folder
            {"sub/inner.bmp", nullptr},   // a path, even one inside the folder
            {"../outside.bmp", nullptr},  // a path out of the folder
            {"..\\outside.bmp", nullptr},
        };
    const ContentFolder content = folder();
    for (const Case& c : cases) {
        const ResolvedImage image = resolveImage(c.name, content);
        if (c.type == nullptr) {
            EXPECT_TRUE(image.empty()) << c.name;
        } else {
            ASSERT_FALSE(image.empty()) << c.name;
            EXPECT_EQ(image.mediaType, c.type) << c.name;
            EXPECT_EQ(image.bitmapId, 0) << c.name;
        }
    }
    EXPECT_EQ(resolveImage("Home", content).bytes, "BMhome");
}

TEST_F(ContentImagesTest, TableNamesNeverTouchTheContentFolder) {
    // A file named "home" in the content folder does not replace the program's bitmap.
    write(root_ / "content" / "home", "BMfake");
    const ResolvedImage image = resolveImage("home", folder());
    EXPECT_EQ(image.bitmapId, 108);
    EXPECT_EQ(image.mediaType, "image/svg+xml");
}

TEST_F(ContentImagesTest, TooLargeFileGivesNoBitmap) {
    write(root_ / "content" / "huge.bmp", "BM" + std::string(kMaxImageFileBytes, '\0'));
    EXPECT_TRUE(resolveImage("huge.bmp", folder()).empty());
}

}  // namespace
}  // namespace orvane
