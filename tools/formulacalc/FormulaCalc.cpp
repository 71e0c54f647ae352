// formulacalc FILE.csv: loads the CSV into a string grid, computes every cell whose text
// starts with "=" and prints the grid back as CSV with each formula replaced by its
// result: a number in the shortest text that reads back exactly, a text, or the text of
// the error the formula reported.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "spreadsheet/QuillPars.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

// Fields separated by ",", rows by line ends; a field in double quotes may hold
// commas, line ends and doubled quotes.
Table ReadCsv(const std::string& text)
{
    Table rows(1);
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    auto endField = [&] {
        rows.back().push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    for (size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (quoted) {
            if (c == '"' && k + 1 < text.size() && text[k + 1] == '"') {
                field += '"';
                ++k;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n') ++k;
            endField();
            rows.emplace_back();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.empty() || !rows.back().empty()) endField();
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

std::string CsvField(const std::string& value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string ShortestNumberText(double value)
{
    if (value == 0) return "0";
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

// Computes the formula cells of a grid in dependency order with an explicit stack, so
// that a chain of any length needs no recursion and a cycle is reported.
class Calculator {
public:
    explicit Calculator(TQuillStringGrid& grid) : FGrid(grid), FFormula(&grid)
    {
        FFormula.OnGetStoredValue = [this](TQuillStringGrid*, int col, int row, Variant& value) {
            const auto found = FCells.find({col, row});
            if (found == FCells.end()) return false;
            if (found->second.State != Done) {
                FMissing.push_back({col, row});
                value = Variant(0.0);
                return true;
            }
            value = found->second.Value;
            return true;
        };
        FFormula.OnError = [this](TGridFormula*, int, int, int ErrType, int, int, const std::string&) {
            if (FErrorCode == 0) FErrorCode = ErrType;
        };
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.ColCount(); ++c)
                if (const std::string text = grid.Cells(c, r); !text.empty() && text[0] == '=') FCells[{c, r}] = {};
    }

    // The text shown for every formula cell.
    std::map<std::pair<int, int>, std::string> Results()
    {
        for (auto& [cell, entry] : FCells)
            if (entry.State == Pending) Compute(cell);
        std::map<std::pair<int, int>, std::string> shown;
        for (const auto& [cell, entry] : FCells) shown[cell] = entry.Shown;
        return shown;
    }

private:
    enum CellState { Pending, Working, Done };
    struct Entry {
        CellState State = Pending;
        Variant Value;
        std::string Shown;
    };
    using Cell = std::pair<int, int>;

    void Compute(Cell first)
    {
        std::vector<Cell> stack{first};
        while (!stack.empty()) {
            const Cell cell = stack.back();
            Entry& entry = FCells[cell];
            if (entry.State == Done) {
                stack.pop_back();
                continue;
            }
            entry.State = Working;
            FMissing.clear();
            Evaluate(cell, entry);
            bool waiting = false;
            for (const Cell& needed : FMissing) {
                Entry& other = FCells[needed];
                if (other.State == Working) {
                    SetError(other, feCircularReference);
                    other.State = Done;
                } else if (other.State == Pending) {
                    stack.push_back(needed);
                    waiting = true;
                }
            }
            if (!waiting) {
                if (!FMissing.empty()) Evaluate(cell, entry);
                entry.State = Done;
                stack.pop_back();
            }
        }
    }

    void Evaluate(const Cell& cell, Entry& entry)
    {
        const std::string expression = FGrid.Cells(cell.first, cell.second).substr(1);
        if (expression.empty()) return SetError(entry, feNoFormula);
        FFormula.SetExpression(expression);
        FFormula.SetCol(cell.first);
        FFormula.SetRow(cell.second);
        FErrorCode = 0;
        Variant result;
        const bool ok = FFormula.Calc(result);
        if (!ok || FErrorCode != 0) return SetError(entry, FErrorCode ? FErrorCode : feInvalidToken);
        entry.Value = result;
        entry.Shown = result.VarType() == varString ? result.AsString() : ShortestNumberText(result.AsDouble());
    }

    static void SetError(Entry& entry, int code)
    {
        entry.Shown = FormulaErrorText(code);
        entry.Value = Variant(entry.Shown);
    }

    TQuillStringGrid& FGrid;
    TGridFormula FFormula;
    std::map<Cell, Entry> FCells;
    std::vector<Cell> FMissing;
    int FErrorCode = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: formulacalc FILE.csv\n";
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "formulacalc: cannot open " << argv[1] << "\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const Table table = ReadCsv(text);
    size_t width = 1;
    for (const auto& row : table) width = std::max(width, row.size());

    backend::InstallHeadlessBackend();
    TQuillStringGrid grid(nullptr);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColCount(static_cast<int>(width));
    grid.SetRowCount(static_cast<int>(std::max<size_t>(table.size(), 1)));
    for (size_t r = 0; r < table.size(); ++r)
        for (size_t c = 0; c < table[r].size(); ++c) grid.SetCells(static_cast<int>(c), static_cast<int>(r), table[r][c]);

    Calculator calculator(grid);
    const auto results = calculator.Results();
    for (size_t r = 0; r < table.size(); ++r) {
        std::string line;
        for (size_t c = 0; c < table[r].size(); ++c) {
            const auto found = results.find({static_cast<int>(c), static_cast<int>(r)});
            line += (c ? "," : "") + CsvField(found != results.end() ? found->second : table[r][c]);
        }
        std::cout << line << "\n";
    }
    return 0;
}
