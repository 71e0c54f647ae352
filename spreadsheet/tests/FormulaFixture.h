// An evaluator on a string grid (one fixed row and column) that records the errors it reports.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/QuillGrid.h"
#include "spreadsheet/QuillPars.h"

// Expression and the number it gives.
using NumberCaseTable = std::vector<std::pair<const char*, double>>;

struct ReportedError {
    int Code = 0;
    int Position = 0;
    std::string Text;
};

struct Outcome {
    bool Ok = false;
    Variant Value;
    std::vector<ReportedError> Errors;

    double Number() const { return Value.VarType() == varDouble ? Value.AsDouble() : -12345.678; }
    std::string Text() const { return Value.VarType() == varString ? Value.AsString() : "<number>"; }
    int Code() const { return Errors.empty() ? 0 : Errors.front().Code; }
    int Position() const { return Errors.empty() ? 0 : Errors.front().Position; }
};

class FormulaTest : public testing::Test {
protected:
    void SetUp() override
    {
        Grid = std::make_unique<TQuillStringGrid>(nullptr);
        Grid->SetColCount(6);
        Grid->SetRowCount(8);
        Formula = std::make_unique<TGridFormula>(Grid.get());
        Formula->OnError = [this](TGridFormula*, int, int, int ErrType, int ErrPos, int, const std::string& ErrStr) {
            Last.Errors.push_back({ErrType, ErrPos, ErrStr});
        };
    }

    // Cell by written name: column letter and row number from the first non-fixed cell.
    void Put(const std::string& Name, const std::string& TextValue, TQuillStringGrid* On = nullptr)
    {
        TQuillStringGrid* grid = On ? On : Grid.get();
        const int col = grid->FixedCols() + (Name[0] - 'A');
        const int row = grid->FixedRows() + std::stoi(Name.substr(1)) - 1;
        grid->SetCells(col, row, TextValue);
    }

    Outcome Eval(const std::string& Expression)
    {
        Last = Outcome{};
        Formula->SetExpression(Expression);
        Last.Ok = Formula->Calc(Last.Value);
        return Last;
    }

    std::unique_ptr<TQuillStringGrid> Grid;
    std::unique_ptr<TGridFormula> Formula;
    Outcome Last;
};
