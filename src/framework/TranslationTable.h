#pragma once
// Translations of the localizable texts, supplied from outside: a file of
// "key = value" lines for the user's language, found under the XDG data
// folders as keyhop/translations/<language>.txt.

#include <map>
#include <optional>
#include <string>

namespace framework {

class TranslationTable final {
  public:
    // Reads the file for the language named by LC_ALL, LC_MESSAGES or LANG
    // (the first one set), trying "de_AT" before "de"; empty when none is found.
    static TranslationTable forUserLanguage();

    // Reads "key = value" lines of a text file, as TextInputStream gives them;
    // "#" starts a comment line; in a value "\n", "\r", "\t" and "\\" stand
    // for a line feed, a carriage return, a tab and a backslash. Unreadable
    // files give an empty table.
    static TranslationTable fromFile(const std::string& path);

    std::optional<std::string> lookup(const std::string& key) const;

  private:
    std::map<std::string, std::string> texts_;
};

} // namespace framework
