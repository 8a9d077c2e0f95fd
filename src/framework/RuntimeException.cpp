// Errors raised by, or escaping into, the framework.

#include "framework/RuntimeException.h"

#include <cstdlib>
#include <execinfo.h>
#include <memory>

namespace framework {

namespace {

std::vector<std::string> currentStack() {
    constexpr int maxFrames = 64;
    void* frames[maxFrames];
    const int count = backtrace(frames, maxFrames);
    std::unique_ptr<char*, decltype(&std::free)> symbols(backtrace_symbols(frames, count),
                                                         &std::free);
    std::vector<std::string> stack;
    if (!symbols) {
        return stack;
    }
    // Frames 0 and 1 are this function and the constructor that called it.
    for (int i = 2; i < count; ++i) {
        stack.emplace_back(symbols.get()[i]);
    }
    return stack;
}

} // namespace

RuntimeException::RuntimeException(int errorNumber, std::string message)
    : errorNumber_(errorNumber), message_(std::move(message)), stack_(currentStack()) {}

RuntimeException::RuntimeException(int errorNumber, std::string message,
                                   std::vector<std::string> stack)
    : errorNumber_(errorNumber), message_(std::move(message)), stack_(std::move(stack)) {}

RuntimeException RuntimeException::fromCurrentException() {
    try {
        throw;
    } catch (const RuntimeException& error) {
        return error;
    } catch (const std::exception& error) {
        return RuntimeException(0, error.what(), {});
    } catch (...) {
        return RuntimeException(0, "", {});
    }
}

} // namespace framework
