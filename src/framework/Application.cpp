// The application object, its event loop and the orderly quit.

#include "framework/Application.h"

#include "framework/AppleEvent.h"
#include "framework/EditCommands.h"
#include "framework/EventDelivery.h"
#include "framework/MenuBar.h"
#include "framework/NoDisplayServices.h"
#include "framework/QuitRequestWatcher.h"

#include <QApplication>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>
#include <utility>

namespace framework {

namespace {

// Owned here, but released only by releaseAppObject: its windows and tray
// icon must never be destroyed by a static destructor, after Qt is gone.
Application* appObject = nullptr;

// The application whose event loop runs and has delivered Open, and the
// thread it runs on.
Application* running = nullptr;
std::thread::id mainThread;

// Queued work of one run of the event loop; replaced at each run so that a
// quit asked for outside a run cannot fire in a later one.
std::unique_ptr<QObject> runContext;

} // namespace

Application::Application() = default;

Application::~Application() = default;

bool Application::Event_HandleAppleEvent(const AppleEvent&, const std::string& eventClass,
                                         const std::string& eventID) {
    if (eventClass == "aevt" && eventID == "quit") {
        Quit(0);
        return true;
    }
    return false;
}

bool Application::Event_UnhandledException(const RuntimeException*) {
    return false;
}

void Application::Quit(int code) {
    // Outside a run of the event loop there is nothing to quit.
    if (quitRequested_ || !runContext) {
        return;
    }
    quitRequested_ = true;
    exitCode_ = code;
    // Close comes from the event loop, after the caller has returned.
    QMetaObject::invokeMethod(
        runContext.get(),
        [this] {
            raiseClose();
            QCoreApplication::exit(exitCode_);
        },
        Qt::QueuedConnection);
}

void Application::raiseClose() {
    if (closed_) {
        return;
    }
    closed_ = true;
    deliverEvent([this] { Event_Close(); });
}

void Application::endRunOnExit() {
    if (running == nullptr || std::this_thread::get_id() != mainThread) {
        return;
    }
    Application& application = *running;
    running = nullptr;
    // The display is most likely gone: nothing can be shown any more.
    NoDisplayServices noDisplay;
    usePlatformServices(&noDisplay);
    application.raiseClose();
    std::fflush(nullptr);
    // Nothing else may run now: the exit handlers and static destructors
    // would tear down windows on a connection that is gone.
    ::_exit(application.exitCode_);
}

int Application::run() {
    runContext = std::make_unique<QObject>();
    quitRequested_ = false;
    closed_ = false;
    exitCode_ = 0;
    const QuitRequestWatcher quitRequests([this] { handleAppleEvent("aevt", "quit"); });
    QTimer::singleShot(0, runContext.get(), [this] {
        running = this;
        deliverEvent([this] { Event_Open(); });
    });
    // Qt's X11 platform and Xlib end the process with exit() from inside the
    // event loop when the connection to the X server breaks. That is a quit
    // request like the session manager's. Registered as late as can be: exit
    // handlers run newest first, so this one runs before those of everything
    // made until now.
    mainThread = std::this_thread::get_id();
    [[maybe_unused]] static const bool endsRunOnExit = std::atexit(endRunOnExit) == 0;
    {
        // Also when something escapes the loop: the exit handler must not
        // find a run that is over.
        const std::unique_ptr<Application*, void (*)(Application**)> endOfRun(
            &running, [](Application** run) { *run = nullptr; });
        QApplication::exec();
    }
    // The loop only ends through Quit, but Close must never be skipped.
    raiseClose();
    runContext.reset();
    return exitCode_;
}

void Application::handleAppleEvent(const std::string& eventClass, const std::string& eventID) {
    const AppleEvent event;
    deliverEvent([&] { return Event_HandleAppleEvent(event, eventClass, eventID); });
}

int Application::MajorVersion() const {
    return KEYHOP_VERSION_MAJOR;
}

int Application::MinorVersion() const {
    return KEYHOP_VERSION_MINOR;
}

void Application::setMenuBar(std::shared_ptr<framework::MenuBar> menuBar) {
    menuBar_ = std::move(menuBar);
}

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Application::handleMenuCommand(const std::string& itemName) {
    const auto handler = menuHandlers_.find(itemName);
    if (handler != menuHandlers_.end() && deliverEvent(handler->second)) {
        return true;
    }
    return carryOutEditCommand(itemName);
}

bool Application::canHandleMenuCommand(const std::string& itemName) const {
    return menuHandlers_.count(itemName) != 0 || canCarryOutEditCommand(itemName);
}

Application* Application::current() {
    return appObject;
}

void Application::registerAppObject(std::unique_ptr<Application> application) {
    releaseAppObject();
    appObject = application.release();
}

void Application::releaseAppObject() {
    std::unique_ptr<Application>(std::exchange(appObject, nullptr)).reset();
}

} // namespace framework
