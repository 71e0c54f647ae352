// Cell references of formulas: A1 and R1C1 forms, ranges, other grids and cell names.
#include <algorithm>
#include <climits>

#include "grid/QuillGrid.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/FormulaText.h"
#include "spreadsheet/QuillPars.h"

using rtl::Utf8ToUtf16;
using rtl::Latin1ToUtf8;

using spreadsheet::TextToNumber;

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value of a run of digits, held within int's range so that an absurd row
// number lands outside every grid instead of wrapping into it.
int DigitsValue(std::string_view digits)
{
    long long value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) break;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX / 2);
    }
    return static_cast<int>(value);
}

// Column offset of one or two letters: A = 0 … Z = 25, AA = 26 … ZZ = 701.
int ColumnOffset(std::string_view letters)
{
    auto code = [](char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; };
    if (letters.size() == 1) return code(letters[0]) - 65;
    return 26 * code(letters[0]) + code(letters[1]) - 1729;
}

// A cell text as a formula reads it: a number, a date or time, or the text itself.
// Separators are mapped only to read a number; a text keeps its commas.
Variant CellTextValue(const std::string& t, bool emptyIsZero)
{
    const std::string dotted = DotDecimalText(t);
    double number = 0;
    if (t.find('=') != std::string::npos) {
        if (TextToNumber(dotted, number)) return Variant(number);
        return Variant(t);
    }
    const auto slashes = std::count(t.begin(), t.end(), '/');
    const bool colon = t.find(':') != std::string::npos;
    try {
        if (colon && slashes == 2) return Variant(StrToDateTime(t));
        if (slashes == 2) return Variant(StrToDate(t));
        if (slashes == 0 && colon) return Variant(StrToTime(t));
    } catch (const EConvertError&) {
        return Variant(t);
    }
    if (t.empty()) return emptyIsZero ? Variant(0.0) : Variant(std::string());
    if (TextToNumber(dotted, number)) return Variant(number);
    return Variant(t);
}

} // namespace

int TGridFormula::SplitReference(std::string& word, std::string& letters, std::string& rowPart,
                                 std::string& colPart)
{
    const int keep = i;
    word = ReadWord();
    i = keep;
    letters.clear();
    rowPart.clear();
    colPart.clear();
    std::string_view rest(word);
    if (const size_t bang = rest.find('!'); bang != std::string_view::npos) rest.remove_prefix(bang + 1);
    bool rSeen = false;
    bool cSeen = false;
    for (size_t k = 0; k < rest.size(); ++k) {
        const char c = rest[k];
        const bool allowed = IsLetter(c) || IsDigit(c) || c == '!' || c == '$' || c == '(' || c == ')' ||
                             c == ':' || c == '[' || c == ']';
        if (!allowed) break;
        if (IsLetter(c)) letters += c;
        if (FUseRCNames) {
            if (c == 'R' && k == 0) rSeen = true;
            if (c == 'C') cSeen = true;
            if (IsDigit(c) && rSeen && !cSeen) rowPart += c;
            if (IsDigit(c) && rSeen && cSeen) colPart += c;
        } else if (IsDigit(c)) {
            if (letters.size() == 1 || letters.size() == 2) colPart = letters;
            letters.clear();
            rowPart += c;
        }
    }
    if (rowPart.empty()) colPart.clear();
    return static_cast<int>(word.size());
}

bool TGridFormula::IsCellReference()
{
    const char16_t c = Ch(i);
    if (c != u'$' && !((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
    std::string word, letters, rowPart, colPart;
    SplitReference(word, letters, rowPart, colPart);
    if (CellNameIndex(letters) >= 0) return true;
    return !rowPart.empty() && !colPart.empty();
}

int TGridFormula::CellNameIndex(const std::string& name) const
{
    if (name.empty() || FCellNameList->Count() == 0) return -1;
    return FCellNameList->IndexOf(name);
}

bool TGridFormula::GetNamedCellValue(TTokenClass& cls, const std::string& name, double& num)
{
    num = 0;
    const int index = CellNameIndex(name);
    if (index < 0) return false;
    const auto packed = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(FCellNameList->Objects(index)));
    Variant value;
    ReadCellValue(cls, {}, static_cast<int>(packed & 0xFFFF), value, static_cast<int>(packed >> 16), false);
    if (value.VarType() == varDouble) num = value.AsDouble();
    return true;
}

void TGridFormula::EvaluateReference(TTokenClass& cls, Variant& value)
{
    std::string word, letters, rowPart, colPart;
    const int length = SplitReference(word, letters, rowPart, colPart);
    std::string gridName;
    if (const size_t bang = word.find('!'); bang != std::string::npos) gridName = word.substr(0, bang);
    double number = 0;
    if (GetNamedCellValue(cls, letters, number)) {
        value = Variant(number);
        i += length;
        return;
    }
    const int row = DigitsValue(rowPart) + FStringGrid->FixedRows() - 1;
    const int col = FUseRCNames ? DigitsValue(colPart) + FStringGrid->FixedCols() - 1
                                : FStringGrid->FixedCols() + ColumnOffset(colPart);
    ReadCellValue(cls, gridName, col, value, row, false);
    i += length;
}

void TGridFormula::RefToCell(std::string_view ref, int& col, int& row) const
{
    const int fixedCols = FStringGrid->FixedCols();
    const int fixedRows = FStringGrid->FixedRows();
    if (FUseRCNames) {
        std::string_view rest = ref.empty() ? ref : ref.substr(1);
        const size_t c = rest.find_first_of("Cc");
        row = DigitsValue(rest.substr(0, c)) + fixedRows - 1;
        col = (c == std::string_view::npos ? 0 : DigitsValue(rest.substr(c + 1))) + fixedCols - 1;
        return;
    }
    std::string digits, letters;
    for (char c : ref) {
        if (IsDigit(c))
            digits += c;
        else if (c != '$')
            letters += c;
    }
    row = DigitsValue(digits) + fixedRows - 1;
    col = fixedCols + ((letters.size() == 1 || letters.size() == 2) ? ColumnOffset(letters) : 0);
}

bool TGridFormula::RefToRange(std::string_view range, int& c1, int& r1, int& c2, int& r2) const
{
    const size_t colon = range.find(':');
    if (colon == std::string_view::npos) return false;
    RefToCell(range.substr(0, colon), c1, r1);
    RefToCell(range.substr(colon + 1, 255), c2, r2);
    return true;
}

TQuillStringGrid* TGridFormula::TargetGrid(TTokenClass& cls, const std::string& gridName)
{
    if (gridName.empty()) return FStringGrid;
    TBaseGrid* grid = FBinder ? FBinder->Grids().GetGridByName(Latin1ToUtf8(gridName)) : nullptr;
    auto* target = dynamic_cast<TQuillStringGrid*>(grid);
    if (!target) RaiseError(cls, i, feInvalidGridReference, Latin1ToUtf8(gridName));
    return target;
}

bool TGridFormula::ReadCellValue(TTokenClass& cls, const std::string& gridName, int col, Variant& value, int row,
                                 bool rangeCell)
{
    value = Variant(0.0);
    TQuillStringGrid* grid = TargetGrid(cls, gridName);
    if (!grid) return false;
    // Written rows count real rows; single cells and range cells map them alike.
    if (row >= 0 && row < FStringGrid->TotalRowCount()) row = FStringGrid->DisplRowIndex(row);
    col += grid->FixedCols() - FStringGrid->FixedCols();
    row += grid->FixedRows() - FStringGrid->FixedRows();
    if (col < 0 || col >= grid->ColCount() || row < 0 || row >= grid->RowCount()) {
        RaiseError(cls, i, feInvalidCellReference, {});
        return false;
    }
    if (OnGetStoredValue && OnGetStoredValue(grid, col, row, value)) {
        // A cell whose own formula failed has no value to give: the reader fails too.
        if (value.VarType() == varError) {
            value = Variant(0.0);
            RaiseError(cls, i, feInvalidCellReference, {});
            return false;
        }
        return true;
    }
    value = CellTextValue(grid->GetCellEx(col, row), !rangeCell);
    return true;
}

template <class Visit>
void TGridFormula::ForEachRangeCell(TTokenClass& cls, const std::string& gridName, std::string_view range,
                                    Visit visit)
{
    int c1, r1, c2, r2;
    if (!RefToRange(range, c1, r1, c2, r2)) return;
    if (c2 < c1 || r2 < r1) return;
    TQuillStringGrid* grid = TargetGrid(cls, gridName);
    if (!grid) return;
    // A range is clipped to the cells its grid has; reaching beyond them is an error.
    const int colShift = grid->FixedCols() - FStringGrid->FixedCols();
    const int rowShift = grid->FixedRows() - FStringGrid->FixedRows();
    const int lastCol = grid->ColCount() - 1 - colShift;
    const int lastRow = grid->RowCount() - 1 - rowShift;
    if (c1 < -colShift || r1 < -rowShift || c2 > lastCol || r2 > lastRow) {
        RaiseError(cls, i, feInvalidCellReference, {});
        c1 = std::max(c1, -colShift);
        r1 = std::max(r1, -rowShift);
        c2 = std::min(c2, lastCol);
        r2 = std::min(r2, lastRow);
    }
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r) {
            Variant value;
            if (ReadCellValue(cls, gridName, c, value, r, true)) visit(value);
        }
}

void TGridFormula::AddRangeValues(TTokenClass& cls, const std::string& gridName, std::string_view range,
                                  bool skipEmpty, TParamList& list)
{
    ForEachRangeCell(cls, gridName, range, [&](const Variant& value) {
        if (value.VarType() != varString) {
            list.Add(value.AsDouble());
            return;
        }
        const std::string text = value.AsString();
        if (text.empty() && skipEmpty) return;
        double number = 0;
        list.Add(TextToNumber(DotDecimalText(text), number) ? number : 0.0);
    });
}

void TGridFormula::AddRangeTexts(TTokenClass& cls, const std::string& gridName, std::string_view range,
                                 std::vector<Text>& list)
{
    ForEachRangeCell(cls, gridName, range, [&](const Variant& value) {
        list.push_back(Utf8ToUtf16(value.VarType() == varString ? value.AsString() : FloatToStr(value.AsDouble())));
    });
}
