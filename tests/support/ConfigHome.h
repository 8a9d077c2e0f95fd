#pragma once
// A private XDG config folder for as long as the object lives, so that no
// test reads or writes the real user's preferences.

#include "support/SavedEnvironment.h"

#include <filesystem>
#include <optional>
#include <string>

namespace keyhop::test {

class ConfigHome final {
  public:
    // Makes a fresh temporary folder with an empty "config" folder in it and
    // points XDG_CONFIG_HOME there.
    ConfigHome();
    // Puts XDG_CONFIG_HOME and HOME back as they were; removes the folder.
    ~ConfigHome();
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    // The temporary folder, for anything else a test needs on disk.
    const std::filesystem::path& root() const { return root_; }
    // What XDG_CONFIG_HOME names.
    std::filesystem::path config() const { return root_ / "config"; }
    // Where Keyhop keeps its preferences file.
    std::filesystem::path preferencesFile() const { return config() / "Keyhop"; }

  private:
    SavedEnvironment saved_;
    std::filesystem::path root_;
};

// A new, empty folder of its own under the system's temporary folder.
std::filesystem::path makeTemporaryFolder();

// The whole content of a file; nil when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& path);
// Writes the content as it is, replacing the file.
void writeFile(const std::filesystem::path& path, const std::string& content);

} // namespace keyhop::test
