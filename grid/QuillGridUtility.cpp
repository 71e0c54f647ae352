// Small whole-grid operations: checking cells through the cell checker, test
// fills and swapping two cells.
#include "grid/QuillGrid.h"

#include <random>

#include "grid/base/StringGridCheck.h"
#include "grid/model/RowStore.h"
#include "platform/rtl/Format.h"

void TQuillStringGrid::SetCellChecker(TQuillStringGridCheck* Value)
{
    if (FCellChecker == Value) return;
    if (FCellChecker) FCellChecker->RemoveFreeNotification(this);
    FCellChecker = Value;
    if (FCellChecker) FCellChecker->FreeNotification(this);
}

void TQuillStringGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent && AComponent == FCellChecker) FCellChecker = nullptr;
    TBaseGrid::Notification(AComponent, Operation);
}

bool TQuillStringGrid::CheckCell(int Col, int Row)
{
    if (!FCellChecker) return true;
    const std::string text = GetCellEx(Col, Row);
    if (FCellChecker->GotoCell()) FocusCell(Col, Row, true);
    std::string checked = text;
    if (FCellChecker->UseCorrect()) checked = FCellChecker->Correct(Col, Row, checked);
    if (FCellChecker->UseMarkError()) checked = FCellChecker->MarkError(Col, Row, checked);
    SetCellEx(Col, Row, checked);
    return checked == text;
}

bool TQuillStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!FCellChecker) return true;
    FCellChecker->StartCheck();
    const int row = Row(), col = Col();
    bool passed = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c) passed = CheckCell(c, r) && passed;
    FCellChecker->StopCheck();
    if (FCellChecker->GotoCell()) FocusCell(col, row, true);
    return passed;
}

bool TQuillStringGrid::CheckCol(bool DoFixed, int Col)
{
    return CheckCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : LastNormalRow());
}

bool TQuillStringGrid::CheckRow(bool DoFixed, int Row)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1,
                      Row);
}

bool TQuillStringGrid::CheckGrid(bool DoFixed)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), DoFixed ? 0 : FixedRows(),
                      DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1,
                      DoFixed ? RowCount() - 1 : LastNormalRow());
}

void TQuillStringGrid::FillCells(bool DoFixed, const std::function<std::string(int, int)>& Text)
{
    const int fromCol = DoFixed ? 0 : FixedCols();
    const int toCol = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    const int fromRow = DoFixed ? 0 : FixedRows();
    const int toRow = DoFixed ? RowCount() - 1 : LastNormalRow();
    for (int r = fromRow; r <= toRow; ++r)
        for (int c = fromCol; c <= toCol; ++c) SetCellEx(c, r, Text(c, r));
    DoCellsChanged({fromCol, fromRow, toCol, toRow});
}

void TQuillStringGrid::TextFill(bool DoFixed, const std::string& Txt)
{
    FillCells(DoFixed, [&](int, int) { return Txt; });
}

void TQuillStringGrid::FormatFill(bool DoFixed, const std::string& Fmt)
{
    FillCells(DoFixed, [&](int c, int r) { return Format(Fmt, {c, r}); });
}

void TQuillStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    std::mt19937 engine{std::random_device{}()};
    // A bound below 1 leaves only 0 to draw.
    std::uniform_int_distribution<int> draw(0, std::max(Rnd - 1, 0));
    FillCells(DoFixed, [&](int, int) { return std::to_string(draw(engine)); });
}

void TQuillStringGrid::LinearFill(bool DoFixed)
{
    FillCells(DoFixed, [](int c, int r) { return std::to_string(c) + ":" + std::to_string(r); });
}

void TQuillStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell)
{
    const int fromRow = RealRowIndex(FromCell.Y), toRow = RealRowIndex(ToCell.Y);
    std::string text = FRowStore->Text(FromCell.X, fromRow);
    TObject* object = FRowStore->Object(FromCell.X, fromRow);
    FRowStore->SetText(FromCell.X, fromRow, FRowStore->Text(ToCell.X, toRow));
    FRowStore->SetObject(FromCell.X, fromRow, FRowStore->Object(ToCell.X, toRow));
    FRowStore->SetText(ToCell.X, toRow, text);
    FRowStore->SetObject(ToCell.X, toRow, object);
}
