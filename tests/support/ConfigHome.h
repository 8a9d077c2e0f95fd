#pragma once
// A private XDG config folder for as long as the object lives, so that no
// test reads or writes the real user's preferences; and small file helpers.

#include "support/SavedEnvironment.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace keyhop::test {

// A new, empty folder of its own under the system's temporary folder.
inline std::filesystem::path makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "keyhop-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("no temporary folder");
    }
    return pattern;
}

// The whole content of a file; nil when it cannot be read.
inline std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return file ? std::optional(content.str()) : std::nullopt;
}

// Writes the content as it is, replacing the file.
inline void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

class ConfigHome final {
  public:
    // XDG_CONFIG_HOME names an empty "config" folder in a fresh temporary
    // folder; HOME may be pointed anywhere meanwhile.
    ConfigHome() : saved_({"XDG_CONFIG_HOME", "HOME"}), root_(makeTemporaryFolder()) {
        std::filesystem::create_directory(config());
        ::setenv("XDG_CONFIG_HOME", config().c_str(), 1);
    }
    // Removes the folder, even where a test took permissions away.
    ~ConfigHome() {
        std::error_code error;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(root_, error);
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    // For anything else a test needs on disk.
    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path config() const { return root_ / "config"; }
    std::filesystem::path preferencesFile() const { return config() / "Keyhop"; }

  private:
    SavedEnvironment saved_;
    std::filesystem::path root_;
};

} // namespace keyhop::test
