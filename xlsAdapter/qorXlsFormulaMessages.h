// Formula token ids, the texts formulas are written with, invariant number
// text and the worksheet function table shared by the formula coders.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace xlsAdapter {

// Token ids in their reference-class form. Operand tokens also exist in the
// value class (id + ValueClassOffset) and the array class (id + ArrayClassOffset).
inline constexpr std::uint8_t ptgExp = 0x01;
inline constexpr std::uint8_t ptgTbl = 0x02;
inline constexpr std::uint8_t ptgAdd = 0x03;
inline constexpr std::uint8_t ptgSub = 0x04;
inline constexpr std::uint8_t ptgMul = 0x05;
inline constexpr std::uint8_t ptgDiv = 0x06;
inline constexpr std::uint8_t ptgPower = 0x07;
inline constexpr std::uint8_t ptgConcat = 0x08;
inline constexpr std::uint8_t ptgLT = 0x09;
inline constexpr std::uint8_t ptgLE = 0x0A;
inline constexpr std::uint8_t ptgEQ = 0x0B;
inline constexpr std::uint8_t ptgGE = 0x0C;
inline constexpr std::uint8_t ptgGT = 0x0D;
inline constexpr std::uint8_t ptgNE = 0x0E;
inline constexpr std::uint8_t ptgIsect = 0x0F;
inline constexpr std::uint8_t ptgUnion = 0x10;
inline constexpr std::uint8_t ptgRange = 0x11;
inline constexpr std::uint8_t ptgUplus = 0x12;
inline constexpr std::uint8_t ptgUminus = 0x13;
inline constexpr std::uint8_t ptgPercent = 0x14;
inline constexpr std::uint8_t ptgParen = 0x15;
inline constexpr std::uint8_t ptgMissArg = 0x16;
inline constexpr std::uint8_t ptgStr = 0x17;
inline constexpr std::uint8_t ptgAttr = 0x19;
inline constexpr std::uint8_t ptgErr = 0x1C;
inline constexpr std::uint8_t ptgBool = 0x1D;
inline constexpr std::uint8_t ptgInt = 0x1E;
inline constexpr std::uint8_t ptgNum = 0x1F;
inline constexpr std::uint8_t ptgArray = 0x20;
inline constexpr std::uint8_t ptgFunc = 0x21;
inline constexpr std::uint8_t ptgFuncVar = 0x22;
inline constexpr std::uint8_t ptgName = 0x23;
inline constexpr std::uint8_t ptgRef = 0x24;
inline constexpr std::uint8_t ptgArea = 0x25;
inline constexpr std::uint8_t ptgMemArea = 0x26;
inline constexpr std::uint8_t ptgMemErr = 0x27;
inline constexpr std::uint8_t ptgMemFunc = 0x29;
inline constexpr std::uint8_t ptgRefErr = 0x2A;
inline constexpr std::uint8_t ptgAreaErr = 0x2B;
inline constexpr std::uint8_t ptgRefN = 0x2C;
inline constexpr std::uint8_t ptgAreaN = 0x2D;
inline constexpr std::uint8_t ptgMemAreaN = 0x2E;
inline constexpr std::uint8_t ptgNameX = 0x39;
inline constexpr std::uint8_t ptgRef3d = 0x3A;
inline constexpr std::uint8_t ptgArea3d = 0x3B;
inline constexpr std::uint8_t ptgRefErr3d = 0x3C;
inline constexpr std::uint8_t ptgAreaErr3d = 0x3D;

inline constexpr std::uint8_t ValueClassOffset = 0x20;
inline constexpr std::uint8_t ArrayClassOffset = 0x40;

// The reference-class form of any class of a token id; ids below 0x20
// (operators and constants) come back unchanged.
constexpr std::uint8_t NormalizeTokenId(std::uint8_t Id)
{
    return (Id & 0x40) != 0 ? static_cast<std::uint8_t>((Id & 0x3F) | 0x20) : static_cast<std::uint8_t>(Id & 0x3F);
}

// The id of the deleted form of a cell or area reference, kept in its class
// (the operand bytes do not change). Other ids come back unchanged.
std::uint8_t DeletedReferenceId(std::uint8_t Id);

// Column word of cell references: the column in the low byte, and flags.
inline constexpr std::uint16_t ColumnWordColumnMask = 0x00FF;
inline constexpr std::uint16_t ColumnWordColumnRelative = 0x4000;
inline constexpr std::uint16_t ColumnWordRowRelative = 0x8000;

// Kind bits of ptgAttr.
inline constexpr std::uint8_t attrVolatile = 0x01;
inline constexpr std::uint8_t attrIf = 0x02;
inline constexpr std::uint8_t attrChoose = 0x04;
inline constexpr std::uint8_t attrSkip = 0x08;
inline constexpr std::uint8_t attrSum = 0x10;
inline constexpr std::uint8_t attrSpace = 0x40;

// Kinds of white space a ptgAttr space attribute stands for.
inline constexpr std::uint8_t spaceBeforeToken = 0;
inline constexpr std::uint8_t crBeforeToken = 1;
inline constexpr std::uint8_t spaceBeforeOpenParen = 2;
inline constexpr std::uint8_t crBeforeOpenParen = 3;
inline constexpr std::uint8_t spaceBeforeCloseParen = 4;
inline constexpr std::uint8_t crBeforeCloseParen = 5;

// Error codes of error constants and cached error results.
inline constexpr std::uint8_t errNull = 0x00;
inline constexpr std::uint8_t errDiv0 = 0x07;
inline constexpr std::uint8_t errValue = 0x0F;
inline constexpr std::uint8_t errRef = 0x17;
inline constexpr std::uint8_t errName = 0x1D;
inline constexpr std::uint8_t errNum = 0x24;
inline constexpr std::uint8_t errNA = 0x2A;

// The texts formulas are written and read with, kept together so that a
// build for another language changes them in one place.
namespace fm {
inline constexpr std::string_view ErrNull = "#NULL!";
inline constexpr std::string_view ErrDiv0 = "#DIV/0!";
inline constexpr std::string_view ErrValue = "#VALUE!";
inline constexpr std::string_view ErrRef = "#REF!";
inline constexpr std::string_view ErrName = "#NAME?";
inline constexpr std::string_view ErrNum = "#NUM!";
inline constexpr std::string_view ErrNA = "#N/A";
inline constexpr std::string_view ErrUnknown = "#TABULOR_UNKNOWN";
inline constexpr std::string_view True = "TRUE";
inline constexpr std::string_view False = "FALSE";

inline constexpr std::string_view FormulaStart = "=";
inline constexpr std::string_view OpenParen = "(";
inline constexpr std::string_view CloseParen = ")";
inline constexpr std::string_view FunctionSep = ",";
inline constexpr std::string_view UnionSep = ",";
inline constexpr std::string_view ArrayColSep = ",";
inline constexpr std::string_view ArrayRowSep = ";";
inline constexpr std::string_view RangeSep = ":";
inline constexpr std::string_view ExternalRef = "!";
inline constexpr std::string_view AbsoluteRef = "$";
inline constexpr std::string_view SingleQuote = "'";
inline constexpr std::string_view OpenArray = "{";
inline constexpr std::string_view CloseArray = "}";
inline constexpr std::string_view ErrStart = "#";
inline constexpr std::string_view DecimalSep = ".";

inline constexpr std::string_view Plus = "+";
inline constexpr std::string_view Minus = "-";
inline constexpr std::string_view Mul = "*";
inline constexpr std::string_view Div = "/";
inline constexpr std::string_view Power = "^";
inline constexpr std::string_view Concat = "&";
inline constexpr std::string_view LT = "<";
inline constexpr std::string_view LE = "<=";
inline constexpr std::string_view EQ = "=";
inline constexpr std::string_view GE = ">=";
inline constexpr std::string_view GT = ">";
inline constexpr std::string_view NE = "<>";
inline constexpr std::string_view Intersect = " ";
inline constexpr std::string_view Percent = "%";
} // namespace fm

struct TErrorCodeText {
    std::uint8_t Code;
    std::string_view Text;
};

// Every error code with its text, in code order.
inline constexpr std::array<TErrorCodeText, 7> ErrorCodeTexts{{
    {errNull, fm::ErrNull},
    {errDiv0, fm::ErrDiv0},
    {errValue, fm::ErrValue},
    {errRef, fm::ErrRef},
    {errName, fm::ErrName},
    {errNum, fm::ErrNum},
    {errNA, fm::ErrNA},
}};

// The text of an error code; fm::ErrUnknown for a code without one.
std::string_view ErrorCodeText(std::uint8_t Code);

// Number constants in formulas are written with "." as the decimal point
// whatever the user's locale: the general format with 15 significant digits.
std::string InvariantFloatToText(double Value);
// Raises EConvertError on a malformed number.
double InvariantTextToFloat(std::string_view Text);

// Class of a function's result, and of a whole formula's final operand.
enum TFmReturnType { fmValue, fmRef, fmArray };

struct TCellFunctionData {
    int Index;
    // Upper case; free positions hold "NotAFunction" and their position, in
    // mixed case so that no upper-cased name can find them.
    std::string Name;
    int MinArgCount;
    int MaxArgCount;
    bool Volatile;
    TFmReturnType ReturnType;
    // One letter per argument: 'V' value, 'R' reference, 'A' array, '-' none.
    std::string ParamType;

    // Fixed-count functions are written as ptgFunc, the others as ptgFuncVar.
    bool HasFixedArgCount() const { return MinArgCount == MaxArgCount; }
    // The letter of the 0-based argument ArgIndex: arguments beyond the last
    // letter take the last one; '-' when the function has none.
    char ParamTypeOf(int ArgIndex) const;
};

inline constexpr int CellFunctionCount = 368;

// The worksheet functions, indexed by the file format's function number.
const std::array<TCellFunctionData, CellFunctionCount>& CellFunctionTable();

// The function of a number read from a file; nullptr when outside the table.
const TCellFunctionData* CellFunctionByIndex(int Index);

// The first function whose name is exactly Name (case-sensitive: callers
// upper-case what users type); nullptr when none.
const TCellFunctionData* FindCellFunction(std::string_view Name);

} // namespace xlsAdapter
