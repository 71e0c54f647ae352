// The string grid's module state, construction, copying and destruction,
// and the cell store behind the base grid's accessors.
#include "grid/QuillGrid.h"
#include "grid/print/GridPrinter.h"

#include <algorithm>

#include "grid/base/AuxLists.h"
#include "grid/base/CellProperties.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/model/ColumnMap.h"
#include "grid/model/RowStore.h"
#include "grid/base/GridSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AppearanceSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/ControlLook.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/GridChangeNotifier.h"
#include "grid/model/GridSelectionListener.h"
#include "grid/model/PrintSettings.h"
#include "grid/model/FilterSettings.h"
#include "grid/model/SortSettings.h"
#include "grid/base/QuillHintInfo.h"
#include "grid/interact/DragOutState.h"
#include "grid/interact/OleDropState.h"
#include "grid/interact/HeaderPressState.h"
#include "grid/interact/HoverState.h"
#include "grid/interact/PointerState.h"
#include "grid/paint/GridLooks.h"
#include "grid/QuillGridFooterTotals.h"
#include "grid/QuillGridSearchPanel.h"
#include "render/PictureContainer.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ScopeExit.h"

TQuillStringGrid* FocusFrameGrid = nullptr;
int GridLinkCursor = grid::GridLinkCursorHandPoint;
std::string HintFontName;

char CurrentTimeSeparator() { return FormatSettings().TimeSeparator; }
char CurrentDateSeparator() { return FormatSettings().DateSeparator; }
char CurrentThousandSeparator() { return FormatSettings().ThousandSeparator; }
char CurrentDecimalSeparator() { return FormatSettings().DecimalSeparator; }
std::string CurrentShortDateFormat() { return FormatSettings().ShortDateFormat; }
std::string CurrentShortTimeFormat() { return FormatSettings().ShortTimeFormat; }
std::string CurrentLongTimeFormat() { return FormatSettings().LongTimeFormat; }

namespace {

constexpr int ConstructedRowCount = 10;
constexpr int ConstructedWidth = 400;
constexpr int ConstructedHeight = 250;
constexpr int ConstructedRowHeight = 22;
// Few rows move one by one (cheap while heights are uniform); many rows
// have their heights rewritten in one pass.
constexpr int RowByRowLimit = 32;

} // namespace

TQuillStringGrid::TQuillStringGrid(TComponent* AOwner)
    : TBaseGrid(AOwner),
      FRowStore(std::make_unique<grid::TRowStore>()),
      FColumnMap(std::make_unique<grid::TColumnMap>()),
      FColumnOrder(std::make_unique<TIntList>(-1, -1)),
      FIgnoreColumns(std::make_unique<TIntList>(-1, -1)),
      FColumnHeaders(std::make_unique<TStringList>()),
      FRowHeaders(std::make_unique<TStringList>()),
      FMouseActions(std::make_unique<TMouseActions>(this))
{
    FLookColors = std::make_unique<grid::TGridLookColors>();
    FHover = std::make_unique<grid::THoverState>();
    FPointer = std::make_unique<grid::TPointerState>();
    FHeaderPress = std::make_unique<grid::THeaderPressState>();
    FDragOut = std::make_unique<grid::TDragOutState>();
    FOleDrop = std::make_unique<grid::TOleDropState>();
    FSearchPanel = std::make_unique<grid::TSearchPanelState>();
    FFooterTotals = std::make_unique<grid::TFooterTotalsMap>();
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FDragScrollOptions = std::make_unique<TDragScrollOptions>();
    FSortSettings = std::make_unique<TSortSettings>(this);
    FSortIndexes = std::make_unique<TSortIndexList>();
    FNavigation = std::make_unique<TNavigation>();
    FFilter = std::make_unique<TFilter>(this);
    FFilterList = std::make_unique<TStringList>();
    FGrouping = std::make_unique<TGrouping>();
    FColumnSize = std::make_unique<TColumnSize>(this);
    FPrinting = std::make_unique<grid::print::TGridPrinter>(*this);
    BuildOwnedSettings();
    FRowStore->SetShownCount(TCustomGrid::RowCount());
    FRowStore->SetRowWidthHint(ColCount());
    GridLinkCursor = grid::GridLinkCursorHandPoint;
    SetRowCount(ConstructedRowCount);
    SetBounds(Left(), Top(), ConstructedWidth, ConstructedHeight);
    SetDefaultRowHeight(ConstructedRowHeight);
    SetFixedRowHeight(DefaultRowHeight());
    FMaxColCount = ColCount();
    ApplyLookPreset(FLook);
    JoinFormResize();
}

TQuillStringGrid::~TQuillStringGrid()
{
    FDestroying = true;
    if (FocusFrameGrid == this) FocusFrameGrid = nullptr;
    LeaveFormResize();
    FBalloon->SetInitialized(false);
    if (FColumnSize->Save()) {
        try {
            SaveColSizes();
        } catch (const Exception&) {
            // A grid going away has no one to report a store it cannot write to.
        }
    }
    // Hidden rows hold property objects too; every record is visited.
    for (TObject* object : FRowStore->AllObjects()) FreeCellObject(object);
    FRowStore->Clear();
}

void TQuillStringGrid::FreeCellObject(TObject* Object)
{
    // Only property objects are the grid's; anything else in a slot was put
    // there by the application and stays its own.
    auto* props = dynamic_cast<TCellProperties*>(Object);
    if (!props) return;
    if (TObject* graphic = props->GraphicObject(); graphic && graphic->ClassName() == "TCellGraphic") delete graphic;
    delete props;
}

void TQuillStringGrid::FreeRowObjects(int AReal)
{
    grid::TRowRecord& row = FRowStore->Row(AReal);
    row.Objects.ForEach([this](TObject*& object) {
        FreeCellObject(object);
        object = nullptr;
    });
}

void TQuillStringGrid::Assign(const TPersistent* Source)
{
    const auto* constSource = dynamic_cast<const TQuillStringGrid*>(Source);
    if (!constSource || constSource == this) return;
    // The source's settings objects are only read; their accessors are not const.
    auto& source = const_cast<TQuillStringGrid&>(*constSource);
    Font().Assign(&source.Font());
    SetActiveCellShow(source.ActiveCellShow());
    FActiveCellFont->Assign(source.FActiveCellFont.get());
    SetActiveRowShow(source.ActiveRowShow());
    SetAlign(source.Align());
    FFilterDropDown->Assign(source.FFilterDropDown.get());
    SetAutoFilterUpdate(source.AutoFilterUpdate());
    AssignOwnedSettings(source);
    SetFixedRowAlways(source.FixedRowAlways());
    SetFixedColAlways(source.FixedColAlways());
    SetColCount(source.ColCount());
    SetRowCount(source.RowCount());
    SetFixedRows(source.TCustomGrid::FixedRows());
    SetFixedCols(source.TCustomGrid::FixedCols());
    SetDefaultColWidth(source.DefaultColWidth());
    SetDefaultRowHeight(source.DefaultRowHeight());
    SetFixedRowHeight(source.FixedRowHeight());
    SetOptions(source.Options());
    for (int c = 0; c < ColCount(); ++c) SetColWidths(c, source.ColWidths(c));
    SetColumnHeaders(source.ColumnHeaders());
    for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, source.RowHeights(r));
    SetScrollProportional(source.ScrollProportional());
    SetScrollSynch(source.ScrollSynch());
    SetScrollHints(source.ScrollHints());
    SetScrollBars(source.ScrollBars());
    SetScrollType(source.ScrollType());
    AssignCells(Source);
}

void TQuillStringGrid::AssignCells(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TQuillStringGrid*>(Source);
    if (!source || source == this) return;
    UnHideRowsAll();
    UnHideColumnsAll();
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    const int cols = source->TotalColCount();
    const int rows = source->TotalRowCount();
    SetColCount(cols);
    SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) FRowStore->SetText(c, r, source->AllGridCells(c, r));
    for (int r = rows - 1; r >= 0; --r)
        if (source->IsHiddenRow(r)) HideRow(r);
    for (int c = 0; c < cols; ++c)
        if (source->IsHiddenColumn(c)) HideColumn(c);
    Invalidate();
}

// The store behind the base grid: real columns, display rows.

const std::string& TQuillStringGrid::GetGridCell(int ACol, int ARow) const
{
    return FRowStore->Text(ACol, FRowStore->DisplToReal(ARow));
}

void TQuillStringGrid::SetGridCell(int ACol, int ARow, const std::string& Value)
{
    StoreCellText(ACol, FRowStore->DisplToReal(ARow), Value);
}

TObject* TQuillStringGrid::GetGridObject(int ACol, int ARow) const
{
    return FRowStore->Object(ACol, FRowStore->DisplToReal(ARow));
}

void TQuillStringGrid::SetGridObject(int ACol, int ARow, TObject* Value)
{
    FRowStore->SetObject(ACol, FRowStore->DisplToReal(ARow), Value);
}

const std::string& TQuillStringGrid::Cells(int ACol, int ARow) const { return GetGridCell(ACol, ARow); }

void TQuillStringGrid::SetCells(int ACol, int ARow, const std::string& Value) { WriteCellText(ACol, ARow, Value); }

void TQuillStringGrid::WriteCellText(int ACol, int ARow, const std::string& Value)
{
    SetGridCell(ACol, ARow, Value);
    FooterCellEdited(ACol, ARow);
    const int displCol = DisplColIndex(ACol);
    if (displCol < ColCount() && ARow < RowCount()) InvalidateCell(displCol, ARow);
    if (EditorMode() && displCol == Col() && ARow == Row()) InvalidateEditor();
}

TObject* TQuillStringGrid::GetRealCellObject(int ACol, int ARow) const { return FRowStore->Object(ACol, ARow); }

// The platform grid's structure hooks keep the model in step.

void TQuillStringGrid::SetAxisRowCount(int Value)
{
    FAxisOnly = true;
    rtl::ScopeExit restore([this] { FAxisOnly = false; });
    TCustomGrid::SetRowCount(Value);
}

void TQuillStringGrid::SetAxisColCount(int Value)
{
    FAxisOnly = true;
    rtl::ScopeExit restore([this] { FAxisOnly = false; });
    TCustomGrid::SetColCount(Value);
}

void TQuillStringGrid::MoveAxisColumn(int FromIndex, int ToIndex)
{
    FAxisOnly = true;
    rtl::ScopeExit restore([this] { FAxisOnly = false; });
    TCustomGrid::MoveColumn(FromIndex, ToIndex);
}

void TQuillStringGrid::MoveAxisRow(int FromIndex, int ToIndex)
{
    FAxisOnly = true;
    rtl::ScopeExit restore([this] { FAxisOnly = false; });
    TCustomGrid::MoveRow(FromIndex, ToIndex);
}

void TQuillStringGrid::RemoveShownRowSizes(int ADispl, int ACount)
{
    const int n = RowCount();
    if (ACount <= 0 || ADispl >= n) return;
    ACount = std::min(ACount, n - ADispl);
    if (ACount < RowByRowLimit) {
        for (int i = 0; i < ACount; ++i) MoveAxisRow(ADispl, n - 1);
        SetAxisRowCount(n - ACount);
        return;
    }
    std::vector<int> tail;
    tail.reserve(static_cast<std::size_t>(n - ADispl - ACount));
    for (int r = ADispl + ACount; r < n; ++r) tail.push_back(RowHeights(r));
    SetAxisRowCount(n - ACount);
    for (std::size_t i = 0; i < tail.size(); ++i) SetRowHeights(ADispl + static_cast<int>(i), tail[i]);
}

void TQuillStringGrid::InsertShownRowSizes(int ADispl, const std::vector<int>& Heights)
{
    const int n = RowCount();
    const int count = static_cast<int>(Heights.size());
    if (count == 0) return;
    ADispl = std::clamp(ADispl, 0, n);
    if (count < RowByRowLimit) {
        SetAxisRowCount(n + count);
        for (int i = 0; i < count; ++i) {
            if (ADispl + i != n + i) MoveAxisRow(n + i, ADispl + i);
            SetRowHeights(ADispl + i, Heights[static_cast<std::size_t>(i)]);
        }
        return;
    }
    std::vector<int> tail;
    tail.reserve(static_cast<std::size_t>(n - ADispl));
    for (int r = ADispl; r < n; ++r) tail.push_back(RowHeights(r));
    SetAxisRowCount(n + count);
    for (int i = 0; i < count; ++i) SetRowHeights(ADispl + i, Heights[static_cast<std::size_t>(i)]);
    for (std::size_t i = 0; i < tail.size(); ++i) SetRowHeights(ADispl + count + static_cast<int>(i), tail[i]);
}

void TQuillStringGrid::SetShownRowSizes(const std::vector<int>& Heights)
{
    SetAxisRowCount(std::max<int>(1, static_cast<int>(Heights.size())));
    for (std::size_t i = 0; i < Heights.size(); ++i) SetRowHeights(static_cast<int>(i), Heights[i]);
}

void TQuillStringGrid::HandleSizeChanged(int OldColCount, int OldRowCount)
{
    if (!FAxisOnly && FRowStore && RowCount() != FRowStore->ShownCount()) FRowStore->SetShownCount(RowCount());
    if (FRowStore) FRowStore->SetRowWidthHint(TotalColCount());
    TBaseGrid::HandleSizeChanged(OldColCount, OldRowCount);
    UpdateProportionalScroll();
}

void TQuillStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (FAxisOnly) return;
    FRowStore->MoveRow(RealRowIndex(FromIndex), RealRowIndex(ToIndex));
    FooterRowMoved(FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TQuillStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (FAxisOnly) return;
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    FRowStore->MoveColumn(realFrom, realTo);
    FColumnMap->Move(realFrom, realTo);
    KeepColumnSettingsAfterMove(realFrom, realTo);
    if (FColumnOrder->Count() > std::max(FromIndex, ToIndex)) {
        const int entry = FColumnOrder->GetInteger(FromIndex);
        FColumnOrder->Delete(FromIndex);
        FColumnOrder->Insert(ToIndex, entry);
    }
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TQuillStringGrid::DoCellsChanged(TRect R)
{
    if (OnCellsChanged) OnCellsChanged(this, R);
    NotifyCellsChanged(R);
    FooterCellsChanged();
}
