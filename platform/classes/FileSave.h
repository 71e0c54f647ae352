// Every save of the program: a new file is written beside the old one and
// renamed over it, so a failure at any point leaves the old file as it was.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class TStream;

namespace classes {

// Saves FileName with what Write puts into the stream it is given. A symbolic
// link stays a link: the file it leads to is replaced. The new file keeps the
// old one's permissions (and its owner and group where the system lets us);
// a new file gets the usual ones. Any failure (a read-only or full disk, a
// folder that refuses new files, a rename that fails) removes what was written
// and raises EFCreateError naming the file and the cause; an exception that
// Write raises itself passes on unchanged, after the same clean-up.
void SaveFileThrough(const std::string& FileName, const std::function<void(TStream&)>& Write);

// The same for bytes at hand.
void SaveFileBytes(const std::string& FileName, std::string_view Bytes);

// The file a save of FileName replaces: FileName with every symbolic link on
// its last part followed (at most 40 of them, as the system does).
std::string SaveTarget(const std::string& FileName);

} // namespace classes
