// main() of every test executable that needs windows: the platform starts
// first (headless under QT_QPA_PLATFORM=offscreen, which ctest sets), then
// GoogleTest runs.
#include "platform/MessageLoop.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (ctest's discovery) needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr, "cannot start the platform: %s\n", PlatformInitError().c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
