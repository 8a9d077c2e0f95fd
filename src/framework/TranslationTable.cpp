// Loading translations for the user's language.

#include "framework/TranslationTable.h"

#include "framework/Environment.h"
#include "framework/Text.h"
#include "framework/TextInputStream.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace framework {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string unescaped(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'n':
            result += '\n';
            break;
        case 'r':
            result += '\r';
            break;
        case 't':
            result += '\t';
            break;
        case '\\':
            result += '\\';
            break;
        default:
            result += '\\';
            result += text[i];
            break;
        }
    }
    return result;
}

// "de_AT.UTF-8@euro" gives "de_AT" then "de"; "C" and "POSIX" give nothing.
std::vector<std::string> candidateLanguages() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.empty()) {
            break;
        }
    }
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX") {
        return {};
    }
    std::vector<std::string> languages{locale};
    const auto underscore = locale.find('_');
    if (underscore != std::string::npos && underscore > 0) {
        languages.push_back(locale.substr(0, underscore));
    }
    return languages;
}

std::vector<std::filesystem::path> dataFolders() {
    std::vector<std::filesystem::path> folders;
    const std::string dataHome = absolutePathFromEnvironment("XDG_DATA_HOME");
    if (!dataHome.empty()) {
        folders.emplace_back(dataHome);
    } else if (const std::string home = homeFolder(); !home.empty()) {
        folders.emplace_back(std::filesystem::path(home) / ".local" / "share");
    }
    std::string dataDirs = environment("XDG_DATA_DIRS");
    if (dataDirs.empty()) {
        dataDirs = "/usr/local/share:/usr/share";
    }
    std::stringstream list(dataDirs);
    for (std::string folder; std::getline(list, folder, ':');) {
        if (!folder.empty()) {
            folders.emplace_back(folder);
        }
    }
    return folders;
}

} // namespace

TranslationTable TranslationTable::forUserLanguage() {
    const auto folders = dataFolders();
    for (const std::string& language : candidateLanguages()) {
        for (const auto& folder : folders) {
            const auto path = folder / "keyhop" / "translations" / (language + ".txt");
            if (std::filesystem::is_regular_file(path)) {
                return fromFile(path.string());
            }
        }
    }
    return {};
}

TranslationTable TranslationTable::fromFile(const std::string& path) {
    TranslationTable table;
    const auto file = TextInputStream::open(path);
    while (file && !file->EndOfFile()) {
        const std::string content = Trim(file->ReadLine());
        if (content.empty() || content.front() == '#') {
            continue;
        }
        const auto equals = content.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = Trim(content.substr(0, equals));
        if (!key.empty()) {
            table.texts_[key] = unescaped(Trim(content.substr(equals + 1)));
        }
    }
    return table;
}

std::optional<std::string> TranslationTable::lookup(const std::string& key) const {
    const auto found = texts_.find(key);
    if (found == texts_.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace framework
