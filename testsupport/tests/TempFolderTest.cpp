// Temporary folders: each test gets its own, and nothing is left behind.
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::TempFolder;

TEST(TempFolder, FoldersAreDistinctAndRemovedWithTheirContent)
{
    std::string kept;
    {
        TempFolder first("probe");
        TempFolder second("probe");
        EXPECT_NE(first.Path(), second.Path());
        EXPECT_EQ('/', first.Path().back());
        EXPECT_EQ(first.Path() + "a.txt", first / "a.txt");
        std::filesystem::create_directories(first / "sub/deeper");
        testsupport::WriteFile(first / "sub/deeper/a.txt", std::string("x\0y", 3));
        EXPECT_EQ(std::string("x\0y", 3), testsupport::ReadFile(first / "sub/deeper/a.txt"));
        kept = first.Path();
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
    EXPECT_EQ("", testsupport::ReadFile(kept + "missing"));
}
