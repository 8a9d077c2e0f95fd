// Guarded delivery of events.

#include "framework/EventDelivery.h"

#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"

namespace framework {

void reportUnhandledException() noexcept {
    try {
        const RuntimeException error = RuntimeException::fromCurrentException();
        Application* application = Application::current();
        if (application == nullptr) {
            Runtime::unhandledException(error);
            return;
        }
        try {
            application->Event_UnhandledException(&error);
        } catch (...) {
            // The handler of last resort failed too: nothing is left to tell.
            Runtime::unhandledException(error);
        }
    } catch (...) {
        // Out of memory while building the report: keep running.
    }
}

void raiseEvent(const std::function<void()>& event) noexcept {
    if (event) {
        // A copy: the handler may bind the event anew.
        deliverEvent([handler = event] { handler(); });
    }
}

} // namespace framework
