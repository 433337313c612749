#include "content/program_data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace orvane {
namespace {

struct DataFolderCase {
    const char* executable;
    const char* folder;
};

class ProgramDataFolderTest : public ::testing::TestWithParam<DataFolderCase> {};

TEST_P(ProgramDataFolderTest, LiesBesideTheProgramFolder) {
    const DataFolderCase& c = GetParam();
    EXPECT_EQ(programDataFolder(c.executable), c.folder) << c.executable;
}

// The project's builds use the default install folders: bin/ and share/orvane/.
INSTANTIATE_TEST_SUITE_P(
    DefaultFolders, ProgramDataFolderTest,
    ::testing::Values(DataFolderCase{"/usr/bin/orvane", "/usr/share/orvane/"},
                      DataFolderCase{"/opt/orvane 6/bin/orvane", "/opt/orvane 6/share/orvane/"},
                      DataFolderCase{"/home/u/build/bin/orvane", "/home/u/build/share/orvane/"},
                      DataFolderCase{"/orvane", "/share/orvane/"},
                      DataFolderCase{"bin/orvane", "share/orvane/"}, DataFolderCase{"orvane", ""},
                      DataFolderCase{"", ""}));

// The build tree is laid out as an install: the running test program (in the build's program
// folder) finds the bitmaps and the page's files where an installed orvane finds them.
TEST(RunningProgramDataFolderTest, HoldsTheBitmapsAndThePage) {
    const std::filesystem::path data = runningProgramDataFolder();
    ASSERT_FALSE(data.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(data / "bitmaps" / "bitmap_108.svg")) << data;
    EXPECT_TRUE(std::filesystem::is_regular_file(data / "web" / "index.html")) << data;
    EXPECT_TRUE(std::filesystem::is_regular_file(data / "content" / "orvane_index.pdb")) << data;
}

}  // namespace
}  // namespace orvane
