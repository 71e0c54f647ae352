// The formula encoder.
#include "xlsAdapter/qorUXlsEncodeFormula.h"

#include "xlsAdapter/qorUXlsFormulaParser.h"

#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cmath>

using namespace xlsAdapter;

namespace {

constexpr int MaxFormulaLength = 1024;
constexpr int MaxRow = 65536;
constexpr int MaxCol = 256;
constexpr std::uint8_t MaxSpaceCount = 255;
constexpr std::size_t MaxStringConstant = 255;

constexpr const char* ArrayFormulasNotSupported = "Writing array formulas is not yet supported";
constexpr const char* ExternalNamesNotSupported = "External names are not supported: %s";
constexpr const char* StringConstantTooLong = "A text in a formula has more than 255 characters: \"%s\"";

constexpr std::uint8_t ClassBits = 0x60;
constexpr std::uint8_t ReferenceClass = 0x20;
constexpr std::uint8_t ValueClass = 0x40;
constexpr std::uint8_t ArrayClass = 0x60;

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsColumnLetter(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }
bool IsNameLetter(char32_t c)
{
    return IsColumnLetter(c) || c == U'_' || c == U'\\' || c == 0xAA || c == 0xB5 || c == 0xBA ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

std::string Utf8(std::u32string_view Text)
{
    std::string out;
    for (char32_t c : Text)
        rtl::Utf8Append(out, c);
    return out;
}

std::u32string Utf32(std::string_view Text)
{
    std::u32string out;
    for (std::size_t i = 0; i < Text.size();)
        out += rtl::Utf8Decode(Text, i);
    return out;
}

void AppendWord(std::vector<std::uint8_t>& Out, std::uint16_t Value)
{
    Out.push_back(static_cast<std::uint8_t>(Value & 0xFF));
    Out.push_back(static_cast<std::uint8_t>(Value >> 8));
}

std::uint8_t ClassOfReturnType(TFmReturnType Type)
{
    switch (Type) {
    case fmRef:
        return ReferenceClass;
    case fmArray:
        return ArrayClass;
    default:
        return ValueClass;
    }
}

// The binary operators of each level: the level's text signs and tokens.
struct TOperator {
    std::string_view Sign;
    std::uint8_t Token;
};
constexpr TOperator ComparisonOperators[] = {{fm::LE, ptgLE}, {fm::NE, ptgNE}, {fm::GE, ptgGE},
                                             {fm::EQ, ptgEQ}, {fm::LT, ptgLT}, {fm::GT, ptgGT}};
constexpr TOperator ConcatOperators[] = {{fm::Concat, ptgConcat}};
constexpr TOperator AdditiveOperators[] = {{fm::Plus, ptgAdd}, {fm::Minus, ptgSub}};
constexpr TOperator MultiplicativeOperators[] = {{fm::Mul, ptgMul}, {fm::Div, ptgDiv}};
constexpr TOperator PowerOperators[] = {{fm::Power, ptgPower}};
constexpr std::span<const TOperator> BinaryLevels[] = {ComparisonOperators, ConcatOperators, AdditiveOperators,
                                                       MultiplicativeOperators, PowerOperators};
constexpr int LastBinaryLevel = 4;

} // namespace

// One part of a cell reference as typed: column and row from 1, each 0 when
// absent.
struct TParseString::TCellPart {
    int Row = 0;
    int Col = 0;
    bool RowAbsolute = false;
    bool ColAbsolute = false;

    bool HasRow() const { return Row != 0; }
    bool HasCol() const { return Col != 0; }
    bool ValidRow() const { return Row >= 1 && Row <= MaxRow; }
    bool ValidCol() const { return Col >= 1 && Col <= MaxCol; }
    bool IsCell() const { return ValidRow() && ValidCol(); }
    bool IsWholeColumn() const { return !HasRow() && ValidCol(); }
    bool IsWholeRow() const { return ValidRow() && !HasCol(); }
    // Whole columns A:C span every row, whole rows 1:3 every column; false
    // when the two ends do not make an area.
    static bool MakeArea(TCellPart& First, TCellPart& Last);
    std::uint16_t ColumnWord(bool Absolute3d) const
    {
        std::uint16_t word = static_cast<std::uint16_t>(Col - 1);
        if (!Absolute3d && !RowAbsolute)
            word |= ColumnWordRowRelative;
        if (!Absolute3d && !ColAbsolute)
            word |= ColumnWordColumnRelative;
        return word;
    }
};

TParseString::TParseString(std::string_view aw, TFormulaContext& aCellList, TFmReturnType ReturnType)
    : TParseString(aw, aCellList, false, std::string(), ReturnType)
{
}

TParseString::TParseString(std::string_view aw, TFormulaContext& aCellList, bool aForce3D,
                           std::string aDefault3DExternSheet, TFmReturnType ReturnType)
    : Fw(Utf32(aw)), FText(aw), FCellList(aCellList), Default3DExternSheet(std::move(aDefault3DExternSheet)),
      Force3d(aForce3D), InitialRefMode(ReturnType)
{
    MaxErrorLen = 0;
    for (const auto& e : ErrorCodeTexts)
        MaxErrorLen = std::max(MaxErrorLen, static_cast<int>(e.Text.size()));
}

int TParseString::TotalSize() const
{
    return static_cast<int>(FParsedData.size() + FParsedArrayData.size()) + 2;
}

void TParseString::CopyToPtr(std::span<std::uint8_t> Ptr, int aPos) const
{
    SetWord(Ptr, aPos, static_cast<std::uint16_t>(FParsedData.size() + FParsedArrayData.size()));
    CopyToPtrNoLen(Ptr, aPos + 2);
}

void TParseString::CopyToPtrNoLen(std::span<std::uint8_t> Ptr, int destIndex) const
{
    CheckRange(static_cast<std::int64_t>(Ptr.size()), destIndex, TotalSize() - 2);
    auto out = std::copy(FParsedData.begin(), FParsedData.end(), Ptr.begin() + destIndex);
    std::copy(FParsedArrayData.begin(), FParsedArrayData.end(), out);
}

// ---- characters -----------------------------------------------------------

char32_t TParseString::NextNonSpace() const
{
    for (int pos = ParsePos; pos <= static_cast<int>(Fw.size()); ++pos)
        if (Fw[pos - 1] != U' ')
            return Fw[pos - 1];
    return U'\0';
}

void TParseString::Advance()
{
    ++ParsePos;
    if (ParsePos > MaxFormulaLength)
        ExcelError(msg::FormulaTooLong, FText);
}

void TParseString::UnexpectedCharHere() const
{
    if (AtEnd())
        ExcelError(msg::UnexpectedEof, FText);
    ExcelError(msg::UnexpectedChar, Utf8(std::u32string(1, Current())), ParsePos, FText);
}

// ---- white space and emitting ---------------------------------------------

void TParseString::SkipWhiteSpaces()
{
    TWhiteSpace ws;
    while (Current() == U' ') {
        if (ws.Count < MaxSpaceCount)
            ++ws.Count;
        Advance();
    }
    ws.Kind = Current() == U'(' ? spaceBeforeOpenParen : Current() == U')' ? spaceBeforeCloseParen : spaceBeforeToken;
    StackWs.Push(ws);
}

// Spaces before a closing parenthesis are kept as an attribute of their own.
void TParseString::EmitCloseParenSpaces()
{
    SkipWhiteSpaces();
    TWhiteSpace ws;
    StackWs.Pop(ws);
    if (ws.Count > 0 && Current() == U')')
        FParsedData.insert(FParsedData.end(), {ptgAttr, attrSpace, spaceBeforeCloseParen, ws.Count});
}

void TParseString::AddParsed(const std::vector<std::uint8_t>& Token)
{
    TWhiteSpace ws;
    StackWs.Pop(ws);
    if (ws.Count > 0)
        FParsedData.insert(FParsedData.end(), {ptgAttr, attrSpace, ws.Kind, ws.Count});
    if (Token.front() != ptgParen) {
        LastRefOp = static_cast<int>(FParsedData.size());
        ++FOperandCount;
    }
    FParsedData.insert(FParsedData.end(), Token.begin(), Token.end());
}

void TParseString::ChangeClass(TFmReturnType Class)
{
    if (LastRefOp < 0)
        ExcelError(msg::LogicalError);
    std::uint8_t& id = FParsedData[static_cast<std::size_t>(LastRefOp)];
    if ((id & ClassBits) == 0)
        return;
    if (Class == fmValue && (id & ClassBits) != ArrayClass)
        id = static_cast<std::uint8_t>((id & ~ClassBits) | ValueClass);
    else if (Class == fmArray)
        id = static_cast<std::uint8_t>((id & ~ClassBits) | ArrayClass);
}

// An operator or a parenthesis with nothing after it names what stands there
// instead of leaving a token array that cannot be read back.
void TParseString::RequireOperand(int OperandsBefore) const
{
    if (FOperandCount == OperandsBefore)
        UnexpectedCharHere();
}

// ---- precedence levels ----------------------------------------------------

void TParseString::Expression()
{
    BinaryLevel(0);
}

void TParseString::BinaryLevel(int Level)
{
    auto next = [this, Level] {
        if (Level == LastBinaryLevel)
            PercentLevel();
        else
            BinaryLevel(Level + 1);
    };
    next();
    bool first = true;
    for (;;) {
        const char32_t c = NextNonSpace();
        const TOperator* found = nullptr;
        for (const TOperator& op : BinaryLevels[Level]) {
            if (c != static_cast<char32_t>(op.Sign[0]))
                continue;
            if (op.Sign.size() == 2) {
                // Two-character operators: look at the character after the first.
                int pos = ParsePos;
                while (pos <= static_cast<int>(Fw.size()) && Fw[pos - 1] == U' ')
                    ++pos;
                if (pos >= static_cast<int>(Fw.size()) || Fw[pos] != static_cast<char32_t>(op.Sign[1]))
                    continue;
            }
            found = &op;
            break;
        }
        if (found == nullptr)
            return;
        if (first)
            ChangeClass(fmValue);
        first = false;
        SkipWhiteSpaces();
        for (std::size_t i = 0; i < found->Sign.size(); ++i)
            Advance();
        const int before = FOperandCount;
        next();
        RequireOperand(before);
        ChangeClass(fmValue);
        AddParsed({found->Token});
    }
}

void TParseString::PercentLevel()
{
    UnaryLevel();
    bool first = true;
    while (NextNonSpace() == U'%') {
        if (first)
            ChangeClass(fmValue);
        first = false;
        SkipWhiteSpaces();
        Advance();
        AddParsed({ptgPercent});
    }
}

void TParseString::UnaryLevel()
{
    std::vector<std::uint8_t> signs;
    for (char32_t c = NextNonSpace(); c == U'+' || c == U'-'; c = NextNonSpace()) {
        SkipWhiteSpaces();
        Advance();
        signs.push_back(c == U'-' ? ptgUminus : ptgUplus);
    }
    if (signs.empty()) {
        ReferenceLevel();
        return;
    }
    const int before = FOperandCount;
    ReferenceLevel();
    RequireOperand(before);
    ChangeClass(fmValue);
    // The sign nearest the operand applies first, so that the text reads
    // back as written.
    for (auto it = signs.rbegin(); it != signs.rend(); ++it)
        AddParsed({*it});
}

bool TParseString::UnionAllowed() const
{
    return DirectlyInFormula.empty() || DirectlyInFormula.back() == '0';
}

void TParseString::ReferenceLevel()
{
    Factor();
    for (;;) {
        const char32_t c = NextNonSpace();
        std::uint8_t token = 0;
        if (c == U':')
            token = ptgRange;
        else if (c == U',' && UnionAllowed())
            token = ptgUnion;
        else
            return;
        SkipWhiteSpaces();
        Advance();
        const int before = FOperandCount;
        Factor();
        RequireOperand(before);
        AddParsed({token});
    }
}

void TParseString::Factor()
{
    SkipWhiteSpaces();
    if (AtEnd())
        ExcelError(msg::UnexpectedEof, FText);
    const char32_t c = Current();
    if (c >= 256)
        UnexpectedCharHere();
    if (c == U'(')
        Parenthesis();
    else if (c == U'"')
        StringConstant();
    else if (c == U'{')
        ExcelError(ArrayFormulasNotSupported);
    else if (c == U'#')
        ErrorConstant();
    else if (TryReference())
        return;
    else if (IsDigit(c) || c == U'.')
        Number();
    else if (IsNameLetter(c))
        Identifier();
    else if (c == U'\'')
        QuotedSheetName();
    // Anything else emits nothing: the caller names the character, and the
    // spaces stay for a missing argument.
}

// ---- operands -------------------------------------------------------------

void TParseString::Parenthesis()
{
    Advance();
    DirectlyInFormula += '0';
    const int before = FOperandCount;
    Expression();
    RequireOperand(before);
    EmitCloseParenSpaces();
    if (Current() != U')')
        ExcelError(msg::MissingParen, FText);
    Advance();
    DirectlyInFormula.pop_back();
    AddParsed({ptgParen});
}

void TParseString::StringConstant()
{
    Advance();
    std::u32string text;
    for (;;) {
        if (AtEnd())
            ExcelError(msg::UnterminatedString, FText);
        const char32_t c = Current();
        Advance();
        if (c == U'"') {
            if (Current() != U'"')
                break;
            Advance();
        }
        text += c;
    }
    const std::u16string chars = rtl::Utf8ToUtf16(Utf8(text));
    if (chars.size() > MaxStringConstant)
        ExcelError(StringConstantTooLong, FText);
    std::vector<std::uint8_t> token{ptgStr, static_cast<std::uint8_t>(chars.size())};
    const bool wide = IsWideText(chars);
    token.push_back(wide ? 1 : 0);
    for (char16_t ch : chars) {
        token.push_back(static_cast<std::uint8_t>(ch & 0xFF));
        if (wide)
            token.push_back(static_cast<std::uint8_t>(ch >> 8));
    }
    AddParsed(token);
}

void TParseString::ErrorConstant()
{
    std::string text = "#";
    Advance();
    for (;;) {
        for (const auto& e : ErrorCodeTexts) {
            if (text == e.Text) {
                AddParsed({ptgErr, e.Code});
                return;
            }
        }
        if (static_cast<int>(text.size()) >= MaxErrorLen || AtEnd())
            ExcelError(msg::UnexpectedId, text, FText);
        text += AnsiUpperCase(Utf8(std::u32string(1, Current())));
        Advance();
    }
}

void TParseString::Number()
{
    std::u32string text;
    while (IsDigit(Current()) || Current() == U'.') {
        text += Current();
        Advance();
    }
    if (Current() == U'e' || Current() == U'E') {
        text += Current();
        Advance();
        if (Current() == U'+' || Current() == U'-') {
            text += Current();
            Advance();
        }
        while (IsDigit(Current())) {
            text += Current();
            Advance();
        }
    }
    const double value = InvariantTextToFloat(Utf8(text));
    if (!std::isfinite(value))
        ExcelError(msg::UnexpectedId, Utf8(text), FText);
    if (value >= 0 && value <= 65535 && value == std::floor(value)) {
        std::vector<std::uint8_t> token{ptgInt};
        AppendWord(token, static_cast<std::uint16_t>(value));
        AddParsed(token);
        return;
    }
    std::vector<std::uint8_t> token{ptgNum};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    token.insert(token.end(), bytes, bytes + sizeof value);
    AddParsed(token);
}

void TParseString::Identifier()
{
    std::u32string raw;
    while (IsNameLetter(Current()) || IsDigit(Current()) || Current() == U'.' || Current() == U':') {
        raw += Current();
        Advance();
    }
    const std::string name = AnsiUpperCase(Utf8(raw));
    if (Current() == U'(') {
        FunctionCall(name);
    } else if (Current() == U'!') {
        std::vector<std::u16string> sheets;
        std::string_view rest = name;
        for (std::size_t colon; (colon = rest.find(':')) != std::string_view::npos; rest.remove_prefix(colon + 1))
            sheets.push_back(rtl::Utf8ToUtf16(rest.substr(0, colon)));
        sheets.push_back(rtl::Utf8ToUtf16(rest));
        SheetReference(sheets);
    } else if (name == fm::True || name == fm::False) {
        AddParsed({ptgBool, static_cast<std::uint8_t>(name == fm::True ? 1 : 0)});
    } else if (int index = 0; FCellList.FindName(rtl::Utf8ToUtf16(name), index)) {
        const auto number = static_cast<std::uint16_t>(index + 1);
        AddParsed({ptgName, static_cast<std::uint8_t>(number & 0xFF), static_cast<std::uint8_t>(number >> 8), 0, 0});
    } else {
        ExcelError(msg::UnexpectedId, name, FText);
    }
}

void TParseString::QuotedSheetName()
{
    Advance();
    std::u32string name;
    for (;;) {
        if (AtEnd())
            ExcelError(msg::UnterminatedString, FText);
        const char32_t c = Current();
        Advance();
        if (c == U'\'') {
            if (Current() != U'\'')
                break;
            Advance();
        }
        name += c;
    }
    if (Current() != U'!')
        UnexpectedCharHere();
    // Sheet names cannot hold ":", so a colon separates the ends of a span.
    std::vector<std::u16string> sheets;
    const std::u16string all = rtl::Utf8ToUtf16(Utf8(name));
    std::u16string_view rest = all;
    for (std::size_t colon; (colon = rest.find(u':')) != std::u16string_view::npos; rest.remove_prefix(colon + 1))
        sheets.emplace_back(rest.substr(0, colon));
    sheets.emplace_back(rest);
    SheetReference(sheets);
}

void TParseString::FunctionCall(const std::string& Name)
{
    const TCellFunctionData* fn = FindCellFunction(Name);
    if (fn == nullptr)
        ExcelError(msg::FunctionNotFound, Name, FText);
    Advance();
    DirectlyInFormula += '1';
    int count = 0;
    for (;;) {
        const int before = FOperandCount;
        Expression();
        if (FOperandCount == before) {
            if (count > 0 || NextNonSpace() == U',') {
                AddParsed({ptgMissArg});
                ++count;
            } else {
                // "()": no arguments; spaces inside stay before the parenthesis.
                TWhiteSpace ws;
                StackWs.Pop(ws);
                if (ws.Count > 0)
                    FParsedData.insert(FParsedData.end(), {ptgAttr, attrSpace, spaceBeforeCloseParen, ws.Count});
            }
        } else {
            const char letter = fn->ParamTypeOf(count);
            if (letter == 'V')
                ChangeClass(fmValue);
            else if (letter == 'A')
                ChangeClass(fmArray);
            ++count;
            EmitCloseParenSpaces();
        }
        while (Current() == U' ')
            Advance();
        if (AtEnd())
            ExcelError(msg::UnexpectedEof, FText);
        if (Current() == U')')
            break;
        if (Current() != U',')
            UnexpectedCharHere();
        Advance();
        if (AtEnd())
            ExcelError(msg::UnexpectedEof, FText);
    }
    Advance();
    DirectlyInFormula.pop_back();
    if (count < fn->MinArgCount || count > fn->MaxArgCount)
        ExcelError(msg::InvalidNumberOfParams, fn->Name, fn->MinArgCount, count);
    const std::uint8_t cls = ClassOfReturnType(fn->ReturnType);
    const auto index = static_cast<std::uint16_t>(fn->Index);
    std::vector<std::uint8_t> token;
    if (fn->HasFixedArgCount()) {
        token.push_back(static_cast<std::uint8_t>(ptgFunc - ReferenceClass + cls));
    } else {
        token.push_back(static_cast<std::uint8_t>(ptgFuncVar - ReferenceClass + cls));
        token.push_back(static_cast<std::uint8_t>(count));
    }
    AppendWord(token, index);
    AddParsed(token);
}

// ---- references -----------------------------------------------------------

bool TParseString::ReadCellPart(TCellPart& Part)
{
    Part = TCellPart();
    if (Current() == U'$') {
        Part.ColAbsolute = true;
        Advance();
    }
    while (IsColumnLetter(Current()) && Part.Col <= MaxCol) {
        const char32_t upper = Current() >= U'a' ? Current() - U'a' + U'A' : Current();
        Part.Col = Part.Col * 26 + static_cast<int>(upper - U'A' + 1);
        Advance();
    }
    if (Current() == U'$') {
        Part.RowAbsolute = true;
        Advance();
    } else if (!Part.HasCol() && Part.ColAbsolute) {
        // "$1": the dollar sign with no letters after it marks the row.
        Part.ColAbsolute = false;
        Part.RowAbsolute = true;
    }
    while (IsDigit(Current()) && Part.Row < MaxRow + 1) {
        Part.Row = Part.Row * 10 + static_cast<int>(Current() - U'0');
        Advance();
    }
    return Part.IsCell() || Part.IsWholeColumn() || Part.IsWholeRow();
}

bool TParseString::TCellPart::MakeArea(TCellPart& First, TCellPart& Last)
{
    if (First.IsWholeColumn() && Last.IsWholeColumn()) {
        First.Row = 1;
        Last.Row = MaxRow;
        return true;
    }
    if (First.IsWholeRow() && Last.IsWholeRow()) {
        First.Col = 1;
        Last.Col = MaxCol;
        return true;
    }
    return First.IsCell() && Last.IsCell();
}

bool TParseString::TryReference()
{
    const int start = ParsePos;
    TCellPart first;
    if (!ReadCellPart(first)) {
        ParsePos = start;
        return false;
    }
    if (Current() == U':') {
        const int colon = ParsePos;
        Advance();
        TCellPart last;
        if (ReadCellPart(last) && TCellPart::MakeArea(first, last) && !IsNameLetter(Current()) && Current() != U'(' &&
            Current() != U'!') {
            EmitArea(ptgArea, -1, first, last);
            return true;
        }
        ParsePos = colon;
    }
    if (!first.IsCell() || IsNameLetter(Current()) || Current() == U'(' || Current() == U'!') {
        ParsePos = start;
        return false;
    }
    EmitCell(-1, first);
    return true;
}

int TParseString::DefaultExternSheet()
{
    int sheet = -1;
    if (!FCellList.FindSheet(rtl::Utf8ToUtf16(Default3DExternSheet), sheet))
        ExcelError(msg::InvalidSheet, AnsiUpperCase(Default3DExternSheet));
    return FCellList.AddExternSheet(sheet, sheet);
}

void TParseString::EmitCell(int ExternSheet, const TCellPart& Part)
{
    const bool force3d = ExternSheet < 0 && Force3d;
    if (force3d)
        ExternSheet = DefaultExternSheet();
    std::vector<std::uint8_t> token{ExternSheet < 0 ? ptgRef : ptgRef3d};
    if (ExternSheet >= 0)
        AppendWord(token, static_cast<std::uint16_t>(ExternSheet));
    AppendWord(token, static_cast<std::uint16_t>(Part.Row - 1));
    AppendWord(token, Part.ColumnWord(force3d));
    AddParsed(token);
}

void TParseString::EmitArea(std::uint8_t Id, int ExternSheet, const TCellPart& First, const TCellPart& Last)
{
    const bool force3d = ExternSheet < 0 && Force3d;
    if (force3d) {
        ExternSheet = DefaultExternSheet();
        Id = ptgArea3d;
    }
    std::vector<std::uint8_t> token{Id};
    if (ExternSheet >= 0)
        AppendWord(token, static_cast<std::uint16_t>(ExternSheet));
    AppendWord(token, static_cast<std::uint16_t>(First.Row - 1));
    AppendWord(token, static_cast<std::uint16_t>(Last.Row - 1));
    AppendWord(token, First.ColumnWord(force3d));
    AppendWord(token, Last.ColumnWord(force3d));
    AddParsed(token);
}

void TParseString::SheetReference(const std::vector<std::u16string>& Sheets)
{
    Advance(); // "!"
    int first = -1;
    int last = -1;
    for (std::size_t i = 0; i < Sheets.size() && i < 2; ++i) {
        int& index = i == 0 ? first : last;
        if (!FCellList.FindSheet(Sheets[i], index))
            ExcelError(msg::InvalidSheet, AnsiUpperCase(rtl::Utf16ToUtf8(Sheets[i])));
    }
    if (Sheets.size() > 2)
        ExcelError(msg::InvalidSheet, AnsiUpperCase(rtl::Utf16ToUtf8(Sheets[2])));
    if (last < 0)
        last = first;
    const int externSheet = FCellList.AddExternSheet(first, last);

    const int start = ParsePos;
    TCellPart part;
    ReadCellPart(part);
    if ((!part.HasRow() && !part.HasCol()) || part.Row > MaxRow || part.Col > MaxCol || IsNameLetter(Current())) {
        ParsePos = start;
        std::u32string name;
        while (IsNameLetter(Current()) || IsDigit(Current()) || Current() == U'.') {
            name += Current();
            Advance();
        }
        ExcelError(ExternalNamesNotSupported, AnsiUpperCase(Utf8(name)));
    }
    const auto badPart = [this](const TCellPart& p) {
        ExcelError(msg::UnexpectedId, std::to_string(p.Row) + ", " + std::to_string(p.Col), FText);
    };
    if (part.HasRow() && part.HasCol() && !part.IsCell())
        badPart(part);
    if (Current() == U':') {
        Advance();
        TCellPart lastPart;
        if (!ReadCellPart(lastPart) || !TCellPart::MakeArea(part, lastPart))
            badPart(lastPart);
        EmitArea(ptgArea3d, externSheet, part, lastPart);
        return;
    }
    if (!part.IsCell())
        badPart(part);
    EmitCell(externSheet, part);
}

// ---- the whole formula ----------------------------------------------------

void TParseString::Parse()
{
    LastRefOp = -1;
    FOperandCount = 0;
    ParsePos = 1;
    DirectlyInFormula.clear();
    FParsedData.clear();
    FParsedArrayData.clear();
    if (Fw.empty() || Fw[0] != U'=')
        ExcelError(msg::FormulaStart, FText);
    Advance();
    Expression();
    RequireOperand(0);
    ChangeClass(InitialRefMode);
    if (!AtEnd())
        UnexpectedCharHere();
    if (StackWs.Count() != 0)
        ExcelError(msg::LogicalError);

    ByteArray proof(static_cast<std::size_t>(TotalSize()));
    CopyToPtr(proof, 0);
    try {
        (void)DecodeFormula(proof, 2, FCellList);
    } catch (const Exception&) {
        ExcelError(msg::FormulaCantBeEvaluated, FText);
    }
}
