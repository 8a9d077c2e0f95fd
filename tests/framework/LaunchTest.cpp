// Opening items: how each kind is opened, and real launches of marker
// programs with names that a shell would misread.

#include "framework/FolderItem.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using keyhop::test::ConfigHome;
using keyhop::test::FakePlatform;
using keyhop::test::waitForFile;
using Argv = std::vector<std::string>;

void writeFile(const std::string& path, const std::string& content, fs::perms permissions) {
    std::ofstream(path) << content;
    fs::permissions(path, permissions);
}

constexpr auto executable = fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read;
constexpr auto readable = fs::perms::owner_read | fs::perms::owner_write;

TEST(LaunchTest, EachKindOfItemIsOpenedItsOwnWay) {
    FakePlatform platform;
    ConfigHome home;
    const std::string folder = home.root().string();
    const std::string program = folder + "/program";
    const std::string entry = folder + "/entry.desktop";
    const std::string document = folder + "/document.txt";
    const std::string script = folder + "/not-executable.sh";
    const std::string directory = folder + "/folder";
    const std::string directoryEntry = folder + "/folder.desktop";
    writeFile(program, "#!/bin/sh\n", executable);
    writeFile(entry, "[Desktop Entry]\n", executable);
    writeFile(document, "text", readable);
    writeFile(script, "#!/bin/sh\n", readable);
    fs::create_directory(directory);
    fs::create_directory(directoryEntry);
    for (const auto& path : {program, entry, document, script, directory, directoryEntry}) {
        framework::FolderItem(path).Launch(true);
    }
    EXPECT_EQ(platform.started, (std::vector<Argv>{{program},
                                                   {"gio", "launch", entry},
                                                   {"xdg-open", document},
                                                   {"xdg-open", script},
                                                   {"xdg-open", directory},
                                                   {"xdg-open", directoryEntry}}));
}

// The real launcher. The marker program writes its arguments, its parent and
// the files it has open; the desktop's default handler is a marker program
// too, set up in a temporary XDG data folder.
class RealLaunchTest : public testing::Test {
  protected:
    ConfigHome home;
    const std::string folder = home.root().string();
    std::string marker;
    std::string viewer;
    std::vector<std::pair<std::string, std::optional<std::string>>> savedEnvironment;

    void SetUp() override {
        marker = folder + "/marker";
        viewer = folder + "/viewer";
        writeFile(viewer, markerProgram(), executable);
        const std::string data = folder + "/data";
        const std::string config = home.config().string();
        fs::create_directories(data + "/applications");
        std::ofstream(data + "/applications/keyhop-test-viewer.desktop")
            << "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" << viewer
            << " %f\nMimeType=text/plain;inode/directory;\n";
        std::ofstream(config + "/mimeapps.list")
            << "[Default Applications]\ntext/plain=keyhop-test-viewer.desktop\n"
               "inode/directory=keyhop-test-viewer.desktop\n";
        setEnvironment("XDG_DATA_HOME", data);
        // xdg-open asks for a display before it looks for a handler; nothing
        // here connects to it.
        setEnvironment("DISPLAY", ":9999");
        setEnvironment("XDG_CURRENT_DESKTOP", std::nullopt);
    }
    void TearDown() override {
        for (auto it = savedEnvironment.rbegin(); it != savedEnvironment.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
    }

    void setEnvironment(const std::string& name, const std::optional<std::string>& value) {
        const char* old = std::getenv(name.c_str());
        savedEnvironment.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

    std::string markerProgram() const {
        return "#!/bin/sh\n"
               "{ printf '%s\\n' \"$@\"; grep PPid /proc/$$/status; ls -l /proc/$$/fd; } > '" +
               marker + ".tmp' && mv '" + marker + ".tmp' '" + marker + "'\n";
    }

    // What the marker program wrote, once it has run.
    std::string launchAndWait(const std::string& path) {
        framework::FolderItem(path).Launch(true);
        auto written = waitForFile(marker);
        fs::remove(marker);
        return written.value_or("<nothing launched>");
    }
};

const std::vector<std::string> awkwardNames{
    "with blanks",  "quote\" and 'single'", "dollar $HOME and $(id)", "semi;colon && more",
    "star * and ?", "-leading-dash",        "grüße ünïcödé",          "all of -x $y; \"q\" *ü"};

TEST_F(RealLaunchTest, AnExecutableIsStartedDirectlyWithItsExactPath) {
    for (const auto& name : awkwardNames) {
        const std::string program = folder + "/" + name;
        writeFile(program, "#!/bin/sh\nexec '" + viewer + "' \"$0\"\n", executable);
        EXPECT_EQ(launchAndWait(program).substr(0, program.size() + 1), program + "\n") << name;
    }
}

TEST_F(RealLaunchTest, ADocumentGoesToTheDefaultHandler) {
    for (const auto& name : awkwardNames) {
        const std::string document = folder + "/" + name + ".txt";
        writeFile(document, "text\n", readable);
        EXPECT_EQ(launchAndWait(document).substr(0, document.size() + 1), document + "\n") << name;
    }
}

TEST_F(RealLaunchTest, AFolderGoesToTheDefaultHandler) {
    const std::string directory = folder + "/" + awkwardNames.back();
    fs::create_directory(directory);
    EXPECT_EQ(launchAndWait(directory).substr(0, directory.size() + 1), directory + "\n");
}

TEST_F(RealLaunchTest, ADesktopEntryRunsItsExecLine) {
    const std::string entry = folder + "/" + awkwardNames.back() + ".desktop";
    writeFile(entry,
              "[Desktop Entry]\nType=Application\nName=Entry\nExec=" + viewer +
                  " first \"second word\"\n",
              readable);
    const std::string arguments = "first\nsecond word\n";
    EXPECT_EQ(launchAndWait(entry).substr(0, arguments.size()), arguments);
}

TEST_F(RealLaunchTest, TheProgramIsNotOurChildAndGetsNoneOfOurFiles) {
    // A file of ours that a careless launcher would pass on.
    const std::string secret = folder + "/kept-open-by-keyhop";
    const int fd = ::open(secret.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    const std::string written = launchAndWait(viewer);
    ::close(fd);
    EXPECT_EQ(written.find("kept-open-by-keyhop"), std::string::npos) << written;
    EXPECT_EQ(written.find("PPid:\t" + std::to_string(::getpid()) + "\n"), std::string::npos);
    // Nothing is left for us to reap: no zombie, now or later.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
