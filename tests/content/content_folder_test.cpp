#include "content/content_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tests/support/temp_folder.h"

namespace orvane {
namespace {

struct FolderCase {
    const char* executable;
    const char* overrideDir;
    const char* folder;
};

class ContentFolderRuleTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ContentFolderRuleTest, FindsTheFolder) {
    const FolderCase& c = GetParam();
    EXPECT_EQ(ContentFolder(c.executable, c.overrideDir).folder(), c.folder) << c.executable;
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ContentFolderRuleTest,
    ::testing::Values(FolderCase{"/opt/orvane/bin/orvane", "", "/opt/orvane/bin/"},
                      FolderCase{"/orvane", "", "/"}, FolderCase{"orvane", "", ""},
                      FolderCase{"", "", ""},
                      FolderCase{"/Storage Card/Programs/Halvern Tevik Program 1.1/orvane", "",
                                 "/Storage Card/Halvern Tevik Content 1.1/Halvern/Tevik 1.1/"},
                      FolderCase{"/a/Halvern Tevik Program 1.1/x/orvane", "",
                                 "/a/Halvern Tevik Content 1.1/Halvern/Tevik 1.1/"},
                      FolderCase{"/a/b/Halvern Tevik Program 1.1 extra/orvane", "",
                                 "/a/Halvern Tevik Content 1.1/Halvern/Tevik 1.1/"},
                      // Too shallow to go up two levels: the root.
                      FolderCase{"/Halvern Tevik Program 1.1/orvane", "",
                                 "/Halvern Tevik Content 1.1/Halvern/Tevik 1.1/"},
                      // The marker is case-sensitive.
                      FolderCase{"/p/halvern tevik program 1.1/orvane", "",
                                 "/p/halvern tevik program 1.1/"},
                      FolderCase{"/opt/orvane/bin/orvane", "/data/content", "/data/content/"},
                      FolderCase{"/opt/orvane/bin/orvane", "/data/content/", "/data/content/"},
                      FolderCase{"/x/Halvern Tevik Program 1.1/orvane", "rel", "rel/"}));

TEST(ContentFolderTest, FullPathAppendsTheFileName) {
    const ContentFolder folder("/opt/orvane/orvane", "");
    EXPECT_EQ(folder.fullPath("vemra6_00a.pdb"), "/opt/orvane/vemra6_00a.pdb");
}

TEST(ContentFolderTest, FullPathLongerThan255IsRefused) {
    const ContentFolder folder("/d/orvane", "");  // folder "/d/", 3 characters
    EXPECT_EQ(folder.fullPath(std::string(252, 'n')).size(), 255u);
    EXPECT_EQ(folder.fullPath(std::string(253, 'n')), "");
}

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        if (old != nullptr) old_ = old, hadOld_ = true;
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (hadOld_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

TEST(ContentFolderTest, RunningProgramUsesItsOwnFolder) {
    ScopedEnv env("ORVANE_CONTENT", nullptr);
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    const ContentFolder folder = ContentFolder::forRunningProgram("");
    EXPECT_EQ(folder.folder(), exe.substr(0, exe.rfind('/') + 1));
}

TEST(ContentFolderTest, EnvironmentOverridesTheRule) {
    ScopedEnv env("ORVANE_CONTENT", "/from/env");
    EXPECT_EQ(ContentFolder::forRunningProgram("").folder(), "/from/env/");
}

TEST(ContentFolderTest, OptionWinsOverTheEnvironment) {
    ScopedEnv env("ORVANE_CONTENT", "/from/env");
    EXPECT_EQ(ContentFolder::forRunningProgram("/from/option").folder(), "/from/option/");
}

TEST(ContentFolderTest, EmptyEnvironmentIsIgnored) {
    ScopedEnv env("ORVANE_CONTENT", "");
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(ContentFolder::forRunningProgram("").folder(), exe.substr(0, exe.rfind('/') + 1));
}

TEST(ContentFolderTest, InstalledContentFolderIsInTheDataFolder) {
    EXPECT_EQ(ContentFolder::installedContentFolder("/usr/bin/orvane"),
              "/usr/share/orvane/content/");
    EXPECT_EQ(ContentFolder::installedContentFolder("orvane"), "");
}

// A program folder and its data folder in a new temporary tree, with content files placed in
// either; the tree is removed with the test.
class InstalledContentTest : public ::testing::Test {
  protected:
    InstalledContentTest()
        : root_(makeRoot()),
          program_(root_ / "bin" / "orvane"),
          beside_(root_ / "bin"),
          installed_(root_ / "share" / "orvane" / "content") {
        std::filesystem::create_directories(beside_);
        std::filesystem::create_directories(installed_);
    }
    ~InstalledContentTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    static std::filesystem::path makeRoot() {
        const std::string made = test_support::makeTempFolder("orvane-installed");
        if (made.empty()) throw std::runtime_error("no temporary folder");
        return made;
    }
    static void touch(const std::filesystem::path& file) { std::ofstream(file).put('x'); }
    std::string found() const { return ContentFolder::forExecutable(program_.string()).folder(); }

    std::filesystem::path root_;
    std::filesystem::path program_;
    std::filesystem::path beside_;
    std::filesystem::path installed_;
};

TEST_F(InstalledContentTest, ContentBesideTheProgramComesFirst) {
    touch(beside_ / "vemra6_00a.pdb");
    touch(installed_ / "vemra6_00a.pdb");
    EXPECT_EQ(found(), beside_.string() + "/");
}

TEST_F(InstalledContentTest, WithNoContentBesideTheProgramTheInstalledContent) {
    touch(beside_ / "orvane-content");
    touch(beside_ / "notes.txt");
    touch(installed_ / "orvane_index.pdb");
    EXPECT_EQ(found(), installed_.string() + "/");
}

TEST_F(InstalledContentTest, WithNoContentAnywhereTheRuleStands) {
    touch(installed_ / "readme.txt");
    EXPECT_EQ(found(), beside_.string() + "/");
}

}  // namespace
}  // namespace orvane
