// Loading a worksheet into its lists and saving it back in record order.
#include "xlsAdapter/qorUXlsWorkSheet.h"

#include "xlsAdapter/qorUXlsFormula.h"

#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsPageSetupRecords.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsTemplate.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {
constexpr std::uint16_t COLINFO = 0x007D;
constexpr std::uint16_t HORIZONTALPAGEBREAKS = 0x001B;
constexpr std::uint16_t VERTICALPAGEBREAKS = 0x001A;
constexpr int MaxOutlineLevel = 7;
} // namespace

TWorkSheet::TWorkSheet(TWorkbookGlobals* aWorkbookGlobals)
    : TSheet(aWorkbookGlobals), FCells(*aWorkbookGlobals, [this](int Col) { return GetColFormat(Col); }),
      FDrawing(std::make_unique<TDrawing>(&aWorkbookGlobals->DrawingGroup()))
{
}

TWorkSheet::~TWorkSheet()
{
    // The drawing goes with the notes: they need not remove their shapes.
    FNotes.DetachDwgs();
}

namespace {

// Stands among the sheet's records where its drawing and notes are written;
// their sizes are counted by the sheet.
class TObjectsSlotRecord : public TBaseRecord {
public:
    TObjectsSlotRecord() : TBaseRecord(0, ByteArray()) {}
    TWorkSheet* Owner = nullptr;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return std::make_unique<TObjectsSlotRecord>(); }
    void SaveToStream(TOle2File& Workbook) override
    {
        if (Owner)
            Owner->SaveObjects(Workbook);
    }
    int TotalSize() const override { return 0; }
};

} // namespace

void TWorkSheet::EnsureObjectsSlot()
{
    if (FHasObjectsSlot)
        return;
    if (FCellBlockAt < 0)
        FCellBlockAt = FMiscRecords1.Count();
    auto slot = std::make_unique<TObjectsSlotRecord>();
    slot->Owner = this;
    FMiscRecords1.Add(std::move(slot));
    FHasObjectsSlot = true;
}

void TWorkSheet::SaveObjects(TOle2File& DataStream)
{
    FDrawing->SaveToStream(DataStream);
    FNotes.SaveToStream(DataStream);
}

std::unique_ptr<TWorkSheet> TWorkSheet::CreateFromData(TWorkbookGlobals* aWorkbookGlobals, TSST* SST)
{
    auto sheet = std::make_unique<TWorkSheet>(aWorkbookGlobals);
    TMemoryStream file;
    const ByteArray& bytes = EmptyWorkbookTemplate();
    file.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    file.SetPosition(0);
    TOle2File container(file);
    container.SelectStream(u"Workbook");
    TRecordHeader header;
    ReadRecordHeader(container, header);
    for (;;) {
        const std::unique_ptr<TBaseRecord> record = LoadRecord(container, header);
        if (record->Id == xlr::EOF_)
            break;
    }
    std::unique_ptr<TBaseRecord> first = LoadRecord(container, header);
    if (first->Id != xlr::BOF)
        ExcelError(msg::ErrExcelInvalid);
    sheet->LoadFromStream(container, header, std::unique_ptr<TBOFRecord>(static_cast<TBOFRecord*>(first.release())),
                          SST);
    return sheet;
}

void TWorkSheet::ClearValues()
{
    std::unique_ptr<TWorkSheet> empty = CreateFromData(FWorkbookGlobals, &FWorkbookGlobals->SST());
    Clear();
    FBOF = std::move(empty->FBOF);
    FEOF = std::move(empty->FEOF);
    FMiscRecords1.CopyFrom(&empty->FMiscRecords1);
    FMiscRecords2.CopyFrom(&empty->FMiscRecords2);
    FCellBlockAt = empty->FCellBlockAt;
    FDefColWidth = empty->FDefColWidth;
    FDefRowHeight = empty->FDefRowHeight;
    FOriginalDimensions = empty->FOriginalDimensions;
    LinkRecords();
}

void TWorkSheet::Clear()
{
    TSheet::Clear();
    FMiscRecords1.Clear();
    FMiscRecords2.Clear();
    FCellBlockAt = -1;
    FHPageBreaks.Clear();
    FVPageBreaks.Clear();
    FColumns.Clear();
    FCells.Clear();
    FRanges.clear();
    FCondFmts.clear();
    FHLinks.Clear();
    FNotes.DetachDwgs();
    FNotes.Clear();
    FDrawing->Clear();
    FHasObjectsSlot = false;
    FCodeName.reset();
    LinkRecords();
    FOriginalDimensions = {};
    FDefRowHeight = DefaultRowHeight;
    FDefColWidth = DefaultColWidth;
}

void TWorkSheet::LinkSheetRecord(TBaseRecord* Record)
{
    if (auto* slot = dynamic_cast<TObjectsSlotRecord*>(Record)) {
        slot->Owner = this;
        FHasObjectsSlot = true;
        return;
    }
    LinkRecord(Record);
    switch (Record->Id) {
    case xlr::GUTS: FGuts = static_cast<TGutsRecord*>(Record); break;
    case 0x002B: FPrintGridLines = static_cast<TPrintGridLinesRecord*>(Record); break;
    case xlr::WSBOOL: FWSBool = static_cast<TWsBoolRecord*>(Record); break;
    case 0x0083: FHCenter = static_cast<TPrintCenteredRecord*>(Record); break;
    case 0x0084: FVCenter = static_cast<TPrintCenteredRecord*>(Record); break;
    case xlr::PANE: FPane = static_cast<TPaneRecord*>(Record); break;
    case xlr::PLS: FPrinterDriverSettings = static_cast<TPlsRecord*>(Record); break;
    case xlr::REFMODE: FRefMode = static_cast<TRefModeRecord*>(Record); break;
    case xlr::AUTOFILTERINFO: FAutoFilterInfo = static_cast<TAutoFilterInfoRecord*>(Record); break;
    default: break;
    }
}

void TWorkSheet::LinkRecords()
{
    FWindow2 = nullptr;
    FGuts = nullptr;
    FPrintGridLines = nullptr;
    FZoom = nullptr;
    FWSBool = nullptr;
    FHCenter = nullptr;
    FVCenter = nullptr;
    FPane = nullptr;
    FLeftMargin = nullptr;
    FRightMargin = nullptr;
    FTopMargin = nullptr;
    FBottomMargin = nullptr;
    FSetup = nullptr;
    FPageHeader = nullptr;
    FPageFooter = nullptr;
    FPrinterDriverSettings = nullptr;
    FRefMode = nullptr;
    FAutoFilterInfo = nullptr;
    // Records of embedded chart substreams belong to the charts.
    bool inSubstream = false;
    for (const TBaseRecordList* list : {&FMiscRecords1, &FMiscRecords2})
        for (int i = 0; i < list->Count(); ++i) {
            TBaseRecord* record = list->Items(i);
            if (record->Id == xlr::BOF)
                inSubstream = true;
            else if (record->Id == xlr::EOF_)
                inSubstream = false;
            else if (!inSubstream)
                LinkSheetRecord(record);
        }
}

void TWorkSheet::ApplyDefaultSize(const TBaseRecord& Record, int& LastDefColWidth, bool& StandardWidthApplied)
{
    // A STANDARDWIDTH wins over a DEFCOLWIDTH of 8 characters in either
    // order; a DEFCOLWIDTH of another width wins over a STANDARDWIDTH.
    switch (Record.Id) {
    case xlr::DEFCOLWIDTH: {
        const int chars = static_cast<const TDefColWidthRecord&>(Record).Width();
        if (!StandardWidthApplied || chars != 8) {
            FDefColWidth = 293 * chars;
            LastDefColWidth = chars;
        }
        break;
    }
    case xlr::STANDARDWIDTH:
        if (LastDefColWidth == 8) {
            FDefColWidth = static_cast<const TStandardWidthRecord&>(Record).Width();
            StandardWidthApplied = true;
        }
        break;
    case xlr::DEFAULTROWHEIGHT:
        FDefRowHeight = static_cast<const TDefRowHeightRecord&>(Record).Height();
        break;
    default:
        break;
    }
}

void TWorkSheet::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBOFRecord> First,
                                TSST* SST)
{
    Clear();
    TBaseRecordList* keep = &FMiscRecords1;
    int lastDefColWidth = 8;
    bool standardWidthApplied = false;
    // An embedded chart is a substream from its own BOF to its EOF among the
    // sheet's drawing records; it is kept as read. Substreams do not nest.
    bool inSubstream = false;
    TFormulaRecord* lastFormula = nullptr;
    while (!FEOF) {
        if (RecordHeader.EndOfStream || RecordHeader.Id == 0)
            First->ReadError(msg::SectionNotClosed);
        TPlainCell plain;
        std::unique_ptr<TBaseRecord> record = inSubstream ? LoadRecord(DataStream, RecordHeader)
                                                          : LoadRecordOrPlainCell(DataStream, RecordHeader, plain);
        if (!record) {
            if (FCellBlockAt < 0 && keep == &FMiscRecords1)
                FCellBlockAt = FMiscRecords1.Count();
            lastFormula = nullptr;
            FCells.AddPlainCell(plain.Slot, plain.Row);
            continue;
        }
        if (inSubstream) {
            if (record->Id == xlr::BOF)
                record->ReadError(msg::ErrExcelInvalid);
            if (record->Id == xlr::EOF_)
                inSubstream = false;
            if (record->Id == xlr::LABELSST)
                static_cast<TLabelSSTRecord&>(*record).AttachToSST(SST);
            keep->Add(std::move(record));
            continue;
        }
        // A formula's shared-formula record and the text of its result
        // travel with the formula cell.
        if (lastFormula && (record->Id == xlr::SHRFMLA || record->Id == xlr::STRING)) {
            lastFormula->AddFollower(std::move(record));
            continue;
        }
        lastFormula = nullptr;
        if (record->Id == xlr::WINDOW2)
            keep = &FMiscRecords2;
        ApplyDefaultSize(*record, lastDefColWidth, standardWidthApplied);
        if (record->Id == xlr::LABELSST)
            static_cast<TLabelSSTRecord&>(*record).AttachToSST(SST);

        if (record->Id == xlr::BOF) {
            // Only an embedded chart may start a section here, right after
            // the drawing object that holds it.
            if (keep->Count() == 0 || keep->Items(keep->Count() - 1)->Id != xlr::OBJ)
                record->ReadError(msg::ErrExcelInvalid);
            inSubstream = true;
            keep->Add(std::move(record));
            continue;
        }
        // One cast per record: this loop runs for every cell of the sheet.
        const bool multiple = record->Id == xlr::MULRK || record->Id == xlr::MULBLANK;
        TCellRecord* cell = multiple ? nullptr : dynamic_cast<TCellRecord*>(record.get());
        if (FCellBlockAt < 0 && keep == &FMiscRecords1 &&
            (cell || multiple || record->Id == xlr::DIMENSIONS || record->Id == xlr::ROW))
            FCellBlockAt = FMiscRecords1.Count();
        if (cell) {
            const int row = cell->Row();
            if (cell->Id == xlr::FORMULA)
                lastFormula = static_cast<TFormulaRecord*>(cell);
            record.release();
            FCells.AddCell(std::unique_ptr<TCellRecord>(cell), row);
        } else if (multiple) {
            FCells.AddMultipleCells(static_cast<TMultipleValueRecord&>(*record));
        } else if (record->Id == xlr::ROW) {
            FCells.AddRow(TRowEntry(std::move(record)));
        } else if (dynamic_cast<TIgnoreRecord*>(record.get())) {
            // Rebuilt on save (INDEX, DBCELL).
        } else if (record->Id == xlr::DIMENSIONS) {
            FOriginalDimensions = static_cast<TDimensionsRecord&>(*record).Dim();
        } else if (record->Id == HORIZONTALPAGEBREAKS) {
            FHPageBreaks.AddRecord(*record);
        } else if (record->Id == VERTICALPAGEBREAKS) {
            FVPageBreaks.AddRecord(*record);
        } else if (record->Id == COLINFO) {
            FColumns.AddRecord(*record);
        } else if (record->Id == xlr::CELLMERGING) {
            auto merged = std::make_unique<TMergedCells>();
            merged->LoadFromRecord(*record);
            FRanges.push_back(std::move(merged));
        } else if (record->Id == xlr::CONDFMT) {
            auto format = std::make_unique<TCondFmt>();
            format->LoadFromStream(DataStream, RecordHeader, *record);
            FCondFmts.push_back(std::move(format));
        } else if (record->Id == escher::MsoDrawing && keep == &FMiscRecords1) {
            EnsureObjectsSlot();
            FDrawing->LoadFromStream(DataStream, RecordHeader, std::move(record), *SST);
        } else if (record->Id == xlr::NOTE && keep == &FMiscRecords1) {
            EnsureObjectsSlot();
            auto* note = static_cast<TNoteRecord*>(record.release());
            FNotes.AddRecord(std::unique_ptr<TNoteRecord>(note), note->Row());
        } else if (record->Id == xlr::HLINK) {
            FHLinks.Add(std::unique_ptr<THLinkRecord>(static_cast<THLinkRecord*>(record.release())));
        } else if (record->Id == xlr::EOF_) {
            FEOF.reset(static_cast<TEOFRecord*>(record.release()));
        } else if (record->Id == xlr::CODENAME) {
            FCodeName.reset(static_cast<TCodeNameRecord*>(record.release()));
        } else {
            // Drawings, notes, hyperlinks, page breaks, conditional
            // formats and everything else stay as read, in file order.
            LinkSheetRecord(record.get());
            keep->Add(std::move(record));
        }
    }
    if (inSubstream)
        First->ReadError(msg::SectionNotClosed);
    FCells.FixRows();
    FCells.CellList().ExpandSharedFormulas();
    FNotes.FixDwgIds(*FDrawing);
    FDrawing->SaveObjectCoords(this);
    FBOF = std::move(First);
}

void TWorkSheet::RecalcGuts()
{
    if (!FGuts || !FGuts->RecalcNeeded)
        return;
    int rowLevel = 0;
    const TRowRecordList& rows = FCells.RowList();
    for (int i = 0; i < rows.Count(); ++i)
        if (rows.HasRow(i))
            rowLevel = std::max(rowLevel, rows.GetItems(i)->Options() & 7);
    FGuts->SetRowLevel(rowLevel);
    FGuts->SetColLevel(FColumns.CalcGuts());
    FGuts->RecalcNeeded = false;
}

std::int64_t TWorkSheet::FixTotalSize(bool NeedsRecalc)
{
    std::int64_t size = FMiscRecords1.TotalSize() + TSheet::TotalSize() + FHPageBreaks.TotalSize() +
                        FVPageBreaks.TotalSize() + FColumns.TotalSize() +
                        FCells.FixTotalSize(NeedsRecalc) + FMiscRecords2.TotalSize();
    for (const auto& range : FRanges)
        size += range->TotalSize();
    for (const auto& format : FCondFmts)
        size += format->TotalSize();
    return size + FHLinks.TotalSize() + FDrawing->TotalSize() + FNotes.TotalSize();
}

std::int64_t TWorkSheet::TotalRangeSize(int, const TXlsCellRange& CellRange) const
{
    std::int64_t size = FMiscRecords1.TotalSize() + TSheet::TotalSize() +
                        FHPageBreaks.TotalRangeSize(CellRange.Top, CellRange.Bottom) +
                        FVPageBreaks.TotalRangeSize(CellRange.Left, CellRange.Right) + FColumns.TotalRangeSize(CellRange) +
                        FCells.TotalRangeSize(CellRange) + FMiscRecords2.TotalSize();
    for (const auto& range : FRanges)
        size += range->TotalRangeSize(CellRange);
    for (const auto& format : FCondFmts)
        size += format->TotalRangeSize(CellRange);
    return size + FHLinks.TotalRangeSize(CellRange) + FDrawing->TotalSize() + FNotes.TotalSize();
}

void TWorkSheet::SaveToStream(TOle2File& DataStream)
{
    CheckLoaded();
    FBOF->SaveToStream(DataStream);
    RecalcGuts();
    const int split = FCellBlockAt < 0 ? FMiscRecords1.Count() : FCellBlockAt;
    for (int i = 0; i < split; ++i)
        FMiscRecords1.Items(i)->SaveToStream(DataStream);
    FHPageBreaks.SaveToStream(DataStream);
    FVPageBreaks.SaveToStream(DataStream);
    FColumns.SaveToStream(DataStream);
    FCells.SaveToStream(DataStream);
    for (int i = split; i < FMiscRecords1.Count(); ++i)
        FMiscRecords1.Items(i)->SaveToStream(DataStream);
    FMiscRecords2.SaveToStream(DataStream);
    for (const auto& range : FRanges)
        range->SaveToStream(DataStream);
    for (const auto& format : FCondFmts)
        format->SaveToStream(DataStream);
    FHLinks.SaveToStream(DataStream);
    if (FCodeName)
        FCodeName->SaveToStream(DataStream);
    FEOF->SaveToStream(DataStream);
}

void TWorkSheet::SaveRangeToStream(TOle2File& DataStream, int, const TXlsCellRange& CellRange)
{
    CheckLoaded();
    FBOF->SaveToStream(DataStream);
    const int split = FCellBlockAt < 0 ? FMiscRecords1.Count() : FCellBlockAt;
    for (int i = 0; i < split; ++i)
        FMiscRecords1.Items(i)->SaveToStream(DataStream);
    FHPageBreaks.SaveRangeToStream(DataStream, CellRange.Top, CellRange.Bottom);
    FVPageBreaks.SaveRangeToStream(DataStream, CellRange.Left, CellRange.Right);
    FColumns.SaveRangeToStream(DataStream, CellRange);
    FCells.SaveRangeToStream(DataStream, CellRange);
    for (int i = split; i < FMiscRecords1.Count(); ++i)
        FMiscRecords1.Items(i)->SaveToStream(DataStream);
    FMiscRecords2.SaveToStream(DataStream);
    for (const auto& range : FRanges)
        range->SaveRangeToStream(DataStream, CellRange);
    for (const auto& format : FCondFmts)
        format->SaveRangeToStream(DataStream, CellRange);
    FHLinks.SaveRangeToStream(DataStream, CellRange);
    if (FCodeName)
        FCodeName->SaveToStream(DataStream);
    FEOF->SaveToStream(DataStream);
}

std::unique_ptr<TSheet> TWorkSheet::DoCopyTo() const
{
    auto copy = std::make_unique<TWorkSheet>(FWorkbookGlobals);
    CopySectionTo(*copy);
    copy->FMiscRecords1.CopyFrom(&FMiscRecords1);
    copy->FMiscRecords2.CopyFrom(&FMiscRecords2);
    copy->FCellBlockAt = FCellBlockAt;
    copy->FHPageBreaks = FHPageBreaks;
    copy->FVPageBreaks = FVPageBreaks;
    copy->FColumns = FColumns;
    copy->FCells.CopyFrom(FCells);
    for (const auto& range : FRanges)
        copy->FRanges.push_back(std::make_unique<TMergedCells>(*range));
    for (const auto& format : FCondFmts)
        copy->FCondFmts.push_back(std::make_unique<TCondFmt>(*format));
    copy->FHLinks.CopyFrom(FHLinks);
    copy->FDefColWidth = FDefColWidth;
    copy->FDefRowHeight = FDefRowHeight;
    copy->FOriginalDimensions = FOriginalDimensions;
    copy->FDrawing->CopyFrom(*FDrawing, copy.get());
    copy->FNotes.CopyFrom(FNotes);
    copy->FNotes.FixDwgIds(*copy->FDrawing);
    copy->LinkRecords();
    return copy;
}

void TWorkSheet::InsertAndCopyRowsAndCols(int FirstRow, int LastRow, int DestRow, int aRowCount, int FirstCol,
                                          int LastCol, int DestCol, int aColCount, const TSheetInfo& SheetInfo,
                                          bool OnlyFormulas)
{
    if (aRowCount > 0) {
        const int n = LastRow - FirstRow + 1;
        // Breaks move with the rows: by the inserted rows, not by the copies.
        FHPageBreaks.InsertRows(DestRow, n * aRowCount);
        FCells.InsertAndCopyRows(FirstRow, LastRow, DestRow, aRowCount, SheetInfo, OnlyFormulas);
        for (const auto& range : FRanges) {
            range->ArrangeInsertRowsAndCols(DestRow, n * aRowCount, 0, 0);
            range->CopyRowsExclusive(FirstRow, LastRow, DestRow, aRowCount, false);
        }
        for (const auto& format : FCondFmts) {
            format->ArrangeFormulas(DestRow, n * aRowCount, 0, 0, SheetInfo);
            format->InsertAndCopyRowsOrCols(FirstRow, LastRow, DestRow, aRowCount, false);
        }
        FDrawing->InsertAndCopyRowsAndCols(FirstRow, LastRow, DestRow, aRowCount, 0, 0, 0, 0, SheetInfo, this);
        FNotes.InsertAndCopyRows(FirstRow, LastRow, DestRow, aRowCount, SheetInfo);
        FHLinks.InsertAndCopyRange({0, FirstRow, xlr::MaxCol, LastRow}, DestRow, 0, aRowCount, 0, SheetInfo);
    }
    if (aColCount > 0) {
        const int n = LastCol - FirstCol + 1;
        FVPageBreaks.InsertRows(DestCol, n * aColCount);
        FCells.InsertAndCopyCols(FirstCol, LastCol, DestCol, aColCount, SheetInfo, OnlyFormulas);
        for (const auto& range : FRanges) {
            range->ArrangeInsertRowsAndCols(0, 0, DestCol, n * aColCount);
            range->CopyRowsExclusive(FirstCol, LastCol, DestCol, aColCount, true);
        }
        for (const auto& format : FCondFmts) {
            format->ArrangeFormulas(0, 0, DestCol, n * aColCount, SheetInfo);
            format->InsertAndCopyRowsOrCols(FirstCol, LastCol, DestCol, aColCount, true);
        }
        FColumns.ArrangeInsertCols(DestCol, n * aColCount);
        FDrawing->InsertAndCopyRowsAndCols(0, 0, 0, 0, FirstCol, LastCol, DestCol, aColCount, SheetInfo, this);
        FNotes.InsertAndCopyCols(FirstCol, LastCol, DestCol, aColCount, SheetInfo);
        FHLinks.InsertAndCopyRange({FirstCol, 0, LastCol, xlr::MaxRow}, 0, DestCol, 0, aColCount, SheetInfo);
        const int shift = n * aColCount;
        FColumns.CopyCols(FirstCol < DestCol ? FirstCol : FirstCol + shift,
                          LastCol < DestCol ? LastCol : LastCol + shift, DestCol, aColCount);
    }
}

void TWorkSheet::DeleteRowsAndCols(int aRow, int aRowCount, int aCol, int aColCount, const TSheetInfo& SheetInfo)
{
    if (aRowCount != 0) {
        FCells.DeleteRows(aRow, aRowCount, SheetInfo);
        FHPageBreaks.DeleteRows(aRow, aRowCount);
        for (const auto& range : FRanges)
            range->DeleteRows(aRow, aRowCount, false);
        for (const auto& format : FCondFmts) {
            format->ArrangeFormulas(aRow, -aRowCount, 0, 0, SheetInfo);
            format->DeleteRowsOrCols(aRow, aRowCount, false);
        }
        FDrawing->DeleteRows(aRow, aRowCount, SheetInfo, this);
        FNotes.DeleteRows(aRow, aRowCount, SheetInfo);
        FHLinks.DeleteRange({0, aRow, xlr::MaxCol, aRow}, aRowCount, 0, SheetInfo);
    }
    if (aColCount != 0) {
        FCells.DeleteCols(aCol, aColCount, SheetInfo);
        FVPageBreaks.DeleteRows(aCol, aColCount);
        for (const auto& range : FRanges)
            range->DeleteRows(aCol, aColCount, true);
        for (const auto& format : FCondFmts) {
            format->ArrangeFormulas(0, 0, aCol, -aColCount, SheetInfo);
            format->DeleteRowsOrCols(aCol, aColCount, true);
        }
        // Widths and formats stay with their columns' data.
        FColumns.ArrangeInsertCols(aCol, -aColCount);
        FDrawing->DeleteCols(aCol, aColCount, SheetInfo, this);
        FNotes.DeleteCols(aCol, aColCount, SheetInfo);
        FHLinks.DeleteRange({aCol, 0, aCol, xlr::MaxRow}, 0, aColCount, SheetInfo);
    }
}

namespace {

template <typename TVisit>
void ForEachFormula(const TCellList& Cells, TVisit Visit)
{
    for (int row = 0; row < Cells.Count(); ++row) {
        const TCellRecordList* cells = Cells.CellRow(row);
        for (int i = 0; cells && i < cells->Count(); ++i)
            if (cells->Id(i) == xlr::FORMULA)
                Visit(static_cast<TFormulaRecord&>(*cells->Record(i)));
    }
}

} // namespace

void TWorkSheet::ArrangeCopySheet(const TSheetInfo& SheetInfo)
{
    ForEachFormula(FCells.CellList(), [&](TFormulaRecord& formula) { formula.ArrangeCopySheet(SheetInfo); });
    FDrawing->ArrangeCopySheet(SheetInfo);
}

void TWorkSheet::CheckFormulasCanMove() const
{
    ForEachFormula(FCells.CellList(), [](const TFormulaRecord& formula) { formula.CheckArrangeable(); });
    for (const auto& format : FCondFmts)
        format->CheckFormulasCanMove();
}

void TWorkSheet::RenumberNames(const std::vector<int>& NewIndex)
{
    ForEachFormula(FCells.CellList(), [&](TFormulaRecord& formula) { formula.RenumberNames(NewIndex); });
}

void TWorkSheet::ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                          const TSheetInfo& SheetInfo)
{
    FCells.ArrangeInsertRowsAndCols(InsRowPos, InsRowCount, InsColPos, InsColCount, SheetInfo);
    FDrawing->ArrangeInsertRowsAndCols(InsRowPos, InsRowCount, InsColPos, InsColCount, SheetInfo, this);
    for (const auto& format : FCondFmts)
        format->ArrangeFormulas(InsRowPos, InsRowCount, InsColPos, InsColCount, SheetInfo);
}

int TWorkSheet::GetColWidth(int aCol, bool HiddenIsZero) const
{
    const TColInfo* info = FColumns.Find(aCol);
    if (!info)
        return FDefColWidth;
    return HiddenIsZero && info->Hidden() ? 0 : info->Width;
}

void TWorkSheet::SetColWidth(int aCol, int Value)
{
    FColumns.FindOrAdd(aCol, 0, 15, 0).Width = static_cast<std::uint16_t>(Value);
}

bool TWorkSheet::GetColHidden(int aCol) const
{
    const TColInfo* info = FColumns.Find(aCol);
    return info && info->Hidden();
}

void TWorkSheet::SetColHidden(int aCol, bool Value)
{
    if (Value) {
        FColumns.FindOrAdd(aCol, static_cast<std::uint16_t>(FDefColWidth), 15, 1).Options |= 1;
        return;
    }
    TColInfo* info = FColumns.Find(aCol);
    if (!info)
        return;
    if (info->Width == 0)
        info->Width = static_cast<std::uint16_t>(FDefColWidth);
    info->Options &= ~1;
}

int TWorkSheet::GetColFormat(int aCol) const
{
    const TColInfo* info = FColumns.Find(aCol);
    return info ? info->XF : -1;
}

void TWorkSheet::SetFormatOfCells(bool Column, int Index, int Value)
{
    TCellList& cells = FCells.CellList();
    for (int row = 0; row < cells.Count(); ++row) {
        if (!Column && row != Index)
            continue;
        TCellRecordList* list = cells.CellRow(row);
        for (int i = 0; i < list->Count(); ++i)
            if (!Column || list->Column(i) == Index)
                list->SetXF(i, static_cast<std::uint16_t>(Value));
    }
}

void TWorkSheet::SetColFormat(int aCol, int Value)
{
    FColumns.FindOrAdd(aCol, static_cast<std::uint16_t>(FDefColWidth), 0, 0).XF = static_cast<std::uint16_t>(Value);
    SetFormatOfCells(true, aCol, Value);
}

TRowEntry& TWorkSheet::RowRecord(int aRow)
{
    TRowRecordList& rows = FCells.RowList();
    if (!rows.HasRow(aRow))
        rows.AddRow(aRow);
    return *rows.GetItems(aRow);
}

int TWorkSheet::GetRowHeight(int aRow, bool HiddenIsZero) const
{
    const TRowRecordList& rows = FCells.RowList();
    if (!rows.HasRow(aRow))
        return FDefRowHeight;
    const TRowEntry* row = rows.GetItems(aRow);
    return HiddenIsZero && row->IsHidden() ? 0 : row->Height();
}

void TWorkSheet::SetRowHeight(int aRow, int Value)
{
    TRowEntry& row = RowRecord(aRow);
    row.SetHeight(static_cast<std::uint16_t>(Value));
    row.ManualHeight();
}

bool TWorkSheet::GetRowHidden(int aRow) const
{
    const TRowRecordList& rows = FCells.RowList();
    return rows.HasRow(aRow) && rows.GetItems(aRow)->IsHidden();
}

void TWorkSheet::SetRowHidden(int aRow, bool Value)
{
    RowRecord(aRow).Hide(Value);
}

int TWorkSheet::GetRowFormat(int aRow) const
{
    const TRowRecordList& rows = FCells.RowList();
    if (!rows.HasRow(aRow) || !rows.GetItems(aRow)->IsFormatted())
        return -1;
    return rows.GetItems(aRow)->XF();
}

void TWorkSheet::SetRowFormat(int aRow, int Value)
{
    RowRecord(aRow).SetXF(static_cast<std::uint16_t>(Value));
    SetFormatOfCells(false, aRow, Value);
}

int TWorkSheet::GetColOutlineLevel(int aCol) const
{
    const TColInfo* info = FColumns.Find(aCol);
    return info ? info->GetColOutlineLevel() : 0;
}

void TWorkSheet::EnsureGuts()
{
    if (!FGuts) {
        const int at = FindRecord1(xlr::DEFAULTROWHEIGHT);
        FGuts = static_cast<TGutsRecord*>(InsertRecord1(at < 0 ? FMiscRecords1.Count() : at,
                                                        std::make_unique<TGutsRecord>(xlr::GUTS, ByteArray(8))));
    }
    FGuts->RecalcNeeded = true;
}

void TWorkSheet::SetColOulineLevel(int aCol, int Value)
{
    EnsureGuts();
    FColumns.FindOrAdd(aCol, static_cast<std::uint16_t>(FDefColWidth), 15, 0)
        .SetColOutlineLevel(std::clamp(Value, 0, MaxOutlineLevel));
}

int TWorkSheet::GetRowOutlineLevel(int aRow) const
{
    const TRowRecordList& rows = FCells.RowList();
    return rows.HasRow(aRow) ? rows.GetItems(aRow)->Options() & 7 : 0;
}

void TWorkSheet::SetRowOulineLevel(int aRow, int Value)
{
    EnsureGuts();
    RowRecord(aRow).SetRowOutlineLevel(std::clamp(Value, 0, MaxOutlineLevel));
}

void TWorkSheet::MergeCells(int aRow1, int aCol1, int aRow2, int aCol2)
{
    TExcelRange rect{std::min(aRow1, aRow2), std::max(aRow1, aRow2), std::min(aCol1, aCol2), std::max(aCol1, aCol2)};
    for (;;) {
        const TExcelRange before = rect;
        for (const auto& range : FRanges)
            range->PreMerge(rect);
        if (rect == before)
            break;
    }
    if (FRanges.empty())
        FRanges.push_back(std::make_unique<TMergedCells>());
    FRanges.back()->MergeCells(rect.R1, rect.C1, rect.R2, rect.C2);
}

void TWorkSheet::UnMergeCells(int aRow1, int aCol1, int aRow2, int aCol2)
{
    for (const auto& range : FRanges)
        range->UnMergeCells(std::min(aRow1, aRow2), std::min(aCol1, aCol2), std::max(aRow1, aRow2),
                            std::max(aCol1, aCol2));
}

TXlsCellRange TWorkSheet::CellMergedBounds(int aRow, int aCol) const
{
    TXlsCellRange bounds{aCol, aRow, aCol, aRow};
    for (const auto& range : FRanges)
        if (range->CheckCell(aRow, aCol, bounds))
            break;
    return bounds;
}

TXlsCellRange TWorkSheet::CellMergedList(int index) const
{
    if (index < 0)
        return {};
    for (const auto& range : FRanges) {
        if (index < range->MergedCount())
            return range->MergedCell(index);
        index -= range->MergedCount();
    }
    return {};
}

int TWorkSheet::CellMergedListCount() const
{
    int count = 0;
    for (const auto& range : FRanges)
        count += range->MergedCount();
    return count;
}
