// Merging marker files: the copy and appends, and every wrong choice reported without a change.
#include "app/MarkerMerge.h"

#include "testsupport/TempFolder.h"
#include "app/vrcommon.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

class MarkerMergeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetLibraryError();
        // Any report of the copy routine would end the program: the merge must never reach one.
        SetFatalErrorHandler([](std::string_view text, std::string_view, std::uint16_t) {
            ADD_FAILURE() << "fatal report: " << text;
        });
        WriteFile(dir / "a.csv", "A;1;2;;-1;-1;-1;0;-1;0;\r\n");
        WriteFile(dir / "b.csv", "B;1;2;;-1;-1;-1;0;-1;0;");  // no final line break
        WriteFile(dir / "c.csv", "\xEF\xBB\xBF" "C1;1;2;;-1;-1;-1;0;-1;0;\nC2;1;2;;-1;-1;-1;0;-1;0;\n");
    }
    void TearDown() override { SetFatalErrorHandler(nullptr); }

    TempFolder dir{"merge"};
};

TEST_F(MarkerMergeTest, CopiesTheBaseAndAppendsEachLineOnALineOfItsOwn)
{
    const auto result = app::MergeMarkerFiles({dir / "b.csv", dir / "a.csv", dir / "c.csv"}, dir / "out.csv");
    EXPECT_TRUE(result.Done);
    EXPECT_EQ(result.Message, "Merge complete.");
    EXPECT_EQ(ReadFile(dir / "out.csv"),
              "B;1;2;;-1;-1;-1;0;-1;0;\r\n"
              "A;1;2;;-1;-1;-1;0;-1;0;\r\n"
              "C1;1;2;;-1;-1;-1;0;-1;0;\r\nC2;1;2;;-1;-1;-1;0;-1;0;\r\n");
}

TEST_F(MarkerMergeTest, OneFileIsCopiedAsItIs)
{
    EXPECT_TRUE(app::MergeMarkerFiles({dir / "b.csv"}, dir / "out.csv").Done);
    EXPECT_EQ(ReadFile(dir / "out.csv"), ReadFile(dir / "b.csv"));
}

TEST_F(MarkerMergeTest, WrongChoicesAreReportedAndChangeNothing)
{
    std::filesystem::create_symlink(dir / "a.csv", dir / "link.csv");
    WriteFile(dir / "out.csv", "old\r\n");
    struct Case {
        const char* name;
        std::vector<std::string> files;
        std::string output;
        std::string message;
    } cases[] = {
        {"missing appended file", {dir / "a.csv", dir / "gone.csv"}, dir / "out.csv",
         dir / "gone.csv" + " not found. Exiting merge; no changes made."},
        {"missing base file", {dir / "gone.csv", dir / "a.csv"}, dir / "out.csv",
         dir / "gone.csv" + " not found. Exiting merge; no changes made."},
        {"empty line", {dir / "a.csv", ""}, dir / "out.csv", " not found. Exiting merge; no changes made."},
        {"output is the base", {dir / "a.csv", dir / "b.csv"}, dir / "a.csv",
         dir / "a.csv" + " is one of the files to merge. Choose another output file; no changes made."},
        {"output is an appended file by a link", {dir / "b.csv", dir / "a.csv"}, dir / "link.csv",
         dir / "link.csv" + " is one of the files to merge. Choose another output file; no changes made."},
        {"output folder missing", {dir / "a.csv"}, dir / "nowhere/out.csv",
         "Cannot write " + dir / "nowhere/out.csv" + ". Exiting merge; no changes made."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = app::MergeMarkerFiles(c.files, c.output);
        EXPECT_FALSE(result.Done);
        EXPECT_EQ(result.Message, c.message);
        EXPECT_EQ(ReadFile(dir / "a.csv"), "A;1;2;;-1;-1;-1;0;-1;0;\r\n");
        EXPECT_EQ(ReadFile(dir / "out.csv"), "old\r\n");
    }
}

}  // namespace
