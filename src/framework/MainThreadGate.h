#pragma once
// The way from a worker thread to the main thread. A worker keeps the gate
// alive through its shared pointer, so a worker that wakes up while the
// process shuts down finds the gate closed rather than destroyed.

#include <functional>
#include <memory>
#include <mutex>

class QObject;

namespace framework {

class MainThreadGate final {
  public:
    MainThreadGate();
    ~MainThreadGate();
    MainThreadGate(const MainThreadGate&) = delete;
    MainThreadGate& operator=(const MainThreadGate&) = delete;

    // The gate of this process.
    static std::shared_ptr<MainThreadGate> instance();

    // On the main thread, once its event loop can run: work is let through.
    void open();
    // On the main thread: work not yet run is dropped, later work is refused.
    void close();

    // Runs the work as an event of the main thread and waits until it has
    // run. Returns at once when the gate is closed, or is closed before the
    // work's turn came; the main thread never waits for the caller.
    void call(std::function<void()> work);

  private:
    std::mutex mutex_;
    std::unique_ptr<QObject> receiver_;
};

} // namespace framework
