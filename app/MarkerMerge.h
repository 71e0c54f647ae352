// Merging marker files: a base file copied to an output file, further files appended to it.
#pragma once

#include <string>
#include <vector>

namespace app {

struct TMergeResult {
    bool Done = false;
    // What the user is told: "Merge complete." or why nothing was changed.
    std::string Message;
};

// Files[0] is the base file, the others are appended in order. Every file is
// checked before anything is written: in use, missing, or the output being one
// of the inputs under any name. Appended lines always start on a line of their
// own, each ended by CR LF.
TMergeResult MergeMarkerFiles(const std::vector<std::string>& Files, const std::string& Output);

}  // namespace app
