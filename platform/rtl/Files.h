// File names and the file system: splitting and joining paths, existence, dates, renaming.
#pragma once

#include "platform/rtl/DateTime.h"

#include <string>
#include <string_view>

constexpr char PathDelim = '/';

// Name parts. Paths use "/"; nothing here touches the file system.
std::string ExtractFileName(std::string_view FileName);  // after the last "/"
std::string ExtractFilePath(std::string_view FileName);  // up to and including the last "/"
std::string ExtractFileDir(std::string_view FileName);   // the same without the "/", except for the root
std::string ExtractFileExt(std::string_view FileName);   // from the last "." of the name, with the "."
// Replaces the extension (or appends Extension when there is none); Extension carries its ".".
std::string ChangeFileExt(std::string_view FileName, std::string_view Extension);
std::string IncludeTrailingPathDelimiter(std::string_view Path);
// The root "/" stays "/".
std::string ExcludeTrailingPathDelimiter(std::string_view Path);
// Absolute form of FileName against the current directory, with "." and ".." resolved
// and repeated "/" collapsed as text (links are not followed); "" stays "".
std::string ExpandFileName(std::string_view FileName);

// Queries follow symbolic links. FileExists is false for a directory.
bool FileExists(std::string_view FileName);
bool DirectoryExists(std::string_view Directory);

// Creates Dir and any missing parents; true when the directory exists afterwards.
bool ForceDirectories(std::string_view Dir);
// Removes a file (never a directory).
bool DeleteFile(std::string_view FileName);
// Fails, changing nothing, when NewName already exists.
bool RenameFile(std::string_view OldName, std::string_view NewName);

// Modification times in local time.
[[nodiscard]] bool FileAge(std::string_view FileName, TDateTime& Age);
[[nodiscard]] bool FileGetDate(int Handle, TDateTime& Age);
[[nodiscard]] bool FileSetDate(int Handle, TDateTime Age);
[[nodiscard]] bool FileSetDate(std::string_view FileName, TDateTime Age);

std::string GetCurrentDir();
// The running program's file, from /proc/self/exe.
std::string ExecutableFileName();
