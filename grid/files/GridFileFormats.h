// The grid's file formats by file-name extension, for programs that open and save any of them.
#pragma once

#include <string>
#include <string_view>

class TQuillStringGrid;

namespace grid::files {

// Reads or writes the file in the format its extension names; an unknown
// extension raises EQuillGridError naming it.
void LoadGridFile(TQuillStringGrid& Grid, const std::string& FileName);
void SaveGridFile(TQuillStringGrid& Grid, const std::string& FileName);
// The extensions, as "*.csv;*.txt..." for a file dialog's filter.
std::string GridFileMask();

} // namespace grid::files
