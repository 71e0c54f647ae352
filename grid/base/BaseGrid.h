// The base of the string grid: the framework's string grid plus per-cell
// property objects, merged cells, display-text hooks, its own cell painter,
// merge-aware keys and wheel, and an undo hook.
#pragma once

#include <string>

#include "grid/base/CellProperties.h"
#include "grid/base/GridEvents.h"
#include "platform/ui/grids/StringGrid.h"

class TQuillGridUndoRedo;

// The framework's string grid under the name the grid family builds on.
class TObjStringGrid : public TStringGrid {
    VISTRA_CLASS(TObjStringGrid, TStringGrid)

    explicit TObjStringGrid(TComponent* AOwner) : TStringGrid(AOwner) {}
};

class TBaseGrid : public TObjStringGrid {
    VISTRA_CLASS(TBaseGrid, TObjStringGrid)

    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;

    bool ActiveRowShow() const noexcept { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const noexcept { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const noexcept { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const noexcept { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const noexcept { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    // What was written; the framework's own default drawing stays off.
    bool DefaultDrawing() const noexcept { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    // The painter's line width; the framework's own stays 0.
    int GridLineWidth() const noexcept { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TColor GridLineColor() const noexcept { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const noexcept { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    bool HoverRow() const noexcept { return FHoverRow; }
    void SetHoverRow(bool Value) noexcept { FHoverRow = Value; }
    TColor HoverRowColor() const noexcept { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) noexcept { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const noexcept { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) noexcept { FHoverRowColorTo = Value; }
    TGridSelectionStyle SelectionStyle() const noexcept { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    // Word wrap handed to new cell property objects.
    bool WordWrap() const noexcept { return FWordWrap; }
    void SetWordWrap(bool Value) noexcept { FWordWrap = Value; }
    // Referenced, not owned; the component learns its grid from here and the
    // grid forgets it when it is freed.
    TQuillGridUndoRedo* UndoRedo() const noexcept { return FUndoRedo; }
    void SetUndoRedo(TQuillGridUndoRedo* Value);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // Paints a cell with its merged area and content.
    void PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Paints exactly ARect with the cell's background and lines, no content;
    // a selected cell takes the active-row colours. For cell pictures drawn
    // outside the grid.
    void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);

    // The text as shown (base cell of a merged area, display-text events)
    // and the write that goes with it.
    std::string GetCellEx(int ACol, int ARow);
    void SetCellEx(int ACol, int ARow, const std::string& Value);
    // The stored cell text and object slot: no merging, no events, no repaint.
    // Virtual because the string grid keeps its cells in its own model.
    virtual const std::string& GetGridCell(int ACol, int ARow) const { return Cells(ACol, ARow); }
    virtual void SetGridCell(int ACol, int ARow, const std::string& Value) { StoreCellText(ACol, ARow, Value); }
    virtual TObject* GetGridObject(int ACol, int ARow) const { return Objects(ACol, ARow); }
    virtual void SetGridObject(int ACol, int ARow, TObject* Value) { SetObjects(ACol, ARow, Value); }

    // Property objects, made on first use with the defaults of GetDefaultCellProps.
    TCellProperties* GetCellProperties(int ACol, int ARow);
    // Frees the cell's property object and stores Value (owned from now on).
    void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
    // The user object; null without one (nothing is created to answer).
    TObject* GetObjectEx(int ACol, int ARow) const;
    void SetObjectEx(int ACol, int ARow, TObject* Value);
    TObject* GetGraphicObjectEx(int ACol, int ARow) const;
    void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);

    // The cell's rectangle in client coordinates; a merged area's whole
    // rectangle, also where it is scrolled out of view.
    TRect CellRect(int ACol, int ARow);
    // Width and height in pixels of the cell or its merged area.
    TPoint CellSize(int ACol, int ARow);
    // Invalidates the cell's rectangle while the window exists.
    void RepaintCell(int ACol, int ARow);

    // The displayed column of a real column (hidden columns shift it).
    virtual int DisplColIndex(int ACol);
    // ColCount plus any hidden columns.
    virtual int TotalColCount() const;

    // Merges the area of SpanX columns and SpanY rows whose top-left cell is
    // (ACol, ARow); splits the area a cell belongs to.
    virtual void MergeCells(int ACol, int ARow, int SpanX, int SpanY);
    virtual void SplitCells(int ACol, int ARow);

    // Merged-area queries; cells without properties or outside the grid
    // answer as plain cells and nothing is created.
    TPoint BaseCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    TPoint CellSpan(int ACol, int ARow) const;
    TPoint CellExt(int ACol, int ARow) const;
    TRect FullCell(int ACol, int ARow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    // Whether the vertical merges of two rows (the horizontal merges of two
    // columns) agree wherever both are merged.
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool HandleSelectCell(int ACol, int ARow) override;
    void HandleTopLeftChanged() override;
    void HandleKeyDown(unsigned short& Key, TShiftState Shift) override;
    bool HandleWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool HandleWheelUp(TShiftState Shift, TPoint MousePos) override;

    // Operations the string grid overrides to plug in its model. IsFixed,
    // HasNodes, HasCustomBorders and GetVisualProperties are asked for every
    // cell painted and must not change the grid.
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetNodeIndent(int ARow);
    virtual bool HasNodes();
    virtual void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Called when the hidden footer row's text is written.
    virtual void UpdateFooterRow();
    virtual void DoGetDisplText(int ACol, int ARow, std::string& Value);
    virtual void DoGetDisplWideText(int ACol, int ARow, std::u16string& Value);
    // The looks a new property object starts with.
    virtual void GetDefaultCellProps(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                     TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                     TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    // Called after the text of a cell with properties was stored.
    virtual void CellTextChanged(int ACol, int ARow);
    // Stores a plain cell's text for SetCellEx, repainting it and reloading
    // the editor that shows it.
    virtual void WriteCellText(int ACol, int ARow, const std::string& Value) { SetCells(ACol, ARow, Value); }
    virtual bool HasCustomBorders();
    // Fills the looks of a cell for painting; the base leaves them as given.
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                     TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD);

    // A cell's rectangle wherever it lies, in view or not.
    TRect ComputeCellRect(int ACol, int ARow) const;
    // Drop the object slots and empty the texts of a column, row or cell
    // after a structural move; nothing is freed (the objects moved on).
    void ResetColumn(int ACol);
    void ResetRow(int ARow);
    void ResetCell(int ACol, int ARow);
    // Free the property objects (and the string grid's cell graphics they
    // hold) of a block of cells, or one property object alone.
    void FreeCellPropertiesRect(int FromCol, int FromRow, int ToCol, int ToRow);
    void FreeCellProperties(int ACol, int ARow);
    bool HasCellProperties(int ACol, int ARow) const;
    // True when the cell is plain or a base cell; BaseCol and BaseRow get its base.
    bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    TObject* GetPropsGraphic(const TCellProperties& Props) const noexcept { return Props.GraphicObject(); }
    // Makes the current cell's base cell current.
    void SnapToBaseCell();
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // Maintained by the string grid.
    int FHoverRowIdx = -1;
    bool FShowSel = true;
    // The last row is the footer and is not painted as a cell.
    bool FHideLastRow = false;
    // Rows below this get display-text events.
    int FNormalRowCount = 0;
    // Merges minus splits.
    int FMergeCount = 0;

private:
    // The property object in the slot, if any; null outside the grid.
    TCellProperties* PropsAt(int ACol, int ARow) const;
    void ApplyDefaultCellProps(TCellProperties& Props, int ACol, int ARow);
    TRect MergedAreaRect(const TCellProperties& Props, int ACol, int ARow) const;
    void RepaintArea(int FromCol, int FromRow, int ToCol, int ToRow);
    void PaintGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                       bool UseCellRect);
    void PaintStyledSelection(TCanvas& ACanvas, int ACol, const TRect& ARect);
    void PaintCellLines(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, bool Fixed);
    // Moves the current cell to the last column (row) of its merged area so
    // that the framework's next step leaves the area.
    void StepToAreaEnd(bool Horizontal);
    void StepToAreaStart(bool Horizontal);
    void RepaintMergedFixedCells();

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    int FPaintID = 1;
    // The part of the client area being painted: fixed columns 1, fixed rows 2.
    int FPaintRegion = -1;
    TQuillGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FHasCellProps = false;

    friend class TCellProperties;
};
