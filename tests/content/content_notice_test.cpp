// The start-up notice of missing content: a content folder that does not exist, one that is
// empty, and one whose files are partly missing or cut short, against the full sample content.
#include "content/content_notice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace orvane {
namespace {

namespace fs = std::filesystem;

class ContentNoticeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) /
                ("content-notice-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    // The sample content copied into a folder of its own.
    std::string copyOfSampleContent() {
        const fs::path folder = root_ / "content";
        fs::create_directories(folder);
        for (const auto& file : fs::directory_iterator(ORVANE_BIN_DIR)) {
            if (file.path().extension() == ".pdb") {
                fs::copy_file(file.path(), folder / file.path().filename());
            }
        }
        return folder.string() + "/";
    }
    static ContentNotice noticeFor(const std::string& folder) {
        return contentNotice(ContentCatalogue(ContentFolder("", folder)));
    }

    fs::path root_;
};

TEST_F(ContentNoticeTest, TheSampleContentIsComplete) {
    const ContentNotice notice = noticeFor(ORVANE_BIN_DIR);
    EXPECT_FALSE(notice.noContent);
    EXPECT_EQ(notice.text, "");
    EXPECT_EQ(ContentCatalogue::fileCount(), 31);
}

TEST_F(ContentNoticeTest, AFolderThatDoesNotExist) {
    const std::string folder = (root_ / "no-such-folder").string() + "/";
    const ContentNotice notice = noticeFor(folder);
    EXPECT_TRUE(notice.noContent);
    EXPECT_EQ(notice.text,
              "Content folder " + folder + " does not exist: the content files are missing.");
}

TEST_F(ContentNoticeTest, AnEmptyFolder) {
    const std::string folder = root_.string() + "/";
    const ContentNotice notice = noticeFor(folder);
    EXPECT_TRUE(notice.noContent);
    EXPECT_EQ(notice.text, "Content folder " + folder +
                               ": the content files are missing (none of the 31 opens).");
}

// One file left out and one cut short after its header: both are named, in catalogue order.
TEST_F(ContentNoticeTest, ATruncatedFolder) {
    const std::string folder = copyOfSampleContent();
    fs::remove(folder + "vemra6_06a.pdb");
    fs::resize_file(folder + "orvane_index.pdb", 80);
    const ContentNotice notice = noticeFor(folder);
    EXPECT_FALSE(notice.noContent);
    EXPECT_EQ(notice.text, "Content folder " + folder +
                               ": 2 of the 31 content files are missing or damaged: "
                               "vemra6_06a.pdb, orvane_index.pdb.");
}

}  // namespace
}  // namespace orvane
