#pragma once
// A thread of the framework: its Run event runs on a thread of its own while
// the main thread goes on. Here threads run at the same time as the main
// thread, so whatever a thread shows goes to the main thread and waits there.

#include <functional>
#include <memory>

namespace framework {

class MainThreadGate;

class Thread : public std::enable_shared_from_this<Thread> {
  public:
    Thread();
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the Run event on a new thread and returns at once. The object
    // must be owned by a std::shared_ptr: the new thread keeps it alive until
    // the event has returned. Nothing ever waits for the thread, not even the
    // quit. When no thread can be started, the event does not run.
    void Run();

    // The Run event. An exception that escapes it is reported on the main
    // thread like that of any other event.
    virtual void Event_Run() {}

  protected:
    // Runs the work on the main thread and waits until it has run; when the
    // application is shutting down, the work is dropped and this returns.
    void runOnMainThread(std::function<void()> work) const;

  private:
    void runEvent();

    // Taken on the main thread, so that the gate outlives this thread.
    std::shared_ptr<MainThreadGate> mainThread_;
};

} // namespace framework
