// Waiting for other processes, with a deadline.

#include "support/WaitUntil.h"

#include "support/ConfigHome.h"

#include <filesystem>
#include <thread>

namespace keyhop::test {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

std::optional<std::string> waitForFile(const std::string& path, std::chrono::milliseconds timeout) {
    if (!waitUntil([&] { return std::filesystem::exists(path); }, timeout)) {
        return std::nullopt;
    }
    return readFile(path);
}

} // namespace keyhop::test
