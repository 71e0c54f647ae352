// The evaluator proper: scanning, the operator grammar, values and error reporting.
#include <cmath>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/FormulaText.h"
#include "spreadsheet/QuillPars.h"
#include "grid/base/QuillUtilCellText.h"

using rtl::Utf8ToUtf16;
using rtl::Utf16ToUtf8;
using rtl::Latin1ToUtf8;

using spreadsheet::TextToNumber;

std::string FormulaErrorText(int ErrType)
{
    static const char* const texts[] = {"No formula",
                                        "Division by zero",
                                        "Invalid value",
                                        "Invalid cell reference",
                                        "Invalid range reference",
                                        "Invalid grid reference",
                                        "Invalid nr. of parameters",
                                        "Circular reference",
                                        "No opening parenthesis",
                                        "No closing parenthesis",
                                        "Premature end of formula",
                                        "Unknown error",
                                        "Invalid qualifier",
                                        "Invalid token",
                                        "Overflow",
                                        "Underflow",
                                        "Circular range reference in formula"};
    if (ErrType < 1 || ErrType > 17) return {};
    return texts[ErrType - 1];
}

TGridFormula::TGridFormula(TQuillStringGrid* Grid) : FStringGrid(Grid), FCellNameList(std::make_unique<TStringList>())
{
}

TGridFormula::~TGridFormula() = default;

std::uint32_t TGridFormula::PackCell(int ACol, int ARow)
{
    return (static_cast<std::uint32_t>(ARow) << 16) | (static_cast<std::uint32_t>(ACol) & 0xFFFF);
}

TObject* TGridFormula::PackedCellObject(int ACol, int ARow)
{
    return reinterpret_cast<TObject*>(static_cast<std::uintptr_t>(PackCell(ACol, ARow)));
}

void TGridFormula::SetExpression(const std::string& Value)
{
    FOrigExpressionText = Value;
    FOrigExpression = Utf8ToUtf16(Value);
    FExpression.clear();
    bool quoted = false;
    for (char16_t c : FOrigExpression) {
        if (c == u'"') quoted = !quoted;
        if (c == u' ' && !quoted) continue;
        FExpression += c;
    }
}

char16_t TGridFormula::Ch(int Position) const
{
    return Position >= 1 && Position <= Length() ? FExpression[Position - 1] : u'\0';
}

static bool InSet(const std::bitset<256>& set, char16_t c)
{
    return set[c & 0xFF];
}

static char FoldUpper(char16_t c)
{
    char low = static_cast<char>(c & 0xFF);
    return (low >= 'a' && low <= 'z') ? static_cast<char>(low - 'a' + 'A') : low;
}

std::string TGridFormula::ReadWord()
{
    std::string word;
    bool quoted = false;
    while (i <= Length()) {
        const char16_t c = Ch(i);
        if (quoted ? c == u'"' : InSet(FTokenEnd, c)) break;
        word += FoldUpper(c);
        ++i;
        // A word opened by a quote runs up to the next quote.
        if (word == "\"") quoted = true;
    }
    return word;
}

TTokenClass TGridFormula::TokenKind()
{
    const char16_t c = Ch(i);
    switch (c) {
    case u'%': case u'(': case u')': case u'*': case u'+': case u'-': case u'/': case u'=': case u'[':
    case u']': case u'^':
        return tcOperator;
    default:
        break;
    }
    if (IsCellReference()) return tcReference;
    if ((c >= u'0' && c <= u'9') || c == static_cast<char16_t>(FormatSettings().DecimalSeparator)) return tcNumber;
    if (c == u'"') return tcString;
    if (c == u';') return tcSemicolon;
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) return tcName;
    return tcError;
}

void TGridFormula::ReadNumber(TTokenClass& cls, double& num)
{
    const int start = i;
    bool exponentSeen = false;
    bool digitSeen = false;
    std::string text;
    while (i <= Length() && !InSet(FTokenEnd, Ch(i))) {
        const char16_t c = Ch(i);
        if (c >= u'0' && c <= u'9') {
            if (exponentSeen) {
                FTokenEnd.set('+');
                FTokenEnd.set('-');
            } else {
                digitSeen = true;
            }
        }
        const char upper = FoldUpper(c);
        if (!text.empty() && digitSeen && upper == 'E') {
            // The sign of an exponent belongs to the number.
            exponentSeen = true;
            FTokenEnd.reset('+');
            FTokenEnd.reset('-');
        }
        text += upper;
        ++i;
    }
    if (!text.empty() && text.front() == FormatSettings().DecimalSeparator) text = '0' + text;
    double value = 0;
    num = TextToNumber(DotDecimalText(text), value) ? value : 0.0;
    CheckFinite(cls, num, start);
}

void TGridFormula::ReadString(Text& str)
{
    ++i;
    str.clear();
    while (i <= Length() && Ch(i) != u'"') str += Ch(i++);
    if (i <= Length()) ++i;
}

bool TGridFormula::EnterNesting(TTokenClass& cls)
{
    if (FNesting >= MaxNesting) {
        RaiseError(cls, i, feInvalidToken, {});
        return false;
    }
    ++FNesting;
    return true;
}

void TGridFormula::ParseExpression(TTokenClass& cls, double& num, Text& str)
{
    ParseTerm(cls, num, str);
    while (cls != tcError && i < Length() && (Ch(i) == u'+' || Ch(i) == u'-')) {
        const bool subtract = Ch(i) == u'-';
        ++i;
        cls = TokenKind();
        double operand = 0;
        ParseTerm(cls, operand, str);
        if (cls == tcError) return;
        num = subtract ? num - operand : num + operand;
        CheckFinite(cls, num, i);
    }
}

void TGridFormula::ParseTerm(TTokenClass& cls, double& num, Text& str)
{
    ParseSigned(cls, num, str);
    while (cls != tcError && i < Length() && (Ch(i) == u'*' || Ch(i) == u'/' || Ch(i) == u'%')) {
        const char16_t op = Ch(i);
        ++i;
        cls = TokenKind();
        double operand = 0;
        ParseSigned(cls, operand, str);
        if (cls == tcError) return;
        if (op == u'*') {
            num *= operand;
        } else if (op == u'/') {
            if (operand == 0) {
                RaiseError(cls, i, feDivisionByZero, {});
                return;
            }
            num /= operand;
        } else {
            // Remainder of the truncated operands, with the sign of the dividend.
            const double divisor = std::trunc(operand);
            if (divisor == 0) {
                RaiseError(cls, i, feDivisionByZero, {});
                return;
            }
            num = std::fmod(std::trunc(num), divisor);
        }
        CheckFinite(cls, num, i);
    }
}

void TGridFormula::ParseSigned(TTokenClass& cls, double& num, Text& str)
{
    if (!EnterNesting(cls)) return;
    const rtl::ScopeExit leave([this] { --FNesting; });
    const bool negate = Ch(i) == u'-';
    if (Ch(i) == u'+' || Ch(i) == u'-') {
        ++i;
        cls = TokenKind();
    }
    ParsePower(cls, num, str);
    if (negate) num = -num;
}

// b^e: the magnitude as the correctly rounded power, so that whole powers are exact
// where representable; a negative base keeps its sign except under an even whole exponent.
static double Power(double b, double e)
{
    if (b == 0) return e == 0 ? 1.0 : 0.0;
    const double r = std::pow(std::fabs(b), e);
    if (b >= 0) return r;
    const bool even = e == std::trunc(e) && std::fmod(e, 2.0) == 0;
    return even ? r : -r;
}

void TGridFormula::ParsePower(TTokenClass& cls, double& num, Text& str)
{
    ParseFactor(cls, num, str);
    if (cls == tcError) return;
    if (i < Length() && Ch(i) == u'^') {
        ++i;
        cls = TokenKind();
        double exponent = 0;
        ParseSigned(cls, exponent, str);
        if (cls == tcError) return;
        if (num == 0 && exponent < 0) {
            RaiseError(cls, i, feDivisionByZero, {});
            return;
        }
        num = Power(num, exponent);
        CheckFinite(cls, num, i);
    }
}

void TGridFormula::ParseFactor(TTokenClass& cls, double& num, Text& str)
{
    if (cls != tcOperator) {
        ParsePrimary(cls, num, str);
    } else if (i < Length() && Ch(i) == u'(') {
        ++i;
        cls = TokenKind();
        ParseExpression(cls, num, str);
        if (cls == tcError) return;
        if (Ch(i) != u')') {
            RaiseError(cls, i, feNoClosingParenthesis, {});
            return;
        }
        ++i;
    } else {
        RaiseError(cls, i, feInvalidToken, {});
    }
}

void TGridFormula::ParsePrimary(TTokenClass& cls, double& num, Text& str)
{
    const int start = i;
    switch (cls) {
    case tcReference: {
        Variant value;
        EvaluateReference(cls, value);
        if (value.VarType() == varString) {
            str = Utf8ToUtf16(value.AsString());
        } else {
            num = value.AsDouble();
            CheckFinite(cls, num, start);
        }
        break;
    }
    case tcString:
        ReadString(str);
        break;
    case tcNumber:
        ReadNumber(cls, num);
        break;
    case tcName:
        EvaluateFunction(cls, num, str);
        break;
    default:
        break;
    }
}

void TGridFormula::CheckFinite(TTokenClass& cls, double num, int Position)
{
    if (std::isnan(num))
        RaiseError(cls, Position, feInvalidValue, {});
    else if (std::isinf(num))
        RaiseError(cls, Position, feOverflow, {});
}

void TGridFormula::CheckTextLength(TTokenClass& cls, Text& str, int Position)
{
    if (str.size() <= MaxTextLength) return;
    str.clear();
    RaiseError(cls, Position, feOverflow, {});
}

void TGridFormula::RaiseError(TTokenClass& cls, int Position, int Code, const std::string& ErrText)
{
    // A bad reference reads as 0 and the evaluation goes on; any other error ends it,
    // also when an earlier error was the one reported.
    if (Code != feInvalidCellReference && Code != feInvalidGridReference) cls = tcError;
    if (!FFirstError) return;
    FFirstError = false;
    FErrorPosition = Position;
    std::string text = ErrText;
    if (Code == feInvalidQualifier) {
        const int keep = i;
        text = Latin1ToUtf8(ReadWord());
        i = keep;
    }
    // Positions count in the text as set, spaces included.
    const int originalLength = static_cast<int>(FOrigExpression.size());
    for (int k = 1; k <= FErrorPosition && k <= originalLength; ++k)
        if (FOrigExpression[k - 1] == u' ') ++FErrorPosition;
    if (OnError) OnError(this, FCol, FRow, Code, FErrorPosition, 0, text);
}

bool TGridFormula::Calc(Variant& r)
{
    const TFormatSettings& settings = FormatSettings();
    FTokenEnd.reset();
    for (char c : std::string_view(" %()*+,-/;=\\^")) FTokenEnd.set(static_cast<unsigned char>(c));
    FParamEnd.reset();
    FParamEnd.set(';');
    if (settings.DecimalSeparator == ',') {
        FTokenEnd.reset(',');
    } else {
        FParamEnd.set(',');
    }
    FFirstError = true;
    FNesting = 0;
    i = 1;
    double num = 0;
    Text str;
    TTokenClass cls = TokenKind();
    if (cls != tcSemicolon) ParseExpression(cls, num, str);
    if (cls != tcSemicolon && i < Length()) --i;
    if (str.empty()) {
        // A failed step may leave an infinity behind; it is never handed out.
        r = Variant(std::isfinite(num) ? num : 0.0);
    } else if (str.size() > 3 && str[0] == u'|' && str[1] == u'\\') {
        r = Variant(Utf16ToUtf8(DecodeWideCellText(Utf16ToUtf8(str))));
    } else {
        r = Variant(Utf16ToUtf8(spreadsheet::WithoutNul(str)));
    }
    const bool success = cls != tcError;
    if (!success && FFirstError) RaiseError(cls, i, feInvalidToken, {});
    return success;
}
