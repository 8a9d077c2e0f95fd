// The update check against a loopback server: the request it sends, how it
// reads the reply, and that it never holds the main thread or the quit.

#include "app/App.h"
#include "app/MakerWebAddress.h"
#include "framework/Text.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/LoopbackHttpServer.h"
#include "update/CheckForUpdateModule.h"
#include "update/CheckForUpdateThread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <atomic>
#include <thread>

namespace {

using namespace keyhop;
using keyhop::test::LoopbackHttpServer;

std::string messageFor(const std::string& name) {
    return "Update notification\r\rA new version of " + name +
           " is available online.\rYou can download it right now from our website.";
}

std::string ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
}

class CheckForUpdateTest : public testing::Test {
  protected:
    test::FakePlatform platform;
    const std::string savedAddress = makerWebAddress;
    const QString savedName = QCoreApplication::applicationName();
    std::atomic<bool> checkEnded = false;

    void SetUp() override { framework::Application::registerAppObject(std::make_unique<App>()); }
    void TearDown() override {
        PreferencesModule::checkForUpdate = false;
        makerWebAddress = savedAddress;
        QCoreApplication::setApplicationName(savedName);
        framework::Application::releaseAppObject();
    }

    static std::string versionText() {
        return framework::Str(app().MajorVersion()) + "." + framework::Str(app().MinorVersion());
    }

    // Runs one check to its end on a worker thread while the main thread
    // processes events; the messages shown so far.
    std::vector<std::string> check(const std::string& address) {
        makerWebAddress = address;
        QEventLoop loop;
        checkEnded = false;
        std::thread worker([this, &loop] {
            CheckForUpdateThread().Event_Run();
            checkEnded = true;
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
        return platform.messages();
    }
};

TEST_F(CheckForUpdateTest, ThePathHasTheNameReducedWhileTheHeaderAndTheSearchKeepIt) {
    QCoreApplication::setApplicationName("My Key Hop");
    const LoopbackHttpServer reduced(ok("mykeyhop 99.0"));
    EXPECT_TRUE(check(reduced.address()).empty());
    const auto request = test::splitRequest(reduced.requests().at(0));
    EXPECT_EQ(request.requestLine, "GET /mykeyhop/version.txt HTTP/1.0");
    EXPECT_EQ(request.headerLines,
              (std::multiset<std::string>{"Host: 127.0.0.1:" + std::to_string(reduced.port()),
                                          "Accept: */*", "Accept-Language: en",
                                          "User-Agent: My Key Hop"}));
    EXPECT_EQ(request.body, "");

    const LoopbackHttpServer unchanged(ok("My Key Hop 99.0"));
    EXPECT_EQ(check(unchanged.address()), std::vector<std::string>{messageFor("My Key Hop")});
}

TEST_F(CheckForUpdateTest, AnyReplyNamingTheApplicationWithoutTheRunningVersionAnnouncesOne) {
    const std::string running = versionText();
    const std::string other = framework::Str(app().MajorVersion() + 1) + ".0";
    ASSERT_EQ(framework::InStr(other, running), 0);
    struct Case {
        const char* what;
        std::string reply;
        bool announces;
    };
    const Case cases[] = {
        {"the running version", ok("Keyhop " + running), false},
        // So a running 1.1 takes 1.10 for itself.
        {"a longer version holding the running one", ok("Keyhop " + running + "1"), false},
        {"another version", ok("Keyhop " + other), true},
        {"the running version without the name", ok(running), false},
        {"another version without the name", ok(other), false},
        {"an error page without the name", "HTTP/1.0 404 Not Found\r\n\r\n<h1>Not Found</h1>",
         false},
        {"an error page naming the application",
         "HTTP/1.0 500 Internal Server Error\r\n\r\n<h1>Keyhop: server error</h1>", true},
        {"an empty body", ok(""), false},
        {"no reply at all", "", false},
        {"a reply cut off before its version",
         "HTTP/1.0 200 OK\r\nContent-Length: 20\r\n\r\nKeyhop ", false},
        {"an oversized reply", ok("Keyhop " + other + std::string(1024 * 1024, '\n')), false},
    };
    for (const auto& c : cases) {
        platform.log.clear();
        const LoopbackHttpServer server(c.reply);
        const auto shown = check(server.address());
        EXPECT_EQ(shown, c.announces ? std::vector<std::string>{messageFor("Keyhop")}
                                     : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(server.requests().size(), 1u) << c.what;
    }
}

TEST_F(CheckForUpdateTest, ARefusedConnectionShowsNothing) {
    const int port = LoopbackHttpServer::unusedPort();
    EXPECT_TRUE(check("http://127.0.0.1:" + std::to_string(port)).empty());
}

TEST_F(CheckForUpdateTest, TheMessageGoesThroughDisplayMessageOnTheMainThreadWhileTheCheckWaits) {
    const LoopbackHttpServer server(ok("Keyhop 0.0.0.0"));
    const auto mainThread = std::this_thread::get_id();
    bool onMainThread = false;
    bool checkWaits = false;
    platform.onMessageBox = [&](const std::string&) {
        onMainThread = std::this_thread::get_id() == mainThread;
        checkWaits = !checkEnded;
    };
    check(server.address());
    EXPECT_TRUE(onMainThread);
    EXPECT_TRUE(checkWaits);
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"front", "beep", "message:" + messageFor("Keyhop")}));
}

TEST_F(CheckForUpdateTest, OnlyTheOptionOnMakesAConnection) {
    const LoopbackHttpServer server(ok("Keyhop 0.0.0.0"));
    makerWebAddress = server.address();
    PreferencesModule::checkForUpdate = false;
    CheckForUpdateModule::checkForUpdate();

    PreferencesModule::checkForUpdate = true;
    QEventLoop loop;
    platform.onMessageBox = [&loop](const std::string&) { loop.quit(); };
    CheckForUpdateModule::checkForUpdate();
    loop.exec();
    EXPECT_EQ(platform.messages(), std::vector<std::string>{messageFor("Keyhop")});
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(CheckForUpdateTest, QuittingNeverWaitsForAHangingRequestAndStillWritesThePreferences) {
    const test::ConfigHome home;
    test::writeFile(home.preferencesFile(), "CHECKFORUPDATE = True\n");
    PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
    const LoopbackHttpServer server("", LoopbackHttpServer::Behaviour::Hang);
    makerWebAddress = server.address();
    std::thread watcher([&server] {
        server.waitForRequest();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { app().quitApplication(); }, Qt::QueuedConnection);
    });
    // Open starts the check; the loop ends although the request never does.
    EXPECT_EQ(app().run(), 0);
    watcher.join();
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(platform.messages(), std::vector<std::string>{});
    PreferencesModule::shortcutsList.reset();
    const auto written = test::readFile(home.preferencesFile()).value_or("");
    EXPECT_NE(written.find("APPLICATIONNAME = Keyhop\n"), std::string::npos) << written;
}

} // namespace
