#pragma once
// Waiting for what another process does: the condition is asked again every
// millisecond until it holds or the time is up.

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace keyhop::test {

bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The content of the file once it exists; nil when it did not come in time.
std::optional<std::string>
waitForFile(const std::string& path, std::chrono::milliseconds timeout = std::chrono::seconds(10));

} // namespace keyhop::test
