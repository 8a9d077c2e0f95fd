// The preferences file: what launch reads, what quit writes, and what the
// user sees when the file or its folder cannot be had, read or written.

#include "preferences/PreferencesModule.h"
#include "app/App.h"
#include "framework/Application.h"
#include "framework/Window.h"
#include "preferences/CommonPreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
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
                             "MAINWINDOWLEFT = -1\nMAINWINDOWTOP = -1\n"
                             "MAINWINDOWWIDTH = -1\nMAINWINDOWHEIGHT = -1\n"
                             "CHECKFORUPDATE = False\n";

// Saves with a process limit lowered.
void saveWithLimit(int resource, rlim_t limit) {
    rlimit saved{};
    ::getrlimit(resource, &saved);
    rlimit lowered = saved;
    lowered.rlim_cur = limit;
    ::setrlimit(resource, &lowered);
    savePreferences();
    ::setrlimit(resource, &saved);
}

class PreferencesTest : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<App>());
        shortcutsList = std::make_unique<ShortcutTable>();
        checkForUpdate = resetPreferences = false;
    }
    void TearDown() override {
        framework::Window::releaseAll();
        CommonPreferencesModule::dictionary_.reset();
        framework::Application::releaseAppObject();
    }

    // Loads as the next launch would: fresh globals, fresh platform log.
    void relaunch() {
        TearDown();
        SetUp();
        platform.log.clear();
        loadPreferences();
    }
    static bool listWindowShown() { return MainWindow::get().Visible(); }
    std::string savedFile() const {
        return test::readFile(home.preferencesFile()).value_or("<none>");
    }
    // No temporary file may be left beside the preferences file.
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(home.config()), {}));
    }

    test::ConfigHome home;
    test::FakePlatform platform;
};

TEST_F(PreferencesTest, AFirstLaunchShowsTheListWindowAndAResetFileLoadsAsDefaults) {
    loadPreferences();
    EXPECT_TRUE(listWindowShown());
    EXPECT_EQ(platform.log, Messages{"front"});
    resetPreferences = true;
    savePreferences();
    EXPECT_EQ(savedFile(), "");

    relaunch();
    EXPECT_FALSE(listWindowShown());
    EXPECT_TRUE(platform.log.empty());
    savePreferences();
    EXPECT_EQ(savedFile(), defaults);
}

TEST_F(PreferencesTest, WithoutAPreferencesFolderNothingIsReadOrWritten) {
    writeFile(home.root() / "file", "");
    ::setenv("XDG_CONFIG_HOME", (home.root() / "file" / "config").c_str(), 1);
    loadPreferences();
    EXPECT_EQ(platform.log, (Messages{"front", "beep", "message:" + folderMissing, "front"}));
    EXPECT_TRUE(listWindowShown());
    savePreferences();
    EXPECT_EQ(platform.messages(), (Messages{folderMissing, folderMissing}));
    EXPECT_EQ(test::readFile(home.root() / "file"), "");
}

TEST_F(PreferencesTest, RowsLoadUntilTheFirstMissingFunctionKeyAndAreWrittenBackInOrder) {
    writeFile(home.preferencesFile(),
              "APPLICATIONNAME = Other\r\nMAINWINDOWLEFT = 12.9\r\nMAINWINDOWTOP = -1\r\n"
              "MAINWINDOWWIDTH = 1e12\r\nMAINWINDOWHEIGHT = -7.9\r\n"
              "FUNCTIONKEY0 = F5\nCOMMANDKEY0 = X\nFILENAME0 =  Text = Editor \n"
              "FILEABSOLUTEPATH0 = /usr/bin/editor\nFUNCTIONKEY1 = F19\nSHIFTKEY1 = X\n"
              "OPTIONKEY1 = X\nFUNCTIONKEY3 = F3\nCHECKFORUPDATE = True\r\n");
    loadPreferences();
    EXPECT_FALSE(listWindowShown());
    savePreferences();
    EXPECT_EQ(savedFile(),
              "APPLICATIONNAME = Keyhop\nAPPLICATIONVERSION = 1.0\nMAINWINDOWLEFT = 12\n"
              "MAINWINDOWTOP = -1\nMAINWINDOWWIDTH = 2147483647\nMAINWINDOWHEIGHT = -7\n"
              "FUNCTIONKEY0 = F5\nSHIFTKEY0 = \nCONTROLKEY0 = \nOPTIONKEY0 = \nCOMMANDKEY0 = X\n"
              "FILENAME0 = Text = Editor\nFILEABSOLUTEPATH0 = /usr/bin/editor\n"
              "FUNCTIONKEY1 = F19\nSHIFTKEY1 = X\nCONTROLKEY1 = \nOPTIONKEY1 = X\nCOMMANDKEY1 = \n"
              "FILENAME1 = \nFILEABSOLUTEPATH1 = \nCHECKFORUPDATE = True\n");
    EXPECT_TRUE(platform.log.empty());

    writeFile(home.preferencesFile(), "FUNCTIONKEY0 = \nFUNCTIONKEY1 = F2\n");
    relaunch();
    EXPECT_EQ(shortcutsList->lastRow(), -1);
}

TEST_F(PreferencesTest, AFailedWriteIsReportedAndTheEarlierFileStays) {
    writeFile(home.preferencesFile(), defaults);
    loadPreferences();
    shortcutsList->resize(99);
    // No new file can be opened beside the old one.
    const int lowestFree = ::open("/dev/null", O_RDONLY);
    ::close(lowestFree);
    saveWithLimit(RLIMIT_NOFILE, static_cast<rlim_t>(lowestFree));
    // A quota is reached halfway through: the write fails, nothing is killed.
    saveWithLimit(RLIMIT_FSIZE, 1000);
    EXPECT_EQ(platform.messages(), (Messages{notCreated, notCreated}));
    EXPECT_EQ(savedFile(), defaults);
    EXPECT_EQ(filesInFolder(), 1U);

    // A folder in the file's place.
    fs::remove(home.preferencesFile());
    fs::create_directories(home.preferencesFile() / "inside");
    savePreferences();
    EXPECT_EQ(platform.messages().size(), 3U);
    EXPECT_TRUE(fs::exists(home.preferencesFile() / "inside"));
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(PreferencesTest, AFileThatCannotBeReadIsNotReplacedAtQuit) {
    const std::string stored = "FUNCTIONKEY0 = F1\nFILEABSOLUTEPATH0 = /a\n";
    writeFile(home.preferencesFile(), stored);
    fs::permissions(home.preferencesFile(), fs::perms::none);
    // Root reads every file: act as "nobody", made owner of the test's folders.
    const bool root = ::geteuid() == 0;
    for (const auto& path : {home.root(), home.config(), home.preferencesFile()}) {
        ASSERT_TRUE(!root || ::chown(path.c_str(), 65534, 65534) == 0);
    }
    ::setfsuid(root ? 65534 : ::geteuid());
    loadPreferences();
    savePreferences();
    ::setfsuid(::geteuid());
    EXPECT_TRUE(listWindowShown());
    EXPECT_EQ(platform.messages(), Messages{notCreated});
    EXPECT_EQ(savedFile(), stored);
}

TEST_F(PreferencesTest, ASaveRemovesWhatSavesOfEndedProcessesLeftBehind) {
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    const auto leftover = [&](pid_t pid) {
        const fs::path path = home.config() / (".Keyhop." + std::to_string(pid) + ".0.tmp");
        writeFile(path, "half a save");
        return path;
    };
    const fs::path ofEnded = leftover(ended);
    const fs::path ofInit = leftover(1);
    savePreferences();
    EXPECT_FALSE(fs::exists(ofEnded));
    EXPECT_TRUE(fs::exists(ofInit));
}

} // namespace
