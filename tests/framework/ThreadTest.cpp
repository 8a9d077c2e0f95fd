// Threads run beside the main thread and own themselves while they run; the
// work they hand the main thread runs there while they wait.

#include "framework/Thread.h"
#include "framework/Application.h"
#include "framework/RuntimeException.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <future>
#include <thread>

namespace {

std::vector<std::string> steps;

std::string where() {
    static const std::thread::id mainThread = std::this_thread::get_id();
    return std::this_thread::get_id() == mainThread ? " on the main thread" : " elsewhere";
}

class ReportingApplication final : public framework::Application {
    bool Event_UnhandledException(const framework::RuntimeException* error) override {
        steps.push_back(error->Message() + where());
        return true;
    }
};

class AskingThread final : public framework::Thread {
  public:
    std::promise<void> destroyed;
    ~AskingThread() override {
        steps.emplace_back("destroyed");
        destroyed.set_value();
    }
    void Event_Run() override {
        steps.push_back("run" + where());
        runOnMainThread([] { steps.push_back("work" + where()); });
        steps.emplace_back("after the work");
        throw std::runtime_error("thrown");
    }
};

TEST(Thread, RunsBesideTheMainThreadWhichRunsItsWorkAndReportsItsException) {
    where(); // learns which thread is the main one
    framework::Application::registerAppObject(std::make_unique<ReportingApplication>());
    auto thread = std::make_shared<AskingThread>();
    auto gone = thread->destroyed.get_future();
    thread->Run();
    // The running thread owns itself.
    thread.reset();
    while (gone.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"run elsewhere", "work on the main thread",
                                               "after the work", "thrown on the main thread",
                                               "destroyed"}));
    framework::Application::releaseAppObject();
}

} // namespace
