// Threads run beside the main thread, own themselves while they run, and
// reach the main thread only through the gate, which shutting down closes.

#include "framework/Thread.h"
#include "framework/Application.h"
#include "framework/MainThreadGate.h"
#include "framework/RuntimeException.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <future>
#include <thread>

namespace {

// Its Run event waits until the test lets it finish.
class GatedThread final : public framework::Thread {
  public:
    std::promise<std::thread::id> started;
    std::shared_future<void> mayFinish;
    std::promise<void>* destroyed = nullptr;

    ~GatedThread() override { destroyed->set_value(); }
    void Event_Run() override {
        started.set_value(std::this_thread::get_id());
        mayFinish.wait();
    }
};

TEST(Thread, RunReturnsAtOnceAndTheThreadOwnsItselfUntilItsEventEnds) {
    std::promise<void> finish;
    std::promise<void> destroyed;
    auto thread = std::make_shared<GatedThread>();
    thread->mayFinish = finish.get_future().share();
    thread->destroyed = &destroyed;
    auto started = thread->started.get_future();
    auto gone = destroyed.get_future();

    thread->Run();
    thread.reset();
    EXPECT_NE(started.get(), std::this_thread::get_id());
    EXPECT_EQ(gone.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    finish.set_value();
    gone.wait();
}

// Records the reports of exceptions, and on which thread they came.
class ReportingApplication final : public framework::Application {
  public:
    std::vector<std::string> reports;
    bool Event_UnhandledException(const framework::RuntimeException* error) override {
        reports.push_back((std::this_thread::get_id() == mainThread ? "main thread: " : "other: ") +
                          (error != nullptr ? error->Message() : "nil"));
        return true;
    }
    const std::thread::id mainThread = std::this_thread::get_id();
};

// Asks the main thread to run a piece of work, then lets the test go on.
class AskingThread final : public framework::Thread {
  public:
    std::function<void()> work;
    std::vector<std::string> steps;
    QEventLoop* loop = nullptr;

    void Event_Run() override {
        runOnMainThread([this] {
            steps.emplace_back(std::this_thread::get_id() == mainThread ? "work on main thread"
                                                                        : "work elsewhere");
            work();
        });
        steps.emplace_back("after work");
        QMetaObject::invokeMethod(loop, &QEventLoop::quit, Qt::QueuedConnection);
        work = [] { throw std::runtime_error("from the Run event"); };
        work();
    }
    const std::thread::id mainThread = std::this_thread::get_id();
};

class ThreadReports : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<ReportingApplication>());
    }
    void TearDown() override { framework::Application::releaseAppObject(); }
    ReportingApplication& application() {
        return static_cast<ReportingApplication&>(*framework::Application::current());
    }
};

TEST_F(ThreadReports, WorkRunsOnTheMainThreadWhileTheThreadWaitsAndExceptionsReachTheMainThread) {
    QEventLoop loop;
    auto thread = std::make_shared<AskingThread>();
    thread->loop = &loop;
    thread->work = [] { throw std::runtime_error("from the work"); };
    thread->Run();
    loop.exec();
    EXPECT_EQ(thread->steps, (std::vector<std::string>{"work on main thread", "after work"}));
    // The Run event's own exception comes after the quit of the loop above.
    while (application().reports.size() < 2) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_EQ(application().reports, (std::vector<std::string>{"main thread: from the work",
                                                               "main thread: from the Run event"}));
}

TEST(MainThreadGate, ClosingReleasesAWaitingWorkerAndDropsItsWork) {
    framework::MainThreadGate gate;
    gate.open();
    bool ran = false;
    std::promise<void> calling;
    std::thread worker([&] {
        calling.set_value();
        gate.call([&] { ran = true; });
    });
    // Whether the work was queued before the gate closed or refused after,
    // the worker must come back and the work must never run.
    calling.get_future().wait();
    gate.close();
    worker.join();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);

    std::thread late([&] { gate.call([&] { ran = true; }); });
    late.join();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

} // namespace
