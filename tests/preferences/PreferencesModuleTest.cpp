// The preferences file: what launch reads, what quit writes, and what the
// user sees when the file or its folder is not there.

#include "preferences/PreferencesModule.h"
#include "app/App.h"
#include "framework/Application.h"
#include "framework/Text.h"
#include "framework/Window.h"
#include "preferences/CommonPreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <limits>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace keyhop;
using namespace keyhop::PreferencesModule;
using keyhop::test::readFile;
using keyhop::test::writeFile;

const std::string folderMissing = "The \"Preferences\" folder does not exist.";
const std::string notCreated = "The preferences file could not be created.";

std::string header(int left, int top, int width, int height) {
    return "APPLICATIONNAME = Keyhop\n"
           "APPLICATIONVERSION = 1.0\n"
           "MAINWINDOWLEFT = " +
           std::to_string(left) + "\nMAINWINDOWTOP = " + std::to_string(top) +
           "\nMAINWINDOWWIDTH = " + std::to_string(width) +
           "\nMAINWINDOWHEIGHT = " + std::to_string(height) + "\n";
}

std::string rowLines(int n, const ShortcutTable::Row& row) {
    const std::array<const char*, 7> keys{"FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY",      "OPTIONKEY",
                                          "COMMANDKEY",  "FILENAME", "FILEABSOLUTEPATH"};
    std::string lines;
    for (std::size_t column = 0; column < keys.size(); ++column) {
        lines += keys[column] + std::to_string(n) + " = " + row[column] + "\n";
    }
    return lines;
}

// A process limit lowered for the life of the object.
class ScopedLimit final {
  public:
    ScopedLimit(int resource, rlim_t soft) : resource_(resource) {
        ::getrlimit(resource_, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = soft;
        ::setrlimit(resource_, &lowered);
    }
    ~ScopedLimit() { ::setrlimit(resource_, &saved_); }

  private:
    int resource_;
    rlimit saved_{};
};

class PreferencesTest : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<App>());
        CommonPreferencesModule::dictionary_.reset();
        shortcutsList = std::make_unique<ShortcutTable>();
        mainWindowLeft = mainWindowTop = mainWindowWidth = mainWindowHeight = 0;
        checkForUpdate = resetPreferences = false;
    }
    void TearDown() override {
        framework::Window::releaseAll();
        CommonPreferencesModule::dictionary_.reset();
        framework::Application::releaseAppObject();
    }

    // Loads as the next launch would: fresh globals, fresh platform log.
    void relaunch() {
        framework::Window::releaseAll();
        SetUp();
        platform.log.clear();
        loadPreferences();
    }
    void addRow(const ShortcutTable::Row& row) {
        const int n = shortcutsList->lastRow() + 1;
        shortcutsList->resize(n);
        for (int column = 0; column < ShortcutTable::columnCount; ++column) {
            shortcutsList->cell(n, column) = row[static_cast<std::size_t>(column)];
        }
    }
    static bool listWindowShown() { return MainWindow::get().Visible(); }
    std::optional<std::string> savedFile() const { return readFile(home.preferencesFile()); }
    // Only the file itself may be in the folder: no temporary file left behind.
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(home.config()), {}));
    }

    test::ConfigHome home;
    test::FakePlatform platform;
};

TEST_F(PreferencesTest, FirstLaunchWithoutAFile) {
    loadPreferences();
    EXPECT_EQ(mainWindowLeft, -1);
    EXPECT_EQ(mainWindowTop, -1);
    EXPECT_EQ(mainWindowWidth, -1);
    EXPECT_EQ(mainWindowHeight, -1);
    EXPECT_EQ(shortcutsList->lastRow(), -1);
    EXPECT_FALSE(checkForUpdate);
    EXPECT_TRUE(listWindowShown());
    EXPECT_EQ(platform.log, std::vector<std::string>{"front"});

    savePreferences();
    EXPECT_EQ(savedFile(), header(-1, -1, -1, -1) + "CHECKFORUPDATE = False\n");
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(PreferencesTest, WithoutAPreferencesFolderNothingIsReadOrWritten) {
    writeFile(home.root() / "file", "");
    ::setenv("XDG_CONFIG_HOME", (home.root() / "file" / "config").c_str(), 1);

    loadPreferences();
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"front", "beep", "message:" + folderMissing, "front"}));
    EXPECT_TRUE(listWindowShown());
    EXPECT_EQ(mainWindowLeft, -1);
    EXPECT_EQ(mainWindowHeight, -1);
    EXPECT_EQ(shortcutsList->lastRow(), -1);
    EXPECT_FALSE(checkForUpdate);

    platform.log.clear();
    savePreferences();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{folderMissing});
    EXPECT_EQ(readFile(home.root() / "file"), "");
}

TEST_F(PreferencesTest, LoadsTheSettingsAndRowsUntilTheFirstMissingFunctionKey) {
    writeFile(home.preferencesFile(),
              "APPLICATIONNAME = Other\r\n"
              "MAINWINDOWLEFT = 10\r\n"
              "MAINWINDOWTOP = -1\r\n"
              "MAINWINDOWWIDTH = 460\r\n"
              "MAINWINDOWHEIGHT = 320\r\n" +
                  rowLines(0, {"F5", "", "", "", "X", "Editor", "/usr/bin/editor"}) +
                  rowLines(1, {"F19", "X", "X", "X", "X", "Home", "/home/me"}) +
                  rowLines(3, {"F3", "", "", "", "", "Lost", "/lost"}) +
                  "CHECKFORUPDATE = True\r\n");
    loadPreferences();
    EXPECT_EQ(mainWindowLeft, 10);
    EXPECT_EQ(mainWindowTop, -1);
    EXPECT_EQ(mainWindowWidth, 460);
    EXPECT_EQ(mainWindowHeight, 320);
    EXPECT_TRUE(checkForUpdate);
    ASSERT_EQ(shortcutsList->lastRow(), 1);
    EXPECT_EQ(shortcutsList->row(0),
              (ShortcutTable::Row{"F5", "", "", "", "X", "Editor", "/usr/bin/editor"}));
    EXPECT_EQ(shortcutsList->row(1),
              (ShortcutTable::Row{"F19", "X", "X", "X", "X", "Home", "/home/me"}));
    EXPECT_FALSE(listWindowShown());
    EXPECT_TRUE(platform.log.empty());

    // Row 3 is gone and the rows are numbered from 0 without gaps.
    savePreferences();
    EXPECT_EQ(savedFile(), header(10, -1, 460, 320) +
                               rowLines(0, {"F5", "", "", "", "X", "Editor", "/usr/bin/editor"}) +
                               rowLines(1, {"F19", "X", "X", "X", "X", "Home", "/home/me"}) +
                               "CHECKFORUPDATE = True\n");
}

TEST_F(PreferencesTest, AnEmptyFunctionKeyOfRowZeroLoadsNoRow) {
    writeFile(home.preferencesFile(),
              "FUNCTIONKEY0 = \nFILENAME0 = A\n" + rowLines(1, {"F2", "", "", "", "", "B", "/b"}));
    loadPreferences();
    EXPECT_EQ(shortcutsList->lastRow(), -1);
}

TEST_F(PreferencesTest, CellsReadAsTheStoreGivesThem) {
    writeFile(home.preferencesFile(), "FUNCTIONKEY0 = F1\n"
                                      "CONTROLKEY0 = X\n"
                                      "FILENAME0 =   My = App  \n"
                                      "FILEABSOLUTEPATH0 = \t/opt/a=b/My App \n"
                                      "CHECKFORUPDATE = yes\n");
    loadPreferences();
    ASSERT_EQ(shortcutsList->lastRow(), 0);
    // No SHIFTKEY0 line: "" like the other missing keys.
    EXPECT_EQ(shortcutsList->row(0),
              (ShortcutTable::Row{"F1", "", "X", "", "", "My = App", "/opt/a=b/My App"}));
    EXPECT_FALSE(checkForUpdate);
}

TEST_F(PreferencesTest, GeometryValuesAreWholeThirtyTwoBitNumbers) {
    writeFile(home.preferencesFile(), "MAINWINDOWLEFT = 12.9\n"
                                      "MAINWINDOWTOP = -7.9\n"
                                      "MAINWINDOWWIDTH = 1e12\n"
                                      "MAINWINDOWHEIGHT = -1e12\n");
    loadPreferences();
    EXPECT_EQ(mainWindowLeft, 12);
    EXPECT_EQ(mainWindowTop, -7);
    EXPECT_EQ(mainWindowWidth, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(mainWindowHeight, std::numeric_limits<std::int32_t>::min());
}

TEST_F(PreferencesTest, TheFileHoldsEveryLineInOrderWithEmptyValuesEndingInABlank) {
    mainWindowLeft = -20;
    mainWindowTop = 0;
    mainWindowWidth = 2147483647;
    mainWindowHeight = -2147483647 - 1;
    checkForUpdate = true;
    addRow({"F5", "", "", "", "X", "Text = Editor", "/usr/bin/editor"});
    addRow({"F12", "X", "", "X", "", "", ""});
    savePreferences();
    EXPECT_EQ(savedFile(), "APPLICATIONNAME = Keyhop\n"
                           "APPLICATIONVERSION = 1.0\n"
                           "MAINWINDOWLEFT = -20\n"
                           "MAINWINDOWTOP = 0\n"
                           "MAINWINDOWWIDTH = 2147483647\n"
                           "MAINWINDOWHEIGHT = -2147483648\n"
                           "FUNCTIONKEY0 = F5\n"
                           "SHIFTKEY0 = \n"
                           "CONTROLKEY0 = \n"
                           "OPTIONKEY0 = \n"
                           "COMMANDKEY0 = X\n"
                           "FILENAME0 = Text = Editor\n"
                           "FILEABSOLUTEPATH0 = /usr/bin/editor\n"
                           "FUNCTIONKEY1 = F12\n"
                           "SHIFTKEY1 = X\n"
                           "CONTROLKEY1 = \n"
                           "OPTIONKEY1 = X\n"
                           "COMMANDKEY1 = \n"
                           "FILENAME1 = \n"
                           "FILEABSOLUTEPATH1 = \n"
                           "CHECKFORUPDATE = True\n");
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(PreferencesTest, AResetWritesAnEmptyFileThatTheNextLaunchLoads) {
    writeFile(home.preferencesFile(), header(1, 2, 3, 4) +
                                          rowLines(0, {"F1", "", "", "", "", "A", "/a"}) +
                                          "CHECKFORUPDATE = True\n");
    loadPreferences();
    resetPreferences = true;
    savePreferences();
    EXPECT_EQ(savedFile(), "");
    EXPECT_TRUE(resetPreferences);

    relaunch();
    EXPECT_FALSE(listWindowShown());
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(mainWindowLeft, -1);
    EXPECT_EQ(shortcutsList->lastRow(), -1);
    EXPECT_FALSE(checkForUpdate);
    EXPECT_FALSE(resetPreferences);

    savePreferences();
    EXPECT_EQ(savedFile(), header(-1, -1, -1, -1) + "CHECKFORUPDATE = False\n");
}

TEST_F(PreferencesTest, AFileThatCannotBeWrittenIsReportedAndTheEarlierOneStays) {
    const std::string earlier = header(1, 2, 3, 4) + "CHECKFORUPDATE = False\n";
    writeFile(home.preferencesFile(), earlier);
    loadPreferences();
    for (int row = 0; row < 100; ++row) {
        addRow({"F1", "X", "X", "X", "X", "Name", "/some/long/path/to/an/item"});
    }

    {
        // No new file can be opened beside the old one.
        const int lowestFree = ::open("/dev/null", O_RDONLY);
        ::close(lowestFree);
        const ScopedLimit noMoreFiles(RLIMIT_NOFILE, static_cast<rlim_t>(lowestFree));
        savePreferences();
    }
    {
        // The disk fills up halfway through.
        const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        {
            const ScopedLimit fullDisk(RLIMIT_FSIZE, 1000);
            savePreferences();
        }
        std::signal(SIGXFSZ, savedHandler);
    }
    EXPECT_EQ(platform.messages(), (std::vector<std::string>{notCreated, notCreated}));
    EXPECT_EQ(savedFile(), earlier);
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(PreferencesTest, AFileThatCannotBeReplacedIsReported) {
    std::filesystem::create_directories(home.preferencesFile() / "inside");
    savePreferences();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{notCreated});
    EXPECT_TRUE(std::filesystem::is_directory(home.preferencesFile() / "inside"));
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(PreferencesTest, RandomTablesComeBackEqual) {
    // Any text without line breaks and without white space at either end.
    const std::vector<std::string> pieces{"a",    "Z", "0",  "=", " = ", "#", " ",   "\t",  "é",
                                          "日本", "/", "\\", "%", "\"",  "X", "F19", "True"};
    std::mt19937 random(20261206);
    const auto text = [&](bool mayBeEmpty) {
        std::string result;
        const int length = static_cast<int>(random() % 8) + (mayBeEmpty ? 0 : 1);
        for (int i = 0; i < length; ++i) {
            result += pieces[random() % pieces.size()];
        }
        result = framework::Trim(result);
        return result.empty() && !mayBeEmpty ? std::string("k") : result;
    };
    for (int row = 0; row < 200; ++row) {
        ShortcutTable::Row cells;
        cells[0] = text(false);
        for (std::size_t column = 1; column < cells.size(); ++column) {
            cells[column] = text(true);
        }
        addRow(cells);
    }
    mainWindowLeft = -5;
    mainWindowTop = 77;
    mainWindowWidth = 640;
    mainWindowHeight = 480;
    checkForUpdate = true;
    const ShortcutTable saved = *shortcutsList;
    savePreferences();

    relaunch();
    EXPECT_EQ(*shortcutsList, saved);
    EXPECT_EQ(mainWindowLeft, -5);
    EXPECT_EQ(mainWindowTop, 77);
    EXPECT_EQ(mainWindowWidth, 640);
    EXPECT_EQ(mainWindowHeight, 480);
    EXPECT_TRUE(checkForUpdate);
    EXPECT_TRUE(platform.log.empty());
}

} // namespace
