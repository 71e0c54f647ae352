// The spreadsheet grid: a string grid whose cells may hold formulas, with their
// results kept beside the cells, recalculation along the cells' dependencies,
// references that follow inserted and removed rows and columns, cell names,
// automatic headers and help while a formula is typed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/QuillGrid.h"
#include "spreadsheet/CellIndexMap.h"
#include "spreadsheet/QuillPars.h"

class TQuillSpreadGrid;
class THintWindow;

enum TCellNameMode { nmA1, nmRC };
enum TErrorDisplay { edFormula, edErrorText };

using TCellFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Format, bool& DateType)>;
using TFormulaErrorEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& S)>;
using TFormulaErrorInfoEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ErrType, int ErrPos,
                                                  int ErrParam, const std::string& ErrStr)>;

// One dependency: the formula cell Dst of DstGrd reads the cell Src of SrcGrd.
struct TCellRef {
    TGridCoord Src{};
    TGridCoord Dst{};
    TQuillSpreadGrid* SrcGrd = nullptr;
    TQuillSpreadGrid* DstGrd = nullptr;
    bool Dirty = false;
};

// The dependencies whose source cells lie in one grid, indexed by source cell so
// that the readers of a cell are found without a search: each source cell holds
// its latest entry, and each entry the one before it with the same source.
class TCellRefList {
public:
    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    // Adds a copy, except a cell reading itself in its own grid and a repeat of the
    // latest entry of the same source (a formula naming a cell twice).
    void Add(const TCellRef& Value);
    void Delete(int Index);
    // Removes every entry whose formula cell is gc of AGrid.
    void DeleteRef(const TQuillSpreadGrid* AGrid, TGridCoord gc);
    // Removes every entry whose formula lies in AGrid.
    void DeleteGrid(const TQuillSpreadGrid* AGrid);
    void DeleteAll();
    void ClearAll();
    void ClearCell(int ACol, int ARow);
    TCellRef CellRefs(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    void SetDirty(int Index) { FItems.at(static_cast<size_t>(Index)).Dirty = true; }
    // Calls Visit with the index of every entry whose source is (ACol, ARow).
    template <class TVisit>
    void ForEachReader(int ACol, int ARow, TVisit&& Visit) const
    {
        for (int k = FLatest.Find(nullptr, {ACol, ARow}); k != TCellIndexMap::None; k = FEarlier[static_cast<size_t>(k)])
            Visit(k);
    }

private:
    void Link(int Index);
    void Reindex();

    std::vector<TCellRef> FItems;
    // Per entry, the previous entry with the same source, or None.
    std::vector<int> FEarlier;
    TCellIndexMap FLatest;
};

class TQuillSpreadGrid : public TQuillStringGrid {
    VISTRA_CLASS(TQuillSpreadGrid, TQuillStringGrid)

    explicit TQuillSpreadGrid(TComponent* AOwner);
    ~TQuillSpreadGrid() override;

    // Properties.
    bool ShowFormula() const noexcept { return FShowFormula; }
    void SetShowFormula(bool Value);
    bool SaveFormula() const noexcept { return FSaveFormula; }
    void SetSaveFormula(bool Value) noexcept { FSaveFormula = Value; }
    bool AutoRecalc() const noexcept { return FAutoRecalc; }
    void SetAutoRecalc(bool Value) noexcept { FAutoRecalc = Value; }
    bool EditHint() const noexcept { return FEditHint; }
    void SetEditHint(bool Value) noexcept { FEditHint = Value; }
    const std::string& CellFormat() const noexcept { return FCellFormat; }
    void SetCellFormat(const std::string& Value);
    TCellNameMode CellNameMode() const noexcept { return FCellNameMode; }
    void SetCellNameMode(TCellNameMode Value);
    bool AutoHeaders() const noexcept { return FAutoHeaders; }
    void SetAutoHeaders(bool Value);
    const std::string& ErrorText() const noexcept { return FErrorText; }
    void SetErrorText(const std::string& Value) { FErrorText = Value; }
    TErrorDisplay ErrorDisplay() const noexcept { return FErrorDisplay; }
    void SetErrorDisplay(TErrorDisplay Value);
    bool FormulaCellClick() const noexcept { return FFormulaCellClick; }
    void SetFormulaCellClick(bool Value) noexcept { FFormulaCellClick = Value; }
    TLibBinder* Libs() const noexcept { return FMathLib; }
    void SetLibs(TLibBinder* Value);
    TGridBinder* Binder() const noexcept { return FBinder; }
    void SetBinder(TGridBinder* Value);
    // Size setters that keep the headers up to date.
    void SetColCount(int Value);
    void SetRowCount(int Value);
    void SetFixedCols(int Value);
    void SetFixedRows(int Value);

    TNotifyEvent OnBeforeRecalc;
    TNotifyEvent OnAfterRecalc;
    TCellFormatEvent OnCellFormat;
    TFormulaErrorEvent OnFormulaError;
    TFormulaErrorInfoEvent OnFormulaErrorInfo;
    TIsCustomFunction& OnIsCustomFunction() noexcept { return FGridFormula->IsCustomFunction; }
    TCalcCustomFunction& OnCalcCustomFunction() noexcept { return FGridFormula->CalcCustomFunction; }

    // The stored text (the formula, not its result); writing a formula under
    // AutoRecalc computes it and what depends on it at once.
    std::string Cells(int c, int r) const { return GetGridCell(c, r); }
    void SetCells(int c, int r, const std::string& Value);
    // The result of a formula cell, computing it first when needed; the number of a plain cell.
    Variant CellValue(int c, int r);
    // The stored result of a formula cell, with no computation; the number of a plain cell.
    Variant CalculatedValue(int c, int r);
    std::string CellName(int c, int r) { return GetCellName(c, r); }

    // 2.2.5.0, one byte each for major, minor, release and build.
    virtual int GetVersionNr();
    virtual std::string GetVersionString();

    // Recalculation.
    void Recalc();
    void RecalcCell(int ACol, int ARow);
    bool ValidateCell(const std::string& NewValue) override;

    // Structure changes that keep formulas pointing at their cells.
    void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) override;
    void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true) override;
    void RemoveRows(int RowIndex, int RCount) override;
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    void RemoveRowRange(int ARow, int ACount) override;
    void MoveFormula(TGridCoord FromCell, TGridCoord ToCell);
    void Group(int Colindex) override;
    void UnGroup() override;

    // Names and headers.
    void AutoSpreadHeaders();
    std::string GetCellName(int c, int r);
    void SetCellName(int c, int r, const std::string& Value);
    TGridCoord FindCellName(const std::string& Value) const;

    // Cell naming in A1 or R1C1 form, counted from the first non-fixed cell.
    std::string CellToName(int Col, int Row) const;
    void CellToNameParts(int Col, int Row, std::string& ColPart, std::string& RowPart) const;
    TGridCoord NameToCell(std::string_view s) const;
    std::string RangeToName(TGridRect gr) const;
    TGridRect NameToRange(std::string_view s) const;

    bool HasFormula(int ACol, int ARow) const;
    // Headers are centred.
    void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    bool HasError(int ACol, int ARow);
    virtual void HandleError(int ACol, int ARow, int ErrType, int ErrPos, int ErrParam);
    virtual std::string ErrorToString(int ErrType);
    void ShowCellRefs() {}

    // Formula editing aids.
    void ShowEditHint(const std::string& Text, TPoint CaretPos, int SelStart);
    std::string GetFunctionHint(const std::string& Name, int ParamIndex);
    bool SetCellSelectMode(bool Value);
    bool CellSelectMode() const noexcept { return FCellSelectorMode; }
    void EditCellClick(int ACol, int ARow);
    // Inserts the name of a clicked cell at the editor's selection (Ctrl+click while editing).
    bool InsertClickedCellName(int ACol, int ARow);
    void ApplyEditText(int ACol, int ARow, const std::string& Value) override;
    // The hint shown while a formula is typed; empty while none shows.
    const std::string& EditHintText() const noexcept { return FShownHint; }

    // A formula text: "=" first, or a wide-encoded text whose first character is "=".
    static bool IsFormulaText(std::string_view S);
    // Rewrites the references of S that point at the cells of Target, shifting
    // single cells by (DLeft, DTop) from (ColFrom, RowFrom) on and range bounds by
    // the four deltas; a reference into removed cells becomes #REF!.
    std::string RewriteFormula(const std::string& S, int ColFrom, int RowFrom, int DLeft, int DTop, int DRight,
                               int DBottom, const TQuillSpreadGrid* Target = nullptr);

    // Cell state kept in the cell's graphic object.
    void ClearCellState(int ACol, int ARow);
    void StoreCellValue(int ACol, int ARow, const Variant& Value);
    void StoreCellError(int ACol, int ARow, int ErrFrom, int ErrLen);
    // A copy of the stored result; 0 when the cell has no graphic object.
    Variant GetStoredValue(int ACol, int ARow);
    // 0 not computed, 1 computed, 2 in error.
    int GetCellState(int ACol, int ARow);

    TGridFormula& GridFormula() const noexcept { return *FGridFormula; }
    TCellRefList& CellRefList() noexcept { return FCellRefList; }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void UpdateFooterValues(int ACol) override;
    void AfterPasteCells() override;
    void BeforePasteCells() override {}
    void PastedCells(TPoint Origin, TRect Target, TClipOperation LastOp) override;
    void DoGetDisplText(int ACol, int ARow, std::string& Value) override;
    void GetSaveCellText(int ACol, int ARow, std::string& Value) override;
    void DoCellsChanged(TRect R) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    TInplaceEdit* HandleCreateEditor() override;
    virtual void DoBeforeRecalc();
    virtual void DoAfterRecalc();
    // After a validated edit of a cell: its references, its value and its dependents.
    virtual void CellValueChanged(int ACol, int ARow);
    // What a formula cell shows or saves: the formula (Raw) or its formatted result.
    void ComposeCellText(int ACol, int ARow, std::string& S, bool Raw);
    void GetDisplayCellText(int ACol, int ARow, std::string& S) { ComposeCellText(ACol, ARow, S, FShowFormula); }

    // Dependencies.
    void AddCellRefs(int ACol, int ARow, const std::string& Formula);
    void RebuildCellRefs();
    void RemoveCellRefs(int ACol, int ARow);
    void UpdateDependents(int ACol, int ARow);
    void ClearRefFlags() { FCellRefList.ClearAll(); }
    bool HasDirtyDependent(int ACol, int ARow) const;

private:
    struct TCellKey {
        TQuillSpreadGrid* Grid;
        TGridCoord Cell;
        bool operator==(const TCellKey& o) const noexcept { return Grid == o.Grid && Cell == o.Cell; }
    };
    // Evaluates Cells (formula cells, in any order) after the cells they read;
    // cells on a cycle are reported as circular.
    void EvaluateInOrder(const std::vector<TCellKey>& Cells, bool ReportCycles);
    void EvaluateCell(int ACol, int ARow);
    // Every formula cell reached from the readers of (ACol, ARow), in this and other grids.
    std::vector<TCellKey> DependentsOf(int ACol, int ARow);
    std::vector<TQuillSpreadGrid*> BoundGrids();
    void HandleFormulaError(int ACol, int ARow, int ErrType, int ErrPos, const std::string& ErrStr);
    bool StoredValueOf(int ACol, int ARow, Variant& Value);
    std::string FormatResult(int ACol, int ARow, const Variant& V, bool Events);
    TCellGraphic* EnsureGraphic(int ACol, int ARow, TCellType Kind);
    // Rewrites every formula of this grid and of the bound grids after a structure change.
    void RewriteAll(int ColFrom, int RowFrom, int DLeft, int DTop, int DRight, int DBottom);
    void AfterStructureChange();
    void MoveNamesOnRows(int FromRow, int Delta, int RemovedRows);
    void HideEditHint();
    void EditorChanged();

    std::unique_ptr<TGridFormula> FGridFormula;
    bool FShowFormula = false;
    bool FSaveFormula = true;
    bool FAutoRecalc = true;
    bool FEditHint = false;
    std::string FCellFormat = "%.2f";
    TCellRefList FCellRefList;
    // The evaluation order's cell table, kept between evaluations for its room.
    TCellIndexMap FOrderIndex;
    bool FOrderIndexInUse = false;
    std::string FErrorText = "Error";
    TCellNameMode FCellNameMode = nmA1;
    bool FAutoHeaders = false;
    TLibBinder* FMathLib = nullptr;
    TGridBinder* FBinder = nullptr;
    TErrorDisplay FErrorDisplay = edFormula;
    bool FFormulaCellClick = true;
    bool FSetCV = false;
    bool FCellSelectorMode = false;
    bool FInStructureChange = false;
    bool FInEdit = false;
    std::string FShownHint;
    std::unique_ptr<THintWindow> FHintWindow;
};
