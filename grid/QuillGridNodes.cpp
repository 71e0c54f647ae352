// Nodes of the string grid: node rows in column 0, their spans and levels,
// contracting and expanding through the hidden rows, and summary rows.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"

#include <algorithm>

#include "grid/base/CellProperties.h"
#include "grid/model/RowStore.h"

TCellGraphic* TQuillStringGrid::NodeGraphic(int ARow)
{
    if (ARow < 0) return nullptr;
    TCellGraphic* graphic = GetCellGraphic(0, ARow);
    return graphic && graphic->CellType() == ctNode ? graphic : nullptr;
}

bool TQuillStringGrid::IsNode(int ARow) { return NodeGraphic(ARow) != nullptr; }

bool TQuillStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TQuillStringGrid::GetNodeState(int ARow)
{
    const TCellGraphic* node = NodeGraphic(ARow);
    return node && node->CellBoolean();
}

int TQuillStringGrid::GetNodeLevel(int ARow)
{
    if (!IsNode(ARow)) return -1;
    const auto* props = dynamic_cast<const TCellProperties*>(GetGridObject(0, ARow));
    return props ? props->NodeLevel() : 0;
}

int TQuillStringGrid::GetNodeSpan(int ARow)
{
    const TCellGraphic* node = NodeGraphic(ARow);
    return node ? node->CellIndex() : -1;
}

int TQuillStringGrid::GetSubNodeCount(int ARow)
{
    const TCellGraphic* node = NodeGraphic(ARow);
    return node ? node->CellErrFrom() : 0;
}

int TQuillStringGrid::GetNodeIndent(int ARow)
{
    if (FNumNodes == 0 || ARow < 0) return 0;
    const auto* props = dynamic_cast<const TCellProperties*>(GetGridObject(0, ARow));
    return props ? props->NodeLevel() * NodeIndentPixels : 0;
}

int TQuillStringGrid::GetParentRow(int ARow)
{
    if (FNumNodes == 0) return -1;
    const bool isNode = IsNode(ARow);
    const int limit = isNode ? GetNodeLevel(ARow) : 65535;
    int hidden = 0;
    for (int r = ARow; r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= limit) continue;
        const int span = GetNodeSpan(r);
        if (GetNodeState(r)) hidden += span - 1;
        if (r + span - hidden > ARow) return r;
    }
    return isNode ? ARow : -1;
}

void TQuillStringGrid::ChangeNodeLevels(int FromRow, int Count, int Delta)
{
    for (int r = FromRow; r < FromRow + Count && r < RowCount(); ++r) {
        TCellProperties* props = GetCellProperties(0, r);
        props->SetNodeLevel(std::max(0, props->NodeLevel() + Delta));
    }
}

void TQuillStringGrid::AddNode(int ARow, int Span)
{
    const int d = DisplRowIndex(ARow);
    TCellGraphic& node = *CreateCellGraphic(0, d);
    node.SetCellType(ctNode);
    node.SetCellAngle(d);
    node.SetCellBoolean(false);
    node.SetCellIndex(Span);
    node.SetCellHAlign(haBeforeText);
    node.SetCellVAlign(vaCenter);
    node.SetCellErrFrom(0);
    node.SetCellVar(-1);
    ChangeNodeLevels(d, Span, 1);
    if (FNumNodes == 0) InvalidateCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TQuillStringGrid::RemoveNode(int ARow)
{
    if (IsHiddenRow(ARow)) return;
    ExpandNode(ARow);
    const int d = DisplRowIndex(ARow);
    if (!IsNode(d)) return;
    ChangeNodeLevels(d, GetNodeSpan(d), -1);
    RemoveCellGraphicOfType(0, d, ctNode);
    if (FNumNodes > 0) --FNumNodes;
}

void TQuillStringGrid::RemoveAllNodes()
{
    // Bottom up, so that removing a node moves no node still to come.
    for (int r = TotalRowCount() - 1; r >= 0 && FNumNodes > 0; --r)
        if (!IsHiddenRow(r) && IsNode(DisplRowIndex(r))) RemoveNode(r);
    Invalidate();
}

int TQuillStringGrid::NodeEndReal(int ARow)
{
    const int span = GetNodeSpan(ARow);
    const int real = RealRowIndex(ARow);
    if (span > 0) return real + span;
    // A span of 0 reaches to the next node row.
    for (int r = ARow + 1; r < RowCount(); ++r)
        if (IsNode(r)) return RealRowIndex(r);
    return TotalRowCount();
}

void TQuillStringGrid::ExpandNode(int ARow)
{
    if (IsHiddenRow(ARow)) return;
    const int d = DisplRowIndex(ARow);
    TCellGraphic* node = NodeGraphic(d);
    if (!node || !node->CellBoolean()) return;
    node->SetCellBoolean(false);
    // The rows hidden under the node lie between it and the next shown row.
    const int first = RealRowIndex(d) + 1;
    const int last = (d + 1 < RowCount() ? RealRowIndex(d + 1) : TotalRowCount()) - 1;
    if (first <= last) UnHideRows(first, last);
}

void TQuillStringGrid::ContractNode(int ARow)
{
    if (IsHiddenRow(ARow)) return;
    CloseEditor();
    const int d = DisplRowIndex(ARow);
    TCellGraphic* node = NodeGraphic(d);
    if (!node || node->CellBoolean()) return;
    const int from = RealRowIndex(d) + 1;
    const int to = std::min(NodeEndReal(d), TotalRowCount()) - 1;
    // Contracted nodes inside come back expanded with this one's rows.
    for (int r = from; r <= to; ++r)
        if (!IsHiddenRow(r))
            if (TCellGraphic* inner = NodeGraphic(DisplRowIndex(r))) inner->SetCellBoolean(false);
    node->SetCellBoolean(true);
    if (from <= to) HideRows(from, to);
}

void TQuillStringGrid::SetNodeState(int ARow, bool Value)
{
    if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
    if (Value) ContractNode(RealRowIndex(ARow));
    else ExpandNode(RealRowIndex(ARow));
}

void TQuillStringGrid::ExpandAll()
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsNode(r)) ExpandNode(RealRowIndex(r));
}

void TQuillStringGrid::ContractAll()
{
    ExpandAll();
    // Outer nodes last, so that each contracts over its expanded inner ones.
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (IsNode(r)) ContractNode(RealRowIndex(r));
}

void TQuillStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* node = NodeGraphic(ARow)) node->SetCellIndex(Span);
}

void TQuillStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* node = NodeGraphic(ARow)) node->SetCellIndex(node->CellIndex() + Delta);
}

void TQuillStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* node = NodeGraphic(ARow)) node->SetCellErrFrom(node->CellErrFrom() + Delta);
}

void TQuillStringGrid::InsertNormalRow(int ARow)
{
    // Hidden rows after the new one move down with it in the row store.
    InsertRows(DisplRowIndex(ARow), 1, true);
}

void TQuillStringGrid::RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }

void TQuillStringGrid::MarkSummaryRow(int ARow) { CreateCellGraphic(0, DisplRowIndex(ARow))->SetCellType(ctSummary); }
