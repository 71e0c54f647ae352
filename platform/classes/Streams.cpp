// Byte streams over memory and files.
#include "platform/classes/Streams.h"

#include "platform/classes/FileSave.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::string SystemError()
{
    return std::strerror(errno);
}

} // namespace

std::int64_t TStream::Size()
{
    const std::int64_t pos = Seek(0, soCurrent);
    const std::int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* Buffer, std::int64_t Count)
{
    if (Count > 0 && Read(Buffer, Count) != Count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count)
{
    if (Count > 0 && Write(Buffer, Count) != Count)
        throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count)
{
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(Count, 1 << 16)));
    std::int64_t copied = 0;
    while (copied < Count) {
        const std::int64_t chunk = std::min<std::int64_t>(Count - copied, static_cast<std::int64_t>(buffer.size()));
        Source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        copied += chunk;
    }
    return copied;
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count)
{
    const std::int64_t available = std::max<std::int64_t>(0, Size() - FPosition);
    const std::int64_t n = std::clamp<std::int64_t>(Count, 0, available);
    if (n > 0)
        std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count)
{
    if (Count <= 0)
        return 0;
    const std::int64_t end = FPosition + Count;
    if (end > Size())
        FData.resize(static_cast<std::size_t>(end)); // zero-fills a gap left by seeking past the end
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition = end;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    std::int64_t base = 0;
    if (Origin == soCurrent)
        base = FPosition;
    else if (Origin == soEnd)
        base = Size();
    if (base + Offset < 0)
        throw EStreamError("Seek before the start of the stream");
    FPosition = base + Offset;
    return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize)
{
    if (NewSize < 0)
        throw EStreamError("Negative stream size");
    FData.resize(static_cast<std::size_t>(NewSize));
    FPosition = std::min(FPosition, NewSize);
}

void TMemoryStream::Clear()
{
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream)
{
    Stream.SetPosition(0);
    const std::int64_t size = Stream.Size();
    FData.resize(static_cast<std::size_t>(size));
    Stream.ReadBuffer(FData.data(), size);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(FData.data(), static_cast<std::int64_t>(FData.size()));
}

void TMemoryStream::LoadFromFile(const std::string& FileName)
{
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& FileName) const
{
    classes::SaveFileThrough(FileName, [this](TStream& Out) { SaveToStream(Out); });
}

TFileStream::TFileStream(const std::string& FileName, std::uint16_t Mode) : FFileName(FileName)
{
    if (Mode == fmCreate || (Mode & 0xFF00) == fmCreate) {
        FHandle = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (FHandle < 0)
            throw EFCreateError("Cannot create file \"" + FileName + "\". " + SystemError());
        return;
    }
    int flags = O_RDONLY;
    if ((Mode & 3) == fmOpenWrite)
        flags = O_WRONLY;
    else if ((Mode & 3) == fmOpenReadWrite)
        flags = O_RDWR;
    FHandle = ::open(FileName.c_str(), flags | O_CLOEXEC);
    if (FHandle < 0)
        throw EFOpenError("Cannot open file \"" + FileName + "\". " + SystemError());
}

TFileStream::~TFileStream()
{
    if (FHandle >= 0)
        ::close(FHandle);
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count)
{
    auto* out = static_cast<char*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        const ssize_t n = ::read(FHandle, out + done, static_cast<std::size_t>(Count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EReadError("Cannot read file \"" + FFileName + "\". " + SystemError());
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count)
{
    const auto* in = static_cast<const char*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        const ssize_t n = ::write(FHandle, in + done, static_cast<std::size_t>(Count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    const int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    const off_t pos = ::lseek(FHandle, static_cast<off_t>(Offset), whence);
    if (pos < 0)
        throw EStreamError("Cannot seek in file \"" + FFileName + "\". " + SystemError());
    return pos;
}

void TFileStream::SetSize(std::int64_t NewSize)
{
    if (::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0)
        throw EStreamError("Cannot size file \"" + FFileName + "\". " + SystemError());
    if (Position() > NewSize)
        Seek(NewSize, soBeginning);
}

TStringStream::TStringStream(std::string_view DataString)
{
    WriteString(DataString);
    SetPosition(0);
}

std::string TStringStream::ReadString(std::int64_t Count)
{
    std::string text(static_cast<std::size_t>(std::clamp<std::int64_t>(Count, 0, Size() - Position())), '\0');
    text.resize(static_cast<std::size_t>(Read(text.data(), static_cast<std::int64_t>(text.size()))));
    return text;
}
