// Cell texts that every file format of the grid must bring back unchanged.
#pragma once

#include "grid/QuillGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gridfiles_test {

// Every CSV delimiter candidate, quotes, line breaks of every kind, tab, markup
// characters, control characters and text beyond U+FFFF.
inline const std::vector<std::string>& AwkwardCells()
{
    static const std::vector<std::string> cells = {
        ",", ";", "#", "\t", "|", "@", "*", "-", "+", "&",
        "\"", "\"quoted\"", "a\"\"b", "line1\r\nline2", "cr\ronly", "lf\nonly",
        "tab\there", "<b>&amp;</b>", "<", "x & y", "ctrl\x01\x02\x1f\x7f", "\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E",
        "\xC3\xBC \xC3\x9F \xE2\x82\xAC", " lead and trail ", "", "=1+2", "a,b;c\td|e", "two\r\n\r\nbreaks", "vt\v", "tilde~ caret^",
    };
    return cells;
}

constexpr int AwkwardCols = 4;

// Fills the grid's normal cells from row 0 with the awkward texts, AwkwardCols a row.
inline void FillAwkward(TQuillStringGrid& Grid, const std::vector<std::string>& Cells = AwkwardCells())
{
    Grid.SetFixedRows(0);
    Grid.SetFixedCols(0);
    Grid.SetColCount(AwkwardCols);
    Grid.SetRowCount(static_cast<int>((Cells.size() + AwkwardCols - 1) / AwkwardCols));
    for (std::size_t i = 0; i < Cells.size(); ++i)
        Grid.SetCells(static_cast<int>(i % AwkwardCols), static_cast<int>(i / AwkwardCols), Cells[i]);
}

inline void ExpectAwkward(TQuillStringGrid& Grid, const std::string& What,
                          const std::vector<std::string>& Cells = AwkwardCells())
{
    for (std::size_t i = 0; i < Cells.size(); ++i)
        EXPECT_EQ(Grid.Cells(static_cast<int>(i % AwkwardCols), static_cast<int>(i / AwkwardCols)), Cells[i])
            << What << ", cell " << i;
}

// The awkward texts without one that a format uses as its own code.
inline std::vector<std::string> AwkwardCellsWithout(std::string_view Code)
{
    std::vector<std::string> cells;
    for (const std::string& c : AwkwardCells())
        if (c.find(Code) == std::string::npos) cells.push_back(c);
    return cells;
}

} // namespace gridfiles_test
