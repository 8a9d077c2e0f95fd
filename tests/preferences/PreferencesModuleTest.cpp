// The preferences file: what launch reads, what quit writes, and what the
// user sees when the file or its folder cannot be had, read or written.

#include "preferences/PreferencesModule.h"
#include "support/AppSession.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/UnprivilegedOwner.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace keyhop;
using namespace keyhop::PreferencesModule;
using keyhop::test::writeFile;
using Messages = std::vector<std::string>;

const std::string folderMissing = "The \"Preferences\" folder does not exist.";
const std::string notCreated = "The preferences file could not be created.";
const std::string defaults = "APPLICATIONNAME = Keyhop\nAPPLICATIONVERSION = 1.0\n"
                             "MAINWINDOWLEFT = -1\nMAINWINDOWTOP = -1\nMAINWINDOWWIDTH = -1\n"
                             "MAINWINDOWHEIGHT = -1\nCHECKFORUPDATE = False\n";

class PreferencesTest : public testing::Test {
  protected:
    // Loads as the next launch would.
    void relaunch() {
        session.reset();
        session.emplace();
        platform.log.clear();
        loadPreferences();
    }
    test::UnprivilegedOwner unprivilegedOwner() const {
        return test::UnprivilegedOwner{home.root(), home.config(), home.preferencesFile()};
    }
    static bool listWindowShown() { return MainWindow::get().Visible(); }
    std::string saved() const { return test::readFile(home.preferencesFile()).value_or("<none>"); }

    test::ConfigHome home;
    test::FakePlatform platform;
    std::optional<test::AppSession> session{std::in_place};
};

TEST_F(PreferencesTest, AFirstLaunchShowsTheListWindowAndAResetFileLoadsAsDefaults) {
    loadPreferences();
    EXPECT_TRUE(listWindowShown());
    EXPECT_EQ(platform.log, Messages{"front"});
    resetPreferences = true;
    savePreferences();
    EXPECT_EQ(saved(), "");
    relaunch();
    EXPECT_FALSE(listWindowShown());
    EXPECT_TRUE(platform.log.empty());
    savePreferences();
    EXPECT_EQ(saved(), defaults);
}

TEST_F(PreferencesTest, WithoutAPreferencesFolderNothingIsReadOrWritten) {
    writeFile(home.root() / "file", "");
    ::setenv("XDG_CONFIG_HOME", (home.root() / "file" / "config").c_str(), 1);
    loadPreferences();
    EXPECT_EQ(platform.log, (Messages{"front", "beep", "message:" + folderMissing, "front"}));
    savePreferences();
    EXPECT_EQ(platform.messages(), (Messages{folderMissing, folderMissing}));
    EXPECT_EQ(test::readFile(home.root() / "file"), "");
}

TEST_F(PreferencesTest, RowsLoadUntilTheFirstMissingFunctionKeyAndAreWrittenBackInOrder) {
    writeFile(home.preferencesFile(),
              "APPLICATIONNAME = Other\r\nMAINWINDOWLEFT=12.9\r\n# edited by hand\r\n"
              "MAINWINDOWWIDTH = 1e12\r\nMAINWINDOWHEIGHT = -7.9\r\n"
              "FUNCTIONKEY0 = F5\nCOMMANDKEY0 = X\nFILENAME0 =  Text = Editor \n"
              "FILEABSOLUTEPATH0 = /usr/bin/editor\nFUNCTIONKEY1 = F19\nSHIFTKEY1 = X\n"
              "OPTIONKEY1 = X\nFUNCTIONKEY3 = F3\nCHECKFORUPDATE = True\r\n");
    loadPreferences();
    savePreferences();
    EXPECT_EQ(saved(),
              "APPLICATIONNAME = Keyhop\nAPPLICATIONVERSION = 1.0\nMAINWINDOWLEFT = 12\n"
              "MAINWINDOWTOP = -1\nMAINWINDOWWIDTH = 2147483647\nMAINWINDOWHEIGHT = -7\n"
              "FUNCTIONKEY0 = F5\nSHIFTKEY0 = \nCONTROLKEY0 = \nOPTIONKEY0 = \nCOMMANDKEY0 = X\n"
              "FILENAME0 = Text = Editor\nFILEABSOLUTEPATH0 = /usr/bin/editor\n"
              "FUNCTIONKEY1 = F19\nSHIFTKEY1 = X\nCONTROLKEY1 = \nOPTIONKEY1 = X\nCOMMANDKEY1 = \n"
              "FILENAME1 = \nFILEABSOLUTEPATH1 = \nCHECKFORUPDATE = True\n");
    EXPECT_FALSE(listWindowShown());
    EXPECT_TRUE(platform.log.empty());

    // The later of two lines wins; only "True" is true.
    writeFile(home.preferencesFile(), "FUNCTIONKEY0 = F1\nFUNCTIONKEY0 = \nFUNCTIONKEY1 = F2\n"
                                      "CHECKFORUPDATE = True\nCHECKFORUPDATE = true\n");
    relaunch();
    EXPECT_EQ(shortcutsList->lastRow(), -1);
    EXPECT_FALSE(checkForUpdate);
}

TEST_F(PreferencesTest, AByteOrderMarkIsNotPartOfTheFirstKeyAndIsNotWrittenBack) {
    writeFile(home.preferencesFile(), "\xEF\xBB\xBF"
                                      "FUNCTIONKEY0 = F5\nFILEABSOLUTEPATH0 = /usr/bin/editor\n");
    loadPreferences();
    savePreferences();
    EXPECT_EQ(saved(), "APPLICATIONNAME = Keyhop\nAPPLICATIONVERSION = 1.0\nMAINWINDOWLEFT = -1\n"
                       "MAINWINDOWTOP = -1\nMAINWINDOWWIDTH = -1\nMAINWINDOWHEIGHT = -1\n"
                       "FUNCTIONKEY0 = F5\nSHIFTKEY0 = \nCONTROLKEY0 = \nOPTIONKEY0 = \n"
                       "COMMANDKEY0 = \nFILENAME0 = \nFILEABSOLUTEPATH0 = /usr/bin/editor\n"
                       "CHECKFORUPDATE = False\n");
}

TEST_F(PreferencesTest, AFailedWriteIsReportedAndTheEarlierFileStays) {
    writeFile(home.preferencesFile(), defaults);
    loadPreferences();
    shortcutsList->resize(99);
    // No new file can be made beside the old one. (Not by a lowered limit on
    // open files: the sanitizers need a few descriptors of their own.)
    fs::permissions(home.config(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        const auto owner = unprivilegedOwner();
        savePreferences();
    }
    fs::permissions(home.config(), fs::perms::owner_all);
    // A quota is reached halfway through: the write fails, nothing is killed.
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit quota{1000, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &quota);
    savePreferences();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(saved(), defaults);
    // A folder in the file's place.
    fs::remove(home.preferencesFile());
    fs::create_directory(home.preferencesFile());
    savePreferences();
    EXPECT_EQ(platform.messages(), (Messages{notCreated, notCreated, notCreated}));
    EXPECT_EQ(std::distance(fs::directory_iterator(home.config()), {}), 1);
}

TEST_F(PreferencesTest, AFileThatCannotBeReadIsNotReplacedAtQuit) {
    const std::string stored = "FUNCTIONKEY0 = F1\nFILEABSOLUTEPATH0 = /a\n";
    writeFile(home.preferencesFile(), stored);
    fs::permissions(home.preferencesFile(), fs::perms::none);
    {
        const auto owner = unprivilegedOwner();
        loadPreferences();
        savePreferences();
    }
    EXPECT_TRUE(listWindowShown());
    EXPECT_EQ(platform.messages(), Messages{notCreated});
    EXPECT_EQ(saved(), stored);

    // Nor a pipe in its place, which no launch waits on.
    fs::remove(home.preferencesFile());
    ASSERT_EQ(::mkfifo(home.preferencesFile().c_str(), 0600), 0);
    relaunch();
    savePreferences();
    EXPECT_EQ(platform.messages(), Messages{notCreated});
    EXPECT_TRUE(fs::is_fifo(home.preferencesFile()));
}

TEST_F(PreferencesTest, ASaveRemovesWhatSavesOfEndedProcessesLeftBehind) {
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    // Init lives on.
    const fs::path ofEnded = home.config() / (".Keyhop." + std::to_string(ended) + ".0.tmp");
    const fs::path ofInit = home.config() / ".Keyhop.1.0.tmp";
    writeFile(ofEnded, "half a save");
    writeFile(ofInit, "half a save");
    savePreferences();
    EXPECT_FALSE(fs::exists(ofEnded));
    EXPECT_TRUE(fs::exists(ofInit));
}

} // namespace
