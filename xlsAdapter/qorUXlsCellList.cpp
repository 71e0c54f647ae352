// Reading and writing typed cell values, with the ROW records kept in step.
#include "xlsAdapter/qorUXlsCellList.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsEncodeFormula.h"
#include "xlsAdapter/qorUXlsFormula.h"
#include "xlsAdapter/qorUXlsFormulaParser.h"
#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include <map>
#include <vector>

using namespace xlsAdapter;

namespace {

constexpr int MaxRow = 65535;
constexpr int MaxCol = 255;
constexpr int NormalStyleXF = 15;
constexpr const char* UnreadableFormula = "The formula at Row %d, column %d can't be read: %s";
// Days from the 1900 date system's origin to the 1904 one's.
constexpr double Dates1904Offset = 1462;

void CheckCell(int Row, int Col)
{
    if (Row < 0 || Row > MaxRow)
        ExcelError(msg::InvalidRow, Row);
    if (Col < 0 || Col > MaxCol)
        ExcelError(msg::InvalidCol, Col);
}

[[noreturn]] void UnsupportedValue(const Variant& Value)
{
    std::string text;
    try {
        text = VariantToText(Value);
    } catch (const Exception&) {
        text = VarTypeName(Value.VarType());
    }
    ExcelError(msg::InvalidCellValue, text);
}

// A number cell: RK when that holds the number exactly.
TCellSlot NumberCell(int Col, std::uint16_t XF, double Value)
{
    TCellSlot slot;
    return TCellSlot::RK(Col, XF, Value, slot) ? slot : TCellSlot::Number(Col, XF, Value);
}

} // namespace

TCellList::TCellList(TWorkbookGlobals& aGlobals, TRowRecordList& aRowRecordList, TColumnXFLookup aColumnXF)
    : FGlobals(aGlobals), FRowRecordList(aRowRecordList), FColumnXF(std::move(aColumnXF))
{
}

TCellRecordList* TCellList::FindCell(int Row, int Col, int& Index) const
{
    TCellRecordList* cells = CellRow(Row);
    return cells && cells->Find(Col, Index) ? cells : nullptr;
}

TCellRecord* TCellList::FindRecord(int Row, int Col) const
{
    int index = 0;
    const TCellRecordList* cells = FindCell(Row, Col, index);
    return cells ? cells->Record(index) : nullptr;
}

void TCellList::GetValueX2(int Row, int Col, TXlsCellValue& V, TRTFRunList& RTFRuns) const
{
    CheckCell(Row, Col);
    RTFRuns.clear();
    V = TXlsCellValue();
    int index = 0;
    const TCellRecordList* cells = FindCell(Row, Col, index);
    if (!cells)
        return;
    V.XF = cells->XF(index);
    const std::uint16_t id = cells->Id(index);
    V.IsFormula = id == xlr::FORMULA;
    TRichString rich;
    // Each id has one record class; texts are always records.
    if (id == xlr::LABELSST)
        rich = static_cast<const TLabelSSTRecord*>(cells->Record(index))->AsRichString();
    else if (id == xlr::RSTRING)
        rich = static_cast<const TRStringRecord*>(cells->Record(index))->AsRichString();
    else {
        V.Value = cells->GetValue(index);
        return;
    }
    V.Value = rtl::Utf16ToUtf8(rich.Value);
    RTFRuns = std::move(rich.RTFRuns);
}

TXlsCellValue TCellList::GetValue(int Row, int Col) const
{
    TXlsCellValue value;
    TRTFRunList runs;
    GetValueX2(Row, Col, value, runs);
    return value;
}

std::u16string TCellList::GetSheetName(int SheetNumber) const
{
    return FGlobals.GetSheetName(SheetNumber);
}

bool TCellList::FindSheet(std::u16string_view SheetName, int& SheetIndex) const
{
    const std::u16string wanted = UpperCaseUnicode(SheetName);
    for (int i = 0; i < FGlobals.SheetCount(); ++i) {
        if (UpperCaseUnicode(FGlobals.GetSheetName(i)) == wanted) {
            SheetIndex = i;
            return true;
        }
    }
    SheetIndex = -1;
    return false;
}

bool TCellList::FindName(std::u16string_view Name, int& NameIndex) const
{
    NameIndex = FGlobals.FindName(-1, Name);
    return NameIndex >= 0;
}

void TCellList::ExpandSharedFormulas()
{
    std::vector<TFormulaRecord*> formulas;
    std::map<std::uint32_t, std::unique_ptr<TBaseRecord>> shared;
    for (int row = 0; row < Count(); ++row) {
        const TCellRecordList* cells = CellRow(row);
        for (int i = 0; cells && i < cells->Count(); ++i) {
            if (cells->Id(i) == xlr::FORMULA) {
                auto* formula = static_cast<TFormulaRecord*>(cells->Record(i));
                formulas.push_back(formula);
                if (auto record = formula->TakeSharedFormula())
                    shared[(static_cast<std::uint32_t>(formula->Column()) << 16) | formula->Row()] = std::move(record);
            }
        }
    }
    for (TFormulaRecord* formula : formulas) {
        std::uint32_t key = 0;
        if (!formula->IsExp(key))
            continue;
        const auto found = shared.find(key);
        if (found != shared.end())
            formula->MixShared(found->second->Data);
    }
}

std::string TCellList::GetFormula(int Row, int Col) const
{
    CheckCell(Row, Col);
    const auto* formula = dynamic_cast<const TFormulaRecord*>(FindRecord(Row, Col));
    if (!formula)
        return {};
    try {
        return DecodeFormula(formula->Data, TFormulaRecord::TokenStart, *this);
    } catch (const EExcelException& e) {
        // Tokens that name a sheet, name or function that is not there, or
        // that are cut short, say which cell they came from.
        ExcelError(UnreadableFormula, Row + 1, Col + 1, e.Message());
    }
}

int TCellList::AddExternSheet(int FirstSheet, int LastSheet)
{
    return FGlobals.References().AddSheet(FGlobals.SheetCount(), FirstSheet, LastSheet);
}

std::string TCellList::ExternSheetPrefix(int ExternSheet) const
{
    return FGlobals.References().GetSheetName(ExternSheet, FGlobals);
}

std::string TCellList::DefinedName(int ExternSheet, int NameIndex) const
{
    return FGlobals.References().GetName(ExternSheet, NameIndex, FGlobals);
}

namespace {

// The ARRAY or TABLE record attached to the formula at a cell.
ByteArray AttachedFormula(const TCellList& Cells, int Row, int Col, TBaseRecord* (TFormulaRecord::*Attached)() const)
{
    CheckCell(Row, Col);
    const auto* formula = dynamic_cast<const TFormulaRecord*>(Cells.FindRecord(Row, Col));
    if (!formula)
        ExcelError(msg::SharedFormulaNotFound);
    const TBaseRecord* record = (formula->*Attached)();
    if (!record)
        ExcelError(msg::UnsupportedFormula, Row, Col, 1);
    return record->Data;
}

} // namespace

ByteArray TCellList::ArrayFormula(int Row, int Col) const
{
    return AttachedFormula(*this, Row, Col, &TFormulaRecord::ArrayRecord);
}

ByteArray TCellList::TableFormula(int Row, int Col) const
{
    return AttachedFormula(*this, Row, Col, &TFormulaRecord::TableRecord);
}

int TCellList::DefaultXF(int Row, int Col) const
{
    if (FRowRecordList.HasRow(Row) && FRowRecordList.GetItems(Row)->IsFormatted())
        return FRowRecordList.GetItems(Row)->XF();
    const int columnXF = FColumnXF ? FColumnXF(Col) : -1;
    return columnXF >= 0 ? columnXF : NormalStyleXF;
}

TCellList::TNewCell TCellList::CreateCell(int Row, int Col, int XF, int DefaultFormat, const Variant& Value,
                                          const TRTFRunList& RTFRuns, bool Options1904) const
{
    const auto row = static_cast<std::uint16_t>(Row);
    const auto col = static_cast<std::uint16_t>(Col);
    const auto xf = static_cast<std::uint16_t>(XF);
    switch (Value.VarType()) {
    case varEmpty:
    case varNull:
        break;
    case varString: {
        const std::string text = Value.AsString();
        if (text.empty())
            break;
        auto label = TLabelSSTRecord::CreateFromData(row, col, xf, &FGlobals.SST());
        if (RTFRuns.empty())
            label->SetValue(Value);
        else
            label->SetAsRichString({rtl::Utf8ToUtf16(text), RTFRuns});
        return {{}, std::move(label)};
    }
    case varBoolean:
        return {TCellSlot::BoolErr(Col, xf, Value.AsBoolean() ? 1 : 0, 0), {}};
    case varDate:
        return {NumberCell(Col, xf, Value.AsDate() - (Options1904 ? Dates1904Offset : 0)), {}};
    case varInteger:
    case varLongWord:
    case varInt64:
    case varDouble:
    case varCurrency:
        return {NumberCell(Col, xf, Value.AsDouble()), {}};
    default:
        // Error values and unsigned 64-bit integers have no cell record;
        // dropping the cell would lose the caller's data without a word.
        UnsupportedValue(Value);
    }
    if (XF != DefaultFormat)
        return {TCellSlot::Blank(Col, xf), {}};
    return {};
}

void TCellList::SetValueX2(int Row, int Col, const TXlsCellValue& Value, const TRTFRunList& RTFRuns,
                           bool Options1904)
{
    CheckCell(Row, Col);
    if (Value.XF > 0xFFFF)
        ExcelError(msg::IndexOutOfRange, Value.XF, "XF", 0, 0xFFFF);
    const int defaultXF = DefaultXF(Row, Col);
    // Built before anything changes, so a value no cell can hold leaves the
    // sheet as it was.
    StoreCell(Row, Col,
              CreateCell(Row, Col, Value.XF >= 0 ? Value.XF : CurrentXF(Row, Col), defaultXF, Value.Value, RTFRuns,
                         Options1904));
}

int TCellList::CurrentXF(int Row, int Col) const
{
    int index = 0;
    const TCellRecordList* cells = FindCell(Row, Col, index);
    return cells ? cells->XF(index) : DefaultXF(Row, Col);
}

void TCellList::StoreCell(int Row, int Col, TNewCell Cell)
{
    TCellRecordList* cells = CellRow(Row);
    int index = 0;
    const bool existed = cells && cells->Find(Col, index);
    const bool empty = !Cell.Plain && !Cell.Record;
    FRowRecordList.AddRow(Row);
    if (existed)
        cells->Delete(index);
    if (existed && empty)
        RepairRowBounds(Row);
    TrimTrailingRows(Row, !empty);
    if (empty)
        return;

    TRowEntry* rowRecord = FRowRecordList.GetItems(Row);
    if (rowRecord->MaxCol() < Col + 1)
        rowRecord->SetMaxCol(static_cast<std::uint16_t>(Col + 1));
    if (rowRecord->MinCol() > Col)
        rowRecord->SetMinCol(static_cast<std::uint16_t>(Col));
    // A row made here is empty, and the cell goes first.
    TCellRecordList& row = EnsureRow(Row);
    if (Cell.Record)
        row.Insert(index, std::move(Cell.Record));
    else
        row.Insert(index, *Cell.Plain);
}

void TCellList::AssignFormulaX(int Row, int Col, std::string_view Formula, const Variant& Value, bool Options1904)
{
    CheckCell(Row, Col);
    if (Formula.empty()) {
        StoreCell(Row, Col, {});
        return;
    }
    TParseString parser(Formula, *this, fmValue);
    parser.Parse();
    ByteArray tokens(static_cast<std::size_t>(parser.TotalSize()));
    parser.CopyToPtr(tokens, 0);
    StoreCell(Row, Col,
              {{},
               TFormulaRecord::CreateFromData(static_cast<std::uint16_t>(Row), static_cast<std::uint16_t>(Col),
                                              static_cast<std::uint16_t>(CurrentXF(Row, Col)), tokens, Value,
                                              Options1904)});
}

void TCellList::SetFormula(int Row, int Col, std::string_view Value)
{
    AssignFormulaX(Row, Col, Value, Variant(), false);
}

void TCellList::SetFormat(int Row, int Col, int XF)
{
    CheckCell(Row, Col);
    int index = 0;
    TCellRecordList* cells = FRowRecordList.HasRow(Row) ? FindCell(Row, Col, index) : nullptr;
    if (cells && XF <= 0xFFFF) {
        // A negative index is the absent format, which the cell's place
        // provides; the cell keeps its value either way.
        cells->SetXF(index, static_cast<std::uint16_t>(XF >= 0 ? XF : DefaultXF(Row, Col)));
        return;
    }
    TXlsCellValue value;
    value.XF = XF;
    SetValueX2(Row, Col, value, {}, false);
}

void TCellList::RepairRowBounds(int Row)
{
    TRowEntry* rowRecord = FRowRecordList.GetItems(Row);
    TCellRecordList* cells = CellRow(Row);
    if (cells && cells->Count() > 0) {
        if (!cells->Sorted)
            cells->Sort();
        rowRecord->SetMinCol(static_cast<std::uint16_t>(cells->Column(0)));
        rowRecord->SetMaxCol(static_cast<std::uint16_t>(cells->Column(cells->Count() - 1) + 1));
    } else if (rowRecord->IsModified()) {
        rowRecord->SetMinCol(0);
        rowRecord->SetMaxCol(0);
    } else {
        // Rows keep their numbers: an inner row leaves an empty item.
        FRowRecordList.Remove(Row);
    }
}

void TCellList::TrimTrailingRows(int Row, bool KeepRow)
{
    for (int i = FRowRecordList.Count() - 1; i >= 0; --i) {
        if (KeepRow && i <= Row)
            break;
        if (FRowRecordList.HasRow(i) && FRowRecordList.GetItems(i)->IsModified())
            break;
        if (CellRow(i) && CellRow(i)->Count() > 0)
            break;
        FRowRecordList.Remove(i);
    }
    // Cell rows past the last ROW record hold nothing once the walk is done.
    int last = Count() - 1;
    while (last >= FRowRecordList.Count() && CellRow(last)->Count() == 0)
        --last;
    TruncateRows(last + 1);
}

std::int64_t TCellList::FixTotalSize(bool NeedsRecalc) const
{
    std::int64_t size = 0;
    for (int row = 0; row < Count(); ++row)
        size += CellRow(row)->FixTotalSize(NeedsRecalc);
    return size;
}
