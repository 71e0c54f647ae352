// Whole-file reads and writes for the grid's files; a save never leaves a half-written file.
#include "grid/files/FileBytes.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/ScopeExit.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grid::files {

std::string ReadStreamBytes(TStream& Stream)
{
    std::string bytes;
    const std::int64_t size = Stream.Size() - Stream.Position();
    if (size <= 0) return bytes;
    bytes.resize(static_cast<std::size_t>(size));
    bytes.resize(static_cast<std::size_t>(Stream.Read(bytes.data(), size)));
    return bytes;
}

std::string ReadFileBytes(const std::string& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyNone);
    return ReadStreamBytes(stream);
}

void SaveFileBytes(const std::string& FileName, std::string_view Bytes)
{
    auto fail = [&](const char* what) {
        throw EFCreateError("Cannot create file \"" + FileName + "\": " + what + " (" + std::strerror(errno) + ")");
    };
    std::string temp = FileName + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) fail("no new file beside it");
    bool renamed = false;
    const auto cleanUp = rtl::ScopeExit([&] {
        if (!renamed) ::unlink(temp.c_str());
    });
    {
        const auto closeFile = rtl::ScopeExit([fd] { ::close(fd); });
        // A replaced file keeps its permissions; a new one gets the usual ones.
        struct stat old {};
        if (::stat(FileName.c_str(), &old) == 0)
            ::fchmod(fd, old.st_mode & 07777);
        else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::fchmod(fd, 0666 & ~mask);
        }
        std::size_t done = 0;
        while (done < Bytes.size()) {
            const ssize_t n = ::write(fd, Bytes.data() + done, Bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                fail("writing failed");
            }
            done += static_cast<std::size_t>(n);
        }
        if (::fsync(fd) != 0) fail("writing failed");
    }
    if (::rename(temp.c_str(), FileName.c_str()) != 0) fail("renaming failed");
    renamed = true;
}

} // namespace grid::files
