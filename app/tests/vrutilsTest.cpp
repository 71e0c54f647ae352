#include "app/vrutils.h"

#include "app/vrcommon.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using testsupport::ReadFile;
using testsupport::WriteFile;

class FileUtilsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(Dir / "sub");
        ResetLibraryError();
        SetFatalErrorHandler([this](std::string_view text, std::string_view, std::uint16_t code) {
            ReportText = text;
            ExitCode = code;
        });
    }
    void TearDown() override
    {
        SetFatalErrorHandler(nullptr);
        ResetLibraryError();
    }
    testsupport::TempFolder Folder{"vrutils"};
    fs::path Dir = Folder.Path();
    std::string ReportText;
    int ExitCode = 0;
};

} // namespace

TEST_F(FileUtilsTest, CopyKeepsContentAndDate)
{
    const std::string content(200000, 'x');
    WriteFile(Dir / "a.csv", content + "end");
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (Dir / "a.csv").c_str(), old, 0), 0);

    CopyFileTo((Dir / "a.csv").string(), (Dir / "b.csv").string());
    EXPECT_EQ(ExitCode, 0) << ReportText;
    EXPECT_EQ(ReadFile(Dir / "b.csv"), content + "end");
    struct stat info{};
    ASSERT_EQ(::stat((Dir / "b.csv").c_str(), &info), 0);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);
}

TEST_F(FileUtilsTest, CopyOntoItselfIsRefusedUnderAnyNameAndTheSourceSurvives)
{
    WriteFile(Dir / "a.csv", "keep me");
    fs::create_symlink(Dir / "a.csv", Dir / "link.csv");
    fs::create_hard_link(Dir / "a.csv", Dir / "hard.csv");
    const fs::path cwd = fs::current_path();
    fs::current_path(Dir);
    const std::string names[] = {"a.csv", "sub/../a.csv", (Dir / "link.csv").string(), "hard.csv"};
    for (const std::string& dest : names) {
        ResetLibraryError();
        ExitCode = 0;
        CopyFileTo((Dir / "a.csv").string(), dest);
        EXPECT_EQ(ExitCode, 220) << dest;
        EXPECT_EQ(ReportText.rfind("Error # 220 (Invalid parameter)\r\nFile cannot be copied onto itself.", 0), 0u)
            << ReportText;
        EXPECT_EQ(ReadFile(Dir / "a.csv"), "keep me") << dest;
    }
    fs::current_path(cwd);
}

TEST_F(FileUtilsTest, CopyOfAMissingFileReportsFileNotFound)
{
    const std::string source = (Dir / "missing.csv").string();
    const std::string dest = (Dir / "out.csv").string();
    CopyFileTo(source, dest);
    EXPECT_EQ(ExitCode, 2);
    EXPECT_EQ(ReportText, "Error # 2 (File not found)\r\nError reading " + source + " [CopyFile(" + source + ","
                              + dest + ")]");
    EXPECT_FALSE(fs::exists(dest)) << "nothing is created when the source cannot be read";
}

TEST_F(FileUtilsTest, FileInUseMeansLockedByAnotherHolder)
{
    const fs::path path = Dir / "held.csv";
    WriteFile(path, "data");
    EXPECT_FALSE(FileInUse(path.string()));
    EXPECT_FALSE(FileInUse((Dir / "missing.csv").string()));

    const int holder = ::open(path.c_str(), O_RDWR);
    ASSERT_GE(holder, 0);
    struct flock lock{};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(holder, F_OFD_SETLK, &lock), 0);
    EXPECT_TRUE(FileInUse(path.string()));
    ::close(holder);
    EXPECT_FALSE(FileInUse(path.string()));
}

TEST_F(FileUtilsTest, FileExistsFollowsLinksAndRejectsFolders)
{
    WriteFile(Dir / "a.csv", "x");
    fs::create_symlink(Dir / "a.csv", Dir / "good-link");
    fs::create_symlink(Dir / "gone.csv", Dir / "dangling-link");
    EXPECT_TRUE(FileExistsShort((Dir / "a.csv").string()));
    EXPECT_TRUE(FileExistsShort((Dir / "good-link").string()));
    EXPECT_FALSE(FileExistsShort((Dir / "dangling-link").string()));
    EXPECT_FALSE(FileExistsShort((Dir / "sub").string()));
}

TEST(UpperCaseAnsi, IsLocaleAware)
{
    EXPECT_EQ(UpperCaseAnsi("caf\xC3\xA9 \xC3\xA0 la carte"), "CAF\xC3\x89 \xC3\x80 LA CARTE");
    EXPECT_EQ(TrimLeftAnsiText("   38.920346"), "38.920346");
}
