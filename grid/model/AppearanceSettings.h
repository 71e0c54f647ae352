// The grid's look beyond its cell controls: background, progress bars, tree nodes,
// modified-cell marks and the header's filter drop-down lists.
#pragma once

#include "grid/model/GridSettingsOwner.h"
#include "grid/model/ModelEnums.h"
#include "grid/model/ModelOptions.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"

#define VISTRA_BACKGROUND_OPTIONS(X)            \
    X(int, Top, 0)                              \
    X(int, Left, 0)                             \
    X(TBackGroundDisplay, Display, bdTile)      \
    X(TBackGroundCells, Cells, bcNormal)        \
    X(TColor, Color, clWindow)                  \
    X(TColor, ColorTo, clBtnFace)

// The picture or gradient behind the cells. Every setter repaints the grid, also when
// the value stays the same. It has no Assign of its own, so assigning raises the
// platform's cannot-assign error.
class TBackGround : public TPersistent {
    VISTRA_CLASS(TBackGround, TPersistent)

    VISTRA_BACKGROUND_OPTIONS(VISTRA_ALWAYS_CHANGED_OPTION)

public:
    explicit TBackGround(grid::TGridSettingsOwner* AGrid) : FGrid(AGrid) {}

    TBitmap* Bitmap() noexcept { return &FBitmap; }
    void SetBitmap(const TBitmap* Value);

private:
    void Changed();

    grid::TGridSettingsOwner* FGrid;
    TBitmap FBitmap;
};

#define VISTRA_PROGRESS_OPTIONS(X)              \
    X(TColor, CompleteColor, clRed)             \
    X(TColor, CompleteFontColor, clBlue)        \
    X(TColor, UnCompleteColor, clNone)          \
    X(TColor, UnCompleteFontColor, clWindowText) \
    X(TColor, Level0Color, 0x00FF00)            \
    X(TColor, Level0ColorTo, 0xE1FFE1)          \
    X(TColor, Level1Color, 0x00FFFF)            \
    X(TColor, Level1ColorTo, 0xCAFFFF)          \
    X(TColor, Level2Color, 0x53A9FF)            \
    X(TColor, Level2ColorTo, 0xA8D3FF)          \
    X(TColor, Level3Color, 0x0000FF)            \
    X(TColor, Level3ColorTo, 0xCACAFF)          \
    X(int, Level1Perc, 70)                      \
    X(int, Level2Perc, 90)                      \
    X(TColor, BorderColor, clBlack)             \
    X(bool, ShowBorder, false)                  \
    X(bool, Stacked, false)                     \
    X(bool, ShowPercentage, true)               \
    X(bool, CompletionSmooth, true)             \
    X(bool, ShowGradient, true)                 \
    X(int, Steps, 11)                           \
    X(TProgressStyle, Style, psXP)

// The look of progress-bar cells. A setter fires OnChange only for a new value.
class TGridProgressAppearance : public TPersistent {
    VISTRA_CLASS(TGridProgressAppearance, TPersistent)

    VISTRA_PROGRESS_OPTIONS(VISTRA_CHANGED_OPTION)

public:
    // Copies every setting, then fires OnChange once.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();
};

// Tree-node options that repaint the grid when they change.
#define VISTRA_CELL_NODE_REPAINT_OPTIONS(X) \
    X(TNodeType, NodeType, cnXP)            \
    X(bool, ShowTree, true)                 \
    X(bool, ShowTreeFull, true)             \
    X(TColor, TreeColor, clGray)            \
    X(int, NodeIndent, 12)

#define VISTRA_CELL_NODE_STORED_OPTIONS(X)  \
    X(TColor, Color, clSilver)              \
    X(bool, ExpandOne, false)               \
    X(TColor, NodeColor, clBlack)

// The look of tree nodes in cells.
class TCellNode : public TPersistent {
    VISTRA_CLASS(TCellNode, TPersistent)

    VISTRA_CELL_NODE_REPAINT_OPTIONS(VISTRA_CHANGED_OPTION)
    VISTRA_CELL_NODE_STORED_OPTIONS(VISTRA_PLAIN_OPTION)

public:
    explicit TCellNode(grid::TGridSettingsOwner* AOwner) : FGrid(AOwner) {}

    // The glyph setters copy the picture without repainting.
    TBitmap* ExpandGlyph() noexcept { return &FExpandGlyph; }
    void SetExpandGlyph(const TBitmap* Value);
    TBitmap* ContractGlyph() noexcept { return &FContractGlyph; }
    void SetContractGlyph(const TBitmap* Value);

    // Copies every setting without repainting.
    void Assign(const TPersistent* Source) override;

private:
    void Changed();

    grid::TGridSettingsOwner* FGrid;
    TBitmap FExpandGlyph;
    TBitmap FContractGlyph;
};

// How modified cells are marked. Setting Color fires OnChange every time.
class TShowModified : public TPersistent {
    VISTRA_CLASS(TShowModified, TPersistent)

    VISTRA_PLAIN_OPTION(bool, Enabled, false)
    VISTRA_ALWAYS_CHANGED_OPTION(TColor, Color, clYellow)

public:
    // Copies Color and Enabled without firing OnChange.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();
};

#define VISTRA_FILTER_DROP_DOWN_OPTIONS(X)  \
    X(bool, AutoSize, false)                \
    X(TColor, Color, clWindow)              \
    X(bool, ColumnWidth, false)             \
    X(int, Height, 150)                     \
    X(int, Width, 150)

// The look of the header's filter drop-down lists. Any change of either glyph, through
// its setter or on the picture itself, fires OnChange.
class TFilterDropDown : public TPersistent {
    VISTRA_CLASS(TFilterDropDown, TPersistent)

    VISTRA_FILTER_DROP_DOWN_OPTIONS(VISTRA_PLAIN_OPTION)

public:
    TFilterDropDown();

    TFont* Font() noexcept { return &FFont; }
    void SetFont(const TFont* Value) { FFont.Assign(Value); }
    TBitmap* Glyph() noexcept { return &FGlyph; }
    void SetGlyph(const TBitmap* Value);
    TBitmap* GlyphActive() noexcept { return &FGlyphActive; }
    void SetGlyphActive(const TBitmap* Value);

    // Copies everything but AutoSize.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    TFont FFont;
    TBitmap FGlyph;
    TBitmap FGlyphActive;
};
