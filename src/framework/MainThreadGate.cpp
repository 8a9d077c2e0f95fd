// Handing work from a worker thread to the main thread.

#include "framework/MainThreadGate.h"

#include "framework/EventDelivery.h"

#include <QObject>

#include <future>

namespace framework {

MainThreadGate::MainThreadGate() = default;

MainThreadGate::~MainThreadGate() = default;

std::shared_ptr<MainThreadGate> MainThreadGate::instance() {
    static const auto gate = std::make_shared<MainThreadGate>();
    return gate;
}

void MainThreadGate::open() {
    const std::lock_guard lock(mutex_);
    if (!receiver_) {
        receiver_ = std::make_unique<QObject>();
    }
}

void MainThreadGate::close() {
    std::unique_ptr<QObject> receiver;
    {
        const std::lock_guard lock(mutex_);
        receiver = std::move(receiver_);
    }
    // Destroying the receiver destroys the work queued for it, and with it
    // each promise, which wakes the worker that waits for it.
    receiver.reset();
}

void MainThreadGate::call(std::function<void()> work) {
    auto done = std::make_shared<std::promise<void>>();
    const std::future<void> finished = done->get_future();
    {
        const std::lock_guard lock(mutex_);
        if (!receiver_) {
            return;
        }
        // The queued work holds the only reference to the promise.
        QMetaObject::invokeMethod(
            receiver_.get(),
            [work = std::move(work), done = std::move(done)] {
                deliverEvent(work);
                done->set_value();
            },
            Qt::QueuedConnection);
    }
    finished.wait();
}

} // namespace framework
