// The event loop, guarded events and every road to an orderly quit.

#include "framework/Application.h"
#include "framework/EventDelivery.h"
#include "framework/RuntimeException.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <functional>
#include <optional>

namespace {

// Records its events; Open runs whatever the test asks of it.
class RecordingApplication final : public framework::Application {
  public:
    std::function<void(RecordingApplication&)> onOpen;
    std::vector<std::string> events;
    std::optional<framework::RuntimeException> lastError;

    void Event_Open() override {
        events.emplace_back("open");
        if (onOpen) {
            onOpen(*this);
        }
        events.emplace_back("open done");
    }
    void Event_Close() override { events.emplace_back("close"); }
    bool Event_UnhandledException(const framework::RuntimeException* error) override {
        events.emplace_back("unhandled");
        if (error != nullptr) {
            lastError = *error;
        }
        return true;
    }
};

class ApplicationTest : public testing::Test {
  protected:
    RecordingApplication& application() {
        if (framework::Application::current() == nullptr) {
            framework::Application::registerAppObject(std::make_unique<RecordingApplication>());
        }
        return static_cast<RecordingApplication&>(*framework::Application::current());
    }
    void TearDown() override { framework::Application::releaseAppObject(); }
};

// Fires a few rounds of the event loop later, so that the quit arrives from
// the loop and not from inside Open.
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
    EXPECT_EQ(app.events, (std::vector<std::string>{"open", "after quit", "open done", "close"}));
}

TEST_F(ApplicationTest, EachSignalQuitsInOrder) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        framework::Application::releaseAppObject();
        auto& app = application();
        app.onOpen = [signal](RecordingApplication&) { later([signal] { std::raise(signal); }); };
        EXPECT_EQ(app.run(), 0) << signal;
        EXPECT_EQ(app.events, (std::vector<std::string>{"open", "open done", "close"})) << signal;
    }
}

TEST_F(ApplicationTest, SignalsArrivingTogetherCloseOnce) {
    auto& app = application();
    app.onOpen = [](RecordingApplication&) {
        later([] {
            std::raise(SIGTERM);
            std::raise(SIGHUP);
            std::raise(SIGTERM);
        });
    };
    app.run();
    EXPECT_EQ(std::count(app.events.begin(), app.events.end(), "close"), 1);
}

TEST_F(ApplicationTest, PlatformQuitEventIsAQuitRequest) {
    // The session manager's quit reaches the application as Qt's Quit event.
    auto& app = application();
    app.onOpen = [](RecordingApplication&) { later([] { QCoreApplication::quit(); }); };
    EXPECT_EQ(app.run(), 0);
    EXPECT_EQ(app.events, (std::vector<std::string>{"open", "open done", "close"}));
}

TEST_F(ApplicationTest, ExceptionInAnEventIsReportedAndTheLoopGoesOn) {
    auto& app = application();
    app.onOpen = [](RecordingApplication& self) {
        later([&self] {
            framework::deliverEvent([] { throw framework::RuntimeException(42, "broken"); });
            self.events.emplace_back("still running");
            self.Quit(0);
        });
        throw std::runtime_error("open failed");
    };
    app.run();
    EXPECT_EQ(app.events, (std::vector<std::string>{"open", "unhandled", "unhandled",
                                                    "still running", "close"}));
    ASSERT_TRUE(app.lastError);
    EXPECT_EQ(app.lastError->ErrorNumber(), 42);
    EXPECT_EQ(app.lastError->Message(), "broken");
    EXPECT_FALSE(app.lastError->Stack().empty());
}

TEST_F(ApplicationTest, ForeignExceptionsKeepTheirMessageWithAnEmptyStack) {
    auto& app = application();
    framework::deliverEvent([] { throw std::out_of_range("index 9"); });
    ASSERT_TRUE(app.lastError);
    EXPECT_EQ(app.lastError->ErrorNumber(), 0);
    EXPECT_EQ(app.lastError->Message(), "index 9");
    EXPECT_TRUE(app.lastError->Stack().empty());

    framework::deliverEvent([] { throw 7; });
    EXPECT_EQ(app.lastError->Message(), "");
}

TEST_F(ApplicationTest, AGuardedBooleanHandlerThatThrowsAnswersFalse) {
    application();
    EXPECT_FALSE(framework::deliverEvent([]() -> bool { throw std::runtime_error("x"); }));
    EXPECT_TRUE(framework::deliverEvent([] { return true; }));
}

TEST_F(ApplicationTest, QuitOutsideARunDoesNotLeakIntoTheNextRun) {
    auto& app = application();
    app.Quit(5);
    app.onOpen = [](RecordingApplication& self) { later([&self] { self.Quit(0); }); };
    EXPECT_EQ(app.run(), 0);
    EXPECT_EQ(app.events, (std::vector<std::string>{"open", "open done", "close"}));
}

} // namespace
