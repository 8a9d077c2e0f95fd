// Text files: line ends when reading, whole-or-nothing replacement when
// writing, and the preferences folder.

#include "framework/FolderItem.h"
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using framework::FolderItem;
using keyhop::test::readFile;
using keyhop::test::writeFile;

class TextFileTest : public testing::Test {
  protected:
    FolderItem item(const std::string& name) const {
        return FolderItem((home.root() / name).string());
    }
    std::vector<std::string> linesOf(const std::string& content) const {
        writeFile(home.root() / "in", content);
        const auto stream = item("in").OpenAsTextFile();
        EXPECT_TRUE(stream);
        std::vector<std::string> lines;
        while (stream && !stream->EndOfFile()) {
            lines.push_back(stream->ReadLine());
        }
        return lines;
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(home.root()), {}));
    }

    keyhop::test::ConfigHome home;
};

using Lines = std::vector<std::string>;

TEST_F(TextFileTest, EveryLineEndEndsALine) {
    EXPECT_EQ(linesOf("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(linesOf("\r\n\r\r\n"), (Lines{"", "", ""}));
    EXPECT_EQ(linesOf("\n\r"), (Lines{"", ""}));
    EXPECT_EQ(linesOf("Ünïcode ☃ \t=\n"), (Lines{"Ünïcode ☃ \t="}));
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST_F(TextFileTest, OnlyFilesOpenForReading) {
    EXPECT_FALSE(item("missing").OpenAsTextFile());
    EXPECT_FALSE(item("config").OpenAsTextFile());
}

TEST_F(TextFileTest, TheNewContentReplacesTheOldOnlyWhenClosed) {
    writeFile(home.root() / "out", "old\n");
    ::chmod((home.root() / "out").c_str(), 0640);
    const auto stream = item("out").CreateTextFile();
    ASSERT_TRUE(stream);
    stream->WriteLine("first = 1");
    stream->WriteLine("");
    stream->WriteLine("été");
    stream->Flush();
    EXPECT_EQ(readFile(home.root() / "out"), "old\n");
    EXPECT_TRUE(stream->Close());
    EXPECT_EQ(readFile(home.root() / "out"), "first = 1\n\nété\n");
    // The user's permissions are kept; nothing is left beside the file.
    EXPECT_EQ(fs::status(home.root() / "out").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), 2U);
}

TEST_F(TextFileTest, AStreamDroppedWithoutCloseLeavesTheOldFile) {
    writeFile(home.root() / "out", "old\n");
    item("out").CreateTextFile()->WriteLine("new");
    EXPECT_EQ(readFile(home.root() / "out"), "old\n");
    EXPECT_EQ(entries(), 2U);
}

TEST_F(TextFileTest, ALinkIsReplacedAtItsTarget) {
    writeFile(home.root() / "real", "old\n");
    fs::create_symlink("real", home.root() / "link");
    const auto stream = item("link").CreateTextFile();
    ASSERT_TRUE(stream);
    stream->WriteLine("new");
    EXPECT_TRUE(stream->Close());
    EXPECT_TRUE(fs::is_symlink(home.root() / "link"));
    EXPECT_EQ(readFile(home.root() / "real"), "new\n");
}

TEST_F(TextFileTest, FailuresAreReportedAndLeaveNothingBehind) {
    EXPECT_FALSE(FolderItem((home.root() / "none" / "out").string()).CreateTextFile());

    fs::create_directories(home.root() / "busy" / "inside");
    const auto stream = item("busy").CreateTextFile();
    ASSERT_TRUE(stream);
    stream->WriteLine("text");
    EXPECT_FALSE(stream->Close());
    EXPECT_TRUE(fs::is_directory(home.root() / "busy" / "inside"));
    EXPECT_EQ(entries(), 2U);
}

class PreferencesFolderTest : public TextFileTest {};

TEST_F(PreferencesFolderTest, IsTheXdgConfigFolderElseTheOneInHome) {
    EXPECT_EQ(framework::PreferencesFolder(), FolderItem(home.config().string()));

    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::setenv("HOME", (home.root() / "home").c_str(), 1);
    EXPECT_EQ(framework::PreferencesFolder(), FolderItem((home.root() / "home/.config").string()));

    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", (home.root() / "home/").c_str(), 1);
    EXPECT_EQ(framework::PreferencesFolder(), FolderItem((home.root() / "home/.config").string()));

    ::unsetenv("HOME");
    EXPECT_EQ(framework::PreferencesFolder(), std::nullopt);
}

TEST_F(PreferencesFolderTest, AMissingFolderIsMadePrivateToTheUser) {
    const fs::path folder = home.root() / "a" / "b" / "config";
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    EXPECT_EQ(framework::PreferencesFolder(), FolderItem(folder.string()));
    for (const fs::path& made :
         {folder, folder.parent_path(), folder.parent_path().parent_path()}) {
        EXPECT_TRUE(fs::is_directory(made));
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
    }
}

TEST_F(PreferencesFolderTest, IsNilWhenItCannotBeMade) {
    writeFile(home.root() / "file", "");
    ::setenv("XDG_CONFIG_HOME", (home.root() / "file").c_str(), 1);
    EXPECT_EQ(framework::PreferencesFolder(), std::nullopt);
    ::setenv("XDG_CONFIG_HOME", (home.root() / "file" / "config").c_str(), 1);
    EXPECT_EQ(framework::PreferencesFolder(), std::nullopt);
}

} // namespace
