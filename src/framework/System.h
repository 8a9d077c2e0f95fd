#pragma once
// The framework's system object: localized text lookup.

#include <string>

namespace framework {

class System final {
  public:
    // The translation for the key in the user's language, else the default.
    static std::string GetLocalizedString(const std::string& key, const std::string& defaultText);

    // Reads the translations again (they are read once, at first lookup).
    static void reloadTranslations();
};

} // namespace framework
