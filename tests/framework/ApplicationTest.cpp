// The event loop, guarded events and every road to an orderly quit.

#include "framework/Application.h"
#include "framework/EventDelivery.h"
#include "framework/RuntimeException.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <functional>

namespace {

using Events = std::vector<std::string>;

// Records its events and the exceptions reported; Open runs what the test asks.
class RecordingApplication final : public framework::Application {
  public:
    std::function<void(RecordingApplication&)> onOpen;
    Events events;

    void Event_Open() override {
        events.emplace_back("open");
        onOpen(*this);
        events.emplace_back("open done");
    }
    void Event_Close() override { events.emplace_back("close"); }
    bool Event_UnhandledException(const framework::RuntimeException* error) override {
        events.push_back("unhandled " + std::to_string(error->ErrorNumber()) + " " +
                         error->Message() + (error->Stack().empty() ? "" : " +stack"));
        return true;
    }
};

class ApplicationTest : public testing::Test {
  protected:
    // A new application object, registered.
    RecordingApplication& application() {
        framework::Application::registerAppObject(std::make_unique<RecordingApplication>());
        return static_cast<RecordingApplication&>(*framework::Application::current());
    }
    void TearDown() override { framework::Application::releaseAppObject(); }
};

// A few rounds of the event loop later, so that it comes from the loop and
// not from inside Open.
void later(std::function<void()> action) {
    QTimer::singleShot(5, std::move(action));
}

TEST_F(ApplicationTest, QuitRunsCloseOnceAfterTheCallerReturns) {
    auto& app = application();
    app.onOpen = [](RecordingApplication& self) {
        self.Quit(3);
        self.Quit(0);
        self.events.emplace_back("after quit");
    };
    EXPECT_EQ(app.run(), 3);
    EXPECT_EQ(app.events, (Events{"open", "after quit", "open done", "close"}));
}

TEST_F(ApplicationTest, EachQuitRequestOfThePlatformClosesOnce) {
    const std::function<void()> requests[] = {
        [] {
            std::raise(SIGTERM);
            std::raise(SIGHUP);
            std::raise(SIGTERM);
        },
        [] { std::raise(SIGINT); },
        // The session manager's quit reaches the application as Qt's Quit event.
        [] { QCoreApplication::quit(); },
    };
    for (const auto& request : requests) {
        auto& app = application();
        app.onOpen = [&request](RecordingApplication&) { later(request); };
        EXPECT_EQ(app.run(), 0);
        EXPECT_EQ(app.events, (Events{"open", "open done", "close"}));
    }
}

TEST_F(ApplicationTest, AnExceptionInAnEventIsReportedAndTheLoopGoesOn) {
    auto& app = application();
    app.onOpen = [](RecordingApplication& self) {
        later([&self] {
            framework::deliverEvent([] { throw framework::RuntimeException(42, "broken"); });
            framework::deliverEvent([] { throw std::out_of_range("index 9"); });
            EXPECT_FALSE(framework::deliverEvent([]() -> bool { throw 7; }));
            self.Quit(0);
        });
        throw std::runtime_error("open failed");
    };
    app.run();
    EXPECT_EQ(app.events, (Events{"open", "unhandled 0 open failed", "unhandled 42 broken +stack",
                                  "unhandled 0 index 9", "unhandled 0 ", "close"}));
}

} // namespace
