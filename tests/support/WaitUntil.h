#pragma once
// Waiting for what another process does: the condition is asked again every
// millisecond until it holds or the time is up.

#include "support/ConfigHome.h"

#include <chrono>
#include <functional>
#include <thread>

namespace keyhop::test {

inline bool waitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The content of the file once it exists; nil when it did not come in time.
inline std::optional<std::string>
waitForFile(const std::string& path, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    return waitUntil([&] { return std::filesystem::exists(path); }, timeout) ? readFile(path)
                                                                             : std::nullopt;
}

} // namespace keyhop::test
