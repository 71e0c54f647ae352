// The formula decoder: a stack machine over the tokens, one operand text per
// stack entry.
#include "xlsAdapter/qorUXlsFormulaParser.h"

#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUVyxStack.h"
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include "platform/rtl/Strings.h"

namespace xlsAdapter {
namespace {

// Each operator copies its operands into a new text, so a hostile token
// array could make quadratic work out of a few kilobytes; no formula a
// person writes comes near this.
constexpr std::size_t MaxOperandText = 16384;
constexpr std::uint16_t LastRow = 0xFFFF;

// Offset of the token count in an ARRAY record; its tokens follow it.
constexpr std::int64_t ArrayRecordTokens = 14;
// The TABLE record: flags, then the row and column of each input cell.
constexpr std::size_t TableFlags = 6;
constexpr std::size_t TableFirstInput = 8;
constexpr std::size_t TableSecondInput = 12;
constexpr std::uint16_t TableTwoInputs = 0x0008;

constexpr std::string_view TableFunction = "TABLE";
constexpr std::string_view SumFunction = "SUM";
constexpr std::string_view TooLongText = "the formula text grows past 16384 bytes";
constexpr std::string_view LeftOverText = "the tokens leave more than one value";
constexpr std::string_view NestedAnchorText = "an array or table formula anchors another one";

struct TCellRef {
    int Row;
    int Col;
    bool RowRelative;
    bool ColRelative;
};

TCellRef ReadCellRef(rtl::TByteCursor& cur)
{
    const std::uint16_t row = cur.U16();
    const std::uint16_t col = cur.U16();
    return {row, col & ColumnWordColumnMask, (col & ColumnWordRowRelative) != 0, (col & ColumnWordColumnRelative) != 0};
}

std::string CellText(const TCellRef& r)
{
    return CellReferenceText(r.Row, r.Col, r.RowRelative, r.ColRelative);
}

std::string ColumnText(int Col, bool Relative)
{
    return (Relative ? "" : std::string(fm::AbsoluteRef)) + ColNumberToLetters(Col + 1);
}

std::string AreaText(rtl::TByteCursor& cur, bool ShortWholeColumns)
{
    const std::uint16_t firstRow = cur.U16();
    const std::uint16_t lastRow = cur.U16();
    const std::uint16_t firstCol = cur.U16();
    const std::uint16_t lastCol = cur.U16();
    auto part = [](int row, std::uint16_t col) {
        return TCellRef{row, col & ColumnWordColumnMask, (col & ColumnWordRowRelative) != 0,
                        (col & ColumnWordColumnRelative) != 0};
    };
    const TCellRef first = part(firstRow, firstCol);
    const TCellRef last = part(lastRow, lastCol);
    if (ShortWholeColumns && firstRow == 0 && lastRow == LastRow)
        return ColumnText(first.Col, first.ColRelative) + std::string(fm::RangeSep) + ColumnText(last.Col, last.ColRelative);
    return CellText(first) + std::string(fm::RangeSep) + CellText(last);
}

std::string QuotedString(std::u16string_view Text)
{
    std::string out = "\"";
    for (char c : rtl::Utf16ToUtf8(Text)) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

class TFormulaDecoder {
public:
    TFormulaDecoder(std::span<const std::uint8_t> Data, std::int64_t Start, const TFormulaContext& Context,
                    bool AllowAnchors)
        : FData(Data), FStart(Start), FContext(Context), FAllowAnchors(AllowAnchors),
          FCursor(Data, rtl::TByteContext{"xls", "formula", 0}, ThrowExcelError),
          FExtra(Data, rtl::TByteContext{"xls", "formula extra data", 0}, ThrowExcelError)
    {
    }

    std::string Decode();

private:
    void Token(std::uint8_t StoredId);
    void Binary(std::string_view Sign);
    void Operand(std::string Text);
    void Function(int Index, int ArgCount, bool Fixed);
    void Attribute();
    void ArrayConstant();
    void Anchor(std::uint8_t Id);
    std::string Pop();
    void Push(std::string Text);

    std::span<const std::uint8_t> FData;
    std::int64_t FStart;
    const TFormulaContext& FContext;
    bool FAllowAnchors;
    rtl::TByteCursor FCursor;
    rtl::TByteCursor FExtra;
    TFormulaStack FStack;
    bool FAnchored = false;
};

std::string TFormulaDecoder::Decode()
{
    if (FStart < 2 || static_cast<std::uint64_t>(FStart) > FData.size())
        ExcelError(msg::ErrExcelInvalid);
    FCursor.Seek(static_cast<std::size_t>(FStart - 2));
    const std::size_t end = FCursor.Position() + 2 + FCursor.U16();
    FCursor.Require(end <= FData.size(), "the token count reaches past the data");
    FExtra.Seek(end);
    while (FCursor.Position() < end)
        Token(FCursor.U8());
    FCursor.Require(FCursor.Position() == end, "the last token reaches past the token count");
    std::string result = Pop();
    if (FStack.Count() != 0)
        FCursor.Fail(LeftOverText);
    return FAnchored ? result : std::string(fm::FormulaStart) + result;
}

std::string TFormulaDecoder::Pop()
{
    std::string s;
    FStack.Pop(s);
    return s;
}

void TFormulaDecoder::Push(std::string Text)
{
    if (Text.size() > MaxOperandText)
        FCursor.Fail(TooLongText);
    FStack.Push(std::move(Text));
}

void TFormulaDecoder::Binary(std::string_view Sign)
{
    std::string right = Pop();
    std::string left = Pop();
    Push(left + FStack.FmSpaces + std::string(Sign) + right);
}

void TFormulaDecoder::Operand(std::string Text)
{
    Push(FStack.FmSpaces + Text);
}

void TFormulaDecoder::Token(std::uint8_t StoredId)
{
    static constexpr std::string_view BinarySigns[] = {fm::Plus, fm::Minus, fm::Mul, fm::Div, fm::Power, fm::Concat,
                                                       fm::LT,   fm::LE,    fm::EQ,  fm::GE,  fm::GT,    fm::NE,
                                                       fm::Intersect, fm::UnionSep, fm::RangeSep};
    const std::uint8_t id = NormalizeTokenId(StoredId);
    if (id >= ptgAdd && id <= ptgRange) {
        Binary(BinarySigns[id - ptgAdd]);
        return;
    }
    switch (id) {
    case ptgExp:
    case ptgTbl:
        Anchor(id);
        break;
    case ptgUplus:
    case ptgUminus:
        Push(FStack.FmSpaces + std::string(id == ptgUplus ? fm::Plus : fm::Minus) + Pop());
        break;
    case ptgPercent:
        Push(Pop() + FStack.FmSpaces + std::string(fm::Percent));
        break;
    case ptgParen:
        Push(FStack.FmPreSpaces + std::string(fm::OpenParen) + Pop() + FStack.FmPostSpaces + std::string(fm::CloseParen));
        break;
    case ptgMissArg:
        Push(FStack.FmSpaces);
        break;
    case ptgStr: {
        std::int64_t byteCount = 0;
        std::u16string text;
        const auto pos = static_cast<std::int64_t>(FCursor.Position());
        ReadBiffString(false, FData, pos, byteCount, text);
        FCursor.Skip(static_cast<std::size_t>(byteCount));
        Operand(QuotedString(text));
        break;
    }
    case ptgAttr:
        Attribute();
        break;
    case 0x1A:
    case 0x1B:
        break;
    case ptgErr:
        Operand(std::string(ErrorCodeText(FCursor.U8())));
        break;
    case ptgBool:
        Operand(std::string(FCursor.U8() == 1 ? fm::True : fm::False));
        break;
    case ptgInt:
        Operand(std::to_string(FCursor.U16()));
        break;
    case ptgNum:
        Operand(InvariantFloatToText(FCursor.F64()));
        break;
    case ptgArray:
        FCursor.Skip(7);
        ArrayConstant();
        break;
    case ptgFunc: {
        const int index = FCursor.U16();
        Function(index, 0, true);
        break;
    }
    case ptgFuncVar: {
        const int count = FCursor.U8() & 0x7F;
        const int index = FCursor.U16();
        Function(index, count, false);
        break;
    }
    case ptgName: {
        const int index = FCursor.U16();
        FCursor.Skip(2);
        Operand(FContext.DefinedName(-1, index - 1));
        break;
    }
    case ptgRef:
    case ptgRefN:
        Operand(CellText(ReadCellRef(FCursor)));
        break;
    case ptgArea:
    case ptgAreaN:
        Operand(AreaText(FCursor, true));
        break;
    case ptgRefErr:
        FCursor.Skip(4);
        Operand(std::string(fm::ErrRef));
        break;
    case ptgAreaErr:
        FCursor.Skip(8);
        Operand(std::string(fm::ErrRef));
        break;
    case ptgRefErr3d:
        FCursor.Skip(6);
        Operand(std::string(fm::ErrRef));
        break;
    case ptgAreaErr3d:
        FCursor.Skip(10);
        Operand(std::string(fm::ErrRef));
        break;
    case ptgMemArea:
    case ptgMemAreaN: {
        FCursor.Skip(6);
        const std::uint16_t rectangles = FExtra.U16();
        FExtra.Skip(static_cast<std::size_t>(rectangles) * 8);
        break;
    }
    case ptgMemErr:
    case 0x28: // memory tokens without a stored value: same operands
    case 0x2F:
        FCursor.Skip(6);
        break;
    case ptgMemFunc:
        FCursor.Skip(2);
        break;
    case ptgNameX: {
        const int sheet = FCursor.U16();
        const int index = FCursor.U16();
        FCursor.Skip(2);
        Operand(FContext.ExternSheetPrefix(sheet) + FContext.DefinedName(sheet, index - 1));
        break;
    }
    case ptgRef3d:
    case ptgArea3d: {
        const std::string prefix = FContext.ExternSheetPrefix(FCursor.U16());
        const std::string reference = id == ptgRef3d ? CellText(ReadCellRef(FCursor)) : AreaText(FCursor, false);
        // A reference into a deleted sheet has no sheet to name; shown
        // without one it would point at the formula's own sheet.
        Operand(prefix.empty() ? std::string(fm::ErrRef) : prefix + reference);
        break;
    }
    default:
        ExcelError(msg::UnsupportedToken, static_cast<unsigned>(StoredId));
    }
}

void TFormulaDecoder::Function(int Index, int ArgCount, bool Fixed)
{
    const TCellFunctionData* fn = CellFunctionByIndex(Index);
    if (fn == nullptr && !(Index == 255 && !Fixed))
        ExcelError(msg::IndexOutOfRange, Index, "Function name", 0, CellFunctionCount - 1);
    // Function 255 calls the function whose name is its first argument.
    const bool byName = fn == nullptr || (Index == 255 && !Fixed);
    int count = Fixed ? fn->MinArgCount : ArgCount;
    std::string name = byName ? std::string() : fn->Name;
    if (byName)
        --count;
    if (count < 0)
        count = 0;
    if (!FStack.AtLeast(count))
        ExcelError("String Stack is empty");
    std::string args;
    for (int i = 0; i < count; ++i) {
        std::string arg = Pop();
        args = i == 0 ? arg : arg + std::string(fm::FunctionSep) + args;
    }
    if (byName)
        name += Pop();
    Push(FStack.FmSpaces + name + std::string(fm::OpenParen) + args + std::string(fm::CloseParen));
}

void TFormulaDecoder::Attribute()
{
    const std::uint8_t kind = FCursor.U8();
    const std::uint16_t data = FCursor.U16();
    if ((kind & attrChoose) != 0)
        FCursor.Skip((static_cast<std::size_t>(data) + 1) * 2);
    if ((kind & attrSum) != 0)
        Push(FStack.FmSpaces + std::string(SumFunction) + std::string(fm::OpenParen) + Pop() + std::string(fm::CloseParen));
    if ((kind & attrSpace) != 0) {
        const std::uint8_t spaceKind = data & 0xFF;
        const std::size_t count = data >> 8;
        const std::string spaces(count, spaceKind % 2 == 0 ? ' ' : '\r');
        if (spaceKind <= crBeforeToken)
            FStack.FmSpaces = spaces;
        else if (spaceKind <= crBeforeOpenParen)
            FStack.FmPreSpaces = spaces;
        else if (spaceKind <= crBeforeCloseParen)
            FStack.FmPostSpaces = spaces;
    }
}

void TFormulaDecoder::ArrayConstant()
{
    const int cols = FExtra.U8() + 1;
    const int rows = FExtra.U16() + 1;
    std::string text(fm::OpenArray);
    for (int r = 0; r < rows; ++r) {
        if (r > 0)
            text += fm::ArrayRowSep;
        for (int c = 0; c < cols; ++c) {
            if (c > 0)
                text += fm::ArrayColSep;
            const std::uint8_t type = FExtra.U8();
            switch (type) {
            case 1:
                text += InvariantFloatToText(FExtra.F64());
                break;
            case 2: {
                std::int64_t byteCount = 0;
                std::u16string s;
                ReadBiffString(true, FData, static_cast<std::int64_t>(FExtra.Position()), byteCount, s);
                FExtra.Skip(static_cast<std::size_t>(byteCount));
                text += QuotedString(s);
                break;
            }
            case 4:
                text += FExtra.U8() == 1 ? fm::True : fm::False;
                FExtra.Skip(7);
                break;
            case 16:
                text += ErrorCodeText(FExtra.U8());
                FExtra.Skip(7);
                break;
            default:
                ExcelError(msg::UnsupportedToken, static_cast<unsigned>(type));
            }
            if (text.size() > MaxOperandText)
                FExtra.Fail(TooLongText);
        }
    }
    Operand(text + std::string(fm::CloseArray));
}

void TFormulaDecoder::Anchor(std::uint8_t Id)
{
    const int row = FCursor.U16();
    const int col = FCursor.U16();
    if (!FAllowAnchors)
        FCursor.Fail(NestedAnchorText);
    std::string text(fm::OpenArray);
    if (Id == ptgExp) {
        const ByteArray array = FContext.ArrayFormula(row, col);
        text += TFormulaDecoder(array, ArrayRecordTokens, FContext, false).Decode();
    } else {
        const ByteArray table = FContext.TableFormula(row, col);
        rtl::TByteCursor cur(table, rtl::TByteContext{"xls", "TABLE", 0}, ThrowExcelError);
        cur.Seek(TableFlags);
        const std::uint16_t flags = cur.U16();
        cur.Seek(TableFirstInput);
        text += std::string(fm::FormulaStart) + std::string(TableFunction) + std::string(fm::OpenParen);
        const int row1 = cur.U16();
        const int col1 = cur.U16();
        text += CellReferenceText(row1, col1 & ColumnWordColumnMask, true, true);
        if ((flags & TableTwoInputs) != 0) {
            cur.Seek(TableSecondInput);
            const int row2 = cur.U16();
            const int col2 = cur.U16();
            text += std::string(fm::FunctionSep) + CellReferenceText(row2, col2 & ColumnWordColumnMask, true, true);
        }
        text += fm::CloseParen;
    }
    FAnchored = true;
    Push(text + std::string(fm::CloseArray));
}

} // namespace

std::string CellReferenceText(int Row, int Col, bool RowRelative, bool ColRelative)
{
    return ColumnText(Col, ColRelative) + (RowRelative ? "" : std::string(fm::AbsoluteRef)) + std::to_string(Row + 1);
}

std::string DecodeFormula(std::span<const std::uint8_t> Data, std::int64_t Start, const TFormulaContext& Context)
{
    return TFormulaDecoder(Data, Start, Context, true).Decode();
}

} // namespace xlsAdapter
