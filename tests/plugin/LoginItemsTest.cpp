// Login items in a private autostart folder: what is listed, what is
// written, and that entries of other programs are never touched.

#include "plugin/LoginItemsMBS.h"
#include "support/ConfigHome.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

namespace fs = std::filesystem;
using framework::FolderItem;
using keyhop::test::writeFile;
using Items = std::vector<std::optional<FolderItem>>;

class LoginItemsTest : public testing::Test {
  protected:
    // A script at the path that leaves a mark when it runs.
    FolderItem program(const fs::path& path) const {
        fs::create_directories(path.parent_path());
        writeFile(path, "#!/bin/sh\necho started >'" + marker.string() + "'\n");
        fs::permissions(path, fs::perms::owner_all);
        return FolderItem(path.string());
    }
    Items items() const {
        const auto loginItems = plugin::LoginItemsMBS::New();
        Items listed;
        for (int i = 0; i < loginItems->Count(); ++i) {
            listed.push_back(loginItems->File(i));
        }
        return listed;
    }

    keyhop::test::SavedEnvironment path{"PATH"};
    keyhop::test::ConfigHome home;
    const fs::path autostart = home.config() / "autostart";
    const fs::path marker = home.root() / "marker";
};

TEST_F(LoginItemsTest, ListsAddsAndRemovesTheEntriesThatStartTheProgram) {
    const FolderItem keyhop = program(home.root() / "bin" / "keyhop");
    ::setenv("PATH", ("relative:" + (home.root() / "bin").string() + ":/usr/bin").c_str(), 1);
    ASSERT_TRUE(plugin::LoginItemsMBS::New()->AddFile(keyhop, false));
    EXPECT_EQ(fs::status(autostart).permissions(), fs::perms::owner_all);
    EXPECT_EQ(items(), Items{keyhop});

    writeFile(autostart / "bare.desktop", "[Desktop Entry]\nExec=keyhop --tray %U\n");
    // Switched on in the session settings, hidden all the same.
    writeFile(autostart / "hidden.desktop", "[Desktop Entry]\r\nExec=keyhop\r\nHidden=true\r\n"
                                            "X-GNOME-Autostart-enabled=true\r\n");
    writeFile(autostart / "marked.desktop", "\xEF\xBB\xBF[Desktop Entry]\nExec=keyhop\n");
    writeFile(autostart / "other.desktop", "[Desktop Entry]\nExec = \"/usr/bin/a\\\\\\\\b\"\n");
    // Another program of the same file name, in another folder.
    writeFile(autostart / "elsewhere.desktop", "[Desktop Entry]\nExec=/opt/keyhop\n");
    const FolderItem other("/usr/bin/a\\b"), elsewhere("/opt/keyhop");
    EXPECT_EQ(items(), (Items{keyhop, elsewhere, std::nullopt, keyhop, keyhop, other}));

    EXPECT_TRUE(plugin::LoginItemsMBS::New()->RemoveFile(keyhop));
    EXPECT_EQ(items(), (Items{elsewhere, std::nullopt, other}));
    EXPECT_TRUE(fs::exists(autostart / "hidden.desktop"));
}

TEST_F(LoginItemsTest, AnAwkwardPathIsWrittenSoThatTheDesktopStartsIt) {
    const FolderItem keyhop = program(home.root() / "a \"b\" 'c' 50% $HOME \\d `e`\t" / "keyhop");
    const std::string foreign = "[Desktop Entry]\nExec=/usr/bin/other\n";
    fs::create_directories(autostart);
    writeFile(autostart / "keyhop.desktop", foreign);
    ASSERT_TRUE(plugin::LoginItemsMBS::New()->AddFile(keyhop));
    EXPECT_EQ(keyhop::test::readFile(autostart / "keyhop.desktop"), foreign);
    EXPECT_EQ(items(), (Items{keyhop, FolderItem("/usr/bin/other")}));

    // The desktop's own reader starts the file the entry names.
    QProcess::execute("gio", {"launch", (autostart / "keyhop-2.desktop").c_str()});
    EXPECT_EQ(keyhop::test::waitForFile(marker), "started\n");

    // Our own entry is replaced; what no entry could start is refused: a line
    // break, "%" with "=" (env would take it for a variable), a missing file.
    EXPECT_TRUE(plugin::LoginItemsMBS::New()->AddFile(keyhop));
    for (const fs::path& folder : {fs::path("x\ny"), fs::path("x=y 50%")}) {
        EXPECT_FALSE(
            plugin::LoginItemsMBS::New()->AddFile(program(home.root() / folder / "keyhop")));
    }
    EXPECT_FALSE(plugin::LoginItemsMBS::New()->AddFile(FolderItem("/nowhere/keyhop (deleted)")));
    EXPECT_EQ(items().size(), 2U);
}

} // namespace
