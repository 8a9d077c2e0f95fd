// Every unit test runs with the framework set up on Qt's offscreen platform.

#include "framework/Runtime.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    const framework::Runtime runtime(argc, argv);
    return RUN_ALL_TESTS();
}
