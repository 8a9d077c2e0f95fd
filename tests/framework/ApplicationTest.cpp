// The event loop, guarded events, every road to an orderly quit, and threads
// whose work and exceptions reach the main thread while they wait.

#include "framework/Application.h"
#include "framework/EventDelivery.h"
#include "framework/RuntimeException.h"
#include "framework/Thread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <functional>
#include <future>
#include <thread>

namespace {

using Events = std::vector<std::string>;

// Records its events and the exceptions reported; Open runs what the test asks.
class RecordingApplication final : public framework::Application {
  public:
    std::function<void()> onOpen;
    Events events;

    void Event_Open() override {
        events.emplace_back("open");
        onOpen();
        events.emplace_back("open done");
    }
    void Event_Close() override { events.emplace_back("close"); }
    bool Event_UnhandledException(const framework::RuntimeException* error) override {
        events.push_back("unhandled " + std::to_string(error->ErrorNumber()) + " " +
                         error->Message() + (error->Stack().empty() ? "" : " +stack"));
        return true;
    }
};

// Runs a new application object until it quits; what it recorded.
Events run(std::function<void()> onOpen) {
    auto application = std::make_unique<RecordingApplication>();
    RecordingApplication& recording = *application;
    recording.onOpen = std::move(onOpen);
    framework::Application::registerAppObject(std::move(application));
    EXPECT_EQ(recording.run(), 0);
    const Events events = recording.events;
    framework::Application::releaseAppObject();
    return events;
}

// A few rounds of the event loop later, so that it comes from the loop and
// not from inside Open.
void later(std::function<void()> action) {
    QTimer::singleShot(5, std::move(action));
}

TEST(Application, EachQuitRequestOfThePlatformClosesOnce) {
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
        EXPECT_EQ(run([&request] { later(request); }), (Events{"open", "open done", "close"}));
    }
}

TEST(Application, AnExceptionInAnEventIsReportedAndTheLoopGoesOn) {
    const Events events = run([] {
        later([] {
            framework::deliverEvent([] { throw framework::RuntimeException(42, "broken"); });
            framework::deliverEvent([] { throw std::out_of_range("index 9"); });
            EXPECT_FALSE(framework::deliverEvent([]() -> bool { throw 7; }));
            framework::Application::current()->Quit(0);
        });
        throw std::runtime_error("open failed");
    });
    EXPECT_EQ(events, (Events{"open", "unhandled 0 open failed", "unhandled 42 broken +stack",
                              "unhandled 0 index 9", "unhandled 0 ", "close"}));
}

std::string where() {
    static const std::thread::id mainThread = std::this_thread::get_id();
    return std::this_thread::get_id() == mainThread ? " on the main thread" : " elsewhere";
}

class AskingThread final : public framework::Thread {
  public:
    Events& events = static_cast<RecordingApplication&>(*framework::Application::current()).events;
    std::promise<void> destroyed;

    ~AskingThread() override {
        events.emplace_back("destroyed");
        destroyed.set_value();
    }
    void Event_Run() override {
        events.push_back("run" + where());
        runOnMainThread([this] { events.push_back("work" + where()); });
        events.emplace_back("after the work");
        throw std::runtime_error("thrown");
    }
};

TEST(Thread, RunsBesideTheMainThreadWhichRunsItsWorkAndReportsItsException) {
    where(); // learns which thread is the main one
    framework::Application::registerAppObject(std::make_unique<RecordingApplication>());
    auto thread = std::make_shared<AskingThread>();
    const Events& events = thread->events;
    auto gone = thread->destroyed.get_future();
    thread->Run();
    // The running thread owns itself.
    thread.reset();
    while (gone.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    EXPECT_EQ(events, (Events{"run elsewhere", "work on the main thread", "after the work",
                              "unhandled 0 thrown", "destroyed"}));
    framework::Application::releaseAppObject();
}

} // namespace
