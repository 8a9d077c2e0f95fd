// The key watcher on a real (private) X server with the real launcher: F13
// to F19, which the usual keymaps give no F13 to F19 keysyms, fire their
// shortcuts once per press.

#include "app/App.h"
#include "framework/PlatformServices.h"
#include "preferences/PreferencesModule.h"
#include "shortcuts/MainTimer.h"
#include "support/ConfigHome.h"
#include "support/WaitUntil.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace {

using keyhop::test::ConfigHome;
using keyhop::test::waitUntil;
using keyhop::test::XvfbServer;

class MainTimerX11Test : public testing::Test {
  protected:
    // One server for the whole run: the platform's keyboard connects once,
    // and must let go of it before the server stops. Made before the first
    // question to the platform, it is destroyed after the platform's services.
    static XvfbServer& server() {
        static XvfbServer instance;
        return instance;
    }
    static void SetUpTestSuite() { server(); }

    ConfigHome home;
    const std::string folder = home.root().string();

    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<keyhop::App>());
        keyhop::PreferencesModule::shortcutsList = std::make_unique<keyhop::ShortcutTable>();
    }
    void TearDown() override {
        framework::Application::releaseAppObject();
        keyhop::PreferencesModule::shortcutsList.reset();
    }

    // A row for the key alone, bound to a program that adds a line to a
    // marker file of the key's name.
    std::string bind(const std::string& key) {
        const std::string marker = folder + "/" + key + ".marker";
        const std::string program = folder + "/" + key;
        std::ofstream(program) << "#!/bin/sh\necho launched >> '" << marker << "'\n";
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        auto& table = *keyhop::PreferencesModule::shortcutsList;
        const int row = table.lastRow() + 1;
        table.resize(row);
        table.cell(row, 0) = key;
        table.cell(row, 6) = program;
        return marker;
    }

    static int lineCount(const std::string& path) {
        std::ifstream lines(path);
        int count = 0;
        for (std::string line; std::getline(lines, line);) {
            ++count;
        }
        return count;
    }
};

TEST_F(MainTimerX11Test, F13ToF19FireOncePerPress) {
    keyhop::MainTimer timer;
    for (int number = 13; number <= 19; ++number) {
        const std::string marker = bind("F" + std::to_string(number));
        // <FK13> to <FK19> in the default keymap.
        const unsigned int keycode = 191 + static_cast<unsigned int>(number - 13);
        server().press(keycode);
        EXPECT_TRUE(waitUntil([&] {
            timer.Event_Action();
            return lineCount(marker) > 0;
        })) << number;
        // Held for a while: ticks go on, nothing more fires.
        for (int tick = 0; tick < 20; ++tick) {
            timer.Event_Action();
        }
        server().release(keycode);
        EXPECT_TRUE(waitUntil([&] {
            timer.Event_Action();
            return !framework::platform().functionKeyDown(number);
        }));
        // One more tick once the answer of the last one is stale, so that the
        // next press starts from no key down.
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        timer.Event_Action();
        waitUntil([] { return false; }, std::chrono::milliseconds(50));
        EXPECT_EQ(lineCount(marker), 1) << number;
    }
}

} // namespace
