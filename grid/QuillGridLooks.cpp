// Per-cell and per-row looks of the string grid, kept in the cells'
// property objects.
#include "grid/QuillGrid.h"

#include "grid/model/ColumnMap.h"

const TCellProperties* TQuillStringGrid::FindProps(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return nullptr;
    return dynamic_cast<const TCellProperties*>(GetGridObject(ACol, ARow));
}

void TQuillStringGrid::RepaintLooks(int ACol, int ARow) { RepaintCell(FColumnMap->RealToDispl(ACol), ARow); }

TColor TQuillStringGrid::Colors(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->BrushColor() : clNone;
}

void TQuillStringGrid::SetColors(int ACol, int ARow, TColor Value)
{
    WritableProps(ACol, ARow).SetBrushColor(Value);
    RepaintLooks(ACol, ARow);
}

TColor TQuillStringGrid::ColorsTo(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->BrushColorTo() : clNone;
}

void TQuillStringGrid::SetColorsTo(int ACol, int ARow, TColor Value)
{
    WritableProps(ACol, ARow).SetBrushColorTo(Value);
    RepaintLooks(ACol, ARow);
}

TCellGradientDirection TQuillStringGrid::Gradients(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->GradientDirection() : GradientVertical;
}

void TQuillStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value)
{
    WritableProps(ACol, ARow).SetGradientDirection(Value);
    RepaintLooks(ACol, ARow);
}

TColor TQuillStringGrid::FontColors(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->FontColor() : clNone;
}

void TQuillStringGrid::SetFontColors(int ACol, int ARow, TColor Value)
{
    WritableProps(ACol, ARow).SetFontColor(Value);
    RepaintLooks(ACol, ARow);
}

TFontStyles TQuillStringGrid::FontStyles(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->FontStyle() : TFontStyles{};
}

void TQuillStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value)
{
    WritableProps(ACol, ARow).SetFontStyle(Value);
    RepaintLooks(ACol, ARow);
}

int TQuillStringGrid::FontSizes(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->FontSize() : 0;
}

void TQuillStringGrid::SetFontSizes(int ACol, int ARow, int Value)
{
    WritableProps(ACol, ARow).SetFontSize(Value);
    RepaintLooks(ACol, ARow);
}

std::string TQuillStringGrid::FontNames(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->FontName() : std::string();
}

void TQuillStringGrid::SetFontNames(int ACol, int ARow, const std::string& Value)
{
    WritableProps(ACol, ARow).SetFontName(Value);
    RepaintLooks(ACol, ARow);
}

TAlignment TQuillStringGrid::Alignments(int ACol, int ARow) const
{
    const TCellProperties* props = FindProps(ACol, ARow);
    return props ? props->Alignment() : taLeftJustify;
}

void TQuillStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value)
{
    WritableProps(ACol, ARow).SetAlignment(Value);
    RepaintLooks(ACol, ARow);
}

bool TQuillStringGrid::ReadOnly(int ACol, int ARow) { return WritableProps(ACol, ARow).ReadOnly(); }

void TQuillStringGrid::SetReadOnly(int ACol, int ARow, bool Value)
{
    WritableProps(ACol, ARow).SetReadOnly(Value);
    RepaintLooks(ACol, ARow);
}

bool TQuillStringGrid::WordWraps(int ACol, int ARow) { return WritableProps(ACol, ARow).WordWrap(); }

void TQuillStringGrid::SetWordWraps(int ACol, int ARow, bool Value)
{
    WritableProps(ACol, ARow).SetWordWrap(Value);
    RepaintLooks(ACol, ARow);
}

void TQuillStringGrid::SetRowColor(int ARow, TColor Value)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) WritableProps(c, ARow).SetBrushColor(Value);
    InvalidateRow(ARow);
}

void TQuillStringGrid::SetRowColorTo(int ARow, TColor Value)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) WritableProps(c, ARow).SetBrushColorTo(Value);
    InvalidateRow(ARow);
}

void TQuillStringGrid::SetRowFontColor(int ARow, TColor Value)
{
    // Clearing the font colour spares cells that have a background colour.
    for (int c = FixedCols(); c < AllColCount(); ++c)
        if (Value != clNone || Colors(c, ARow) == clNone) WritableProps(c, ARow).SetFontColor(Value);
    InvalidateRow(ARow);
}

void TQuillStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) SetColors(c, r, AColor);
}
