#pragma once
// Every event handler the framework calls runs through deliverEvent, so an
// exception that escapes it reaches the application's UnhandledException and
// the application keeps running.

#include <functional>
#include <type_traits>

namespace framework {

// Hands the exception being handled to the application object (or, without
// one, to the last-chance handler). Call only inside a catch block.
void reportUnhandledException() noexcept;

// Runs a handler; when it throws, the exception is reported and the result is
// a value-initialised one (false for a Boolean handler).
template <typename Handler>
auto deliverEvent(Handler&& handler) noexcept -> std::invoke_result_t<Handler> {
    using Result = std::invoke_result_t<Handler>;
    try {
        return handler();
    } catch (...) {
        reportUnhandledException();
    }
    return Result();
}

// Raises an event: its handler, when one is bound, through deliverEvent.
void raiseEvent(const std::function<void()>& event) noexcept;

} // namespace framework
