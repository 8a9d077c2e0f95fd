// A private XDG data folder for translation files.

#include "support/TranslationFolder.h"

#include "framework/System.h"
#include "support/ConfigHome.h"

#include <cstdlib>

namespace keyhop::test {

TranslationFolder::TranslationFolder()
    : saved_({"XDG_DATA_HOME", "XDG_DATA_DIRS", "LC_ALL", "LC_MESSAGES", "LANG"}),
      root_(makeTemporaryFolder()) {
    std::filesystem::create_directories(root_ / "keyhop" / "translations");
    ::setenv("XDG_DATA_HOME", root_.c_str(), 1);
    // No system-wide translation may answer in place of ours.
    ::setenv("XDG_DATA_DIRS", (root_ / "none").c_str(), 1);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        ::unsetenv(name);
    }
}

TranslationFolder::~TranslationFolder() {
    std::error_code error;
    std::filesystem::remove_all(root_, error);
    framework::System::reloadTranslations();
}

void TranslationFolder::write(const std::string& language, const std::string& content) const {
    writeFile(root_ / "keyhop" / "translations" / (language + ".txt"), content);
}

} // namespace keyhop::test
