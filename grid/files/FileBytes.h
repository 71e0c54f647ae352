// Whole-file reads and writes for the grid's files; a save never leaves a half-written file.
#pragma once

#include "platform/classes/FileSave.h"

#include <string>
#include <string_view>

class TStream;

namespace grid::files {

// The file's bytes; a missing or unreadable file raises EFOpenError.
std::string ReadFileBytes(const std::string& FileName);
// The bytes from the stream's position to its end.
std::string ReadStreamBytes(TStream& Stream);
// Saves go through the program's one save (beside the file, renamed over it).
using classes::SaveFileBytes;

} // namespace grid::files
