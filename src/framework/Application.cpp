// The application object, its event loop and the orderly quit.

#include "framework/Application.h"

#include "framework/AppleEvent.h"
#include "framework/EditCommands.h"
#include "framework/EventDelivery.h"
#include "framework/MenuBar.h"
#include "framework/QuitRequestWatcher.h"

#include <QApplication>
#include <QObject>
#include <QTimer>

namespace framework {

namespace {

std::unique_ptr<Application> appObject;

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

int Application::run() {
    runContext = std::make_unique<QObject>();
    quitRequested_ = false;
    closed_ = false;
    exitCode_ = 0;
    const QuitRequestWatcher quitRequests([this] { handleAppleEvent("aevt", "quit"); });
    QTimer::singleShot(0, runContext.get(), [this] { deliverEvent([this] { Event_Open(); }); });
    QApplication::exec();
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
    return appObject.get();
}

void Application::registerAppObject(std::unique_ptr<Application> application) {
    appObject = std::move(application);
}

void Application::releaseAppObject() {
    appObject.reset();
}

} // namespace framework
