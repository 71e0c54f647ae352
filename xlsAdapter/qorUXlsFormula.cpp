// Formula cells and the records that travel with them.
#include "xlsAdapter/qorUXlsFormula.h"

#include "xlsAdapter/qorUXlsStrings.h"
#include "xlsAdapter/qorUXlsTokenArray.h"
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int ResultOffset = 6;
constexpr int SpecialResultMarker = 12;
constexpr int OptionsOffset = 14;
constexpr std::uint16_t CalculateOnLoad = 0x0002;
constexpr std::uint8_t ResultString = 0;
constexpr std::uint8_t ResultBoolean = 1;
constexpr std::uint8_t ResultError = 2;
// A result that is nothing at all: readers show an empty cell until the
// formula is calculated.
constexpr std::uint8_t ResultEmpty = 3;
constexpr int ChainOffset = 16;
// Days from the 1900 date system's origin to the 1904 one's.
constexpr double Dates1904Offset = 1462;
// Character bytes of a text result in the STRING record and in each of its
// CONTINUE records (which repeat the option byte first).
constexpr std::size_t StringFirstChars = 8219;
constexpr std::size_t StringContinueChars = 8218;

// The STRING record of a text result, continued when the text is long.
std::unique_ptr<TBaseRecord> StringRecord(const std::string& Text)
{
    const TExcelString text(2, rtl::Utf8ToUtf16(Text));
    ByteArray bytes(static_cast<std::size_t>(text.TotalSize()));
    text.CopyToPtr(bytes, 0);
    constexpr std::size_t header = 3;  // count and option byte
    // A 16-bit character is never cut between two records.
    const std::size_t charSize = static_cast<std::size_t>(text.GetCharSize());
    const std::size_t firstChars = StringFirstChars / charSize * charSize;
    const std::size_t continueChars = StringContinueChars / charSize * charSize;
    const std::size_t first = std::min(bytes.size(), header + firstChars);
    auto record = std::make_unique<TBaseRecord>(xlsAdapter::xlr::STRING, ByteArray(bytes.begin(), bytes.begin() + first));
    TBaseRecord* tail = record.get();
    for (std::size_t pos = first; pos < bytes.size(); pos += continueChars) {
        const std::size_t end = std::min(bytes.size(), pos + continueChars);
        ByteArray data{text.OptionFlags};
        data.insert(data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                    bytes.begin() + static_cast<std::ptrdiff_t>(end));
        tail->Continue = std::make_unique<TContinueRecord>(xlsAdapter::xlr::CONTINUE, std::move(data));
        tail = tail->Continue.get();
    }
    return record;
}

void SetSpecialResult(ByteArray& Data, std::uint8_t Kind, std::uint8_t Value)
{
    std::fill(Data.begin() + ResultOffset, Data.begin() + ResultOffset + 8, 0);
    Data[ResultOffset] = Kind;
    Data[ResultOffset + 2] = Value;
    SetWord(Data, SpecialResultMarker, 0xFFFF);
}

} // namespace

TFormulaRecord::TFormulaRecord(std::uint16_t aId, ByteArray aData) : TCellRecord(aId, std::move(aData))
{
    RequireSize(TokenStart);
    auto cursor = Cursor();
    cursor.Seek(TokenStart - 2);
    cursor.Require(cursor.U16() <= cursor.Remaining(), "the formula's tokens reach past the record");
    if (GetWord(Data, SpecialResultMarker) == 0xFFFF) {
        const std::uint8_t kind = Data[ResultOffset];
        const std::uint8_t value = Data[ResultOffset + 2];
        if (kind == ResultBoolean) {
            FormulaValue = value == 1;
        } else if (kind == ResultError) {
            const std::string_view text = xlsAdapter::ErrorCodeText(value);
            if (text != xlsAdapter::fm::ErrUnknown)
                FormulaValue = std::string(text);
        }
        // A text result waits for the STRING record that follows.
    } else {
        double value = 0;
        std::memcpy(&value, Data.data() + ResultOffset, sizeof value);
        FormulaValue = value;
    }
    SetWord(Data, OptionsOffset, GetWord(Data, OptionsOffset) | CalculateOnLoad);
}

std::unique_ptr<TFormulaRecord> TFormulaRecord::CreateFromData(std::uint16_t aRow, std::uint16_t aCol,
                                                               std::uint16_t aXF, std::span<const std::uint8_t> Tokens,
                                                               const Variant& aValue, bool Options1904)
{
    ByteArray data(TokenStart - 2);
    SetWord(data, 0, aRow);
    SetWord(data, 2, aCol);
    SetWord(data, 4, aXF);
    data.insert(data.end(), Tokens.begin(), Tokens.end());
    auto formula = std::make_unique<TFormulaRecord>(xlsAdapter::xlr::FORMULA, std::move(data));
    formula->SetFormulaValue(aValue, Options1904);
    return formula;
}

void TFormulaRecord::DropStringRecord()
{
    std::erase_if(FFollowers, [](const auto& record) { return record->Id == xlsAdapter::xlr::STRING; });
}

void TFormulaRecord::SetFormulaValue(const Variant& v, bool Options1904)
{
    ByteArray data = Data;
    std::unique_ptr<TBaseRecord> text;
    Variant value = v;
    switch (v.VarType()) {
    case varEmpty:
    case varNull:
        SetSpecialResult(data, ResultEmpty, 0);
        value = Variant();
        break;
    case varBoolean:
        SetSpecialResult(data, ResultBoolean, v.AsBoolean() ? 1 : 0);
        break;
    case varString:
        if (v.AsString().empty()) {
            SetSpecialResult(data, ResultEmpty, 0);
            value = Variant();
            break;
        }
        SetSpecialResult(data, ResultString, 0);
        text = StringRecord(v.AsString());
        break;
    case varDate:
    case varInteger:
    case varLongWord:
    case varInt64:
    case varDouble:
    case varCurrency: {
        const double number = v.VarType() == varDate ? v.AsDate() - (Options1904 ? Dates1904Offset : 0) : v.AsDouble();
        std::memcpy(data.data() + ResultOffset, &number, sizeof number);
        value = number;
        break;
    }
    default:
        xlsAdapter::ExcelError(xlsAdapter::msg::InvalidCellValue, VarTypeName(v.VarType()));
    }
    SetWord(data, ChainOffset, 0);
    SetWord(data, ChainOffset + 2, 0);
    SetWord(data, OptionsOffset, GetWord(data, OptionsOffset) | CalculateOnLoad);
    Data = std::move(data);
    FormulaValue = std::move(value);
    DropStringRecord();
    if (text)
        FFollowers.push_back(std::move(text));
}

std::unique_ptr<TBaseRecord> TFormulaRecord::DoCopyTo() const
{
    std::unique_ptr<TBaseRecord> copy = CopyAs<TFormulaRecord>();
    auto& formula = static_cast<TFormulaRecord&>(*copy);
    if (FArrayRecord)
        formula.FArrayRecord = CopyTo(FArrayRecord.get());
    if (FTableRecord)
        formula.FTableRecord = CopyTo(FTableRecord.get());
    for (const auto& follower : FFollowers)
        formula.FFollowers.push_back(CopyTo(follower.get()));
    // A copy computes its own result, often from other cells.
    formula.SetFormulaValue(Variant());
    return copy;
}

bool TFormulaRecord::HasTextResult() const
{
    return GetWord(Data, SpecialResultMarker) == 0xFFFF && Data[ResultOffset] == ResultString;
}

void TFormulaRecord::AddFollower(std::unique_ptr<TBaseRecord> Record)
{
    if (Record->Id == xlsAdapter::xlr::STRING && HasTextResult()) {
        const TBaseRecord* link = Record.get();
        int pos = 0;
        FormulaValue = rtl::Utf16ToUtf8(TExcelString(2, link, pos).Value());
    }
    FFollowers.push_back(std::move(Record));
}

bool TFormulaRecord::IsExp(std::uint32_t& Key) const
{
    constexpr int AnchorOnlySize = TokenStart + 5;
    if (DataSize() != AnchorOnlySize || GetWord(Data, TokenStart - 2) != 5 || Data[TokenStart] != xlsAdapter::ptgExp)
        return false;
    Key = (static_cast<std::uint32_t>(GetWord(Data, TokenStart + 3)) << 16) | GetWord(Data, TokenStart + 1);
    return true;
}

void TFormulaRecord::MixShared(std::span<const std::uint8_t> SharedData)
{
    // The SHRFMLA record: its range (6 bytes), 2 reserved bytes, then the
    // token count and tokens as a formula holds them.
    constexpr std::size_t SharedTokens = 8;
    if (SharedData.size() < SharedTokens + 2)
        ReadError("the shared formula it points at has no tokens");
    Data.resize(TokenStart - 2);
    Data.insert(Data.end(), SharedData.begin() + SharedTokens, SharedData.end());
    const std::size_t end = TokenStart + GetWord(Data, TokenStart - 2);
    if (end > Data.size())
        ReadError("the shared formula's tokens reach past its record");
    xlsAdapter::ArrangeTokensShared(Data, TokenStart, end, Row(), Column());
}

std::unique_ptr<TBaseRecord> TFormulaRecord::TakeSharedFormula()
{
    for (auto it = FFollowers.begin(); it != FFollowers.end(); ++it) {
        if ((*it)->Id == xlsAdapter::xlr::SHRFMLA) {
            std::unique_ptr<TBaseRecord> shared = std::move(*it);
            FFollowers.erase(it);
            return shared;
        }
    }
    return nullptr;
}

namespace {

// The TABLE record of a data table: its range and its input cells.
constexpr int TableMinSize = 16;
constexpr int TableInputs = 8;
constexpr std::uint16_t NoInputRow = 0xFFFF;

// Moves a data table's range (rows at 0 and 2, columns as bytes at 4 and
// 5) and its input cells: a row or column at or after its position by the
// count, then by the offset. A range leaving the sheet is refused; an
// input cell leaving it becomes none.
void ArrangeTable(TBaseRecord& Table, int RowPos, int RowCount, int RowOffset, int ColPos, int ColCount,
                  int ColOffset)
{
    Table.RequireSize(TableMinSize);
    ByteArray data = Table.Data;
    auto moved = [](int value, int pos, int count, int offset) { return (value >= pos ? value + count : value) + offset; };
    for (const int at : {0, 2}) {
        const int row = moved(GetWord(data, at), RowPos, RowCount, RowOffset);
        if (row < 0 || row > 65535)
            xlsAdapter::ExcelError(xlsAdapter::msg::TooManyEntries, row, 65535);
        SetWord(data, at, static_cast<std::uint16_t>(row));
    }
    for (const int at : {4, 5}) {
        const int col = moved(data[static_cast<std::size_t>(at)], ColPos, ColCount, ColOffset);
        if (col < 0 || col > 255)
            xlsAdapter::ExcelError(xlsAdapter::msg::TooManyEntries, col, 255);
        data[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(col);
    }
    for (const int at : {TableInputs, TableInputs + 4}) {
        const std::uint16_t row = GetWord(data, at);
        const std::uint16_t col = GetWord(data, at + 2);
        if (row == NoInputRow || col >= 255)
            continue;
        const int newRow = moved(row, RowPos, RowCount, RowOffset);
        const int newCol = moved(col, ColPos, ColCount, ColOffset);
        const bool inside = newRow >= 0 && newRow <= 65535 && newCol >= 0 && newCol <= 255;
        SetWord(data, at, inside ? static_cast<std::uint16_t>(newRow) : NoInputRow);
        SetWord(data, at + 2, inside ? static_cast<std::uint16_t>(newCol) : 0xFFFF);
    }
    Table.Data = std::move(data);
}

} // namespace

template <typename TArrange>
void TFormulaRecord::ArrangeTokens(TArrange Arrange)
{
    try {
        Arrange(std::span<std::uint8_t>(Data), std::size_t{TokenStart}, TokenEnd());
    } catch (const xlsAdapter::ETokenException& e) {
        xlsAdapter::ExcelError(xlsAdapter::msg::UnsupportedFormula, Row() + 1, Column() + 1,
                               static_cast<unsigned>(e.Token));
    }
}

void TFormulaRecord::CheckArrangeable() const
{
    const_cast<TFormulaRecord*>(this)->ArrangeTokens(
        [](std::span<const std::uint8_t> data, std::size_t start, std::size_t end) {
            xlsAdapter::CheckTokens(data, start, end);
        });
}

void TFormulaRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                              const TSheetInfo& SheetInfo)
{
    CheckArrangeable();
    // The cell and its data table move first: they refuse to leave the
    // sheet before any token changes.
    const bool ownSheet = SheetInfo.InsSheet >= 0 && SheetInfo.FormulaSheet == SheetInfo.InsSheet;
    if (FTableRecord && ownSheet)
        ArrangeTable(*FTableRecord, aRowPos, aRowCount, 0, aColPos, aColCount, 0);
    TBaseRowColRecord::ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
    ArrangeTokens([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        xlsAdapter::ArrangeTokensInsert(data, start, end, aRowPos, aRowCount, 0, aColPos, aColCount, 0, SheetInfo);
    });
}

void TFormulaRecord::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    CheckArrangeable();
    TSheetInfo sameSheet;
    sameSheet.InsSheet = 0;
    sameSheet.FormulaSheet = 0;
    if (FTableRecord)
        ArrangeTable(*FTableRecord, 0, 0, RowOffset, 0, 0, ColOffset);
    ArrangeTokens([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        xlsAdapter::ArrangeTokensInsert(data, start, end, 0, 0, RowOffset, 0, 0, ColOffset, sameSheet);
    });
    TBaseRowColRecord::ArrangeCopyRowsAndCols(RowOffset, ColOffset);
}

void TFormulaRecord::ArrangeCopySheet(const TSheetInfo& SheetInfo)
{
    ArrangeTokens([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        xlsAdapter::ArrangeTokensCopySheet(data, start, end, SheetInfo);
    });
}

void TFormulaRecord::RenumberNames(const std::vector<int>& NewIndex)
{
    ArrangeTokens([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        xlsAdapter::RenumberNameTokens(data, start, end, NewIndex);
    });
}

void TFormulaRecord::AttachCompanion(TBaseRecord& Owner, std::unique_ptr<TBaseRecord> Companion)
{
    auto& formula = static_cast<TFormulaRecord&>(Owner);
    if (Companion->Id == xlsAdapter::xlr::ARRAY)
        formula.SetArrayRecord(std::move(Companion));
    else
        formula.SetTableRecord(std::move(Companion));
}

void TFormulaRecord::SaveToStream(TOle2File& Workbook)
{
    TCellRecord::SaveToStream(Workbook);
    if (FArrayRecord)
        FArrayRecord->SaveToStream(Workbook);
    if (FTableRecord)
        FTableRecord->SaveToStream(Workbook);
    for (const auto& follower : FFollowers)
        follower->SaveToStream(Workbook);
}

int TFormulaRecord::TotalSize() const
{
    int size = TCellRecord::TotalSize();
    if (FArrayRecord)
        size += FArrayRecord->TotalSize();
    if (FTableRecord)
        size += FTableRecord->TotalSize();
    for (const auto& follower : FFollowers)
        size += follower->TotalSize();
    return size;
}

int TFormulaRecord::TotalSizeNoHeaders() const
{
    int size = TCellRecord::TotalSizeNoHeaders();
    if (FArrayRecord)
        size += FArrayRecord->TotalSizeNoHeaders();
    if (FTableRecord)
        size += FTableRecord->TotalSizeNoHeaders();
    for (const auto& follower : FFollowers)
        size += follower->TotalSizeNoHeaders();
    return size;
}
