// The main of every test program that drives windows: the headless backend, whatever the display.
#include "platform/backend/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    backend::InstallHeadlessBackend();
    return RUN_ALL_TESTS();
}
