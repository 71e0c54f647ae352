// The built-in functions of the formula language: one table of name, argument reader
// and computation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/QuillPars.h"

namespace spreadsheet {

// How a built-in reads its arguments after its name.
enum class TArgReader {
    Name,            // NAME: no arguments
    Arg,             // NAME(a)
    TextArg,         // NAME(t)
    Args2,           // NAME(a;b)
    Args3,           // NAME(a;b;c)
    TextNumArgs,     // NAME(t;n)
    TextNum2Args,    // NAME(t;n;m)
    NumberList,      // NAME(a;...), range cells as numbers, empty ones 0
    NumberListSkip,  // the same with empty range cells left out
    TextList,        // NAME(a;...), range cells as texts
    RawTextList,     // NAME(a;...), range words as written
};

// One call of a built-in: its arguments as read and the context it computes into.
struct TBuiltinCall {
    TGridFormula& F;
    TTokenClass& Class;
    double& Number;
    std::u16string& Text;
    // Fixed arguments by position (numbers or texts), or the items of a list.
    std::vector<double> Nums;
    std::vector<std::u16string> Texts;
    int NamePos = 0;
    int ArgPos = 0;

    void Fail(int Code, int Position) { F.RaiseError(Class, Position, Code, {}); }
    int EndPos() const { return F.i; }
    // The texts of the cells of a range word that may start with a grid prefix.
    std::vector<std::u16string> RangeTexts(std::u16string_view RangeWord);
    // The value of the cell Right columns and Down rows from the first corner of a range word.
    bool CellOfRange(std::u16string_view RangeWord, int Right, int Down, Variant& Value);
};

struct TBuiltin {
    const char* Name;
    TArgReader Reader;
    void (*Compute)(TBuiltinCall& Call);
};

// The built-in of an upper-case name, or null.
const TBuiltin* FindBuiltin(std::string_view Name);
// Every built-in, in table order.
const std::vector<TBuiltin>& Builtins();

// The parts of the table, kept by kind in their own files.
void AddMathBuiltins(std::vector<TBuiltin>& Table);
void AddListBuiltins(std::vector<TBuiltin>& Table);
void AddTextBuiltins(std::vector<TBuiltin>& Table);

} // namespace spreadsheet
