// Threads run beside the main thread and own themselves while they run; the
// work they hand the main thread runs there while they wait, and shutting
// down never waits for them.

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

const std::thread::id mainThread = std::this_thread::get_id();

std::string where() {
    return std::this_thread::get_id() == mainThread ? "main thread" : "other thread";
}

// Records the reports of exceptions, and where they came.
class ReportingApplication final : public framework::Application {
  public:
    std::vector<std::string> reports;
    bool Event_UnhandledException(const framework::RuntimeException* error) override {
        reports.push_back(where() + ": " + error->Message());
        return true;
    }
};

class AskingThread final : public framework::Thread {
  public:
    std::vector<std::string>* steps = nullptr;
    std::promise<void> destroyed;

    ~AskingThread() override {
        steps->push_back("destroyed");
        destroyed.set_value();
    }
    void Event_Run() override {
        steps->push_back("run on " + where());
        runOnMainThread([this] {
            steps->push_back("work on " + where());
            throw std::runtime_error("from the work");
        });
        steps->push_back("after the work");
        throw std::runtime_error("from the Run event");
    }
};

TEST(Thread, RunsBesideTheMainThreadWhichRunsItsWorkAndReportsItsExceptions) {
    framework::Application::registerAppObject(std::make_unique<ReportingApplication>());
    auto& app = static_cast<ReportingApplication&>(*framework::Application::current());
    std::vector<std::string> steps;
    auto thread = std::make_shared<AskingThread>();
    thread->steps = &steps;
    auto gone = thread->destroyed.get_future();
    thread->Run();
    // The running thread owns itself.
    thread.reset();
    while (app.reports.size() < 2) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    gone.wait();
    EXPECT_EQ(steps, (std::vector<std::string>{"run on other thread", "work on main thread",
                                               "after the work", "destroyed"}));
    EXPECT_EQ(app.reports, (std::vector<std::string>{"main thread: from the work",
                                                     "main thread: from the Run event"}));
    framework::Application::releaseAppObject();
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
    std::thread late([&] { gate.call([&] { ran = true; }); });
    late.join();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

} // namespace
