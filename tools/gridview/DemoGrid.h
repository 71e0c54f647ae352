// What the grid viewer puts into a grid: rows of texts, and the
// demonstration of fixed cells, merged cells, check boxes, a progress cell
// and an HTML cell.
#pragma once

#include <string>
#include <vector>

class TQuillStringGrid;

namespace gridview {

using TTextRows = std::vector<std::vector<std::string>>;

// Sizes the grid to the rows (the first row and column become fixed) and
// fills it.
void FillGrid(TQuillStringGrid& Grid, const TTextRows& Rows);
// A grid of eight columns and twelve rows showing what the grid can draw.
void FillDemoGrid(TQuillStringGrid& Grid);

} // namespace gridview
