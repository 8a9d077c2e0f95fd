// Setting up and shutting down the framework on Qt.

#include "framework/Runtime.h"

#include "framework/Application.h"
#include "framework/MainThreadGate.h"
#include "framework/RuntimeException.h"
#include "framework/Window.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

namespace framework {

Runtime::Runtime(int& argc, char** argv) : gui_(std::make_unique<QApplication>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral(KEYHOP_APPLICATION_NAME));
    QApplication::setApplicationDisplayName(QStringLiteral(KEYHOP_APPLICATION_NAME));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(KEYHOP_VERSION_MAJOR).arg(KEYHOP_VERSION_MINOR));
    // A tray application goes on when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    // A write past the file-size limit (a quota) then fails with EFBIG like
    // a full disk, instead of killing the process halfway through a save.
    // Programs that Keyhop starts get the default back.
    std::signal(SIGXFSZ, SIG_IGN);
    MainThreadGate::instance()->open();
}

Runtime::~Runtime() {
    // First, so that no thread's work reaches the objects released below.
    MainThreadGate::instance()->close();
    Window::releaseAll();
    Application::releaseAppObject();
}

void Runtime::unhandledException(const RuntimeException& error) {
    std::fprintf(stderr, "Unhandled exception %d: %s\n", error.ErrorNumber(),
                 error.Message().c_str());
}

} // namespace framework
