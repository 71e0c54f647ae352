// What the grid viewer puts into a grid: the rows of a CSV file, and the
// demonstration of fixed cells, merged cells, check boxes, a progress cell
// and an HTML cell.
#pragma once

#include "tools/gridview/CsvCells.h"

class TQuillStringGrid;

namespace gridview {

// Sizes the grid to the rows (the first row and column become fixed) and
// fills it.
void FillGrid(TQuillStringGrid& Grid, const TCsvRows& Rows);
// A grid of eight columns and twelve rows showing what the grid can draw.
void FillDemoGrid(TQuillStringGrid& Grid);

} // namespace gridview
