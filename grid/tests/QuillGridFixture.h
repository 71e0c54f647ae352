// A string grid on a shown headless form, with helpers that fill and read
// a column as one text.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Forms.h"

class QuillGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 500, 400);
        Grid = new TQuillStringGrid(Form);
        Grid->SetParent(Form);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    // Rows 0..n-1 of column 0 hold "r0".."r{n-1}" (by real row).
    void FillRows(int n)
    {
        Grid->SetRowCount(n);
        for (int r = 0; r < n; ++r) Grid->SetCells(0, r, "r" + std::to_string(r));
    }
    // The shown texts of column ACol joined by spaces.
    std::string ShownColumn(int ACol = 0)
    {
        std::string s;
        for (int r = 0; r < Grid->RowCount(); ++r) s += (r ? " " : "") + Grid->Cells(ACol, r);
        return s;
    }
    std::string ShownRow(int ARow)
    {
        std::string s;
        for (int c = 0; c < Grid->ColCount(); ++c) s += (c ? " " : "") + Grid->Cells(Grid->RealColIndex(c), ARow);
        return s;
    }

    TForm* Form = nullptr;
    TQuillStringGrid* Grid = nullptr;
};
