// PreferencesStore: reads and writes the stored settings, the 60-byte binary value "Prefs" under
// "Software\Halvern\Orvane 6.0" in the local-machine hive of the registry file. Anything wrong
// with the stored value (missing, wrong type, size or version) reads as the defaults; a key that
// cannot be created stores nothing. It applies no setting itself.
#pragma once

#include <string>

#include "shell/preferences.h"

namespace orvane::platform {
class Registry;
}

namespace orvane {

inline constexpr char16_t kPreferencesKey[] = u"Software\\Halvern\\Orvane 6.0";
inline constexpr char16_t kPreferencesValue[] = u"Prefs";

class PreferencesStore {
  public:
    // The registry must outlive the store (null: nothing is stored, reads give the defaults).
    explicit PreferencesStore(platform::Registry* registry) : registry_(registry) {}
    PreferencesStore(const PreferencesStore&) = delete;
    PreferencesStore& operator=(const PreferencesStore&) = delete;
    virtual ~PreferencesStore() = default;

    virtual Preferences read();
    virtual void write(const Preferences& prefs);

  private:
    platform::Registry* registry_;
};

}  // namespace orvane
