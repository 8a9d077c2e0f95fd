// Text files: line ends when reading, whole-or-nothing replacement when
// writing, links, and the preferences folder.

#include "framework/FolderItem.h"
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using framework::FolderItem;
using keyhop::test::readFile;
using keyhop::test::writeFile;
using Lines = std::vector<std::string>;

class TextFileTest : public testing::Test {
  protected:
    FolderItem item(const std::string& name) const {
        return FolderItem((home.root() / name).string());
    }
    Lines linesOf(const std::string& content) const {
        writeFile(home.root() / "in", content);
        const auto stream = item("in").OpenAsTextFile();
        Lines lines;
        while (stream && !stream->EndOfFile()) {
            lines.push_back(stream->ReadLine());
        }
        return lines;
    }

    keyhop::test::ConfigHome home;
};

TEST_F(TextFileTest, EveryLineEndEndsALine) {
    EXPECT_EQ(linesOf("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("\n\r\n\r\r\nÜ ☃ \t=\n"), (Lines{"", "", "", "", "Ü ☃ \t="}));
    EXPECT_EQ(linesOf(""), Lines{});
    EXPECT_FALSE(item("config").OpenAsTextFile());
}

TEST_F(TextFileTest, TheNewContentReplacesTheOldOnlyWhenClosedKeepingItsPermissions) {
    writeFile(home.root() / "out", "old\n");
    fs::permissions(home.root() / "out", fs::perms::owner_read | fs::perms::group_read);
    const auto stream = item("out").CreateTextFile();
    stream->WriteLine("été");
    stream->Flush();
    EXPECT_EQ(readFile(home.root() / "out"), "old\n");
    EXPECT_TRUE(stream->Close());
    EXPECT_EQ(readFile(home.root() / "out"), "été\n");
    EXPECT_EQ(fs::status(home.root() / "out").permissions(),
              fs::perms::owner_read | fs::perms::group_read);
    // Nothing is left beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(home.root()), {}), 2);
}

TEST_F(TextFileTest, ALinkIsWrittenThroughWhetherItsTargetExistsOrNot) {
    fs::create_directory(home.root() / "real");
    writeFile(home.root() / "real" / "old", "old\n");
    for (const std::string name : {"old", "new"}) {
        fs::create_symlink("real/" + name, home.root() / ("to-" + name));
        const auto stream = item("to-" + name).CreateTextFile();
        stream->WriteLine(name);
        EXPECT_TRUE(stream->Close());
        EXPECT_TRUE(fs::is_symlink(home.root() / ("to-" + name)));
        EXPECT_EQ(readFile(home.root() / "real" / name), name + "\n");
    }
}

TEST_F(TextFileTest, ThePreferencesFolderIsTheXdgConfigFolderElseOneMadePrivateInHome) {
    EXPECT_EQ(framework::PreferencesFolder(), item("config"));
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::setenv("HOME", (home.root() / "home/").c_str(), 1);
    EXPECT_EQ(framework::PreferencesFolder(), item("home/.config"));
    for (const char* made : {"home", "home/.config"}) {
        EXPECT_EQ(fs::status(home.root() / made).permissions(), fs::perms::owner_all) << made;
    }
    // Without an absolute HOME, the account's folder is the home.
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "home", 1);
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(framework::PreferencesFolder(),
              FolderItem(account->pw_dir + std::string("/.config")));
}

} // namespace
