// Writing the viewer's grid back as CSV text: every cell, fixed ones too,
// fields quoted where they hold a comma, a quote or a line break.
#pragma once

#include <string>

class TQuillStringGrid;

namespace gridview {

std::string GridAsCsv(TQuillStringGrid& Grid);
// Writes the text to a new file beside FileName and then moves it over it,
// so a failed write never leaves half a file. Raises on failure.
void SaveGridAsCsv(TQuillStringGrid& Grid, const std::string& FileName);

} // namespace gridview
