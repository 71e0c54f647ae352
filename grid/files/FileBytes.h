// Whole-file reads and writes for the grid's files; a save never leaves a half-written file.
#pragma once

#include <string>
#include <string_view>

class TStream;

namespace grid::files {

// The file's bytes; a missing or unreadable file raises EFOpenError.
std::string ReadFileBytes(const std::string& FileName);
// The bytes from the stream's position to its end.
std::string ReadStreamBytes(TStream& Stream);
// Writes Bytes to a new file beside FileName and renames it over FileName, so
// a failure (disk full, no permission) leaves an existing file as it was.
// Failing raises EFCreateError naming the file.
void SaveFileBytes(const std::string& FileName, std::string_view Bytes);

} // namespace grid::files
