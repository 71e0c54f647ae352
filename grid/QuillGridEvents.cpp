// The questions the string grid asks through overridable operations: each
// gives the grid's default answer and then lets its event change it.
#include "grid/QuillGrid.h"

void TQuillStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TQuillStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TQuillStringGrid::DoColorSelect(TColor Color, const std::string& Value)
{
    if (OnColorSelect) OnColorSelect(this, Col(), Row(), Color, Value);
}

void TQuillStringGrid::DoImageSelect(int Index)
{
    if (OnImageSelect) OnImageSelect(this, Col(), Row(), Index);
}

void TQuillStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TQuillStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TQuillStringGrid::GetEditorTypeForStore(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TQuillStringGrid::GetEditorTypeForShow(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TQuillStringGrid::IsEditorNone(int ACol, int ARow)
{
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TQuillStringGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TQuillStringGrid::DoGetWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

TFont& TQuillStringGrid::GetCellFont(int ACol, int ARow)
{
    const TCellProperties* props = FindProps(ACol, ARow);
    if (!props) return Font();
    FCellFont.SetName(props->FontName());
    FCellFont.SetSize(props->FontSize());
    FCellFont.SetStyle(props->FontStyle());
    FCellFont.SetColor(props->FontColor());
    return FCellFont;
}
