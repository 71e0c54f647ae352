// File utilities of the application: in-use and existence tests, file dates
// and a safe file copy.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

std::string UpperCaseAnsi(std::string_view Text);
std::string TrimLeftAnsiText(std::string_view Text);

// True when the file exists but another open file description holds a lock on
// it, or when this user may not open it for reading and writing. A missing
// file is not in use.
bool FileInUse(const std::string& Name);
// The file-existence test, following links; false for a folder.
bool FileExistsShort(const std::string& Name);

// Read and set the modification time of an open file. Both record the
// operating system's error in the last system error (0 on success); a failed
// read sets Date to zero.
void GetFileDate(int File, std::timespec& Date);
void SetFileDate(int File, const std::timespec& Date);

// Copies Source to Dest with Source's modification time. Copying a file onto
// itself, under any two names, is refused before Dest is opened.
void CopyFileTo(const std::string& Source, const std::string& Dest);
