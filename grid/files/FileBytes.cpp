// Whole-file reads for the grid's files.
#include "grid/files/FileBytes.h"

#include "platform/classes/Streams.h"

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

} // namespace grid::files
