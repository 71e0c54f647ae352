// File utilities of the application.
#include "app/vrutils.h"

#include "app/vrcommon.h"
#include "platform/rtl/Strings.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The copy moves the file in blocks of this size.
constexpr std::size_t CopyBufferSize = 65520;

// Maps an operating-system error onto the numbered errors of the library.
std::uint16_t ErrorCodeFromErrno(int error, std::uint16_t otherwise)
{
    switch (error) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR: return 5;
    case EBADF: return 6;
    case ENOMEM: return 8;
    case EROFS: return 19;
    case ETXTBSY: return 32;
    case ENOSPC: return 101;
    default: return otherwise;
    }
}

class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    ~TFileDescriptor()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    int Get() const { return FFd; }
    bool Valid() const { return FFd >= 0; }

private:
    int FFd;
};

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa{}, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string CopyCallText(const std::string& source, const std::string& dest)
{
    return " [CopyFile(" + source + "," + dest + ")]";
}

} // namespace

std::string UpperCaseAnsi(std::string_view Text)
{
    return AnsiUpperCase(Text);
}

std::string TrimLeftAnsiText(std::string_view Text)
{
    return TrimLeftAnsi(Text);
}

bool FileInUse(const std::string& Name)
{
    TFileDescriptor file(::open(Name.c_str(), O_RDWR | O_CLOEXEC));
    if (!file.Valid()) {
        const std::uint16_t code = ErrorCodeFromErrno(errno, 0);
        return code == 5 || code == 32;
    }
    // Linux has no sharing modes; the nearest sign that another program holds
    // the file is a lock that would conflict with our writing it.
    struct flock lock{};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(file.Get(), F_OFD_GETLK, &lock) != 0)
        return false;
    return lock.l_type != F_UNLCK;
}

bool FileExistsShort(const std::string& Name)
{
    struct stat info{};
    return ::stat(Name.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void GetFileDate(int File, std::timespec& Date)
{
    struct stat info{};
    if (::fstat(File, &info) != 0) {
        LibraryErrorState().LastSystemError = errno;
        Date = {};
        return;
    }
    LibraryErrorState().LastSystemError = 0;
    Date = info.st_mtim;
}

void SetFileDate(int File, const std::timespec& Date)
{
    const std::timespec times[2] = {{0, UTIME_OMIT}, Date};
    LibraryErrorState().LastSystemError = ::futimens(File, times) == 0 ? 0 : errno;
}

void CopyFileTo(const std::string& Source, const std::string& Dest)
{
    TLibraryErrorState& state = LibraryErrorState();
    state.ErrorCode = 0;
    const std::string call = CopyCallText(Source, Dest);
    // Names alone miss links and "a/../b"; the file's identity catches them.
    if (ExpandFileNameShort(Source) == ExpandFileNameShort(Dest) || SameFile(Source, Dest)) {
        SetLibraryError(220, "File cannot be copied onto itself." + call);
        return;
    }

    TFileDescriptor source(::open(Source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!source.Valid()) {
        SetLibraryError(ErrorCodeFromErrno(errno, 100), "Error reading " + Source + call);
        return;
    }
    std::timespec sourceDate{};
    GetFileDate(source.Get(), sourceDate);

    TFileDescriptor dest(::open(Dest.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!dest.Valid()) {
        SetLibraryError(ErrorCodeFromErrno(errno, 101), "Error writing " + Dest + call);
        return;
    }

    std::vector<char> buffer(CopyBufferSize);
    for (;;) {
        const ssize_t got = ::read(source.Get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            SetLibraryError(ErrorCodeFromErrno(errno, 100), "Error reading " + Source + call);
            return;
        }
        if (got == 0)
            break;
        ssize_t written = 0;
        while (written < got) {
            const ssize_t n = ::write(dest.Get(), buffer.data() + written, static_cast<std::size_t>(got - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                SetLibraryError(101, "Error writing " + Dest + call);
                return;
            }
            written += n;
        }
    }
    SetFileDate(dest.Get(), sourceDate);
}
