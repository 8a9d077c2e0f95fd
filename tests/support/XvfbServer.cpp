// A private Xvfb started with -displayfd, so no display number is guessed.

#include "support/XvfbServer.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Xlib last.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace keyhop::test {

XvfbServer::XvfbServer() {
    int fds[2];
    if (::pipe(fds) != 0) {
        throw std::runtime_error("no pipe for Xvfb");
    }
    const std::string fd = std::to_string(fds[1]);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset",
                 "-screen", "0", "640x480x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string display = ":";
    for (char c = 0; ::read(fds[0], &c, 1) == 1 && c != '\n';) {
        display += c;
    }
    ::close(fds[0]);
    ::setenv("DISPLAY", display.c_str(), 1);
    connection_ = display.size() > 1 ? XOpenDisplay(nullptr) : nullptr;
    if (connection_ == nullptr) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        throw std::runtime_error("Xvfb did not start");
    }
}

XvfbServer::~XvfbServer() {
    XCloseDisplay(static_cast<Display*>(connection_));
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}

void XvfbServer::fake(unsigned int keycode, bool down) {
    auto* display = static_cast<Display*>(connection_);
    XTestFakeKeyEvent(display, keycode, down ? True : False, 0);
    XSync(display, False);
}

} // namespace keyhop::test
