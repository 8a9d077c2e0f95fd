// Threads that run beside the main thread.

#include "framework/Thread.h"

#include "framework/MainThreadGate.h"

#include <exception>
#include <system_error>
#include <thread>

namespace framework {

Thread::Thread() : mainThread_(MainThreadGate::instance()) {}

Thread::~Thread() = default;

void Thread::Run() {
    try {
        // Detached: quitting must never wait for a thread, which may hang
        // in a request for as long as its server lets it.
        std::thread([self = shared_from_this()] { self->runEvent(); }).detach();
    } catch (const std::system_error&) {
        // The system has no thread to give: the work is simply not done.
    }
}

void Thread::runEvent() {
    try {
        Event_Run();
    } catch (...) {
        runOnMainThread([error = std::current_exception()] { std::rethrow_exception(error); });
    }
}

void Thread::runOnMainThread(std::function<void()> work) const {
    mainThread_->call(std::move(work));
}

} // namespace framework
