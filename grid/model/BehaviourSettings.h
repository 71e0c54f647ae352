// The grid's behaviour options: growing cells while typing, column sizes, HTML export,
// grouping, drag and drop, drag scrolling and balloon hints.
#pragma once

#include "grid/base/AuxLists.h"
#include "grid/model/GridSettingsOwner.h"
#include "grid/model/ModelEnums.h"
#include "grid/model/ModelOptions.h"
#include "platform/classes/Object.h"

#include <cstdint>

// Whether a cell grows while its editor's text grows. Without an Assign of its own,
// assigning raises the platform's cannot-assign error.
class TSizeWhileTyping : public TPersistent {
    VISTRA_CLASS(TSizeWhileTyping, TPersistent)

    VISTRA_PLAIN_OPTION(bool, Height, false)
    VISTRA_PLAIN_OPTION(bool, Width, false)
};

// The options Assign copies (type, name, default).
#define VISTRA_COLUMN_SIZE_COPIED_OPTIONS(X)    \
    X(TAutoSizeRows, Rows, arAll)               \
    X(bool, Save, false)                        \
    X(bool, SynchWithGrid, false)               \
    X(bool, SynchNormalCellsOnly, false)        \
    X(TColumnSizeLocation, Location, clRegistry)

// Column widths kept in the registry or an INI file, and the stretched column.
class TColumnSize : public TPersistent {
    VISTRA_CLASS(TColumnSize, TPersistent)

    VISTRA_COLUMN_SIZE_COPIED_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_TEXT_OPTION(std::string, Key, "")
    VISTRA_TEXT_OPTION(std::string, Section, "")
    // -1 stretches the last column.
    VISTRA_PLAIN_OPTION(int, StretchColumn, -1)

public:
    static constexpr bool StretchDefault = false;

    explicit TColumnSize(grid::TGridSettingsOwner* AGrid) : FGrid(AGrid) {}

    bool Stretch() const noexcept { return FStretch; }
    // Stores the flag and, once the grid has a parent, applies StretchColumn at once,
    // also when the flag goes off.
    void SetStretch(bool Value);

    // Copies Stretch as a plain value; Key, Section and StretchColumn stay.
    void Assign(const TPersistent* Source) override;

private:
    grid::TGridSettingsOwner* FGrid;
    bool FStretch = StretchDefault;
};

// The options Assign copies (type, name, default).
#define VISTRA_HTML_SETTINGS_COPIED_OPTIONS(X)  \
    X(bool, AutoPreview, false)                 \
    X(int, BorderSize, 1)                       \
    X(int, CellSpacing, 0)                      \
    X(int, CellPadding, 0)                      \
    X(bool, ConvertSpecialChars, false)         \
    X(bool, NonBreakingText, false)             \
    X(bool, SaveColor, true)                    \
    X(bool, SaveFonts, true)                    \
    X(int, Width, 100)                          \
    X(bool, XHTML, false)

#define VISTRA_HTML_SETTINGS_TEXTS(X)           \
    X(std::string, FooterFile, "")              \
    X(std::string, HeaderFile, "")              \
    X(std::string, PrefixTag, "")               \
    X(std::string, SuffixTag, "")               \
    X(std::string, Summary, "")                 \
    X(std::string, TableStyle, "")

// How the grid exports itself as HTML.
class THTMLSettings : public TPersistent {
    VISTRA_CLASS(THTMLSettings, TPersistent)

    VISTRA_HTML_SETTINGS_COPIED_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_HTML_SETTINGS_TEXTS(VISTRA_TEXT_OPTION)
    VISTRA_PLAIN_OPTION(bool, ExportImages, true)

public:
    THTMLSettings() : FColWidths(0, 0) {}

    // Widths the export gives its columns.
    TIntList* ColWidths() noexcept { return &FColWidths; }

    // Copies everything but ExportImages and ColWidths.
    void Assign(const TPersistent* Source) override;

private:
    TIntList FColWidths;
};

// The options Assign copies (type, name, default).
#define VISTRA_GROUPING_COPIED_OPTIONS(X)       \
    X(bool, AutoSelectGroup, false)             \
    X(bool, AutoCheckGroup, false)              \
    X(TColor, HeaderColor, clNone)              \
    X(TColor, HeaderColorTo, clNone)            \
    X(TColor, HeaderTextColor, clNone)          \
    X(bool, HeaderUnderline, false)             \
    X(bool, MergeHeader, false)                 \
    X(bool, MergeSummary, false)                \
    X(bool, ShowGroupCount, false)              \
    X(TColor, SummaryColor, clNone)             \
    X(TColor, SummaryColorTo, clNone)           \
    X(TColor, SummaryTextColor, clNone)         \
    X(bool, SummaryLine, false)

#define VISTRA_GROUPING_KEPT_OPTIONS(X)         \
    X(TColor, HeaderLineColor, clBlue)          \
    X(int, HeaderLineWidth, 2)                  \
    X(bool, Summary, false)                     \
    X(TColor, SummaryLineColor, clBlue)         \
    X(int, SummaryLineWidth, 2)

// How grouped rows look and behave. clNone colours leave the grid's colour unchanged.
class TGrouping : public TPersistent {
    VISTRA_CLASS(TGrouping, TPersistent)

    VISTRA_GROUPING_COPIED_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_GROUPING_KEPT_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_TEXT_OPTION(std::string, GroupCountFormat, "")

public:
    // Copies the count format, colours and flags; Summary and the lines' colours and
    // widths stay.
    void Assign(const TPersistent* Source) override;
};

#define VISTRA_DRAG_DROP_PLAIN_OPTIONS(X)       \
    X(bool, ShowCells, true)                    \
    X(bool, OleAcceptFiles, true)               \
    X(bool, OleAcceptText, true)                \
    X(bool, OleAcceptURLs, true)                \
    X(bool, OleColumnDragDrop, false)           \
    X(bool, OleColumnReorder, false)            \
    X(bool, OleColumnsOnly, false)              \
    X(bool, OleCopyAlways, false)               \
    X(bool, OleDropSource, false)               \
    X(bool, OleEntireRows, false)               \
    X(bool, OleInsertRows, false)               \
    X(bool, OleRemoveRows, false)

// OLE drag and drop of the grid.
class TDragDropSettings : public TPersistent {
    VISTRA_CLASS(TDragDropSettings, TPersistent)

    VISTRA_DRAG_DROP_PLAIN_OPTIONS(VISTRA_PLAIN_OPTION)

public:
    // A new grid starts with OleAppendRows off although the stored form's default is
    // on, so a new grid stores it as off.
    static constexpr bool OleAppendRowsDefault = true;
    static constexpr bool OleDropTargetDefault = false;
    static constexpr bool OleDropRTFDefault = false;

    explicit TDragDropSettings(grid::TGridSettingsOwner* AGrid) : FGrid(AGrid) {}

    bool OleAppendRows() const noexcept { return FOleAppendRows; }
    void SetOleAppendRows(bool Value) noexcept { FOleAppendRows = Value; }

    bool OleDropTarget() const noexcept { return FOleDropTarget; }
    // Outside design time, registers the grid's window as a drop target when on (once:
    // a grid already registered stays as it is) and revokes the registration when off.
    void SetOleDropTarget(bool Value);

    bool OleDropRTF() const noexcept { return FOleDropRTF; }
    // Switches rich text in drag and drop, which is process-wide, then stores the value.
    void SetOleDropRTF(bool Value);

    // Copies every option as a plain value: nothing is registered.
    void Assign(const TPersistent* Source) override;

private:
    grid::TGridSettingsOwner* FGrid;
    bool FOleAppendRows = false;
    bool FOleDropTarget = OleDropTargetDefault;
    bool FOleDropRTF = OleDropRTFDefault;
};

// How long the pointer rests at an edge before scrolling starts and repeats.
class TDragScrollDelays : public TPersistent {
    VISTRA_CLASS(TDragScrollDelays, TPersistent)

    VISTRA_PLAIN_OPTION(int, InitialDelay, 1000)
    VISTRA_PLAIN_OPTION(int, RepeatDelay, 250)

public:
    void Assign(const TPersistent* Source) override;
};

#define VISTRA_DRAG_SCROLL_MARGINS(X)   \
    X(int, TopMargin, 50)               \
    X(int, BottomMargin, 50)            \
    X(int, LeftMargin, 50)              \
    X(int, RightMargin, 50)

// The widths of the edge bands, in pixels, that scroll while dragging.
class TDragScrollMargins : public TPersistent {
    VISTRA_CLASS(TDragScrollMargins, TPersistent)

    VISTRA_DRAG_SCROLL_MARGINS(VISTRA_PLAIN_OPTION)

public:
    void Assign(const TPersistent* Source) override;
};

// Automatic scrolling while something is dragged over the grid's edges.
class TDragScrollOptions : public TPersistent {
    VISTRA_CLASS(TDragScrollOptions, TPersistent)

    VISTRA_PLAIN_OPTION(bool, Active, false)

public:
    TDragScrollDelays* Delays() noexcept { return &FDelays; }
    void SetDelays(const TDragScrollDelays* Value) { FDelays.Assign(Value); }
    TDragScrollMargins* Margins() noexcept { return &FMargins; }
    void SetMargins(const TDragScrollMargins* Value) { FMargins.Assign(Value); }

    void Assign(const TPersistent* Source) override;

private:
    TDragScrollDelays FDelays;
    TDragScrollMargins FMargins;
};

// The options Assign copies (type, name, default); -1 delays keep the system's value.
#define VISTRA_BALLOON_COPIED_OPTIONS(X)    \
    X(int, AutoHideDelay, -1)               \
    X(int, InitialDelay, -1)                \
    X(int, ReshowDelay, -1)                 \
    X(TColor, BackgroundColor, clNone)      \
    X(TColor, TextColor, clNone)

// Balloon hints of the cells.
class TBalloonSettings : public TPersistent {
    VISTRA_CLASS(TBalloonSettings, TPersistent)

    VISTRA_BALLOON_COPIED_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_PLAIN_OPTION(std::uint8_t, Transparency, 0)
    // Fires OnEnableChange on every call, also when the value stays the same.
    VISTRA_ALWAYS_CHANGED_OPTION(bool, Enable, false)

public:
    // Whether the grid's balloon window is set up; the grid sets and clears it.
    bool Initialized() const noexcept { return FInitialized; }
    void SetInitialized(bool Value) noexcept { FInitialized = Value; }

    // Copies everything but Transparency; Enable is stored without the event.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnEnableChange;

private:
    void Changed();

    bool FInitialized = false;
};
