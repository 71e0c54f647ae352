#include "platform/rtl/Files.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using testsupport::ReadFile;
using testsupport::WriteFile;
using testsupport::TempFolder;

TEST(Files, NameParts)
{
    struct Row {
        const char* path;
        const char* name;
        const char* filePath;
        const char* dir;
        const char* ext;
    } rows[] = {
        {"/usr/lib/file.tar.gz", "file.tar.gz", "/usr/lib/", "/usr/lib", ".gz"},
        {"file.txt", "file.txt", "", "", ".txt"},
        {"/file", "file", "/", "/", ""},
        {"dir/", "", "dir/", "dir", ""},
        {"a.b/c", "c", "a.b/", "a.b", ""}, // a dot in a folder is not an extension
        {".bashrc", ".bashrc", "", "", ".bashrc"},
        {"name.", "name.", "", "", "."},
        {"", "", "", "", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ExtractFileName(row.path), row.name) << row.path;
        EXPECT_EQ(ExtractFilePath(row.path), row.filePath) << row.path;
        EXPECT_EQ(ExtractFileDir(row.path), row.dir) << row.path;
        EXPECT_EQ(ExtractFileExt(row.path), row.ext) << row.path;
    }
}

TEST(Files, NameChanges)
{
    struct Row {
        const char* path;
        const char* ext;
        const char* changed;
    } rows[] = {
        {"/a/app", ".INI", "/a/app.INI"},
        {"/a/book.xls", ".csv", "/a/book.csv"},
        {"a.b/c", ".d", "a.b/c.d"},
        {"x.tar.gz", "", "x.tar"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ChangeFileExt(row.path, row.ext), row.changed) << row.path;
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
}

TEST(Files, ExpandFileNameResolvesDotsAsText)
{
    struct Row {
        const char* path;
        const char* expanded;
    } rows[] = {
        {"/a/./b/../c", "/a/c"},
        {"/a//b/", "/a/b/"},
        {"/../..", "/"},
        {"/a/b/..", "/a"},
        {"/", "/"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ExpandFileName(row.path), row.expanded) << row.path;
    const std::string cwd = GetCurrentDir();
    ASSERT_FALSE(cwd.empty());
    EXPECT_EQ(ExpandFileName("x/../y.txt"), IncludeTrailingPathDelimiter(cwd) + "y.txt");
    EXPECT_EQ(ExpandFileName("."), cwd);
}

TEST(Files, ExistenceFollowsLinks)
{
    TempFolder temp;
    ASSERT_FALSE(temp.Path().empty());
    WriteFile(temp / "f.txt", "x");
    ASSERT_EQ(symlink((temp / "f.txt").c_str(), (temp / "link").c_str()), 0);
    ASSERT_EQ(symlink((temp / "missing").c_str(), (temp / "dangling").c_str()), 0);
    EXPECT_TRUE(FileExists(temp / "f.txt"));
    EXPECT_TRUE(FileExists(temp / "link"));
    EXPECT_FALSE(FileExists(temp / "dangling"));
    EXPECT_FALSE(FileExists(temp.Path()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(DirectoryExists(temp.Path()));
    EXPECT_FALSE(DirectoryExists(temp / "f.txt"));
}

TEST(Files, CreateRenameDelete)
{
    TempFolder temp;
    const std::string deep = temp / "a/b/c";
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep)); // already there
    EXPECT_FALSE(ForceDirectories(""));
    WriteFile(temp / "blocker", "");
    EXPECT_FALSE(ForceDirectories(temp / "blocker/sub"));

    WriteFile(temp / "one", "1");
    WriteFile(temp / "two", "2");
    EXPECT_FALSE(RenameFile(temp / "one", temp / "two")); // never replaces
    EXPECT_EQ(ReadFile(temp / "two"), "2");
    EXPECT_TRUE(RenameFile(temp / "one", temp / "three"));
    EXPECT_FALSE(FileExists(temp / "one"));
    EXPECT_EQ(ReadFile(temp / "three"), "1");
    EXPECT_FALSE(RenameFile(temp / "nothing", temp / "four"));

    EXPECT_TRUE(DeleteFile(temp / "three"));
    EXPECT_FALSE(DeleteFile(temp / "three"));
    EXPECT_FALSE(DeleteFile(deep)); // not a directory
    EXPECT_TRUE(DirectoryExists(deep));
}

TEST(Files, DatesRoundTripInLocalTime)
{
    TempFolder temp;
    const std::string name = temp / "dated";
    WriteFile(name, "x");
    const TDateTime when = EncodeDateTime(2021, 6, 15, 10, 30, 45, 250);
    ASSERT_TRUE(FileSetDate(name, when));
    TDateTime age = 0;
    ASSERT_TRUE(FileAge(name, age));
    EXPECT_NEAR(age, when, 1e-8);

    const int handle = open(name.c_str(), O_RDWR);
    ASSERT_GE(handle, 0);
    const TDateTime other = EncodeDateTime(2019, 1, 2, 3, 4, 5, 0);
    EXPECT_TRUE(FileSetDate(handle, other));
    EXPECT_TRUE(FileGetDate(handle, age));
    EXPECT_NEAR(age, other, 1e-8);
    close(handle);

    EXPECT_FALSE(FileAge(temp / "missing", age));
    EXPECT_FALSE(FileGetDate(-1, age));
    EXPECT_FALSE(FileSetDate(name, std::nan("")));
}

TEST(Files, ExecutableFileName)
{
    const std::string exe = ExecutableFileName();
    EXPECT_EQ(ExtractFileName(exe), "rtl_tests");
    EXPECT_TRUE(FileExists(exe));
}
