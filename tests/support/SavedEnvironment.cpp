// Environment variables restored after a test.

#include "support/SavedEnvironment.h"

#include <cstdlib>

namespace keyhop::test {

SavedEnvironment::SavedEnvironment(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved_.emplace_back(name,
                            value == nullptr ? std::nullopt : std::optional<std::string>(value));
    }
}

SavedEnvironment::~SavedEnvironment() {
    for (const auto& [name, value] : saved_) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
}

} // namespace keyhop::test
