#pragma once
// A private XDG data folder for translation files, with no language chosen,
// for as long as the object lives.

#include "framework/System.h"
#include "support/ConfigHome.h"

namespace keyhop::test {

class TranslationFolder final {
  public:
    TranslationFolder()
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
    // Also forgets what was read, once the environment is back.
    ~TranslationFolder() {
        std::error_code error;
        std::filesystem::remove_all(root_, error);
        framework::System::reloadTranslations();
    }
    TranslationFolder(const TranslationFolder&) = delete;
    TranslationFolder& operator=(const TranslationFolder&) = delete;

    // Writes the translation file of the language ("de", "pt_BR").
    void write(const std::string& language, const std::string& content) const {
        writeFile(root_ / "keyhop" / "translations" / (language + ".txt"), content);
    }

  private:
    SavedEnvironment saved_;
    std::filesystem::path root_;
};

} // namespace keyhop::test
