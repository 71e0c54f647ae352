// A workbook of two sheets with formulas across them, then rows and columns inserted
// and removed: the grids and LibreOffice Calc doing the same end with the same formula
// texts, the same values and the same cells in error.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "spreadsheet/QuillSprd.h"
#include "testsupport/Peers.h"

namespace {

struct Command {
    const char* Op;
    const char* Sheet;
    const char* A;
    const char* B;
};

// Cells first, then structure changes; sheet indexes count from 0 as Calc's do.
const Command Workbook[] = {
    {"cell", "Sheet1", "A1", "4"},          {"cell", "Sheet1", "A2", "9"},
    {"cell", "Sheet1", "A3", "2.5"},        {"cell", "Sheet1", "A4", "16"},
    {"cell", "Sheet1", "A5", "-3"},         {"cell", "Sheet1", "A6", "11"},
    {"cell", "Sheet1", "B1", "=A2*2"},      {"cell", "Sheet1", "B2", "=SUM(A1:A6)"},
    {"cell", "Sheet1", "B3", "=A2+A5"},     {"cell", "Sheet1", "C1", "=B1+B2"},
    {"cell", "Sheet1", "C4", "=MAX(A1:A6)-MIN(A2:A5)"},
    {"cell", "Sheet1", "D1", "=Sheet2!A1*3"}, {"cell", "Sheet1", "D2", "=$A$6+A$1"},
    {"cell", "Sheet1", "E5", "=SUM(B1:C2)"},  {"cell", "Sheet1", "E6", "=C4/B3"},
    {"cell", "Sheet2", "A1", "7"},          {"cell", "Sheet2", "A2", "=Sheet1!B2+A1"},
    {"cell", "Sheet2", "B1", "=SUM(Sheet1!A2:A4)"}, {"cell", "Sheet2", "B2", "=Sheet1!C1/2"},
    {"cell", "Sheet2", "C3", "=B1*A2"},
    {"insertRows", "Sheet1", "2", "1"},     {"insertCols", "Sheet1", "1", "2"},
    {"removeRows", "Sheet1", "5", "1"},     {"insertCols", "Sheet2", "0", "1"},
    {"removeCols", "Sheet1", "2", "1"},     {"insertRows", "Sheet2", "1", "3"},
    {"removeRows", "Sheet1", "2", "1"},     {"cell", "Sheet1", "B7", "=SUM(A1:A4)*2"},
};

struct Result {
    std::string Text;
    std::string Value;
    bool Error = false;
};
using Cells = std::map<std::string, Result>; // "Sheet!A1"

Cells Ours()
{
    TGridBinder binder(nullptr);
    std::map<std::string, std::unique_ptr<TQuillSpreadGrid>> sheets;
    for (const char* name : {"Sheet1", "Sheet2"}) {
        auto grid = std::make_unique<TQuillSpreadGrid>(nullptr);
        grid->SetColCount(13);
        grid->SetRowCount(41);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
        TGridBinderItem* item = binder.Grids().Add();
        item->SetGrid(grid.get());
        item->SetName(name);
        grid->SetBinder(&binder);
        sheets[name] = std::move(grid);
    }
    for (const Command& c : Workbook) {
        TQuillSpreadGrid& g = *sheets[c.Sheet];
        const std::string op = c.Op;
        if (op == "cell") {
            const TGridCoord at = g.NameToCell(c.A);
            g.SetCells(at.X, at.Y, c.B);
            g.RecalcCell(at.X, at.Y);
            continue;
        }
        // Sheet indexes count from the first non-fixed row and column.
        const int index = std::stoi(c.A) + 1;
        const int count = std::stoi(c.B);
        if (op == "insertRows") g.InsertRows(index, count);
        else if (op == "removeRows") g.RemoveRows(index, count);
        else if (op == "insertCols") g.InsertCols(index, count);
        else g.RemoveCols(index, count);
    }
    Cells cells;
    for (auto& [name, grid] : sheets) {
        grid->Recalc();
        for (int r = 1; r < grid->RowCount(); ++r)
            for (int c = 1; c < grid->ColCount(); ++c) {
                const std::string text = grid->Cells(c, r);
                if (text.empty()) continue;
                Result result{text, {}, false};
                if (TQuillSpreadGrid::IsFormulaText(text)) {
                    result.Error = grid->GetCellState(c, r) != 1;
                    if (!result.Error) {
                        char buffer[40];
                        std::snprintf(buffer, sizeof buffer, "%.15g", grid->CalculatedValue(c, r).AsDouble());
                        result.Value = buffer;
                    }
                } else {
                    result.Value = text;
                }
                cells[name + "!" + grid->CellToName(c, r)] = result;
            }
    }
    for (auto& [name, grid] : sheets) grid->SetBinder(nullptr);
    return cells;
}

Cells Calcs(const std::filesystem::path& folder)
{
    std::ofstream commands(folder / "commands.tsv");
    for (const Command& c : Workbook) commands << c.Op << '\t' << c.Sheet << '\t' << c.A << '\t' << c.B << '\n';
    commands.close();
    std::string output;
    const int status = testsupport::RunCommand("/usr/bin/python3 " VISTRA_SOURCE_DIR
                                               "/spreadsheet/tests/data/calc/CalcOperations.py " +
                                                   (folder / "profile").string() + " " +
                                                   (folder / "commands.tsv").string(),
                                               &output);
    EXPECT_EQ(status, 0) << output;
    Cells cells;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
        if (f.size() == 4) f.emplace_back();
        if (f.size() != 5) continue;
        // A plain number reads back in its shortest form.
        cells[f[0] + "!" + f[1]] = {f[2], f[3], f[4] == "1"};
    }
    return cells;
}

bool SameNumber(const std::string& a, const std::string& b)
{
    try {
        const double x = std::stod(a), y = std::stod(b);
        return std::fabs(x - y) <= 1e-12 * std::max(1.0, std::fabs(y));
    } catch (const std::exception&) {
        return a == b;
    }
}

} // namespace

TEST(SpreadCalcAgreement, StructureChangesAcrossTwoSheetsMatchLibreOffice)
{
    REQUIRE_PEER("libreoffice");
    REQUIRE_PEER("python3-uno");
    const auto folder = std::filesystem::temp_directory_path() / ("vistra-calc-agree-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const Cells theirs = Calcs(folder);
    std::filesystem::remove_all(folder);
    ASSERT_GE(theirs.size(), 15u) << "Calc printed too few cells";
    const Cells ours = Ours();
    for (const auto& [cell, expected] : theirs) {
        const auto found = ours.find(cell);
        ASSERT_NE(found, ours.end()) << cell << " holds " << expected.Text << " in Calc only";
        const Result& got = found->second;
        EXPECT_EQ(got.Error, expected.Error) << cell << " " << got.Text;
        // A reference to removed cells is written differently by each; both show an error.
        if (expected.Text.find("#REF!") == std::string::npos) {
            EXPECT_EQ(got.Text, expected.Text) << cell;
        }
        if (!expected.Error) {
            EXPECT_TRUE(SameNumber(got.Value, expected.Value)) << cell << ": " << got.Value << " vs " << expected.Value;
        }
    }
    for (const auto& [cell, result] : ours) EXPECT_TRUE(theirs.count(cell)) << cell << " holds " << result.Text << " here only";
}
