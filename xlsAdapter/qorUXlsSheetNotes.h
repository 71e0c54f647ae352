// The cells of a worksheet's comments. The sheet keeps its NOTE records as
// read; each names the row and column of its cell in its first four bytes,
// and those follow the cells when rows and columns are inserted or deleted.
#pragma once

#include <vector>

class TBaseRecordList;

// Rows or columns were inserted (positive counts) or deleted (negative) at
// aRowPos / aColPos. A note on a deleted cell stays on the first cell after
// the deleted band, so it keeps a cell of the sheet.
void ArrangeNoteCells(const std::vector<const TBaseRecordList*>& Lists, int aRowPos, int aRowCount, int aColPos,
                      int aColCount);
