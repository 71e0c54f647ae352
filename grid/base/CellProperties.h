// The property object a grid cell carries in its object slot: looks, editor
// kind, node level, embedded control and the merged-area bookkeeping.
#pragma once

#include <cstdint>
#include <string>

#include "grid/base/GridEnums.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"
#include "platform/ui/ExtCtrls.h"

class TBaseGrid;
class TControl;

// Merge bookkeeping: a base cell of an area w x h has spans (w - 1, h - 1);
// a covered cell is no base cell and holds its offset to the base instead;
// spans of -1 mean the cell is in no merged area.
class TCellProperties : public TPersistent {
    VISTRA_CLASS(TCellProperties, TPersistent)

    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);

    // Copies the looks, merge state, owner cell and user object; the graphic
    // object, gradient end colour, paint pass, calculation and gradient
    // direction stay this object's own.
    void Assign(const TPersistent* Source) override;

    // The base cell of the cell at (ACol, ARow) that owns this object.
    TPoint GetBaseCell(int ACol, int ARow) const noexcept;

    bool IsBaseCell() const noexcept { return FIsBaseCell; }
    void SetIsBaseCell(bool Value) noexcept { FIsBaseCell = Value; }
    int CellSpanX() const noexcept { return FCellSpanX; }
    void SetCellSpanX(int Value) noexcept { FCellSpanX = Value; }
    int CellSpanY() const noexcept { return FCellSpanY; }
    void SetCellSpanY(int Value) noexcept { FCellSpanY = Value; }
    // Not stored when streaming: they follow from the cell's place.
    int OwnerCol() const noexcept { return FOwnerCol; }
    void SetOwnerCol(int Value) noexcept { FOwnerCol = Value; }
    int OwnerRow() const noexcept { return FOwnerRow; }
    void SetOwnerRow(int Value) noexcept { FOwnerRow = Value; }

    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment Value) noexcept { FAlignment = Value; }
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value) noexcept { FBorderColor = Value; }
    int BorderWidth() const noexcept { return FBorderWidth; }
    void SetBorderWidth(int Value) noexcept { FBorderWidth = Value; }
    TColor BrushColor() const noexcept { return FBrushColor; }
    void SetBrushColor(TColor Value);
    TColor BrushColorTo() const noexcept { return FBrushColorTo; }
    void SetBrushColorTo(TColor Value);
    TBrushStyle BrushStyle() const noexcept { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) noexcept { FBrushStyle = Value; }
    // The user's object (or any pointer-sized value); never owned.
    std::uintptr_t CellObject() const noexcept { return FObject; }
    void SetCellObject(std::uintptr_t Value) noexcept { FObject = Value; }
    TColor FontColor() const noexcept { return FFontColor; }
    void SetFontColor(TColor Value) noexcept { FFontColor = Value; }
    const std::string& FontName() const noexcept { return FFontName; }
    void SetFontName(const std::string& Value) { FFontName = Value; }
    int FontSize() const noexcept { return FFontSize; }
    void SetFontSize(int Value) noexcept { FFontSize = Value; }
    TFontStyles FontStyle() const noexcept { return FFontStyle; }
    void SetFontStyle(TFontStyles Value) noexcept { FFontStyle = Value; }
    TEditorType Editor() const noexcept { return FEditor; }
    void SetEditor(TEditorType Value) noexcept { FEditor = Value; }
    TCellGradientDirection GradientDirection() const noexcept { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection Value) noexcept { FGradientDirection = Value; }
    bool ReadOnly() const noexcept { return FReadOnly; }
    void SetReadOnly(bool Value) noexcept { FReadOnly = Value; }
    TVAlignment VAlignment() const noexcept { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    bool WordWrap() const noexcept { return FWordWrap; }
    void SetWordWrap(bool Value);
    int NodeLevel() const noexcept { return FNodeLevel; }
    void SetNodeLevel(int Value) noexcept { FNodeLevel = Value; }
    // A control shown in the cell; not owned.
    TControl* Control() const noexcept { return FControl; }
    void SetControl(TControl* Value) noexcept { FControl = Value; }
    TColumnCalcType CalcType() const noexcept { return FCalcType; }
    void SetCalcType(TColumnCalcType Value) noexcept { FCalcType = Value; }
    // Attached to the footer calculation; not owned.
    TObject* CalcObject() const noexcept { return FCalcObject; }
    void SetCalcObject(TObject* Value) noexcept { FCalcObject = Value; }

    // The cell's graphic; the grid frees it with the cell when it is one of
    // the string grid's cell graphics.
    TObject* GraphicObject() const noexcept { return FGraphicObject; }
    void SetGraphicObject(TObject* Value) noexcept { FGraphicObject = Value; }
    TBaseGrid* OwnerGrid() const noexcept { return FOwnerGrid; }
    // The paint pass that last painted this base cell's merged area.
    int PaintID() const noexcept { return FPaintID; }
    void SetPaintID(int Value) noexcept { FPaintID = Value; }

private:
    void RepaintOwnerCell();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    std::uintptr_t FObject = 0;
    TObject* FGraphicObject = nullptr;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    std::string FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    TControl* FControl = nullptr;
};
