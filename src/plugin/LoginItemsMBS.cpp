// Login items on XDG autostart entries, read and written by the Desktop
// Entry rules so that what we write starts the same file in every desktop.

#include "plugin/LoginItemsMBS.h"

#include "framework/Application.h"
#include "framework/Text.h"
#include "framework/TextInputStream.h"
#include "plugin/ApplicationExtensions.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace plugin {

namespace {

namespace fs = std::filesystem;

// Far more than any entry holds; a bigger file is not one.
constexpr std::size_t entrySizeLimit = 1 << 20;

struct Entry {
    // The program's path, resolved; nil when the entry names none.
    std::optional<std::string> program;
    // Hidden, or switched off in the session settings: it starts nothing.
    bool off = false;
};

std::optional<fs::path> autostartFolder() {
    const auto config = framework::PreferencesFolder();
    if (!config) {
        return std::nullopt;
    }
    return fs::path(config->AbsolutePath()) / "autostart";
}

// The entries' files in name order; none when the folder cannot be read.
std::vector<fs::path> entryFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().filename().string().ends_with(".desktop")) {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A string value with its escapes undone; nil for an escape the rules do
// not know, which makes the whole entry unusable.
std::optional<std::string> unescapeValue(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            text += value[i];
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value[i]) {
        case 's':
            text += ' ';
            break;
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case 'r':
            text += '\r';
            break;
        case '\\':
            text += '\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

// A string value as it must be written: blanks at its ends would be trimmed.
std::string escapeValue(const std::string& text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            value += "\\\\";
        } else if (c == '\t') {
            value += "\\t";
        } else if (c == ' ' && (i == 0 || i + 1 == text.size())) {
            value += "\\s";
        } else {
            value += c;
        }
    }
    return value;
}

bool escapedInQuotes(char c) {
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

// The arguments of an Exec command line; nil when a quote is left open.
// "%%" is a percent sign; any other field code stands for the files a launch
// passes, never for part of the program's path.
std::optional<std::vector<std::string>> commandArguments(const std::string& line) {
    std::vector<std::string> words(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool more = i + 1 < line.size();
        std::string& word = words.back();
        if (c == '%' && more) {
            if (line[++i] == '%') {
                word += '%';
            }
        } else if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && more && escapedInQuotes(line[i + 1])) {
                word += line[++i];
            } else {
                word += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (!word.empty()) {
                words.emplace_back();
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == '\\' && more) {
            word += line[++i];
        } else {
            word += c;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (words.back().empty()) {
        words.pop_back();
    }
    return words;
}

// The Exec line that starts the path. Desktops look for the program before
// they turn "%%" into "%", so a path holding "%" is started through env.
std::string commandLine(const std::string& path) {
    std::string argument = "\"";
    for (const char c : path) {
        if (escapedInQuotes(c)) {
            argument += '\\';
        } else if (c == '%') {
            argument += '%';
        }
        argument += c;
    }
    argument += '"';
    return path.find('%') == std::string::npos ? argument : "env " + argument;
}

// Links resolved as far as the path exists, so that every way of naming a
// file compares equal.
std::string resolved(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    return error ? fs::path(path).lexically_normal().string() : canonical.string();
}

// The file a program's name stands for: an absolute path, or a bare name
// found in PATH as the desktop finds it.
std::optional<std::string> programPath(const std::string& name) {
    if (name.starts_with('/')) {
        return resolved(name);
    }
    if (name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    const char* searchPath = std::getenv("PATH");
    std::string folders = searchPath != nullptr ? searchPath : "";
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        start = end + 1;
        if (folder.empty() || folder.front() != '/') {
            continue;
        }
        const std::string candidate = (fs::path(folder) / name).string();
        std::error_code error;
        if (fs::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0) {
            return resolved(candidate);
        }
    }
    return std::nullopt;
}

// The program a command starts: its first word, or after env the first word
// that sets no variable.
std::optional<std::string> commandProgram(const std::vector<std::string>& words) {
    auto word = words.begin();
    if (word != words.end() && fs::path(*word).filename() == "env") {
        word = std::find_if(word + 1, words.end(), [](const std::string& setting) {
            return setting.find('=') == std::string::npos;
        });
    }
    return word == words.end() ? std::nullopt : programPath(*word);
}

// The main group's Exec and Hidden keys; nil when the file is no regular
// file, is too big or cannot be read.
std::optional<Entry> readEntry(const fs::path& path) {
    const auto file = framework::TextInputStream::open(path.string(), entrySizeLimit);
    if (!file) {
        return std::nullopt;
    }
    Entry entry;
    bool mainGroup = false;
    while (!file->EndOfFile()) {
        const std::string line = framework::Trim(file->ReadLine());
        const std::size_t equals = line.find('=');
        if (line.starts_with('[')) {
            mainGroup = line == "[Desktop Entry]";
        } else if (mainGroup && !line.starts_with('#') && equals != std::string::npos) {
            const std::string key = framework::Trim(line.substr(0, equals));
            const std::string value = framework::Trim(line.substr(equals + 1));
            if (key == "Hidden") {
                entry.off = entry.off || value == "true" || value == "1";
            } else if (key == "X-GNOME-Autostart-enabled") {
                entry.off = entry.off || value == "false" || value == "0";
            } else if (key == "Exec") {
                const auto command = unescapeValue(value);
                const auto words = command ? commandArguments(*command) : std::nullopt;
                entry.program = words ? commandProgram(*words) : std::nullopt;
            }
        }
    }
    return entry;
}

// Whether the path can stand in an entry that starts it: desktops read
// entries as UTF-8 lines.
bool writableInEntry(const framework::FolderItem& file) {
    const std::string& path = file.AbsolutePath();
    // A path with "%" is started through env, which takes a word holding "="
    // for a variable to set; a file that is not there would start nothing.
    const bool throughEnv = path.find('%') != std::string::npos;
    return !path.empty() && path.front() == '/' && !file.Name().empty() &&
           path.find_first_of("\n\r") == std::string::npos &&
           !(throughEnv && path.find('=') != std::string::npos) && fs::is_regular_file(path) &&
           QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())).toStdString() ==
               path;
}

// Session settings list an entry by its name: ours goes by the application's.
std::string entryName(const framework::FolderItem& file) {
    const framework::Application* application = framework::Application::current();
    return application != nullptr && file == BundleFolderMBS(*application)
               ? ApplicationNameMBS(*application)
               : file.Name();
}

// A new, complete file beside the entries; "" when it cannot be written.
std::string writeTemporaryEntry(const fs::path& folder, const std::string& content) {
    const std::string path = (folder / (".keyhop-" + std::to_string(::getpid()) + ".tmp")).string();
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return {};
    }
    bool written =
        ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size()) &&
        ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(path.c_str());
        return {};
    }
    return path;
}

} // namespace

std::unique_ptr<LoginItemsMBS> LoginItemsMBS::New() {
    const auto folder = autostartFolder();
    if (!folder) {
        return nullptr;
    }
    auto items = std::unique_ptr<LoginItemsMBS>(new LoginItemsMBS(folder->string()));
    for (const fs::path& file : entryFiles(*folder)) {
        const auto entry = readEntry(file);
        items->items_.push_back(entry && !entry->off && entry->program
                                    ? std::optional(framework::FolderItem(*entry->program))
                                    : std::nullopt);
    }
    return items;
}

LoginItemsMBS::LoginItemsMBS(std::string folder) : folder_(std::move(folder)) {}

std::optional<framework::FolderItem> LoginItemsMBS::File(int index) const {
    if (index < 0 || index >= Count()) {
        return std::nullopt;
    }
    return items_[static_cast<std::size_t>(index)];
}

bool LoginItemsMBS::AddFile(const framework::FolderItem& file, bool) {
    if (!writableInEntry(file)) {
        return false;
    }
    const fs::path folder(folder_);
    std::error_code error;
    if (::mkdir(folder.c_str(), 0700) != 0 && !fs::is_directory(folder, error)) {
        return false;
    }
    const std::string temporary = writeTemporaryEntry(
        folder, "[Desktop Entry]\nType=Application\nName=" + escapeValue(entryName(file)) +
                    "\nExec=" + escapeValue(commandLine(file.AbsolutePath())) + "\n");
    if (temporary.empty()) {
        return false;
    }
    // link() never replaces a file, so another program's entry that appears
    // meanwhile is safe; an entry of this same program is replaced whole.
    const std::string program = resolved(file.AbsolutePath());
    bool placed = false;
    for (int number = 1; number <= 100 && !placed; ++number) {
        const std::string target =
            (folder / (file.Name() + (number > 1 ? "-" + std::to_string(number) : "") + ".desktop"))
                .string();
        if (::link(temporary.c_str(), target.c_str()) == 0) {
            placed = true;
        } else if (errno != EEXIST) {
            break;
        } else if (const auto entry = readEntry(target); entry && entry->program == program) {
            placed = ::rename(temporary.c_str(), target.c_str()) == 0;
        }
    }
    ::unlink(temporary.c_str());
    return placed;
}

bool LoginItemsMBS::RemoveFile(const framework::FolderItem& file) {
    const std::string program = resolved(file.AbsolutePath());
    bool gone = true;
    for (const fs::path& path : entryFiles(folder_)) {
        const auto entry = readEntry(path);
        if (entry && !entry->off && entry->program == program && ::unlink(path.c_str()) != 0 &&
            errno != ENOENT) {
            gone = false;
        }
    }
    return gone;
}

} // namespace plugin
