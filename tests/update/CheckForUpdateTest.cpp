// The update check against a loopback server: the request it sends, which
// replies announce a new version, and that it never holds the quit.

#include "app/MakerWebAddress.h"
#include "support/AppSession.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/LoopbackHttpServer.h"
#include "support/WaitUntil.h"
#include "update/CheckForUpdateModule.h"
#include "update/CheckForUpdateThread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <thread>

namespace {

using namespace keyhop;
using keyhop::test::LoopbackHttpServer;
using Messages = std::vector<std::string>;

std::string announcement(const std::string& name) {
    return "Update notification\r\rA new version of " + name +
           " is available online.\rYou can download it right now from our website.";
}

std::string ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
}

class CheckForUpdateTest : public testing::Test {
  protected:
    test::FakePlatform platform;
    const test::AppSession session;
    const std::string savedAddress = makerWebAddress;
    const QString savedName = QCoreApplication::applicationName();

    void TearDown() override {
        makerWebAddress = savedAddress;
        QCoreApplication::setApplicationName(savedName);
    }
};

TEST_F(CheckForUpdateTest, OnlyAGoodReplyNamingTheApplicationWithoutTheRunningVersionAnnouncesOne) {
    // The path has the name reduced; the header and the search keep it.
    QCoreApplication::setApplicationName("My Key Hop");
    const std::string running = app().versionText();
    const std::pair<std::string, bool> cases[] = {
        {ok("My Key Hop 9.9"), true},
        {ok("My Key Hop " + running), false},
        // So a running 1.1 takes 1.10 for itself.
        {ok("My Key Hop " + running + "1"), false},
        {ok("mykeyhop 9.9"), false},
        {"HTTP/1.0 404 Not Found\r\n\r\n<h1>My Key Hop 9.9: no such page</h1>", false},
        {"HTTP/1.0 301 Moved\r\nLocation: /mykeyhop/\r\n\r\nMy Key Hop 9.9", false},
        {"HTTP/1.0 200 OK\r\nContent-Length: 20\r\n\r\nMy Key Hop ", false},
        {ok("My Key Hop 9.9" + std::string(1024 * 1024, '\n')), false},
    };
    const auto mainThread = std::this_thread::get_id();
    platform.onMessageBox = [&](const std::string&) {
        EXPECT_EQ(std::this_thread::get_id(), mainThread);
    };
    for (const auto& [reply, announces] : cases) {
        const LoopbackHttpServer server(reply);
        makerWebAddress = server.address();
        platform.log.clear();
        // The check runs to its end on a worker while the main thread shows.
        QEventLoop loop;
        std::thread worker([&loop] {
            CheckForUpdateThread().Event_Run();
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
        EXPECT_EQ(platform.messages(),
                  announces ? Messages{announcement("My Key Hop")} : Messages{})
            << reply.substr(0, 60);
        const std::string request = server.request().value_or("");
        EXPECT_TRUE(request.starts_with("GET /mykeyhop/version.txt HTTP/1.0\r\n")) << request;
        for (const std::string& header :
             {"Host: " + server.address().substr(7), std::string("Accept: */*"),
              std::string("Accept-Language: en"), std::string("User-Agent: My Key Hop")}) {
            EXPECT_NE(request.find("\r\n" + header + "\r\n"), std::string::npos) << header;
        }
        // Those four and no other.
        EXPECT_EQ(std::count(request.begin(), request.end(), '\n'), 6) << request;
    }
}

TEST_F(CheckForUpdateTest, QuittingNeverWaitsForAHangingRequestAndStillWritesThePreferences) {
    const test::ConfigHome home;
    test::writeFile(home.preferencesFile(), "CHECKFORUPDATE = True\n");
    const LoopbackHttpServer server(std::nullopt);
    makerWebAddress = server.address();
    // Off, the option asks nothing; the file turns it on at launch.
    CheckForUpdateModule::checkForUpdate();
    EXPECT_FALSE(test::waitUntil([&] { return server.request().has_value(); },
                                 std::chrono::milliseconds(200)));
    std::thread watcher([&server] {
        test::waitUntil([&] { return server.request().has_value(); });
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { app().quitApplication(); }, Qt::QueuedConnection);
    });
    // Open starts the check; the loop ends although the request never does.
    EXPECT_EQ(app().run(), 0);
    watcher.join();
    EXPECT_TRUE(server.request() && platform.messages().empty());
    EXPECT_TRUE(test::readFile(home.preferencesFile())->starts_with("APPLICATIONNAME = Keyhop\n"));
}

} // namespace
