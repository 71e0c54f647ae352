// The xlsdump developer tool: listing, and errors on standard error.
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;

TEST(XlsDumpTool, ListsStreamsAndReportsErrors)
{
    std::string output;
    ASSERT_EQ(0, RunCommand(XlsDump() + " " VISTRA_TEST_DATA "/libreoffice.xls", &output)) << output;
    EXPECT_NE(std::string::npos, output.find("stream   Workbook                         2040\n")) << output;
    EXPECT_NE(std::string::npos, output.find("record 0x0809 length 16 offset 0\n")) << output;
    EXPECT_EQ(1, RunCommand(XlsDump() + " " VISTRA_TEST_DATA "/libreoffice.csv", &output));
    EXPECT_EQ("xlsdump: The file \"\" is invalid\n", output);
    EXPECT_EQ(2, RunCommand(XlsDump(), &output));
}
