// What the grid viewer puts into a grid.
#include "tools/gridview/DemoGrid.h"

#include <algorithm>

#include "grid/QuillGrid.h"

namespace gridview {

void FillGrid(TQuillStringGrid& Grid, const TTextRows& Rows)
{
    size_t cols = 1;
    for (const auto& row : Rows) cols = std::max(cols, row.size());
    // A fixed row and column need one normal row and column beside them.
    Grid.SetColCount(static_cast<int>(std::max<size_t>(cols, 2)));
    Grid.SetRowCount(static_cast<int>(std::max<size_t>(Rows.size(), 2)));
    Grid.SetFixedCols(1);
    Grid.SetFixedRows(1);
    for (size_t r = 0; r < Rows.size(); ++r)
        for (size_t c = 0; c < Rows[r].size(); ++c)
            Grid.SetCells(static_cast<int>(c), static_cast<int>(r), Rows[r][c]);
}

void FillDemoGrid(TQuillStringGrid& Grid)
{
    FillGrid(Grid, {{"", "Name", "City", "Done", "Progress", "Note", "Amount", "Rank"},
                    {"1", "Avery", "Lisbon", "", "20", "<b>bold</b> and <i>italic</i>", "12.50", "3"},
                    {"2", "Blake", "Oslo", "", "55", "<font color=\"clRed\">red</font> text", "7.25", "1"},
                    {"3", "Casey", "Quito", "", "80", "plain", "130.00", "2"},
                    {"4", "Devon", "Perth", "", "100", "a longer note that wraps inside its cell", "3.10", "5"},
                    {"5", "Emery", "Turin", "", "0", "", "44.00", "4"},
                    {"6", "Finley", "Kyoto", "", "35", "", "9.99", "6"},
                    {"7", "Gray", "Cairo", "", "60", "", "18.40", "7"},
                    {"8", "Harper", "Dakar", "", "45", "", "27.00", "8"},
                    {"9", "Indigo", "Lima", "", "90", "", "1.00", "9"},
                    {"10", "Jules", "Riga", "", "10", "", "66.60", "10"},
                    {"11", "Kai", "Tunis", "", "70", "", "5.55", "11"}});
    Grid.SetColWidths(0, 32);
    Grid.SetColWidths(5, 150);
    for (int r = 1; r < Grid.RowCount(); ++r) {
        Grid.AddCheckBox(3, r, r % 2 == 1, false);
        Grid.AddProgress(4, r, clGreen, clWhite);
    }
    Grid.SetAlignments(6, 1, taRightJustify);
    Grid.SetWordWraps(5, 4, true);
    Grid.SetRowHeights(4, 40);
    // A merged header over two columns and a merged block of cells.
    Grid.MergeCells(1, 0, 2, 1);
    Grid.SetCells(1, 0, "Person");
    Grid.MergeCells(5, 5, 2, 3);
    Grid.SetCells(5, 5, "merged area");
    Grid.SetColors(6, 2, 0xCCEEFF);
    Grid.SetFontStyles(1, 3, TFontStyles{fsBold});
}

} // namespace gridview
