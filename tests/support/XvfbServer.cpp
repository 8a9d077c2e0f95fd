// A private Xvfb started with -displayfd, so no display number is guessed.

#include "support/XvfbServer.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

// Xlib last.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace keyhop::test {

namespace {

Display* asDisplay(void* connection) {
    return static_cast<Display*>(connection);
}

} // namespace

XvfbServer::XvfbServer() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        throw std::runtime_error("no pipe for Xvfb");
    }
    const std::string fd = std::to_string(pipeFds[1]);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(pipeFds[0]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset",
                 "-screen", "0", "640x480x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    std::string number;
    char c = 0;
    while (::read(pipeFds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    ::close(pipeFds[0]);
    if (number.empty()) {
        throw std::runtime_error("Xvfb did not start");
    }
    display_ = ":" + number;
    if (const char* previous = std::getenv("DISPLAY")) {
        hadDisplay_ = true;
        previousDisplay_ = previous;
    }
    ::setenv("DISPLAY", display_.c_str(), 1);
    connection_ = XOpenDisplay(display_.c_str());
    if (connection_ == nullptr) {
        throw std::runtime_error("no connection to Xvfb");
    }
}

XvfbServer::~XvfbServer() {
    XCloseDisplay(asDisplay(connection_));
    if (hadDisplay_) {
        ::setenv("DISPLAY", previousDisplay_.c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}

void XvfbServer::press(unsigned int keycode) {
    fake(keycode, true);
}

void XvfbServer::release(unsigned int keycode) {
    fake(keycode, false);
}

void XvfbServer::fake(unsigned int keycode, bool down) {
    Display* display = asDisplay(connection_);
    XTestFakeKeyEvent(display, keycode, down ? True : False, 0);
    XSync(display, False);
}

} // namespace keyhop::test
