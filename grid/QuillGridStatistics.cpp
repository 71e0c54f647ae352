// Column and row statistics, numbering and the selection sets of the string grid.
#include "grid/QuillGrid.h"
#include "grid/paint/RichText.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "grid/base/MouseActions.h"
#include "grid/base/QuillUtilParse.h"
#include "grid/data/SortKey.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

bool grid::TryStatisticValue(std::string_view Text, double& Value)
{
    // Plain decimals, the usual content of a numeric column, are read at once.
    if (ReadPlainDecimal(Text, Value)) return true;
    const std::string number = NormalizeNumberText(Text);
    return !number.empty() && number != "-" && TryCellFloat(Text, Value);
}

namespace {

// The statistics of a run of values; each is 0 for no values.
double Sum(const std::vector<double>& Values)
{
    double sum = 0;
    for (double v : Values) sum += v;
    return sum;
}

double Mean(const std::vector<double>& Values)
{
    return Values.empty() ? 0 : Sum(Values) / static_cast<double>(Values.size());
}

double Least(const std::vector<double>& Values)
{
    return Values.empty() ? 0 : *std::min_element(Values.begin(), Values.end());
}

double Greatest(const std::vector<double>& Values)
{
    return Values.empty() ? 0 : *std::max_element(Values.begin(), Values.end());
}

// The population standard deviation, in two passes.
double StdDev(const std::vector<double>& Values)
{
    if (Values.empty()) return 0;
    const double mean = Mean(Values);
    double squares = 0;
    for (double v : Values) squares += (v - mean) * (v - mean);
    return std::sqrt(squares / static_cast<double>(Values.size()));
}

} // namespace

// Statistics.

void TQuillStringGrid::StatisticRows(int& FromRow, int& ToRow, bool& Real) const
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FFixedFooters - 1;
    }
    // A range past the shown rows counts real rows, hidden ones included.
    Real = ToRow >= RowCount();
}

std::vector<double> TQuillStringGrid::ColumnValues(int ACol, int FromRow, int ToRow)
{
    bool real = false;
    StatisticRows(FromRow, ToRow, real);
    std::vector<double> values;
    const bool storedTexts = ShowsStoredTexts();
    for (int r = std::max(FromRow, 0); r <= ToRow; ++r) {
        double value = 0;
        // A shown cell without properties is read where it is stored.
        if (std::string_view text; !real && storedTexts && PlainStoredText(ACol, r, text)) {
            if (grid::TryStatisticValue(text, value)) values.push_back(value);
            continue;
        }
        const int displ = real ? DisplRowIndex(r) : r;
        const bool shown = !real || !IsHiddenRow(r);
        // Cells covered by a merged area count once, at their base cell.
        if (shown && IsMergedNonBaseCell(ACol, displ)) continue;
        if (grid::TryStatisticValue(real ? AllCells(ACol, r) : GetCellEx(ACol, r), value)) values.push_back(value);
    }
    return values;
}

double TQuillStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    return Sum(ColumnValues(ACol, FromRow, ToRow));
}

double TQuillStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    return Mean(ColumnValues(ACol, FromRow, ToRow));
}

double TQuillStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    return Least(ColumnValues(ACol, FromRow, ToRow));
}

double TQuillStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    return Greatest(ColumnValues(ACol, FromRow, ToRow));
}

double TQuillStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    return StdDev(ColumnValues(ACol, FromRow, ToRow));
}

double TQuillStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    bool real = false;
    StatisticRows(FromRow, ToRow, real);
    std::unordered_set<std::string> seen;
    for (int r = std::max(FromRow, 0); r <= ToRow; ++r)
        seen.insert(AnsiUpperCase(real ? AllCells(ACol, r) : GetCellEx(ACol, r)));
    return static_cast<double>(seen.size());
}

double TQuillStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double result = 0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, result);
    return result;
}

std::vector<double> TQuillStringGrid::RowValues(int ARow, int FromCol, int ToCol)
{
    std::vector<double> values;
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        double value = 0;
        if (IsBaseCell(c, ARow) && grid::TryStatisticValue(GetCellEx(c, ARow), value)) values.push_back(value);
    }
    return values;
}

double TQuillStringGrid::RowSum(int ARow, int FromCol, int ToCol)
{
    return Sum(RowValues(ARow, FromCol, ToCol));
}

double TQuillStringGrid::RowAvg(int ARow, int FromCol, int ToCol)
{
    return Mean(RowValues(ARow, FromCol, ToCol));
}

double TQuillStringGrid::RowMin(int ARow, int FromCol, int ToCol)
{
    return Least(RowValues(ARow, FromCol, ToCol));
}

double TQuillStringGrid::RowMax(int ARow, int FromCol, int ToCol)
{
    return Greatest(RowValues(ARow, FromCol, ToCol));
}

// Numbering.

void TQuillStringGrid::AutoNumberCol(int ACol)
{
    const int last = RowCount() - FFixedFooters - 1;
    for (int k = FixedRows() + FAutoNumberStart; k <= last; ++k) {
        const int row = FAutoNumberDirection == sdDescending ? FixedRows() + last - k : k;
        SetInts(ACol, row, k - FixedRows() + 1 + FAutoNumberOffset);
    }
}

void TQuillStringGrid::AutoNumberRow(int ARow)
{
    const int last = ColCount() - FFixedRightCols - 1;
    for (int k = FixedCols() + FAutoNumberStart; k <= last; ++k) {
        const int col = FAutoNumberDirection == sdDescending ? FixedCols() + last - k : k;
        SetInts(col, ARow, k - FixedCols() + 1 + FAutoNumberOffset);
    }
}

// Selection sets.

void TQuillStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

bool TQuillStringGrid::SelectedCells(int ACol, int ARow) const
{
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCells.Contains(ACol, ARow);
    return grid::OrderedRect(Selection()).Contains(ACol, ARow);
}

void TQuillStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    if (Value ? FSelectedCells.Add(ACol, ARow) : FSelectedCells.Remove(ACol, ARow)) RepaintCell(ACol, ARow);
}

bool TQuillStringGrid::IsSelected(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCells.Contains(ACol, ARow);
    if (FMouseActions->DisjunctRowSelect()) return FRowSelect.Get(RowFlagIndex(ARow));
    if (FMouseActions->DisjunctColSelect()) return FColSelect.Get(ACol);
    return grid::OrderedRect(Selection()).Contains(ACol, ARow);
}

TGridCoord TQuillStringGrid::SelectedCell(int Index) const
{
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCells.Item(Index);
    // Without a disjunct selection the cells of the rectangle count row by row.
    const TGridRect s = grid::OrderedRect(Selection());
    const int width = s.Right - s.Left + 1;
    if (Index < 0 || Index >= SelectedCellsCount()) return {-1, -1};
    return {s.Left + Index % width, s.Top + Index / width};
}

int TQuillStringGrid::SelectedCellsCount() const
{
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCells.Count();
    const TGridRect s = grid::OrderedRect(Selection());
    return (s.Right - s.Left + 1) * (s.Bottom - s.Top + 1);
}

int TQuillStringGrid::SelectedRowCount() const
{
    if (FMouseActions->DisjunctRowSelect()) return FRowSelect.FlaggedCount();
    const TGridRect s = Selection();
    const TPoint topSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top) && s.Bottom < s.Top + topSpan.Y) return topSpan.Y + 1;
    if (!IsMergedCell(s.Left, s.Top) && IsMergedCell(s.Left, s.Bottom))
        return std::abs(s.Top - s.Bottom) + CellSpan(s.Left, s.Bottom).Y + 1;
    return std::abs(s.Top - s.Bottom) + 1;
}

int TQuillStringGrid::SelectedColCount() const
{
    if (FMouseActions->DisjunctColSelect()) return FColSelect.FlaggedCount();
    const TGridRect s = Selection();
    const TPoint leftSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top) && s.Right < s.Left + leftSpan.X) return leftSpan.X + 1;
    if (!IsMergedCell(s.Left, s.Top) && IsMergedCell(s.Right, s.Top))
        return std::abs(s.Left - s.Right) + CellSpan(s.Right, s.Top).X + 1;
    return std::abs(s.Left - s.Right) + 1;
}

int TQuillStringGrid::SelectedRow(int Index) const
{
    if (FMouseActions->DisjunctRowSelect()) {
        const std::vector<int>& rows = FRowSelect.InFlagOrder();
        return Index >= 0 && Index < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(Index)] : -1;
    }
    const TGridRect s = grid::OrderedRect(Selection());
    return Index >= 0 && s.Top + Index <= s.Bottom ? s.Top + Index : -1;
}

std::string TQuillStringGrid::SelectedText()
{
    const TGridRect s = grid::OrderedRect(Selection());
    std::vector<int> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (FRowSelect.Get(RowFlagIndex(r))) rows.push_back(r);
    } else {
        for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
    }
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int c = s.Left; c <= s.Right; ++c) {
            if (c > s.Left) text += '\t';
            const std::string cell = GetCellEx(RealColIndex(c), rows[i]);
            if (cell.find("{\\") == std::string::npos) {
                text += cell;
                continue;
            }
            // Rich text is given as the text it shows.
            std::vector<grid::TRichRun> runs;
            CellToRich(RealColIndex(c), rows[i], runs);
            for (const grid::TRichRun& run : runs)
                for (char ch : run.Text) ch == '\n' ? text += "\r\n" : text += ch;
        }
        if (i + 1 < rows.size()) text += "\r\n";
    }
    return text;
}

void TQuillStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells.Clear();
    Invalidate();
}
