// Rows added to and taken from nodes, and where a click hits a node glyph
// or a check box.
#include "grid/QuillGrid.h"
#include "grid/model/ControlLook.h"

#include "grid/base/MouseActions.h"
#include "grid/model/AppearanceSettings.h"
#include "grid/paint/CellGraphicPainter.h"

TCellNode& TQuillStringGrid::CellNode()
{
    if (!FCellNode) FCellNode = std::make_unique<TCellNode>(this);
    return *FCellNode;
}

void TQuillStringGrid::ChangeNodeRows(int ARow, int Delta)
{
    UpdateNodeSpan(ARow, Delta);
    UpdateSubNodeCount(ARow, Delta);
    ExpandNode(RealRowIndex(ARow));
}

void TQuillStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    if (ARow < 0 || ARow >= TotalRowCount() || IsHiddenRow(ARow) || InsertAt < 0) return;
    const int parent = GetParentRow(DisplRowIndex(ARow));
    int level = 1;
    if (parent != -1) {
        ChangeNodeRows(parent, 1);
        level = GetNodeLevel(parent);
    }
    // Each ancestor lies strictly above in level; an ancestor that answers
    // itself ends the walk.
    for (int q = parent, L = level; L > 1 && q != -1 && q >= FixedRows();) {
        const int outer = GetParentRow(q);
        if (outer == -1 || outer == q || GetNodeLevel(outer) >= L) break;
        ChangeNodeRows(outer, 1);
        L = GetNodeLevel(outer);
        q = outer;
    }
    // Expanding may have shown rows above: the row's display index is read again.
    const int d = DisplRowIndex(ARow);
    const bool moveContents = IsNode(d) && InsertAt == 0;
    if (moveContents) InsertAt = 1;
    InsertRows(d + InsertAt, 1, true);
    if (moveContents) {
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, d + 1, GetGridCell(c, d));
            SetGridCell(c, d, "");
            // The node row keeps its glyph in column 0.
            if (c >= 1) {
                SetGridObject(c, d + 1, GetGridObject(c, d));
                SetGridObject(c, d, nullptr);
            }
        }
    }
    if (parent != -1) GetCellProperties(0, d + InsertAt)->SetNodeLevel(level);
    Invalidate();
}

void TQuillStringGrid::RemoveChildRow(int ARow)
{
    if (ARow < 0 || ARow >= TotalRowCount() || IsHiddenRow(ARow)) return;
    int p = GetParentRow(DisplRowIndex(ARow));
    if (p != -1) {
        const int L = GetNodeLevel(p);
        if (GetNodeSpan(p) > 1) ChangeNodeRows(p, -1);
        else ExpandNode(RealRowIndex(p));
        while (GetNodeLevel(p) > 1) {
            const int outer = GetParentRow(p);
            if (outer == -1 || outer == p || GetNodeLevel(outer) >= L) break;
            p = outer;
            if (GetNodeSpan(p) > 1) ChangeNodeRows(p, -1);
            else ExpandNode(RealRowIndex(p));
        }
    }
    RemoveRowRange(DisplRowIndex(ARow), 1);
}

bool TQuillStringGrid::IsNodeButtonHit(int ARow, int X)
{
    if (!FMouseActions->PreciseNodeClick()) return true;
    const int L = GetNodeLevel(ARow);
    TCellNode& look = CellNode();
    const int N = look.NodeIndent();
    const int glyphWidth = look.ExpandGlyph()->Empty() ? 0 : look.ExpandGlyph()->Width();
    int W = 4, S = 4;
    switch (look.NodeType()) {
    case cnFlat: case cnXP: break;
    case cn3D: W = 6; S = 0; break;
    case cnLeaf: W = 8; S = 2; break;
    case cnGlyph: W = glyphWidth / 2; S = glyphWidth > 0 ? 2 : 0; break;
    }
    // Controls here are laid out left to right only.
    return (L - 1) * N + S < X && X < L * N + W;
}

bool TQuillStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType()) {
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctRadioButton:
    case ctTriStateCheckBox:
        break;
    default:
        return false;
    }
    if (!FMouseActions->PreciseCheckBoxCheck()) return true;
    const TRect r = TBaseGrid::CellRect(DisplColIndex(ACol), ARow);
    const int S = FControlLook->CheckSize();
    int top = r.Top + 2;
    if (graphic->CellVAlign() == vaBottom) top = r.Bottom - S - 2;
    else if (graphic->CellVAlign() == vaCenter) top = r.Top + (r.Height() - S) / 2;
    int left = r.Left + 2;
    switch (ResolveCellAlignment(ACol, ARow).first) {
    case taRightJustify:
        left = r.Right - S - 2;
        if (!GetCellEx(ACol, ARow).empty()) left -= GetCellTextSize(ACol, ARow, false, false).cx;
        break;
    case taCenter:
        left = r.Left + (r.Width() - S) / 2;
        break;
    default:
        break;
    }
    return XPos >= left && XPos < left + S && YPos >= top && YPos < top + S;
}
