// Saving by writing beside the file and renaming over it.
#include "platform/classes/FileSave.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace classes {

namespace {

constexpr int kMostLinks = 40;

[[noreturn]] void Fail(const std::string& FileName, const std::string& What, int Error)
{
    throw EFCreateError("Cannot save \"" + FileName + "\": " + What + " (" + std::strerror(Error) + ")");
}

std::string FolderOf(const std::string& Path)
{
    const std::size_t slash = Path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : Path.substr(0, slash);
}

// Gives the new file the old one's permissions, owner and group, or the usual
// permissions of a new file.
void TakeOverAttributes(int Handle, const std::string& Target)
{
    struct stat old {};
    if (::stat(Target.c_str(), &old) == 0) {
        // Only a privileged user may give a file away; a group the user
        // belongs to is kept either way, and a refusal leaves the user's own.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(Handle, old.st_uid, old.st_gid);
        ::fchmod(Handle, old.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(Handle, 0666 & ~mask);
}

void SyncFolder(const std::string& Folder)
{
    const int handle = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return;
    (void)::fsync(handle);
    ::close(handle);
}

} // namespace

std::string SaveTarget(const std::string& FileName)
{
    std::string path = FileName;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) return path;
        link.resize(static_cast<std::size_t>(length));
        path = !link.empty() && link[0] == '/' ? link : FolderOf(path) + "/" + link;
    }
    Fail(FileName, "too many symbolic links", ELOOP);
}

void SaveFileThrough(const std::string& FileName, const std::function<void(TStream&)>& Write)
{
    const std::string target = SaveTarget(FileName);
    std::string temporary = target + ".XXXXXX";
    const int handle = ::mkstemp(temporary.data());
    if (handle < 0) Fail(FileName, "no new file can be made beside it", errno);
    ::close(handle);
    auto removeTemporary = rtl::ScopeExit([&] { ::unlink(temporary.c_str()); });
    {
        TFileStream out(temporary, fmOpenReadWrite);
        TakeOverAttributes(out.Handle(), target);
        try {
            Write(out);
        } catch (const EWriteError&) {
            // The stream's own message says only that writing stopped; the cause is in errno.
            const int error = errno;
            Fail(FileName, "writing stopped", error ? error : EIO);
        }
        if (::fsync(out.Handle()) != 0) Fail(FileName, "writing stopped", errno);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) Fail(FileName, "the new file cannot replace the old one", errno);
    removeTemporary.Release();
    SyncFolder(FolderOf(target));
}

void SaveFileBytes(const std::string& FileName, std::string_view Bytes)
{
    SaveFileThrough(FileName, [Bytes](TStream& Out) { Out.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size())); });
}

} // namespace classes
