// Orvane's registry: key path + value name -> typed bytes, with the Win32 registry calls the
// program uses, kept in one file. Every change is written at once and atomically (a temporary
// file beside it, flushed to disk, then renamed over it), so a crash while writing leaves the
// previous file whole. Reading tolerates damage: a line that is cut, altered (each line carries a
// checksum) or unknown is skipped and the rest is kept. Key paths and value names compare
// without regard to ASCII case. Not a hierarchy: keys are independent paths.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win_types.h"

namespace orvane::platform {

using HKEY = Handle<struct RegistryKeyTag>;

inline constexpr HKEY HKEY_CLASSES_ROOT{0x80000000u};
inline constexpr HKEY HKEY_CURRENT_USER{0x80000001u};
inline constexpr HKEY HKEY_LOCAL_MACHINE{0x80000002u};

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_FAULT = 29;
inline constexpr LONG ERROR_MORE_DATA = 234;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

class Registry {
  public:
    // Reads the file if it exists (a missing or unreadable file is an empty registry).
    explicit Registry(std::string path);

    const std::string& path() const { return path_; }

    // Opens a key, making it when missing (written to the file at once).
    LONG RegCreateKeyEx(HKEY root, std::u16string_view subKey, HKEY* key);
    LONG RegOpenKeyEx(HKEY root, std::u16string_view subKey, HKEY* key);
    // data null: only type and size. A buffer smaller than the value: ERROR_MORE_DATA, *size set
    // to the value's size, nothing copied.
    LONG RegQueryValueEx(HKEY key, std::u16string_view name, DWORD* type, BYTE* data, DWORD* size);
    LONG RegSetValueEx(HKEY key, std::u16string_view name, DWORD type, const BYTE* data,
                       DWORD size);
    LONG RegDeleteValue(HKEY key, std::u16string_view name);
    LONG RegCloseKey(HKEY key);

    // Lines skipped as damaged when the file was read.
    int damagedLines() const { return damaged_; }

  private:
    struct Value {
        std::u16string name;
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };
    struct Key {
        uint32_t root = 0;
        std::u16string path;
        std::map<std::u16string, Value> values;  // key: lower-case name
    };
    using KeyId = std::pair<uint32_t, std::u16string>;  // root, lower-case path

    Key* keyOf(HKEY key);
    bool save() const;
    void load();

    std::string path_;
    std::map<KeyId, Key> keys_;
    std::map<uint32_t, KeyId> open_;
    uint32_t nextHandle_ = 1;
    int damaged_ = 0;
};

}  // namespace orvane::platform
