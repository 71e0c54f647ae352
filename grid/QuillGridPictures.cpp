// Pictures, indicators, comments, markers and rotated text in the cells of
// the string grid.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"

#include "grid/model/ColumnMap.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"

void TQuillStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                                 TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TQuillStringGrid::CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal, TCellVAlign val)
{
    auto* bitmap = new TBitmap;
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetBitmap(bitmap, transparent, hal, val);
    graphic.SetCellCreated(true);
    return bitmap;
}

TBitmap* TQuillStringGrid::GetBitmap(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType() == ctBitmap ? dynamic_cast<TBitmap*>(graphic->CellBitmap()) : nullptr;
}

void TQuillStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

TIcon* TQuillStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    auto* icon = new TIcon;
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetIcon(icon, hal, val);
    graphic.SetCellCreated(true);
    return icon;
}

void TQuillStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool transparent, TStretchMode stretchmode,
                                  int padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctPicture);
    graphic.SetCellBitmap(APicture);
    graphic.SetCellTransparent(transparent);
    graphic.SetCellAngle(stretchmode);
    graphic.SetCellIndex(padding);
    graphic.SetCellHAlign(hal);
    graphic.SetCellVAlign(val);
}

TPicture* TQuillStringGrid::CreatePicture(int ACol, int ARow, bool transparent, TStretchMode stretchmode,
                                          int padding, TCellHAlign hal, TCellVAlign val)
{
    auto* picture = new TPicture;
    AddPicture(ACol, ARow, picture, transparent, stretchmode, padding, hal, val);
    GetCellGraphic(ACol, ARow)->SetCellCreated(true);
    return picture;
}

TPicture* TQuillStringGrid::GetPicture(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType() == ctPicture ? dynamic_cast<TPicture*>(graphic->CellBitmap()) : nullptr;
}

// Indicators.

void TQuillStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                            TColor BKTextColor, const std::string& Fmt, int Min, int Max)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctProgress);
    graphic.SetCellHAlign(haLeft);
    graphic.SetCellVAlign(vaTop);
    graphic.SetCellBitmapColor(FGColor);
    graphic.SetCellIconColor(BKColor);
    graphic.SetCellIndex(static_cast<int>(FGTextColor));
    graphic.SetCellAngle(static_cast<int>(BKTextColor));
    graphic.SetCellErrFrom(Min);
    graphic.SetCellErrLen(Max);
    graphic.SetCellText(Fmt);
    graphic.SetCellBoolean(FGTextColor != clNone || BKTextColor != clNone);
}

void TQuillStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, "", 0, 100);
}

void TQuillStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                     TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, "", 0, 100);
}

void TQuillStringGrid::AddQuillProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctXPProgress);
    graphic.SetCellErrFrom(Min);
    graphic.SetCellErrLen(Max);
}

void TQuillStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctProgressPie);
    graphic.SetCellHAlign(haBeforeText);
    graphic.SetCellBitmapColor(Color);
    graphic.SetCellAngle(Value);
}

void TQuillStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType() != ctProgressPie) return;
    graphic->SetCellAngle(Value);
    RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
}

void TQuillStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                         bool ShowValue)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctRangeIndicator);
    graphic.SetCellIndex(Range);
    graphic.SetCellBitmapColor(NegColor);
    graphic.SetCellIconColor(PosColor);
    graphic.SetCellBoolean(ShowValue);
}

void TQuillStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctRating);
    graphic.SetCellAngle(Scale);
    graphic.SetCellIndex(static_cast<int>(FillColor));
    graphic.SetCellBitmapColor(EmptyColor);
    graphic.SetCellHAlign(haFull);
}

void TQuillStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                                TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctShape);
    graphic.SetCellAngle(Shape);
    graphic.SetCellIndex(static_cast<int>(FillColor));
    graphic.SetCellBitmapColor(LineColor);
    graphic.SetCellHAlign(hal);
    graphic.SetCellVAlign(val);
}

void TQuillStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && graphic->CellType() == ctShape) graphic->SetCellIndex(static_cast<int>(FillColor));
}

TColor TQuillStringGrid::GetShapeColor(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType() == ctShape ? static_cast<TColor>(graphic->CellIndex()) : clNone;
}

void TQuillStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctScrollbar);
    graphic.SetCellAngle(0);
    graphic.SetCellErrFrom(100);
    graphic.SetCellBoolean(AutoRange);
}

void TQuillStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType() != ctScrollbar) return;
    graphic->SetCellIndex(Pos);
    RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
}

int TQuillStringGrid::GetScrollPosition(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType() == ctScrollbar ? graphic->CellIndex() : -1;
}

// Comments and markers.

void TQuillStringGrid::AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctComment);
    graphic.SetCellText(Comment);
    graphic.SetCellIndex(static_cast<int>(Color));
}

bool TQuillStringGrid::IsComment(int ACol, int ARow, std::string& comment)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType() != ctComment) return false;
    comment = graphic->CellText();
    return true;
}

std::string TQuillStringGrid::GetComment(int ACol, int ARow)
{
    std::string comment;
    return IsComment(ACol, ARow, comment) ? comment : std::string();
}

void TQuillStringGrid::SetComment(int ACol, int ARow, const std::string& value)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) AddComment(ACol, ARow, value);
    else if (graphic->CellType() == ctComment) graphic->SetCellText(value);
}

void TQuillStringGrid::RemoveAllComments()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c) RemoveComment(c, r);
}

void TQuillStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) {
        graphic = CreateCellGraphic(ACol, ARow);
        graphic->SetCellType(ctEmpty);
    }
    graphic->SetCellErrFrom(ErrPos);
    graphic->SetCellErrLen(ErrLen);
    RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
}

void TQuillStringGrid::RemoveMarker(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctEmpty)) return;
    if (TCellGraphic* graphic = GetCellGraphic(ACol, ARow)) {
        graphic->SetCellErrFrom(0);
        graphic->SetCellErrLen(0);
    }
}

void TQuillStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    ErrPos = 0;
    ErrLen = 0;
    if (const TCellGraphic* graphic = GetCellGraphic(ACol, ARow)) {
        ErrPos = graphic->CellErrFrom();
        ErrLen = graphic->CellErrLen();
    }
}

// Rotated text.

void TQuillStringGrid::AddRotated(int ACol, int ARow, int AAngle, const std::string& s)
{
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

void TQuillStringGrid::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) graphic = CreateCellGraphic(ACol, ARow);
    // Turning a node would lose it while the node count and levels still
    // hold it, and an owned object would never be freed.
    if (graphic->CellType() == ctNode || graphic->CellCreated()) return;
    graphic->SetAngle(AAngle);
}

bool TQuillStringGrid::IsRotated(int ACol, int ARow, int& aAngle)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType() != ctRotated) return false;
    aAngle = graphic->CellAngle();
    return true;
}
