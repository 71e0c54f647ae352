// The viewer's least CSV reader: a comma-separated text into rows of fields,
// quoted fields with doubled quotes and line breaks inside them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gridview {

using TCsvRows = std::vector<std::vector<std::string>>;

// The rows of Text. A row or a field beyond the limits raises EReadError
// naming the line, as does a quoted field still open at the end.
TCsvRows ReadCsvCells(std::string_view Text, size_t MaxRows = 2'000'000, size_t MaxCols = 4'096);

} // namespace gridview
