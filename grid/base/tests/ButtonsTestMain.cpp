// Runs the grid button, check box and hint tests on the headless backend.
#include <gtest/gtest.h>

#include "platform/backend/headless/HeadlessBackend.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    backend::InstallHeadlessBackend();
    return RUN_ALL_TESTS();
}
