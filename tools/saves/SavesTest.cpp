// Every save of the program under the conditions that destroy files when a
// save writes in place: a read-only disk, a full disk, a final rename that
// fails, a private file and a file reached through a symbolic link. The old
// file must stay whole, nothing may be left beside it, and the failure must
// be an error the caller can catch.
#include "grid/QuillGrid.h"
#include "memo/RTFEngine.h"
#include "platform/classes/FileSave.h"
#include "platform/classes/IniDocument.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/xml/XmlDocument.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

using TSave = std::function<void(const std::string&)>;

struct TSaver {
    const char* Name;
    const char* Extension;
    TSave Save;
};

std::vector<std::string> FolderEntries(const std::string& Folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs Check in a child process and gives its report: empty when it passed.
// The child may take its own mount namespace and limits without touching ours.
std::string InChild(const std::function<std::string()>& Check)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string report;
        try {
            report = Check();
        } catch (const std::exception& e) {
            report = std::string("unexpected exception: ") + e.what();
        }
        (void)!::write(pipeEnds[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) return report + "the save ended the process with signal " + std::to_string(WTERMSIG(status));
    return report;
}

// A mount namespace of our own where a small file system can be mounted on
// Folder; false where the system allows none (then those cases are skipped).
bool PrivateMountOn(const std::string& Folder, const char* Options, unsigned long Flags)
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
        WriteFile("/proc/self/setgroups", "deny");
        WriteFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
        WriteFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
    }
    // Nothing mounted here may reach the rest of the system.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    return ::mount("none", Folder.c_str(), "tmpfs", Flags, Options) == 0;
}

bool MountsPossible()
{
    static const bool possible = [] {
        TempFolder folder("mount-probe");
        return InChild([&] { return PrivateMountOn(folder.Path(), "size=64k", 0) ? "" : "no"; }).empty();
    }();
    return possible;
}

// The failure a save must give: an exception, the old file as it was, nothing beside it.
std::string ExpectRefused(const TSave& Save, const std::string& Target, const std::string& Old,
                          const std::vector<std::string>& Entries, const std::string& Folder)
{
    try {
        Save(Target);
        return "the save reported success";
    } catch (const std::exception& e) {
        if (std::string(e.what()).empty()) return "the error says nothing";
    }
    if (ReadFile(Target) != Old) return "the old file changed";
    if (FolderEntries(Folder) != Entries) return "files were left beside the old one";
    return "";
}

void ExpectSavesSafely(const TSaver& Saver)
{
    const std::string old = "the old file's content, which must survive";
    const std::string name = std::string("saved.") + Saver.Extension;
    SCOPED_TRACE(Saver.Name);

    {
        SCOPED_TRACE("a private file stays private");
        TempFolder folder("save-private");
        WriteFile(folder / name, old);
        ::chmod((folder / name).c_str(), 0600);
        Saver.Save(folder / name);
        struct stat info {};
        ASSERT_EQ(::stat((folder / name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u);
        EXPECT_NE(ReadFile(folder / name), old);
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{name});
    }
    {
        SCOPED_TRACE("a link stays a link to the file saved");
        TempFolder folder("save-link");
        std::filesystem::create_directory(folder / "real");
        WriteFile(folder / ("real/" + name), old);
        std::filesystem::create_symlink("real/" + name, folder / name);
        Saver.Save(folder / name);
        EXPECT_TRUE(std::filesystem::is_symlink(folder / name));
        EXPECT_NE(ReadFile(folder / ("real/" + name)), old);
        EXPECT_EQ(FolderEntries(folder / "real"), std::vector<std::string>{name});
    }
    {
        SCOPED_TRACE("a rename that fails leaves nothing behind");
        TempFolder folder("save-rename");
        std::filesystem::create_directory(folder / name);
        WriteFile(folder / (name + "/inside"), old);
        try {
            Saver.Save(folder / name);
            ADD_FAILURE() << "a save over a folder reported success";
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{name});
        EXPECT_EQ(ReadFile(folder / (name + "/inside")), old);
    }
    {
        SCOPED_TRACE("a full disk keeps the old file");
        TempFolder folder("save-full");
        const std::string report = InChild([&]() -> std::string {
            if (MountsPossible()) {
                if (!PrivateMountOn(folder.Path(), "size=64k", 0)) return "no file system to fill";
                WriteFile(folder / name, old);
                // Fill what is left, so that no byte more fits.
                const int filler = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT, 0600);
                const std::string block(4096, 'f');
                while (::write(filler, block.data(), block.size()) > 0) {
                }
                (void)!::write(filler, block.data(), 1);
                ::close(filler);
            } else {
                // Without a file system of our own a file size limit stops writing alike.
                WriteFile(folder / name, old);
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{16, 16};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            return ExpectRefused(Saver.Save, folder / name, old, FolderEntries(folder.Path()), folder.Path());
        });
        EXPECT_EQ(report, "");
    }
    if (MountsPossible()) {
        SCOPED_TRACE("a read-only disk keeps the old file");
        TempFolder folder("save-readonly");
        const std::string report = InChild([&]() -> std::string {
            if (!PrivateMountOn(folder.Path(), "size=64k", 0)) return "no file system";
            WriteFile(folder / name, old);
            if (::mount(nullptr, folder.Path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                return std::string("no read-only remount: ") + std::strerror(errno);
            return ExpectRefused(Saver.Save, folder / name, old, FolderEntries(folder.Path()), folder.Path());
        });
        EXPECT_EQ(report, "");
    }
}

} // namespace

TEST(Saves, EverySaveWritesBesideTheFileAndRenamesOverIt)
{
    const auto grid = [](const std::function<void(TQuillStringGrid&, const std::string&)>& Save) {
        return [Save](const std::string& FileName) {
            TQuillStringGrid g(nullptr);
            g.SetColCount(2);
            g.SetRowCount(2);
            g.SetCells(1, 1, "a new cell");
            Save(g, FileName);
        };
    };
    const TSaver savers[] = {
        {"the program's save of bytes", "bin", [](const std::string& f) { classes::SaveFileBytes(f, "new bytes"); }},
        {"a string list (and the memo)", "txt",
         [](const std::string& f) {
             TStringList lines;
             lines.SetText("new\r\nlines");
             lines.SaveToFile(f);
         }},
        {"a memory stream", "bin",
         [](const std::string& f) {
             TMemoryStream stream;
             stream.WriteString("new stream");
             stream.SaveToFile(f);
         }},
        {"an INI document", "ini",
         [](const std::string& f) {
             classes::IniDocument ini;
             ini.Set("Section", "Key", "new");
             ini.SaveToFile(f);
         }},
        {"an XML document", "xml",
         [](const std::string& f) {
             xml::Document document;
             document.LoadFromString("<new/>");
             document.SaveToFile(f);
         }},
        {"a picture", "bmp",
         [](const std::string& f) {
             TBitmap bitmap;
             bitmap.SetSize(4, 4);
             bitmap.SaveToFile(f);
         }},
        {"the RTF builder", "rtf",
         [](const std::string& f) {
             TRTFEngine rtf;
             rtf.AddText("new text");
             rtf.SaveToFile(f);
         }},
        {"a workbook", "xls",
         [](const std::string& f) {
             TXLSFile file(nullptr, true);
             file.Connect();
             file.NewFile(1);
             file.SetCellValue(1, 1, Variant(42.0));
             file.Save(false, f, nullptr, nullptr, nullptr);
         }},
        {"a grid as CSV", "csv", grid([](TQuillStringGrid& g, const std::string& f) { g.SaveToCSV(f); })},
        {"a grid as text", "txt", grid([](TQuillStringGrid& g, const std::string& f) { g.SaveToFile(f); })},
        {"a grid as XML", "xml",
         grid([](TQuillStringGrid& g, const std::string& f) { g.SaveToXML(f, "list", "row", nullptr, false); })},
        {"a grid as binary cells", "grid", grid([](TQuillStringGrid& g, const std::string& f) { g.SaveToBinFile(f); })},
        {"a grid as HTML", "html", grid([](TQuillStringGrid& g, const std::string& f) { g.SaveToHTML(f); })},
    };
    if (!MountsPossible())
        std::cout << "No mount namespace here: the read-only disk is left out and a file size limit fills the disk.\n";
    for (const TSaver& saver : savers)
        ExpectSavesSafely(saver);
}

TEST(Saves, LinksAreFollowedToTheFileTheyLeadTo)
{
    TempFolder folder("save-links");
    std::filesystem::create_directory(folder / "deep");
    std::filesystem::create_symlink("deep/second", folder / "first");
    std::filesystem::create_symlink(folder / "deep/file", folder / "deep/second");
    EXPECT_EQ(classes::SaveTarget(folder / "first"), folder / "deep/file") << "a chain, relative then absolute";
    classes::SaveFileBytes(folder / "first", "through two links");
    EXPECT_EQ(ReadFile(folder / "deep/file"), "through two links") << "a dangling link makes its file";
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "first"));

    std::filesystem::create_symlink("loop-b", folder / "loop-a");
    std::filesystem::create_symlink("loop-a", folder / "loop-b");
    EXPECT_THROW(classes::SaveFileBytes(folder / "loop-a", "x"), EFCreateError);
}
