// The 60-byte "Prefs" value: its layout byte for byte, the defaults for anything damaged, and the
// store's round trip through the registry file.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "shell/preferences_store.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void put32(Bytes& b, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The defaults, laid out by hand from the table of offsets.
Bytes defaultValue() {
    Bytes b(60, 0);
    put32(b, 0, 1);
    put16(b, 14, 0xFFFF);  // history position -1
    b[16] = 1;
    b[17] = 1;
    put32(b, 24, 0x43480000u);  // 200.0f
    put32(b, 32, 0x41200000u);  // 10.0f
    put32(b, 40, 0x42900000u);  // 72.0f
    put32(b, 48, 0x41C80000u);  // 25.0f
    put32(b, 52, 0x420C0000u);  // 35.0f
    put16(b, 58, 1);
    return b;
}

Bytes asBytes(const std::array<uint8_t, kPreferencesValueSize>& a) {
    return Bytes(a.begin(), a.end());
}

TEST(Preferences, DefaultsEncodeByteForByte) {
    EXPECT_EQ(asBytes(encodePreferences(Preferences())), defaultValue());
}

TEST(Preferences, FieldsAtTheirOffsets) {
    Preferences p;
    p.spare12 = 0x11;
    p.reserved13 = 0x12;
    p.historyPosition = 0x0304;
    p.showDisclaimer = 0;
    p.secondDisclaimer = 0;
    p.spare18 = 0x18;
    p.reserved19 = 0x19;
    p.adultWeight = {1, 9, 1.5f};
    p.childWeight = {2, 8, 2.5f};
    p.height = {3, 7, 3.5f};
    p.headCircumference = {4, 6, 4.5f};
    p.age = 5.5f;
    p.sex = 1;
    p.keypadShown = 0;
    Bytes want(60, 0);
    put32(want, 0, 1);
    want[12] = 0x11;
    want[13] = 0x12;
    put16(want, 14, 0x0304);
    want[18] = 0x18;
    want[19] = 0x19;
    put16(want, 20, 1);
    put16(want, 22, 9);
    put32(want, 24, 0x3FC00000u);  // 1.5f
    put16(want, 28, 2);
    put16(want, 30, 8);
    put32(want, 32, 0x40200000u);  // 2.5f
    put16(want, 36, 3);
    put16(want, 38, 7);
    put32(want, 40, 0x40600000u);  // 3.5f
    put16(want, 44, 4);
    put16(want, 46, 6);
    put32(want, 48, 0x40900000u);  // 4.5f
    put32(want, 52, 0x40B00000u);  // 5.5f
    put16(want, 56, 1);
    put16(want, 58, 0);
    EXPECT_EQ(asBytes(encodePreferences(p)), want);
    EXPECT_EQ(decodePreferences(want.data(), want.size()), p);
}

TEST(Preferences, TheEightZeroBytesAreIgnoredWhenRead) {
    Bytes value = defaultValue();
    value[16] = 0;
    for (size_t i = 4; i < 12; ++i) value[i] = 0xAB;
    const Preferences p = decodePreferences(value.data(), value.size());
    EXPECT_EQ(p.showDisclaimer, 0);
    EXPECT_EQ(asBytes(encodePreferences(p))[4], 0);
}

struct Damaged {
    const char* name;
    Bytes value;
};

TEST(Preferences, DamagedValuesGiveTheDefaults) {
    Bytes changed = defaultValue();
    changed[16] = 0;  // would skip the disclaimer if it were taken
    Bytes short59(changed.begin(), changed.end() - 1);
    Bytes long61 = changed;
    long61.push_back(0);
    Bytes version2 = changed;
    put32(version2, 0, 2);
    Bytes version0 = changed;
    put32(version0, 0, 0);
    const Damaged cases[] = {{"59 bytes", short59},
                             {"61 bytes", long61},
                             {"version 2", version2},
                             {"version 0", version0},
                             {"empty", Bytes()}};
    for (const Damaged& c : cases) {
        EXPECT_EQ(decodePreferences(c.value.data(), c.value.size()), Preferences()) << c.name;
    }
    EXPECT_EQ(decodePreferences(nullptr, 60), Preferences());
}

class PreferencesStoreTest : public ::testing::Test {
  protected:
    void setRaw(DWORD type, const Bytes& bytes) {
        HKEY key;
        ASSERT_EQ(registry().RegCreateKeyEx(HKEY_LOCAL_MACHINE, kPreferencesKey, &key), 0);
        registry().RegSetValueEx(key, kPreferencesValue, type, bytes.data(),
                                 static_cast<DWORD>(bytes.size()));
        registry().RegCloseKey(key);
    }
    Bytes raw() {
        HKEY key;
        EXPECT_EQ(registry().RegOpenKeyEx(HKEY_LOCAL_MACHINE, kPreferencesKey, &key), 0);
        DWORD type = 0;
        DWORD size = 0;
        registry().RegQueryValueEx(key, kPreferencesValue, &type, nullptr, &size);
        Bytes out(size);
        registry().RegQueryValueEx(key, kPreferencesValue, &type, out.data(), &size);
        registry().RegCloseKey(key);
        EXPECT_EQ(type, REG_BINARY);
        return out;
    }
    Registry& registry() { return *h.registry; }

    test_support::ProgramHarness h;
};

TEST_F(PreferencesStoreTest, MissingKeyGivesTheDefaults) {
    PreferencesStore store(&registry());
    EXPECT_EQ(store.read(), Preferences());
    PreferencesStore none(nullptr);
    EXPECT_EQ(none.read(), Preferences());
    none.write(Preferences());  // stores nothing, fails nothing
}

TEST_F(PreferencesStoreTest, RoundTripThroughTheRegistryFile) {
    Preferences p;
    p.showDisclaimer = 0;
    p.historyPosition = 4;
    p.adultWeight = {1, 5, 154.0f};
    p.age = 61.0f;
    p.sex = 1;
    PreferencesStore(&registry()).write(p);
    EXPECT_EQ(raw(), asBytes(encodePreferences(p)));
    // A new registry read from the same file sees the same value.
    Registry reopened(registry().path());
    EXPECT_EQ(PreferencesStore(&reopened).read(), p);
}

TEST_F(PreferencesStoreTest, WrongTypeSizeOrVersionGiveTheDefaults) {
    Bytes changed = defaultValue();
    changed[16] = 0;
    Bytes short59(changed.begin(), changed.end() - 1);
    Bytes long61 = changed;
    long61.push_back(0);
    Bytes version2 = changed;
    put32(version2, 0, 2);
    const struct {
        const char* name;
        DWORD type;
        Bytes value;
    } cases[] = {{"59 bytes", REG_BINARY, short59},
                 {"61 bytes", REG_BINARY, long61},
                 {"version 2", REG_BINARY, version2},
                 {"type DWORD", REG_DWORD, changed},
                 {"type SZ", REG_SZ, changed}};
    for (const auto& c : cases) {
        setRaw(c.type, c.value);
        EXPECT_EQ(PreferencesStore(&registry()).read(), Preferences()) << c.name;
    }
    setRaw(REG_BINARY, changed);
    EXPECT_EQ(PreferencesStore(&registry()).read().showDisclaimer, 0);
}

}  // namespace
}  // namespace orvane
