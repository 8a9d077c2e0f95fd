// Every unit test runs with the framework set up on Qt's offscreen platform
// and a private config folder.

#include "framework/Runtime.h"
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    const framework::Runtime runtime(argc, argv);
    // No test may touch the preferences of the user who runs it.
    const keyhop::test::ConfigHome configHome;
    return RUN_ALL_TESTS();
}
