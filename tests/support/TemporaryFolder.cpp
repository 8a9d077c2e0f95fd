// A temporary folder per test.

#include "support/TemporaryFolder.h"

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <vector>

namespace keyhop::test {

TemporaryFolder::TemporaryFolder() {
    const std::string pattern = (std::filesystem::temp_directory_path() / "keyhop-test-XXXXXX");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) {
        throw std::runtime_error("no temporary folder");
    }
    path_ = name.data();
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace keyhop::test
