// The verdict on a file offered as content: a sound content file, the same file cut short, empty
// or with its record list overwritten, and files whose names are no content file's (a foreign
// Palm database among them), each in a folder of its own.
#include "content/content_file_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace orvane {
namespace {

namespace fs = std::filesystem;

class ContentFileCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) /
                ("content-file-check-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    // A sample content file copied into the test's folder under a name.
    void copySample(const std::string& sample, const std::string& name) {
        fs::copy_file(fs::path(ORVANE_BIN_DIR) / sample, root_ / name);
    }
    ContentFileVerdict verdict(const std::string& name) {
        return checkContentFile(ContentFolder("", root_.string() + "/"), name);
    }

    fs::path root_;
};

TEST_F(ContentFileCheckTest, ASoundContentFile) {
    copySample("vemra6_12a.pdb", "vemra6_12a.pdb");
    copySample("orvane_index.pdb", "orvane_index.pdb");
    EXPECT_EQ(verdict("vemra6_12a.pdb"), ContentFileVerdict::kContent);
    EXPECT_EQ(verdict("orvane_index.pdb"), ContentFileVerdict::kContent);
}

TEST_F(ContentFileCheckTest, ADamagedContentFile) {
    const std::string name = "vemra6_12a.pdb";
    const struct {
        const char* what;
        void (*damage)(const fs::path&);
    } cases[] = {
        {"cut inside its header", [](const fs::path& p) { fs::resize_file(p, 40); }},
        {"cut after its header", [](const fs::path& p) { fs::resize_file(p, 80); }},
        {"empty", [](const fs::path& p) { fs::resize_file(p, 0); }},
        // The first record's offset points past the end of the file.
        {"an offset past its end",
         [](const fs::path& p) {
             std::fstream file(p, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(78);
             file.write("\x7f\xff\xff\xff", 4);
         }},
    };
    for (const auto& c : cases) {
        fs::remove(root_ / name);
        copySample(name, name);
        c.damage(root_ / name);
        EXPECT_EQ(verdict(name), ContentFileVerdict::kDamaged) << c.what;
    }
    // A content file's name with no file behind it cannot be opened either.
    EXPECT_EQ(verdict("vemra6_13a.pdb"), ContentFileVerdict::kDamaged);
}

TEST_F(ContentFileCheckTest, NamesThatAreNoContentFile) {
    // A sound Palm database under a name the catalogue does not know is still foreign.
    copySample("vemra6_12a.pdb", "addressbook.pdb");
    copySample("vemra6_12a.pdb", "VEMRA6_12A.PDB");
    copySample("vemra6_12a.pdb", "vemra6_30a.pdb");
    for (const char* name : {"addressbook.pdb", "VEMRA6_12A.PDB", "vemra6_30a.pdb", "", "."}) {
        EXPECT_EQ(verdict(name), ContentFileVerdict::kForeign) << name;
    }
}

}  // namespace
}  // namespace orvane
