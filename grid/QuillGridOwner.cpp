// The grid's answers to the settings objects it owns: their setters repaint,
// sort and stretch through the grid's own operations.
#include "grid/QuillGrid.h"

#include "grid/interact/GridOleDrop.h"
#include "grid/interact/OleDropState.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/paint/GridLooks.h"

#include "grid/model/SortSettings.h"

void TQuillStringGrid::RepaintWholeGrid() { Invalidate(); }

void TQuillStringGrid::RepaintGridCell(int Col, int Row) { RepaintCell(Col, Row); }

void TQuillStringGrid::RepaintGridRow(int Row)
{
    for (int c = 0; c < ColCount(); ++c) RepaintCell(c, Row);
}

int TQuillStringGrid::GridFixedRows() const { return FixedRows(); }

void TQuillStringGrid::SetGridFixedGradient(grid::TFixedGradient Which, TColor Value)
{
    grid::TCellGradient& fixed = FLookColors->Fixed;
    grid::TCellGradient& hover = FLookColors->Hover;
    grid::TCellGradient& down = FLookColors->Down;
    TColor* target = nullptr;
    switch (Which) {
    case grid::fgFrom: target = &fixed.From; break;
    case grid::fgTo: target = &fixed.To; break;
    case grid::fgMirrorFrom: target = &fixed.MirrorFrom; break;
    case grid::fgMirrorTo: target = &fixed.MirrorTo; break;
    case grid::fgHoverFrom: target = &hover.From; break;
    case grid::fgHoverTo: target = &hover.To; break;
    case grid::fgHoverMirrorFrom: target = &hover.MirrorFrom; break;
    case grid::fgHoverMirrorTo: target = &hover.MirrorTo; break;
    case grid::fgHoverBorder: target = &hover.Border; break;
    case grid::fgDownFrom: target = &down.From; break;
    case grid::fgDownTo: target = &down.To; break;
    case grid::fgDownMirrorFrom: target = &down.MirrorFrom; break;
    case grid::fgDownMirrorTo: target = &down.MirrorTo; break;
    case grid::fgDownBorder: target = &down.Border; break;
    }
    if (!target) return;
    *target = Value;
    Invalidate();
}

bool TQuillStringGrid::GridHasParent() const { return Parent() != nullptr; }

void TQuillStringGrid::StretchGridColumn(int Col) { StretchColumn(Col); }

bool TQuillStringGrid::GridDesigning() const { return ComponentState().Contains(csDesigning); }

// Drops reach the grid's window only while its target is registered; a
// failed registration leaves the grid without one.
bool TQuillStringGrid::GridDropTargetRegistered() const { return FDropTargetRegistered; }

void TQuillStringGrid::RegisterGridDropTarget()
{
    auto target = std::make_shared<TGridDropTarget>(*this);
    const TDragDropSettings& s = DragDropSettings();
    target->SetAcceptText(s.OleAcceptText());
    target->SetAcceptFiles(s.OleAcceptFiles());
    target->SetAcceptURLs(s.OleAcceptURLs());
    target->SetAcceptCols(true);
    FDropTargetRegistered = RegisterDragDrop(Handle(), target) == S_OK;
    if (FDropTargetRegistered) FOleDrop->Target = std::move(target);
}

void TQuillStringGrid::RevokeGridDropTarget()
{
    if (HandleAllocated()) RevokeDragDrop(Handle());
    FOleDrop->Target.reset();
    FDropTargetRegistered = false;
}

void TQuillStringGrid::SetGridOleRTFSupport(bool Value) { SetOleRTFSupport(Value); }

TSortIndexList& TQuillStringGrid::GridSortIndexes() { return *FSortIndexes; }

void TQuillStringGrid::SortGridByColumn() { QSort(); }

void TQuillStringGrid::SortGridByIndexes() { QSortIndexed(); }
