// The .xls file object: opening, creating and saving files, sheets, and the
// cell, format and size operations on the active sheet.
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/classes/FileSave.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsTemplate.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorUXlsXF.h"
#include "xlsAdapter/qorXlsBaseTemplateStore.h"

#include <filesystem>
#include <unistd.h>

using namespace xlsAdapter;

namespace {
constexpr int ColumnCount = 256;
constexpr int DefaultXF = 15;

TRTFRunList ShiftRuns(TRTFRunList runs, int delta)
{
    for (TRTFRun& run : runs)
        run.FirstChar = static_cast<std::uint16_t>(run.FirstChar + delta);
    return runs;
}
} // namespace

TXLSFile::TXLSFile(TXLSAdapter* aAdapter, bool aAllowOverwritingFiles)
    : AllowOverwritingFiles(aAllowOverwritingFiles), FAdapter(aAdapter)
{
}

TXLSFile::~TXLSFile() = default;

TWorkbook& TXLSFile::Workbook()
{
    if (!FWorkbook)
        ExcelError(msg::NoOpenFile);
    return *FWorkbook;
}

TSheet* TXLSFile::ActiveSheetSection()
{
    // An active sheet outside the workbook acts as a sheet that holds no cells.
    if (!FWorkbook || FActiveSheet < 1 || FActiveSheet > FWorkbook->Sheets().Count())
        return nullptr;
    return FWorkbook->Sheets().GetItems(FActiveSheet - 1);
}

TWorkSheet* TXLSFile::ActiveWorkSheet()
{
    TSheet* sheet = ActiveSheetSection();
    return sheet ? sheet->AsWorkSheet() : nullptr;
}

TWorkSheet& TXLSFile::ActiveWorkSheetOrRaise()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        ExcelError(msg::InvalidSheetNumber, FActiveSheet, 1, FWorkbook ? FWorkbook->Sheets().Count() : 0);
    return *sheet;
}

void TXLSFile::RestoreObjectCoords()
{
    Workbook().RestoreObjectCoords(FActiveSheet - 1);
}

// Lifecycle -----------------------------------------------------------------

void TXLSFile::Connect()
{
    FWorkbook = std::make_unique<TWorkbook>();
}

void TXLSFile::Disconnect()
{
    FWorkbook.reset();
}

void TXLSFile::OpenFileAndOrSearch(const TFileName& FileName, bool Search)
{
    if (FAdapter && FAdapter->TemplateStore()) {
        const ByteArray bytes = FAdapter->TemplateStore()->GetStoredFile(FileName);
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        stream.SetPosition(0);
        OpenStream(stream);
        return;
    }
    const std::string name = Search && FAdapter ? LocateFile(FAdapter->BasePathToOpen(), FileName) : FileName;
    TFileStream stream(name, fmOpenRead | fmShareDenyNone);
    OpenStream(stream);
}

void TXLSFile::OpenStream(TStream& Stream)
{
    Workbook();
    // A workbook that failed to load is not kept: saving it would write half
    // a file with the previous file's other streams.
    auto discard = rtl::ScopeFail([this] {
        FWorkbook = std::make_unique<TWorkbook>();
        FOtherStreams.clear();
    });
    TOle2File container(Stream);
    container.SelectStream(u"Workbook");
    FWorkbook->LoadFromStream(container);
    // New cells take format 15; a workbook without it is not one we can edit.
    if (FWorkbook->Globals().XF().Count() <= DefaultXF || FWorkbook->Globals().Fonts().Count() == 0)
        ExcelError(msg::ErrExcelInvalid);
    // Number format texts are read when first shown; a broken one is refused
    // here, where the caller expects errors, rather than when a cell shows.
    const TFormatRecordList& formats = FWorkbook->Globals().Formats();
    for (int i = 0; i < formats.Count(); ++i)
        (void)formats.GetItems(i)->Value();
    TMemoryStream others;
    container.PrepareForWrite(others, u"Workbook");
    container.FinishWrite();
    FOtherStreams = others.Bytes();
    FActiveSheet = FWorkbook->ActiveSheet() + 1;
    IsFileModified = false;
}

void TXLSFile::NewFile(int SheetCount)
{
    const ByteArray& bytes = EmptyWorkbookTemplate();
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    OpenStream(stream);
    InsertAndCopySheets(-1, 2, SheetCount - 1);
    // The inserted sheets take unique names in insertion order ("Sheet",
    // "Sheet2", ...); a new workbook numbers its sheets Sheet1..SheetN. The
    // names pass through placeholders so that no rename meets a name still
    // held by a later sheet.
    TWorkbookGlobals& globals = Workbook().Globals();
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 1; i < SheetCount; ++i)
            globals.SetSheetName(i, rtl::Utf8ToUtf16("Sheet" + std::to_string(i + 1) + (pass == 0 ? "_" : "")));
}

void TXLSFile::Save(bool, const std::string& FileName, const TOnGetFileNameEvent& OnGetFileName,
                    const TOnGetOutStreamEvent& OnGetOutStream, TStream* DataStream)
{
    const auto wanted = [this](TExcelSaveFormatNative format) {
        return FAdapter ? FAdapter->SaveFormat().Contains(format) : format == snXLS;
    };
    // The text formats have no writer: refuse them before anything is
    // written rather than report a file that was never made.
    for (TExcelSaveFormatNative format : {snCSVComma, snCSVSemiColon, snTabDelimited})
        if (wanted(format))
            ExcelError(msg::TextSaveFormatUnsupported);
    if (wanted(snXLS)) {
        std::string name = FileName;
        TStream* target = DataStream;
        if (!target && OnGetOutStream)
            OnGetOutStream(this, snXLS, target);
        if (!target) {
            if (OnGetFileName && !DataStream && !OnGetOutStream)
                OnGetFileName(this, snXLS, name);
            if (!AllowOverwritingFiles && std::filesystem::exists(name))
                ExcelError(msg::CantWriteToFile, name);
        }
        SaveXls(name, target);
    }
}

void TXLSFile::SaveXls(const std::string& FileName, TStream* DataStream)
{
    if (DataStream) {
        SaveXlsToStream(*DataStream);
        return;
    }
    classes::SaveFileThrough(FileName, [this](TStream& Out) { SaveXlsToStream(Out); });
}

void TXLSFile::SaveXlsToStream(TStream& OutStream)
{
    TWorkbook& workbook = Workbook();
    TMemoryStream others;
    if (FOtherStreams.empty())
        ExcelError(msg::NoOpenFile);
    others.WriteBuffer(FOtherStreams.data(), static_cast<std::int64_t>(FOtherStreams.size()));
    others.SetPosition(0);
    TOle2File container(others);
    container.PrepareForWrite(OutStream, u"Workbook");
    workbook.SaveToStream(container, IsFileModified);
    container.FinishWrite();
}

// Sheets ----------------------------------------------------------------------

int TXLSFile::SheetCount()
{
    return Workbook().Globals().SheetCount();
}

std::string TXLSFile::ActiveSheetName()
{
    return rtl::Utf16ToUtf8(Workbook().Globals().GetSheetName(FActiveSheet - 1));
}

void TXLSFile::SetActiveSheetName(std::string_view Value)
{
    Workbook().Globals().SetSheetName(FActiveSheet - 1, rtl::Utf8ToUtf16(Value));
}

std::string TXLSFile::ActiveSheetCodeName()
{
    TWorkbook& workbook = Workbook();
    if (FActiveSheet < 1 || FActiveSheet > workbook.Sheets().Count())
        ExcelError(msg::InvalidSheetNumber, FActiveSheet, 1, workbook.Sheets().Count());
    return rtl::Utf16ToUtf8(workbook.Sheets().GetItems(FActiveSheet - 1)->CodeName());
}

void TXLSFile::SetActiveSheetCodeName(std::string_view Value)
{
    TWorkbook& workbook = Workbook();
    if (FActiveSheet < 1 || FActiveSheet > workbook.Sheets().Count())
        ExcelError(msg::InvalidSheetNumber, FActiveSheet, 1, workbook.Sheets().Count());
    const std::u16string name = rtl::Utf8ToUtf16(Value);
    for (int i = 0; i < workbook.Sheets().Count(); ++i)
        if (workbook.Sheets().GetItems(i)->CodeName() == name)
            ExcelError(msg::DuplicatedSheetName, std::string(Value));
    workbook.Sheets().GetItems(FActiveSheet - 1)->SetCodeName(name);
}

TXlsSheetVisible TXLSFile::ActiveSheetVisible()
{
    return Workbook().Globals().GetSheetVisible(FActiveSheet - 1);
}

void TXLSFile::SetActiveSheetVisible(TXlsSheetVisible Value)
{
    Workbook().Globals().SetSheetVisible(FActiveSheet - 1, Value);
}

void TXLSFile::SelectSheet(int SheetNo)
{
    Workbook().SetActiveSheet(SheetNo - 1);
}

bool TXLSFile::IsWorksheet(int index)
{
    TWorkbook& workbook = Workbook();
    return index >= 1 && index <= workbook.Sheets().Count() &&
           dynamic_cast<TWorkSheet*>(workbook.Sheets().GetItems(index - 1)) != nullptr;
}

void TXLSFile::InsertAndCopySheets(int CopyFrom, int InsertBefore, int SheetCount)
{
    Workbook().InsertSheets(CopyFrom - 1, InsertBefore - 1, SheetCount);
    IsFileModified = true;
}

void TXLSFile::DeleteSheet(int aSheetCount)
{
    if (aSheetCount >= SheetCount())
        ExcelError(msg::NoVisibleSheets);
    Workbook().DeleteSheets(FActiveSheet - 1, aSheetCount);
    if (FActiveSheet > SheetCount())
        FActiveSheet = SheetCount();
    IsFileModified = true;
}

void TXLSFile::ClearSheet()
{
    if (TWorkSheet* sheet = ActiveWorkSheet()) {
        sheet->ClearValues();
        SelectSheet(FActiveSheet);
        IsFileModified = true;
    }
}

void TXLSFile::DeleteMarkedRows(std::string_view Mark)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    IsFileModified = true;
    for (int row = sheet->Cells().CellList().Count() - 1; row >= 0; --row) {
        const Variant value = sheet->Cells().CellList().GetValue(row, 0).Value;
        if (!value.IsEmpty() && VariantToText(value) == Mark)
            Workbook().DeleteRowsAndCols(FActiveSheet - 1, row, 1, 0, 0);
    }
}

void TXLSFile::MakePageBreaks(std::string_view Mark)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    for (int row = sheet->Cells().CellList().Count() - 1; row >= 0; --row) {
        const Variant value = sheet->Cells().CellList().GetValue(row, 0).Value;
        if (value.IsEmpty() || VariantToText(value) != Mark)
            continue;
        sheet->Cells().CellList().SetValueX2(row, 0, TXlsCellValue{}, {}, Options1904Dates());
        sheet->InsertHPageBreak(row);
    }
}

void TXLSFile::InsertHPageBreak(int Row)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->InsertHPageBreak(Row);
}

void TXLSFile::InsertVPageBreak(int Col)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->InsertVPageBreak(Col);
}

void TXLSFile::DeleteHPageBreak(int Row)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->DeleteHPageBreak(Row);
}

void TXLSFile::DeleteVPageBreak(int Col)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->DeleteVPageBreak(Col);
}

bool TXLSFile::HasHPageBreak(int Row)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet && sheet->HasHPageBreak(Row);
}

bool TXLSFile::HasVPageBreak(int Col)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet && sheet->HasVPageBreak(Col);
}

void TXLSFile::InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, bool OnlyFormulas)
{
    Workbook().InsertAndCopyRowsAndCols(FActiveSheet - 1, FirstRow - 1, LastRow - 1, DestRow - 1, aCount, 0, 0, 0,
                                        0, OnlyFormulas);
    IsFileModified = true;
}

void TXLSFile::InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, bool OnlyFormulas)
{
    Workbook().InsertAndCopyRowsAndCols(FActiveSheet - 1, 0, 0, 0, 0, FirstCol - 1, LastCol - 1, DestCol - 1, aCount,
                                        OnlyFormulas);
    IsFileModified = true;
}

void TXLSFile::DeleteRows(int aRow, int aCount)
{
    // Positions and counts are checked rather than cut to 16 bits.
    if (aRow < 1 || aCount < 0 || aRow - 1 + aCount > 65536)
        ExcelError(msg::InvalidRow, aRow - 1);
    Workbook().DeleteRowsAndCols(FActiveSheet - 1, aRow - 1, aCount, 0, 0);
    IsFileModified = true;
}

void TXLSFile::DeleteCols(int aCol, int aCount)
{
    if (aCol < 1 || aCount < 0 || aCol - 1 + aCount > ColumnCount)
        ExcelError(msg::InvalidCol, aCol - 1);
    Workbook().DeleteRowsAndCols(FActiveSheet - 1, 0, 0, aCol - 1, aCount);
    IsFileModified = true;
}

// Cells -------------------------------------------------------------------------

Variant TXLSFile::GetCellValue(int aRow, int aCol)
{
    return GetCellData(aRow, aCol - FirstColumn - 1);
}

void TXLSFile::SetCellValue(int aRow, int aCol, const Variant& Value)
{
    AssignCellData(aRow, aCol - FirstColumn - 1, Value);
}

TXlsCellValue TXLSFile::GetCellValueX(int aRow, int aCol)
{
    return GetCellDataX(aRow, aCol - FirstColumn - 1);
}

void TXLSFile::SetCellValueX(int aRow, int aCol, const TXlsCellValue& Value)
{
    AssignCellDataX(aRow, aCol - FirstColumn - 1, Value);
}

std::string TXLSFile::GetCellFormula(int aRow, int aCol)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->Cells().CellList().GetFormula(aRow - 1, aCol - 1) : std::string();
}

void TXLSFile::SetCellFormula(int aRow, int aCol, std::string_view Value)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    sheet->Cells().CellList().SetFormula(aRow - 1, aCol - 1, Value);
    IsFileModified = true;
}

void TXLSFile::SetCellFormulaX(int aRow, int aCol, std::string_view Formula, const Variant& Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->Cells().CellList().AssignFormulaX(aRow - 1, aCol - 1, Formula, Value, Options1904Dates());
}

Variant TXLSFile::GetCellData(int aRow, int aColOffset)
{
    return GetCellDataX(aRow, aColOffset).Value;
}

TXlsCellValue TXLSFile::GetCellDataX(int aRow, int aColOffset)
{
    TXlsCellValue v;
    TRTFRunList runs;
    GetCellDataX2(aRow, aColOffset, v, runs);
    return v;
}

void TXLSFile::GetCellDataX2(int aRow, int aColOffset, TXlsCellValue& v, TRTFRunList& RTFRuns)
{
    v = {};
    RTFRuns.clear();
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->Cells().CellList().GetValueX2(aRow - 1, aColOffset + FirstColumn, v, RTFRuns);
}

void TXLSFile::AssignCellData(int aRow, int aColOffset, const Variant& Value)
{
    AssignCellDataX2(aRow, aColOffset, TXlsCellValue{Value, -1, false}, {});
}

void TXLSFile::AssignCellDataX(int aRow, int aColOffset, const TXlsCellValue& Value)
{
    AssignCellDataX2(aRow, aColOffset, Value, {});
}

void TXLSFile::AssignCellDataX2(int aRow, int aColOffset, const TXlsCellValue& Value, const TRTFRunList& RTFRuns)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    sheet->Cells().CellList().SetValueX2(aRow - 1, aColOffset + FirstColumn, Value, RTFRuns, Options1904Dates());
    IsFileModified = true;
}

void TXLSFile::GetCellValueX2(int aRow, int aCol, TXlsCellValue& v, TRTFRunList& RTFRuns)
{
    v = {};
    RTFRuns.clear();
    if (TWorkSheet* sheet = ActiveWorkSheet()) {
        sheet->Cells().CellList().GetValueX2(aRow - 1, aCol - 1, v, RTFRuns);
        RTFRuns = ShiftRuns(std::move(RTFRuns), 1);
    }
}

void TXLSFile::AssignCellValueX2(int aRow, int aCol, const TXlsCellValue& Value, const TRTFRunList& RTFRuns)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return;
    sheet->Cells().CellList().SetValueX2(aRow - 1, aCol - 1, Value, ShiftRuns(RTFRuns, -1), Options1904Dates());
    IsFileModified = true;
}

int TXLSFile::CellCount(int aRow)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet && aRow - 1 >= 0 && aRow - 1 < sheet->Cells().CellList().Count() ? LastColumn - FirstColumn + 1 : 0;
}

int TXLSFile::MaxRow()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->Cells().RowList().Count() : 0;
}

int TXLSFile::MaxCol()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return 0;
    int result = 0;
    const TCellList& cells = sheet->Cells().CellList();
    for (int row = 0; row < cells.Count(); ++row) {
        const TCellRecordList* list = cells.CellRow(row);
        if (list->Count() > 0)
            result = std::max(result, list->Column(list->Count() - 1) + 1);
    }
    return result;
}

bool TXLSFile::IsEmptyRow(int aRow)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return !(sheet && aRow - 1 >= 0 && aRow - 1 < sheet->Cells().CellList().Count() &&
             sheet->Cells().RowList().HasRow(aRow - 1));
}

int TXLSFile::ColIndexCount(int Row)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet || Row - 1 < 0 || Row - 1 >= sheet->Cells().CellList().Count())
        return 0;
    return sheet->Cells().CellList().CellRow(Row - 1)->Count();
}

int TXLSFile::ColByIndex(int Row, int ColIndex)
{
    if (ColIndex < 1 || ColIndex > ColIndexCount(Row))
        return 0;
    return ActiveWorkSheet()->Cells().CellList().CellRow(Row - 1)->Column(ColIndex - 1) + 1;
}

int TXLSFile::ColIndex(int Row, int Col)
{
    if (ColIndexCount(Row) == 0)
        return 0;
    int index = 0;
    (void)ActiveWorkSheet()->Cells().CellList().CellRow(Row - 1)->Find(Col - 1, index);
    return index + 1;
}

// Formats, fonts, palette -----------------------------------------------------

int TXLSFile::GetCellFormat(int aRow, int aCol)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return -1;
    TXlsCellValue v;
    TRTFRunList runs;
    sheet->Cells().CellList().GetValueX2(aRow - 1, aCol - 1, v, runs);
    return v.XF;
}

void TXLSFile::SetCellFormat(int aRow, int aCol, int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->Cells().CellList().SetFormat(aRow - 1, aCol - 1, Value);
}

int TXLSFile::GetColumnFormat(int aColumn)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetColFormat(aColumn - 1) : -1;
}

int TXLSFile::GetRowFormat(int aRow)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetRowFormat(aRow - 1) : 0;
}

void TXLSFile::SetColumnFormat(int aColumn, int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetColFormat(aColumn - 1, Value);
}

void TXLSFile::SetRowFormat(int aRow, int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetRowFormat(aRow - 1, Value);
}

int TXLSFile::FormatListCount()
{
    return Workbook().Globals().XF().Count();
}

TVyxFormat TXLSFile::GetFormatList(int index)
{
    TWorkbookGlobals& globals = Workbook().Globals();
    // A workbook without formats has no format 0 to fall back on.
    if (globals.XF().Count() == 0)
        ExcelError(msg::IndexOutOfRange, index, std::string("FormatList"), 0, -1);
    if (index < 0 || index >= globals.XF().Count())
        index = 0;
    return globals.XF().GetItems(index)->VyxFormat(globals.Fonts(), globals.Formats());
}

void TXLSFile::SetFormatList(int index, const TVyxFormat& Value)
{
    TWorkbookGlobals& globals = Workbook().Globals();
    // A bad index would otherwise restyle every default cell through XF 0.
    if (index < 0 || index >= globals.XF().Count())
        ExcelError(msg::IndexOutOfRange, index, std::string("FormatList"), 0, globals.XF().Count() - 1);
    globals.XF().SetItems(index, TXFRecord::CreateFromFormat(Value, globals.Fonts(), globals.Formats()));
}

int TXLSFile::AddFormat(const TVyxFormat& Fmt)
{
    TWorkbookGlobals& globals = Workbook().Globals();
    std::unique_ptr<TXFRecord> record = TXFRecord::CreateFromFormat(Fmt, globals.Fonts(), globals.Formats());
    int index = 0;
    if (globals.XF().FindFormat(*record, index))
        return index;
    return globals.XF().Add(std::move(record));
}

int TXLSFile::FontListCount()
{
    return Workbook().Globals().Fonts().Count() + 1;
}

TVyxFont TXLSFile::GetFontList(int index)
{
    const TFontRecordList& fonts = Workbook().Globals().Fonts();
    if (fonts.Count() == 0)
        ExcelError(msg::IndexOutOfRange, index, std::string("FontList"), 0, 0);
    int position = index == 4 ? 0 : FontIndexToPosition(index);
    if (position < 0 || position >= fonts.Count())
        position = 0;
    return fonts.GetItems(position)->VyxFont();
}

void TXLSFile::SetFontList(int index, const TVyxFont& Value)
{
    TFontRecordList& fonts = Workbook().Globals().Fonts();
    if (index == 4)
        return;
    const int position = FontIndexToPosition(index);
    // A bad index would otherwise replace the default font.
    if (index < 0 || position >= fonts.Count())
        ExcelError(msg::IndexOutOfRange, index, std::string("FontList"), 0, fonts.Count());
    fonts.SetItems(position, TFontRecord::CreateFromVyxFont(Value));
}

int TXLSFile::AddFont(const TVyxFont& Fmt)
{
    return Workbook().Globals().Fonts().AddFont(Fmt);
}

std::uint32_t TXLSFile::GetColorPalette(TColorPaletteRange Index)
{
    return Workbook().Globals().GetColorPalette(Index - 1);
}

void TXLSFile::SetColorPalette(TColorPaletteRange Index, std::uint32_t Value)
{
    Workbook().Globals().SetColorPalette(Index - 1, Value);
}

BooleanArray TXLSFile::GetUsedPaletteColors()
{
    TWorkbookGlobals& globals = Workbook().Globals();
    return globals.XF().GetUsedColors(57, globals.Fonts());
}

// Sizes, hidden state, outline, merges ------------------------------------------

int TXLSFile::GetColumnWidth(int aCol)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetColWidth(aCol - 1) : 0;
}

int TXLSFile::GetColumnWidthHiddenIsZero(int aCol)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetColWidth(aCol - 1, true) : 0;
}

int TXLSFile::GetRowHeight(int aRow)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetRowHeight(aRow - 1) : 0;
}

int TXLSFile::RowHeightHiddenIsZero(int aRow)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetRowHeight(aRow - 1, true) : 0;
}

void TXLSFile::SetColumnWidth(int aCol, int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet()) {
        if (aCol < 1 || aCol > ColumnCount)
            ExcelError(msg::InvalidCol, aCol - 1);
        sheet->SetColWidth(aCol - 1, Value);
        RestoreObjectCoords();
    }
}

void TXLSFile::SetRowHeight(int aRow, int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet()) {
        if (aRow < 1 || aRow > 65536)
            ExcelError(msg::InvalidRow, aRow - 1);
        sheet->SetRowHeight(aRow - 1, Value);
        RestoreObjectCoords();
    }
}

bool TXLSFile::GetColumnHidden(int aCol)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet && aCol >= 1 && aCol <= ColumnCount && sheet->GetColHidden(aCol - 1);
}

void TXLSFile::SetColumnHidden(int aCol, bool Value)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (sheet && aCol >= 1 && aCol <= ColumnCount) {
        sheet->SetColHidden(aCol - 1, Value);
        RestoreObjectCoords();
    }
}

bool TXLSFile::GetRowHidden(int aRow)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet && sheet->GetRowHidden(aRow - 1);
}

void TXLSFile::SetRowHidden(int aRow, bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet()) {
        if (aRow < 1 || aRow > 65536)
            ExcelError(msg::InvalidRow, aRow - 1);
        sheet->SetRowHidden(aRow - 1, Value);
        RestoreObjectCoords();
    }
}

int TXLSFile::DefaultColWidth()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->DefColWidth() : TWorkSheet::DefaultColWidth;
}

int TXLSFile::DefaultRowHeight()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->DefRowHeight() : TWorkSheet::DefaultRowHeight;
}

bool TXLSFile::GetAutoRowHeight(int Row)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return !sheet || sheet->Cells().RowList().IsAutoRowHeight(Row - 1);
}

void TXLSFile::SetAutoRowHeight(int Row, bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->Cells().RowList().AutoRowHeight(Row - 1, Value);
}

int TXLSFile::GetRowOutlineLevel(int aRow)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetRowOutlineLevel(aRow - 1) : 0;
}

void TXLSFile::SetRowOutlineLevel(int FirstRow, int LastRow, int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        for (int row = FirstRow; row <= LastRow; ++row)
            sheet->SetRowOulineLevel(row - 1, Value);
}

int TXLSFile::GetColOutlineLevel(int aCol)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->GetColOutlineLevel(aCol - 1) : 0;
}

void TXLSFile::SetColOutlineLevel(int FirstCol, int LastCol, int Level)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        for (int col = FirstCol; col <= LastCol; ++col)
            sheet->SetColOulineLevel(col - 1, Level);
}

void TXLSFile::MergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->MergeCells(FirstRow - 1, FirstCol - 1, LastRow - 1, LastCol - 1);
}

void TXLSFile::UnMergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->UnMergeCells(FirstRow - 1, FirstCol - 1, LastRow - 1, LastCol - 1);
}

TXlsCellRange TXLSFile::GetCellMergedBounds(int aRow, int aCol)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return {};
    return OffsetCellRange(sheet->CellMergedBounds(aRow - 1, aCol - 1), 1, 1);
}

TXlsCellRange TXLSFile::GetCellMergedList(int index)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    if (!sheet)
        return {};
    return OffsetCellRange(sheet->CellMergedList(index), 1, 1);
}

int TXLSFile::CellMergedListCount()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->CellMergedListCount() : 0;
}

// Workbook options ------------------------------------------------------------

bool TXLSFile::IsXltTemplate() { return Workbook().Globals().IsXltTemplate(); }
void TXLSFile::SetIsXltTemplate(bool Value) { Workbook().Globals().SetIsXltTemplate(Value); }
bool TXLSFile::Options1904Dates() { return Workbook().Globals().Is1904(); }
void TXLSFile::SetOptions1904Dates(bool Value) { Workbook().Globals().SetIs1904(Value); }
bool TXLSFile::OptionsSaveExternalLinkValues() { return Workbook().Globals().SaveExternalLinkValues(); }
void TXLSFile::SetOptionsSaveExternalLinkValues(bool Value) { Workbook().Globals().SetSaveExternalLinkValues(Value); }
bool TXLSFile::OptionsPrecisionAsDisplayed() { return Workbook().Globals().PrecisionAsDisplayed(); }
void TXLSFile::SetOptionsPrecisionAsDisplayed(bool Value) { Workbook().Globals().SetPrecisionAsDisplayed(Value); }

// The adapter ----------------------------------------------------------------------

TXLSAdapter::TXLSAdapter(TComponent* AOwner) : TExcelAdapter(AOwner)
{
    FSaveFormat.Include(snXLS);
}

void TXLSAdapter::SetTemplateStore(TXlsBaseTemplateStore* Value)
{
    FTemplateStore = Value;
    if (Value)
        Value->FreeNotification(this);
}

std::unique_ptr<TExcelFile> TXLSAdapter::GetWorkbook()
{
    return std::make_unique<TXLSFile>(this, FAllowOverwritingFiles);
}

void TXLSAdapter::Notification(TComponent* AComponent, TOperation Operation)
{
    TExcelAdapter::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FTemplateStore)
        FTemplateStore = nullptr;
}
