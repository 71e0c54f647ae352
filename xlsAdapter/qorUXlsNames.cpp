// Defined names: the NAME record, and the workbook's rules for valid names
// and for adding and finding them.
#include "xlsAdapter/qorUXlsNameRecord.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUXlsEncodeFormula.h"
#include "xlsAdapter/qorUXlsStrings.h"
#include "xlsAdapter/qorUXlsTokenArray.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

constexpr int NameLengthOffset = 3;
constexpr int SheetOffset = 6;
constexpr std::uint16_t BuiltInName = 0x0020;
constexpr std::uint16_t CountryId = 0x008C;
constexpr int MaxNameLength = 254;
constexpr int Area3dSize = 11;
constexpr int Ref3dSize = 7;

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool AllDigits(std::u16string_view Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TNameRecord::TNameRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(TextStart + 1);
    if (FormulaStart() + FormulaSize() > DataSize())
        ReadError("the name and its formula reach past the record");
}

int TNameRecord::NameBytes() const
{
    const int chars = Data[NameLengthOffset];
    return 1 + chars * ((Data[TextStart] & 1) != 0 ? 2 : 1);
}

std::u16string TNameRecord::Name() const
{
    std::int64_t byteCount = 0;
    std::u16string text;
    ReadBiffString(false, Data, TextStart, byteCount, text, Data[NameLengthOffset], true);
    return text;
}

ByteArray TNameRecord::CountedFormula() const
{
    ByteArray out(2);
    SetWord(out, 0, static_cast<std::uint16_t>(FormulaSize()));
    out.insert(out.end(), Data.begin() + FormulaStart(), Data.begin() + FormulaStart() + FormulaSize());
    return out;
}

std::unique_ptr<TNameRecord> TNameRecord::CreateFromData(const TXlsNamedRange& Range, const std::u16string& SheetName,
                                                         TFormulaContext& CellList)
{
    const std::u16string name = rtl::Utf8ToUtf16(Range.Name);
    if (name.empty() || name.size() > MaxNameLength)
        ExcelError(msg::InvalidNamedRange, Range.Name);
    const std::string formula = Trim(Range.RangeFormula);
    ByteArray tokens;
    if (!formula.empty()) {
        TParseString parser(formula, CellList, true, rtl::Utf16ToUtf8(SheetName), fmRef);
        parser.Parse();
        tokens.resize(static_cast<std::size_t>(parser.TotalSize()));
        parser.CopyToPtr(tokens, 0);
    } else {
        tokens = {0, 0};
    }
    const TExcelString text(1, name);
    ByteArray data(TextStart);
    SetWord(data, 0, static_cast<std::uint16_t>(Range.OptionFlags));
    data[NameLengthOffset] = static_cast<std::uint8_t>(name.size());
    SetWord(data, FormulaSizeOffset, GetWord(tokens, 0));
    if (Range.NameSheetIndex >= 0) {
        SetWord(data, SheetOffset, static_cast<std::uint16_t>(Range.NameSheetIndex + 1));
        SetWord(data, LocalSheetOffset, static_cast<std::uint16_t>(Range.NameSheetIndex + 1));
    }
    const std::size_t textAt = data.size();
    data.resize(textAt + 1 + name.size() * static_cast<std::size_t>(text.GetCharSize()));
    text.CopyToPtr(data, static_cast<std::int64_t>(textAt), false);
    data.insert(data.end(), tokens.begin() + 2, tokens.end());
    return std::make_unique<TNameRecord>(xlr::NAME, std::move(data));
}

int TNameRecord::Bound(int Which) const
{
    if (FormulaSize() == 0)
        return -1;
    const int at = FormulaStart();
    const std::uint8_t id = NormalizeTokenId(Data[at]);
    // Only a name that is one reference has an area: in =SUM(A1:A2) the
    // first token is an argument, not what the name stands for.
    if (id == ptgArea3d && FormulaSize() == Area3dSize) {
        const std::uint16_t word = GetWord(Data, at + 3 + 2 * Which);
        return Which < 2 ? word : word & ColumnWordColumnMask;
    }
    if (id == ptgRef3d && FormulaSize() == Ref3dSize) {
        const std::uint16_t word = GetWord(Data, at + (Which < 2 ? 3 : 5));
        return Which < 2 ? word : word & ColumnWordColumnMask;
    }
    return -1;
}

int TNameRecord::RefersToSheet(const std::function<int(int)>& GetSheet) const
{
    if (Bound(0) < 0)
        return -1;
    return GetSheet(GetWord(Data, FormulaStart() + 1));
}

void TNameRecord::SetBound(int Which, int Value)
{
    if (Bound(0) < 0)
        return;
    const int at = FormulaStart();
    if (NormalizeTokenId(Data[at]) == ptgRef3d) {
        // Widened into an area of that one cell: [row, row, column, column].
        const std::uint8_t row[2] = {Data[at + 3], Data[at + 4]};
        const std::uint8_t column[2] = {Data[at + 5], Data[at + 6]};
        Data[at] = static_cast<std::uint8_t>(Data[at] + 1);
        Data.insert(Data.begin() + at + 5, row, row + 2);
        Data.insert(Data.begin() + at + 9, column, column + 2);
        SetWord(Data, FormulaSizeOffset, static_cast<std::uint16_t>(FormulaSize() + 4));
    }
    const int pos = at + 3 + 2 * Which;
    if (Which < 2)
        SetWord(Data, pos, static_cast<std::uint16_t>(Value));
    else
        SetWord(Data, pos,
                static_cast<std::uint16_t>((GetWord(Data, pos) & ~ColumnWordColumnMask) | (Value & ColumnWordColumnMask)));
}

template <typename TArrange>
void TNameRecord::ArrangeTokens(TArrange Arrange)
{
    try {
        Arrange(std::span<std::uint8_t>(Data), static_cast<std::size_t>(FormulaStart()),
                static_cast<std::size_t>(FormulaStart() + FormulaSize()));
    } catch (const ETokenException& e) {
        ExcelError(msg::UnsupportedNameFormula, rtl::Utf16ToUtf8(Name()), static_cast<unsigned>(e.Token));
    }
}

void TNameRecord::CheckArrangeable() const
{
    const_cast<TNameRecord*>(this)->ArrangeTokens(
        [](std::span<const std::uint8_t> data, std::size_t start, std::size_t end) { CheckTokens(data, start, end); });
}

void TNameRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                           const TSheetInfo& SheetInfo)
{
    // A name's references all name their sheet; none belongs to a formula sheet.
    TSheetInfo info = SheetInfo;
    info.FormulaSheet = -1;
    ArrangeTokens([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        ArrangeTokensInsert(data, start, end, aRowPos, aRowCount, 0, aColPos, aColCount, 0, info);
    });
}

void TNameRecord::ArrangeInsertSheets(int FirstSheet, int SheetCount)
{
    const int sheet = RangeSheet();
    if (sheet < 0 || sheet < FirstSheet)
        return;
    const int moved = sheet + SheetCount + 1;
    if (moved > 65001 || moved < 1)
        ExcelError(msg::TooManyEntries, moved, 65001);
    SetWord(Data, LocalSheetOffset, static_cast<std::uint16_t>(moved));
    SetWord(Data, SheetOffset, static_cast<std::uint16_t>(moved));
}

std::unique_ptr<TNameRecord> TNameRecord::ArrangeCopySheet(const TSheetInfo& SheetInfo) const
{
    auto copy = std::make_unique<TNameRecord>(Id, Data);
    copy->ArrangeTokens([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        ArrangeTokensCopySheet(data, start, end, SheetInfo);
    });
    SetWord(copy->Data, LocalSheetOffset, static_cast<std::uint16_t>(SheetInfo.InsSheet + 1));
    SetWord(copy->Data, SheetOffset, static_cast<std::uint16_t>(SheetInfo.InsSheet + 1));
    return copy;
}

void TNameRecord::RenumberNames(const std::vector<int>& NewIndex)
{
    ArrangeTokens([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        RenumberNameTokens(data, start, end, NewIndex);
    });
}

void TNameRecordList::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                               const TSheetInfo& SheetInfo)
{
    for (int i = 0; i < Count(); ++i)
        Items(i)->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
}

void TNameRecordList::CheckArrangeable() const
{
    for (int i = 0; i < Count(); ++i)
        Items(i)->CheckArrangeable();
}

void TNameRecordList::InsertSheets(int CopyFrom, int BeforeSheet, int SheetCount, const TSheetInfo& SheetInfo)
{
    const int existing = Count();
    for (int i = 0; i < existing; ++i) {
        TNameRecord* name = Items(i);
        const bool ofSource =
            CopyFrom >= 0 && (name->RangeSheet() == CopyFrom ||
                              (name->RangeSheet() == -1 && SheetInfo.GetSheet &&
                               name->RefersToSheet(SheetInfo.GetSheet) == SheetInfo.FormulaSheet));
        if (ofSource) {
            for (int k = 0; k < SheetCount; ++k) {
                TSheetInfo info = SheetInfo;
                info.InsSheet = BeforeSheet + k;
                Add(name->ArrangeCopySheet(info));
            }
        }
        name->ArrangeInsertSheets(BeforeSheet, SheetCount);
    }
}

std::vector<int> TNameRecordList::DeleteSheets(int SheetIndex, int SheetCount)
{
    std::vector<int> newIndex(static_cast<std::size_t>(Count()), -1);
    int kept = 0;
    for (int i = 0; i < Count(); ++i) {
        const int sheet = Items(i)->RangeSheet();
        if (sheet < SheetIndex || sheet >= SheetIndex + SheetCount)
            newIndex[static_cast<std::size_t>(i)] = kept++;
    }
    for (int i = Count() - 1; i >= 0; --i) {
        if (newIndex[static_cast<std::size_t>(i)] < 0) {
            Delete(i);
            continue;
        }
        Items(i)->ArrangeInsertSheets(SheetIndex, -SheetCount);
    }
    for (int i = 0; i < Count(); ++i)
        Items(i)->RenumberNames(newIndex);
    return newIndex;
}

bool TWorkbookGlobals::IsValidRangeName(std::string_view Name, std::int32_t& OptionFlags)
{
    const std::u16string name = rtl::Utf8ToUtf16(Name);
    if (name.empty() || name.size() > MaxNameLength || name == u"R" || name == u"r")
        return false;
    if (name.size() == 1 && name[0] <= 13) {
        OptionFlags |= BuiltInName;
        return true;
    }
    for (const char16_t c : name) {
        if (c <= 47 || c == u':' || c == u';' || c == u'<' || c == u'=' || c == u'>' || c == u'@' || c == u'[' ||
            c == u']' || c == u'{' || c == u'}' || c == u'~' || c == 160 || (c >= 127 && c <= 191 && c != 181))
            return false;
    }
    if (name[0] < 65)
        return false;
    // Names that read as cell references, such as AB12 or A1.
    if (IsAsciiLetter(name[0]) && name.size() > 1) {
        if (IsAsciiLetter(name[1]))
            return !(name.size() > 2 && AllDigits(std::u16string_view(name).substr(2)));
        return !AllDigits(std::u16string_view(name).substr(1));
    }
    return true;
}

TNameRecord* TWorkbookGlobals::GetName(int sheet, std::string_view aName) const
{
    const std::u16string wanted = UpperCaseUnicode(rtl::Utf8ToUtf16(aName));
    for (int i = FNames.Count() - 1; i >= 0; --i) {
        TNameRecord* name = FNames.Items(i);
        if (name->RangeSheet() == sheet && UpperCaseUnicode(name->Name()) == wanted)
            return name;
    }
    return nullptr;
}

int TWorkbookGlobals::FindName(int sheet, std::u16string_view aName) const
{
    const std::u16string wanted = UpperCaseUnicode(aName);
    for (int i = FNames.Count() - 1; i >= 0; --i)
        if (FNames.Items(i)->RangeSheet() == sheet && UpperCaseUnicode(FNames.Items(i)->Name()) == wanted)
            return i;
    return -1;
}

void TWorkbookGlobals::AddName(const TXlsNamedRange& Range, TFormulaContext& CellList)
{
    std::int32_t optionFlags = Range.OptionFlags;
    const bool valid = IsValidRangeName(Range.Name, optionFlags);
    TXlsNamedRange range = Range;
    range.OptionFlags = optionFlags;
    const std::u16string wanted = UpperCaseUnicode(rtl::Utf8ToUtf16(Range.Name));
    const std::u16string sheetName = SheetCount() > 0 ? GetSheetName(std::max(0, Range.NameSheetIndex)) : u"";
    for (int i = 0; i < FNames.Count(); ++i) {
        const TNameRecord* name = FNames.Items(i);
        if (name->RangeSheet() == Range.NameSheetIndex && UpperCaseUnicode(name->Name()) == wanted) {
            auto replacement = TNameRecord::CreateFromData(range, sheetName, CellList);
            FNames.Delete(i);
            FNames.Insert(i, std::move(replacement));
            return;
        }
    }
    if (!valid)
        ExcelError(msg::InvalidNamedRange, Range.Name);
    FNames.Add(TNameRecord::CreateFromData(range, sheetName, CellList));
    CheckInternalNames(optionFlags);
}

void TWorkbookGlobals::CheckInternalNames(std::int32_t OptionFlags)
{
    if ((OptionFlags & BuiltInName) != 0)
        DeleteCountry();
}

void TWorkbookGlobals::DeleteCountry()
{
    for (int i = FMiscRecords.Count() - 1; i >= 0; --i) {
        if (FMiscRecords.Items(i)->Id == CountryId) {
            FMiscRecords.Delete(i);
            return;
        }
    }
}
