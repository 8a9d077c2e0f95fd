// Opening items: how each kind is opened, and a real launch of a program
// whose name a shell would misread.

#include "framework/FolderItem.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Argv = std::vector<std::string>;

constexpr auto executable = fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read;
constexpr auto readable = fs::perms::owner_read | fs::perms::owner_write;

void writeFile(const fs::path& path, const std::string& content, fs::perms permissions) {
    keyhop::test::writeFile(path, content);
    fs::permissions(path, permissions);
}

TEST(LaunchTest, OnlyProgramsAreStartedAndEveryOtherItemGoesToItsHandler) {
    const keyhop::test::FakePlatform platform;
    const keyhop::test::ConfigHome home;
    // An empty content makes a folder.
    const std::tuple<const char*, const char*, fs::perms, Argv> items[] = {
        {"program", "#!/bin/sh\n", executable, {}},
        {"binary", "\177ELF\2\1\1", executable, {}},
        {"entry.desktop", "[Desktop Entry]\n", executable, {"gio", "launch"}},
        {"script.sh", "#!/bin/sh\n", readable, {"xdg-open"}},
        // On FAT and network mounts every file has the execute bit.
        {"document.pdf", "%PDF-1.4\n", executable, {"xdg-open"}},
        {"notes.md", "# To do\n", executable, {"xdg-open"}},
        {"folder.desktop", "", executable, {"xdg-open"}},
    };
    for (const auto& [name, content, permissions, handler] : items) {
        const fs::path path = home.root() / name;
        if (*content == '\0') {
            fs::create_directory(path);
        } else {
            writeFile(path, content, permissions);
        }
        framework::FolderItem(path.string()).Launch(true);
        Argv expected = handler;
        expected.push_back(path.string());
        EXPECT_EQ(platform.started.back(), expected) << name;
    }
}

TEST(LaunchTest, AProgramStartsWithItsExactPathNotAsOurChildInTheHomeFolderWithNoneOfOurFiles) {
    const keyhop::test::ConfigHome home;
    // Desktop launchers start programs in the home folder, wherever Keyhop runs.
    const fs::path homeFolder = fs::canonical(home.root()) / "home";
    fs::create_directory(homeFolder);
    ::setenv("HOME", homeFolder.c_str(), 1);
    ASSERT_NE(fs::current_path(), homeFolder);
    const std::string marker = (home.root() / "marker").string();
    const std::string program = (home.root() / "-x 'a' \"b\" $y $(id); *?ü").string();
    const std::string report = "{ printf '%s\\n' \"$0\"; pwd -P; grep PPid /proc/$$/status; "
                               "ls -l /proc/$$/fd; }";
    writeFile(program,
              "#!/bin/sh\n" + report + " > " + marker + ".tmp; mv " + marker + ".tmp " + marker +
                  "\n",
              executable);
    // A file of ours that a careless launcher would pass on.
    const int fd = ::open((home.root() / "kept-open-by-keyhop").c_str(), O_CREAT | O_WRONLY, 0600);
    framework::FolderItem(program).Launch(true);
    const std::string written = keyhop::test::waitForFile(marker).value_or("<nothing launched>");
    ::close(fd);
    EXPECT_TRUE(written.starts_with(program + "\n" + homeFolder.string() + "\n")) << written;
    EXPECT_EQ(written.find("kept-open-by-keyhop"), std::string::npos) << written;
    EXPECT_EQ(written.find("PPid:\t" + std::to_string(::getpid()) + "\n"), std::string::npos);
    // Nothing is left for us to reap: no zombie, now or later.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
