#pragma once
// A private XDG data folder for translation files, with no language chosen,
// for as long as the object lives.

#include "support/SavedEnvironment.h"

#include <filesystem>
#include <string>

namespace keyhop::test {

class TranslationFolder final {
  public:
    TranslationFolder();
    // Puts the environment back, removes the folder and forgets what was read.
    ~TranslationFolder();
    TranslationFolder(const TranslationFolder&) = delete;
    TranslationFolder& operator=(const TranslationFolder&) = delete;

    // Writes the translation file of the language ("de", "pt_BR").
    void write(const std::string& language, const std::string& content) const;

  private:
    SavedEnvironment saved_;
    std::filesystem::path root_;
};

} // namespace keyhop::test
