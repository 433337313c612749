#include "platform/registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

namespace orvane::platform {
namespace {

namespace fs = std::filesystem;

class RegistryFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orvane-registry-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        path_ = (dir_ / "state" / "registry").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
    std::string path_;
};

constexpr char16_t kKey[] = u"Software\\Halvern\\Orvane 6.0";

std::array<BYTE, 60> prefs() {
    std::array<BYTE, 60> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<BYTE>(i * 7 + 1);
    return bytes;
}

TEST_F(RegistryFileTest, RoundTripThroughTheFile) {
    {
        Registry reg(path_);
        HKEY key;
        ASSERT_EQ(reg.RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, &key), ERROR_SUCCESS);
        const auto value = prefs();
        ASSERT_EQ(reg.RegSetValueEx(key, u"Prefs", REG_BINARY, value.data(), 60), ERROR_SUCCESS);
        reg.RegCloseKey(key);
    }
    Registry again(path_);
    HKEY key;
    ASSERT_EQ(again.RegOpenKeyEx(HKEY_LOCAL_MACHINE, u"software\\halvern\\ORVANE 6.0", &key),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(again.RegQueryValueEx(key, u"prefs", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 60u);
    std::array<BYTE, 60> out{};
    size = 59;  // too small: nothing is copied
    EXPECT_EQ(again.RegQueryValueEx(key, u"Prefs", &type, out.data(), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 60u);
    EXPECT_EQ(out, (std::array<BYTE, 60>{}));
    EXPECT_EQ(again.RegQueryValueEx(key, u"Prefs", &type, out.data(), &size), ERROR_SUCCESS);
    EXPECT_EQ(out, prefs());
    EXPECT_EQ(again.RegQueryValueEx(key, u"Other", &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    HKEY missing;
    EXPECT_EQ(again.RegOpenKeyEx(HKEY_LOCAL_MACHINE, u"Software\\Nothing", &missing),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryFileTest, WritesAtomicallyLeavingNoTemporaryFile) {
    Registry reg(path_);
    HKEY key;
    reg.RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, &key);
    const auto value = prefs();
    reg.RegSetValueEx(key, u"Prefs", REG_BINARY, value.data(), 60);
    EXPECT_FALSE(fs::exists(path_ + ".tmp"));
    // A crash in the middle of a later write leaves a half-written temporary file; the value
    // stored before is still read whole.
    { std::ofstream(path_ + ".tmp") << "ORVANE-REG"; }
    Registry after(path_);
    HKEY k2;
    ASSERT_EQ(after.RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, &k2), ERROR_SUCCESS);
    std::array<BYTE, 60> out{};
    DWORD size = 60;
    EXPECT_EQ(after.RegQueryValueEx(k2, u"Prefs", nullptr, out.data(), &size), ERROR_SUCCESS);
    EXPECT_EQ(out, value);
}

TEST_F(RegistryFileTest, AFailedWriteKeepsTheOldValue) {
    Registry reg(path_);
    HKEY key;
    reg.RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, &key);
    const auto value = prefs();
    reg.RegSetValueEx(key, u"Prefs", REG_BINARY, value.data(), 60);
    // The file's place becomes a non-empty folder: the rename must fail.
    fs::remove(path_);
    fs::create_directories(fs::path(path_) / "blocker");
    const BYTE other[2] = {1, 2};
    EXPECT_EQ(reg.RegSetValueEx(key, u"Prefs", REG_BINARY, other, 2), ERROR_WRITE_FAULT);
    DWORD size = 0;
    reg.RegQueryValueEx(key, u"Prefs", nullptr, nullptr, &size);
    EXPECT_EQ(size, 60u);
}

TEST_F(RegistryFileTest, DamagedLinesAreSkippedTheRestIsKept) {
    {
        Registry reg(path_);
        HKEY key;
        reg.RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, &key);
        const BYTE a[1] = {5};
        const BYTE b[3] = {6, 7, 8};
        reg.RegSetValueEx(key, u"A", REG_BINARY, a, 1);
        reg.RegSetValueEx(key, u"B", REG_BINARY, b, 3);
    }
    std::string text;
    {
        std::ifstream in(path_);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    // Flip one byte of value A's data (its checksum no longer matches) and cut the file's tail.
    const size_t pos = text.find(" 3 05\n");
    ASSERT_NE(pos, std::string::npos);
    text[pos + 4] = '6';
    text += "V 1234 garbage";
    { std::ofstream(path_, std::ios::trunc) << text; }
    Registry reg(path_);
    EXPECT_EQ(reg.damagedLines(), 2);
    HKEY key;
    ASSERT_EQ(reg.RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, &key), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(reg.RegQueryValueEx(key, u"A", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reg.RegQueryValueEx(key, u"B", nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 3u);
}

TEST_F(RegistryFileTest, GarbageFileIsAnEmptyRegistry) {
    fs::create_directories(fs::path(path_).parent_path());
    static constexpr char kGarbage[] = "\x00\xff\x12 not a registry\n\n";
    { std::ofstream(path_) << std::string(kGarbage, sizeof kGarbage - 1); }
    Registry reg(path_);
    HKEY key;
    EXPECT_EQ(reg.RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, &key), ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace orvane::platform
