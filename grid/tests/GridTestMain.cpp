// Runs the string grid tests on the headless backend, whatever the display.
#include <gtest/gtest.h>

#include "platform/backend/headless/HeadlessBackend.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    backend::InstallHeadlessBackend();
    return RUN_ALL_TESTS();
}
