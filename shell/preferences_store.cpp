#include "shell/preferences_store.h"

#include <array>

#include "platform/registry.h"

namespace orvane {

using namespace platform;

Preferences PreferencesStore::read() {
    if (registry_ == nullptr) return Preferences();
    HKEY key;
    if (registry_->RegOpenKeyEx(HKEY_LOCAL_MACHINE, kPreferencesKey, &key) != ERROR_SUCCESS) {
        return Preferences();
    }
    Preferences prefs;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (registry_->RegQueryValueEx(key, kPreferencesValue, &type, nullptr, &size) ==
            ERROR_SUCCESS &&
        type == REG_BINARY && size == kPreferencesValueSize) {
        std::array<BYTE, kPreferencesValueSize> bytes{};
        DWORD got = static_cast<DWORD>(bytes.size());
        if (registry_->RegQueryValueEx(key, kPreferencesValue, &type, bytes.data(), &got) ==
                ERROR_SUCCESS &&
            type == REG_BINARY) {
            prefs = decodePreferences(bytes.data(), got);
        }
    }
    registry_->RegCloseKey(key);
    return prefs;
}

void PreferencesStore::write(const Preferences& prefs) {
    if (registry_ == nullptr) return;
    HKEY key;
    if (registry_->RegCreateKeyEx(HKEY_LOCAL_MACHINE, kPreferencesKey, &key) != ERROR_SUCCESS) {
        return;
    }
    const std::array<uint8_t, kPreferencesValueSize> bytes = encodePreferences(prefs);
    registry_->RegSetValueEx(key, kPreferencesValue, REG_BINARY, bytes.data(),
                             static_cast<DWORD>(bytes.size()));
    registry_->RegCloseKey(key);
}

}  // namespace orvane
