// Localized text lookup.

#include "framework/System.h"

#include "framework/TranslationTable.h"

#include <optional>

namespace framework {

namespace {

std::optional<TranslationTable>& translations() {
    static std::optional<TranslationTable> table;
    return table;
}

} // namespace

std::string System::GetLocalizedString(const std::string& key, const std::string& defaultText) {
    if (!translations()) {
        translations() = TranslationTable::forUserLanguage();
    }
    return translations()->lookup(key).value_or(defaultText);
}

void System::reloadTranslations() {
    translations() = TranslationTable::forUserLanguage();
}

} // namespace framework
