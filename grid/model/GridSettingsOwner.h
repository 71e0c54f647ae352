// What the grid's settings objects ask of the grid that owns them.
#pragma once

#include "platform/graphics/Colors.h"

class TSortIndexList;

namespace grid {

// The grid's fixed-cell gradient colours that the control look hands on.
enum TFixedGradient {
    fgFrom, fgTo, fgMirrorFrom, fgMirrorTo,
    fgHoverFrom, fgHoverTo, fgHoverMirrorFrom, fgHoverMirrorTo, fgHoverBorder,
    fgDownFrom, fgDownTo, fgDownMirrorFrom, fgDownMirrorTo, fgDownBorder,
};

// The string grid implements this; its settings objects call it from their setters.
// The names differ from the grid's own operations on purpose, so that implementing
// the interface never overrides a grid operation by accident.
class TGridSettingsOwner {
public:
    virtual void RepaintWholeGrid() = 0;
    virtual void RepaintGridCell(int Col, int Row) = 0;
    virtual void RepaintGridRow(int Row) = 0;
    virtual int GridFixedRows() const = 0;

    virtual void SetGridFixedGradient(TFixedGradient Which, TColor Value) = 0;

    virtual bool GridHasParent() const = 0;
    virtual void StretchGridColumn(int Col) = 0;

    virtual bool GridDesigning() const = 0;
    // Whether the grid's window is registered as a drop target right now.
    virtual bool GridDropTargetRegistered() const = 0;
    // Creates the grid's drop target and registers the window, recording success.
    virtual void RegisterGridDropTarget() = 0;
    virtual void RevokeGridDropTarget() = 0;
    // Hands the switch on to drag and drop, whose rich-text support is process-wide.
    virtual void SetGridOleRTFSupport(bool Value) = 0;

    virtual TSortIndexList& GridSortIndexes() = 0;
    virtual void SortGridByColumn() = 0;
    virtual void SortGridByIndexes() = 0;

protected:
    ~TGridSettingsOwner() = default;
};

} // namespace grid
