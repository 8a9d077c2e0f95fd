#pragma once
// The application object: the one object that receives the application's
// events. The system derives its own class from it and overrides the events.

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace framework {

class AppleEvent;
class MenuBar;
class RuntimeException;

class Application {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application events, raised on the main thread through deliverEvent.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    // True when the event was handled. By default "aevt"/"quit" quits.
    virtual bool Event_HandleAppleEvent(const AppleEvent& event, const std::string& eventClass,
                                        const std::string& eventID);
    // error is nil when nothing is known of the exception.
    virtual bool Event_UnhandledException(const RuntimeException* error);

    // Starts the orderly quit: Close is raised exactly once, then the event
    // loop ends with the code. Returns to the caller; later calls are ignored.
    void Quit(int code = 0);

    // Runs the event loop: Open first, then every event until the quit,
    // with Close run. Returns the quit's code. When the process is ended
    // from inside the loop (the X server went away), Close runs too and the
    // process ends at once with the quit's code (0 unless Quit said else).
    int run();

    // Raises HandleAppleEvent as the platform's quit requests do.
    void handleAppleEvent(const std::string& eventClass, const std::string& eventID);

    int MajorVersion() const;
    int MinorVersion() const;

    // The menu bar that windows show; nil until set.
    const std::shared_ptr<framework::MenuBar>& menuBar() const { return menuBar_; }
    void setMenuBar(std::shared_ptr<framework::MenuBar> menuBar);

    // From now on, choosing an item of that name calls the handler; a true
    // result ends the handling of the command.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    // Carries out the command of the item of that name, as when the user
    // chooses it: its handler, then, unless the handler answered true, the
    // framework's own command for it (the standard edit commands). True
    // when the command was handled.
    bool handleMenuCommand(const std::string& itemName);
    // True when choosing the item would do something.
    bool canHandleMenuCommand(const std::string& itemName) const;

    // The registered application object, or nil before registration.
    static Application* current();
    // Makes the object the application object; the framework owns it until
    // releaseAppObject (or the end of the runtime).
    static void registerAppObject(std::unique_ptr<Application> application);
    static void releaseAppObject();

  private:
    void raiseClose();
    // An exit() of the process while the event loop runs: Close, then the end.
    static void endRunOnExit();

    std::shared_ptr<framework::MenuBar> menuBar_;
    std::map<std::string, std::function<bool()>> menuHandlers_;
    bool quitRequested_ = false;
    bool closed_ = false;
    int exitCode_ = 0;
};

} // namespace framework
