// Coordinates, rectangles, options and states shared by the grid controls.
#pragma once

#include <functional>
#include <string>

#include "platform/classes/Sets.h"
#include "platform/graphics/Types.h"
// TScrollStyle is the window layer's, shared with the memo.
#include "platform/ui/EditControls.h"

class TObject;

// A cell address: X is the column, Y the row.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, inclusive on every side.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int ACol, int ARow) const noexcept
    {
        return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
    }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption, 16>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem, 4>;

// What a mouse drag is doing.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// The layout of one axis as painting and hit testing see it: pixels from the
// client edge, cells by index.
struct TGridAxisInfo {
    int FixedCellCount = 0;
    int FixedBoundary = 0;   // end of the fixed cells
    int FirstGridCell = 0;   // first scrolling cell shown (LeftCol or TopRow)
    int GridCellCount = 0;   // ColCount or RowCount
    int LastFullVisibleCell = 0;
    int GridBoundary = 0;    // end of the last cell shown, at most the client extent
    int GridExtent = 0;      // client width or height
};

struct TGridDrawInfo {
    TGridAxisInfo Horz;
    TGridAxisInfo Vert;
};

// One scroll bar as the grid keeps it: the thumb runs from 0 to 127.
struct TGridScrollBar {
    bool Visible = false;
    int Min = 0;
    int Max = 127;
    int Position = 0;
};

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
