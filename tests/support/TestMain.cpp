// Every unit test runs with the framework set up on Qt's offscreen platform
// and a private config folder.

#include "framework/Runtime.h"
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt wants a private runtime folder; CI shells have none.
    const auto runtimeDir = std::filesystem::temp_directory_path() /
                            ("keyhop-test-runtime-" + std::to_string(::getuid()));
    std::filesystem::create_directories(runtimeDir);
    std::filesystem::permissions(runtimeDir, std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 0);
    testing::InitGoogleTest(&argc, argv);
    const framework::Runtime runtime(argc, argv);
    // No test may touch the preferences of the user who runs it.
    const keyhop::test::ConfigHome configHome;
    return RUN_ALL_TESTS();
}
