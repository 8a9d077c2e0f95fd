#pragma once
// The application object: the one object that receives the application's
// events. The system derives its own class from it and overrides the events.

#include <memory>
#include <string>

namespace framework {

class AppleEvent;
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
    // with Close run. Returns the quit's code.
    int run();

    // Raises HandleAppleEvent as the platform's quit requests do.
    void handleAppleEvent(const std::string& eventClass, const std::string& eventID);

    int MajorVersion() const;
    int MinorVersion() const;

    // The registered application object, or nil before registration.
    static Application* current();
    // Makes the object the application object; the framework owns it until
    // releaseAppObject (or the end of the runtime).
    static void registerAppObject(std::unique_ptr<Application> application);
    static void releaseAppObject();

  private:
    void raiseClose();

    bool quitRequested_ = false;
    bool closed_ = false;
    int exitCode_ = 0;
};

} // namespace framework
