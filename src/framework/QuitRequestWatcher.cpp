// Quit requests from signals and the session manager, delivered on the main thread.

#include "framework/QuitRequestWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace framework {

namespace {

constexpr std::array quitSignals{SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t signalWriteEnd = -1;

// Only an async-signal-safe write: the main thread does the work.
void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    if (signalWriteEnd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

QuitRequestWatcher::QuitRequestWatcher(std::function<void()> onQuitRequest)
    : onQuitRequest_(std::move(onQuitRequest)) {
    // The pipe exists before any handler can write to it.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipe_) == 0) {
        signalWriteEnd = pipe_[0];
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[1], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, this,
                         [this] { readSignalBytes(); });
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : quitSignals) {
            ::sigaction(signal, &action, nullptr);
        }
    }
    // The session manager's "die" and any other platform quit arrive as a Quit event.
    QCoreApplication::instance()->installEventFilter(this);
}

QuitRequestWatcher::~QuitRequestWatcher() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (pipe_[0] >= 0) {
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        sigemptyset(&action.sa_mask);
        for (const int signal : quitSignals) {
            ::sigaction(signal, &action, nullptr);
        }
        signalWriteEnd = -1;
        notifier_.reset();
        ::close(pipe_[0]);
        ::close(pipe_[1]);
    }
}

bool QuitRequestWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        onQuitRequest_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void QuitRequestWatcher::readSignalBytes() {
    char bytes[64];
    bool received = false;
    while (::read(pipe_[1], bytes, sizeof bytes) > 0) {
        received = true;
    }
    if (received) {
        onQuitRequest_();
    }
}

} // namespace framework
