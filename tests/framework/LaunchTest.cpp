// Opening items: how each kind is opened, and real launches of a program
// whose name a shell would misread, which tells how it was started.

#include "framework/FolderItem.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/UnprivilegedOwner.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
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

// The probe program copied to the path; what it reports once it ran.
std::string launchProbeAs(const fs::path& path) {
    fs::copy_file(KEYHOP_LAUNCH_PROBE, path);
    fs::permissions(path, executable | fs::perms::group_exec | fs::perms::others_exec);
    framework::FolderItem(path.string()).Launch(true);
    return keyhop::test::waitForFile(path.string() + ".report").value_or("<nothing launched>");
}

TEST(LaunchTest, AProgramStartsWithItsExactPathAloneInTheHomeFolderAsIfLoggedInAnew) {
    const keyhop::test::ConfigHome home;
    // Desktop launchers start programs in the home folder, wherever Keyhop runs.
    const fs::path homeFolder = fs::canonical(home.root()) / "home";
    fs::create_directory(homeFolder);
    ::setenv("HOME", homeFolder.c_str(), 1);
    ASSERT_NE(fs::current_path(), homeFolder);
    // A file of ours that a careless launcher would pass on, and a signal we
    // ignore that the program must not.
    const int fd = ::open((home.root() / "kept-open-by-keyhop").c_str(), O_CREAT | O_WRONLY, 0600);
    const auto previous = std::signal(SIGUSR2, SIG_IGN);
    const fs::path program = home.root() / "-x 'a' \"b\" $y $(id); *?ü";
    const std::string report = launchProbeAs(program);
    std::signal(SIGUSR2, previous);
    ::close(fd);
    EXPECT_TRUE(report.starts_with(program.string() + "\n" + homeFolder.string() + "\n" +
                                   "session leader: yes\n"))
        << report;
    EXPECT_THAT(report, testing::Not(testing::HasSubstr("parent: " + std::to_string(::getpid()))));
    EXPECT_THAT(report, testing::HasSubstr("\nblocked:\nignored:\n"));
    EXPECT_THAT(report, testing::Not(testing::HasSubstr("kept-open-by-keyhop")));
    // Nothing is left for us to reap: no zombie, now or later.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(LaunchTest, AHomeThatCannotBeEnteredStartsTheProgramInTheRootFolder) {
    const keyhop::test::ConfigHome home;
    const fs::path homeFolder = home.root() / "home";
    fs::create_directory(homeFolder);
    fs::permissions(homeFolder, fs::perms::none);
    ::setenv("HOME", homeFolder.c_str(), 1);
    const keyhop::test::UnprivilegedOwner owner{home.root(), homeFolder};
    EXPECT_THAT(launchProbeAs(home.root() / "probe"),
                testing::StartsWith((home.root() / "probe").string() + "\n/\n"));
}

} // namespace
