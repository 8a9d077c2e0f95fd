// The whole start-up and shut-down order, in process.

#include "app/Startup.h"
#include "app/App.h"
#include "app/FileTypes.h"
#include "framework/Application.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <csignal>
#include <functional>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using namespace keyhop;

const std::string preferences = "APPLICATIONNAME = Keyhop\n"
                                "APPLICATIONVERSION = 1.0\n"
                                "MAINWINDOWLEFT = 5\n"
                                "MAINWINDOWTOP = 6\n"
                                "MAINWINDOWWIDTH = 500\n"
                                "MAINWINDOWHEIGHT = 400\n"
                                "FUNCTIONKEY0 = F5\n"
                                "SHIFTKEY0 = \n"
                                "CONTROLKEY0 = \n"
                                "OPTIONKEY0 = \n"
                                "COMMANDKEY0 = X\n"
                                "FILENAME0 = Editor\n"
                                "FILEABSOLUTEPATH0 = /usr/bin/editor\n"
                                "CHECKFORUPDATE = False\n";

// Counts how often a file in a folder was put in place by a rename.
class ReplacementCounter final {
  public:
    explicit ReplacementCounter(const std::filesystem::path& folder)
        : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        // With IN_MOVED_FROM in between, two renames onto one name are never
        // merged into one event.
        ::inotify_add_watch(fd_, folder.c_str(), IN_MOVED_FROM | IN_MOVED_TO);
    }
    ~ReplacementCounter() { ::close(fd_); }
    ReplacementCounter(const ReplacementCounter&) = delete;
    ReplacementCounter& operator=(const ReplacementCounter&) = delete;

    // The replacements of name seen since the last call.
    int replacements(const std::string& name) {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t size; (size = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if ((event->mask & IN_MOVED_TO) != 0 && event->len > 0 && name == event->name) {
                    ++count;
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return count;
    }

  private:
    int fd_;
};

class StartupTest : public testing::Test {
  protected:
    void SetUp() override { test::writeFile(home.preferencesFile(), preferences); }
    void TearDown() override { framework::Application::releaseAppObject(); }

    test::ConfigHome home;
};

TEST_F(StartupTest, ModuleGlobalsLiveFromInitialisationToFinalisation) {
    initializeModuleGlobals();
    ASSERT_TRUE(PreferencesModule::shortcutsList);
    EXPECT_EQ(PreferencesModule::shortcutsList->lastRow(), -1);

    test::FakePlatform platform;
    QTimer::singleShot(20, [] { std::raise(SIGTERM); });
    EXPECT_EQ(runMain(), 0);
    EXPECT_TRUE(platform.log.empty());
    EXPECT_NE(dynamic_cast<App*>(framework::Application::current()), nullptr);
    EXPECT_TRUE(FileTypes::pAny);
    EXPECT_TRUE(CommonPreferencesModule::dictionary_);

    finalizeModuleGlobals();
    EXPECT_FALSE(PreferencesModule::shortcutsList);
    EXPECT_FALSE(CommonPreferencesModule::dictionary_);
    EXPECT_FALSE(FileTypes::pAny);
}

TEST_F(StartupTest, EveryOrderlyQuitWritesThePreferencesOnceBeforeFinalisation) {
    const std::vector<std::pair<std::string, std::function<void()>>> roads{
        {"quit Apple event", [] { app().handleAppleEvent("aevt", "quit"); }},
        {"SIGTERM", [] { std::raise(SIGTERM); }},
        {"quitApplication", [] { app().quitApplication(); }},
    };
    for (const auto& [road, quit] : roads) {
        SCOPED_TRACE(road);
        test::FakePlatform platform;
        ReplacementCounter counter(home.config());
        initializeModuleGlobals();
        QTimer::singleShot(0, quit);
        EXPECT_EQ(runMain(), 0);
        // Written from the table that launch loaded, before it was released.
        EXPECT_EQ(counter.replacements("Keyhop"), 1);
        EXPECT_EQ(test::readFile(home.preferencesFile()), preferences);
        EXPECT_EQ(PreferencesModule::shortcutsList->lastRow(), 0);

        finalizeModuleGlobals();
        framework::Application::releaseAppObject();
        EXPECT_EQ(counter.replacements("Keyhop"), 0);
        EXPECT_TRUE(platform.log.empty());
    }
}

} // namespace
