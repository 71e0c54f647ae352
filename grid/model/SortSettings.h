// How the grid sorts on a header click and shows its sort state, and the sort state's
// text form that lets an application store and restore the user's sort order.
#pragma once

#include "grid/model/GridSettingsOwner.h"
#include "grid/model/ModelEnums.h"
#include "grid/model/ModelOptions.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Bitmap.h"

#include <string>
#include <string_view>

// Options that Assign copies and whose setters only store (type, name, default).
#define VISTRA_SORT_COPIED_OPTIONS(X)               \
    X(bool, AutoSortForGrouping, true)              \
    X(bool, AutoColumnMerge, false)                 \
    X(int, Column, -1)                              \
    X(bool, IndexShow, false)                       \
    X(TColor, IndexColor, clYellow)                 \
    X(TIndexSortKey, IndexSortKey, ikShift)         \
    X(bool, Full, true)                             \
    X(bool, SingleColumn, false)                    \
    X(bool, IgnoreBlanks, false)                    \
    X(TSortBlankPosition, BlankPos, blFirst)        \
    X(bool, AutoFormat, true)                       \
    X(TSortDirection, Direction, sdAscending)       \
    X(TSortDirection, InitSortDirection, sdAscending) \
    X(bool, FixedCols, false)                       \
    X(bool, NormalCellsOnly, false)                 \
    X(bool, UndoSort, false)

// Header colours; a change repaints the last fixed row.
#define VISTRA_SORT_HEADER_COLORS(X)            \
    X(TColor, HeaderColor, clNone)              \
    X(TColor, HeaderColorTo, clNone)            \
    X(TColor, HeaderMirrorColor, clNone)        \
    X(TColor, HeaderMirrorColorTo, clNone)

class TSortSettings : public TPersistent {
    VISTRA_CLASS(TSortSettings, TPersistent)

    VISTRA_SORT_COPIED_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_PLAIN_OPTION(bool, IgnoreCase, false)
    VISTRA_PLAIN_OPTION(bool, SortOnVirtualCells, true)

public:
#define VISTRA_SORT_HEADER_COLOR(Type, Name, Initial)   \
    static constexpr Type Name##Default = Initial;      \
    Type Name() const noexcept { return F##Name; }      \
    void Set##Name(Type Value) { SetHeaderColor(F##Name, Value); }
    VISTRA_SORT_HEADER_COLORS(VISTRA_SORT_HEADER_COLOR)
#undef VISTRA_SORT_HEADER_COLOR

    static constexpr bool ShowDefault = false;
    static constexpr int RowDefault = 0;

    // AGrid may be null for settings that belong to no grid: then nothing is
    // repainted or sorted and Row is not checked.
    explicit TSortSettings(grid::TGridSettingsOwner* AGrid) : FGrid(AGrid) {}

    // Whether the header shows the sort indicator; a change repaints the grid.
    bool Show() const noexcept { return FShow; }
    void SetShow(bool Value);

    // The fixed row whose cells sort on a click. Raises Exception "Sort row should be
    // smaller than number of fixed rows" for a row at or past the grid's fixed rows.
    int Row() const noexcept { return FRow; }
    void SetRow(int Value);

    // The setters copy the picture.
    TBitmap* UpGlyph() noexcept { return &FUpGlyph; }
    void SetUpGlyph(const TBitmap* Value);
    TBitmap* DownGlyph() noexcept { return &FDownGlyph; }
    void SetDownGlyph(const TBitmap* Value);
    TBitmap* IndexUpGlyph() noexcept { return &FIndexUpGlyph; }
    void SetIndexUpGlyph(const TBitmap* Value);
    TBitmap* IndexDownGlyph() noexcept { return &FIndexDownGlyph; }
    void SetIndexDownGlyph(const TBitmap* Value);

    // "u" or "d" and the column ("u-1" when unsorted), or "i;" and the grid's sort
    // indexes in their text form when the indexed sort is on.
    std::string SaveToString() const;
    // Takes the sort state from such a text and sorts the grid by it. An empty text
    // changes nothing; otherwise Show goes on, and a text shorter than two characters
    // then raises Exception "Invalid sort settings specifier". A column that is no
    // decimal number sets the direction only and does not sort.
    void LoadFromString(std::string_view Value);

    // Forgets the sort state: no column, no sort indexes.
    void Remove();
    void ToggleDirection() noexcept;

    // Copies everything but IgnoreCase and SortOnVirtualCells; Show and Row are stored
    // without repainting or checking.
    void Assign(const TPersistent* Source) override;

private:
    void SetHeaderColor(TColor& Field, TColor Value);
    void RepaintHeaderRow();

    grid::TGridSettingsOwner* FGrid;
    bool FShow = ShowDefault;
    int FRow = RowDefault;
#define VISTRA_SORT_HEADER_FIELD(Type, Name, Initial) Type F##Name = Initial;
    VISTRA_SORT_HEADER_COLORS(VISTRA_SORT_HEADER_FIELD)
#undef VISTRA_SORT_HEADER_FIELD
    TBitmap FUpGlyph;
    TBitmap FDownGlyph;
    TBitmap FIndexUpGlyph;
    TBitmap FIndexDownGlyph;
};
