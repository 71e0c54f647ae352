// Turns formula text such as =SUM(A1:B2)*2 into a BIFF8 token array.
#pragma once

#include "xlsAdapter/qorUVyxStack.h"
#include "xlsAdapter/qorXlsFormulaContext.h"
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A recursive-descent parser, one method per precedence level, appending
// tokens in reverse-Polish order. Spaces become white-space attributes so
// that the text reads back as written; each operand gets the class of where
// it is used; the result is proven by decoding it again.
class TParseString {
public:
    TParseString(std::string_view aw, xlsAdapter::TFormulaContext& aCellList, xlsAdapter::TFmReturnType ReturnType);
    // With aForce3D, every plain reference becomes an absolute 3-D reference
    // on the sheet named aDefault3DExternSheet.
    TParseString(std::string_view aw, xlsAdapter::TFormulaContext& aCellList, bool aForce3D,
                 std::string aDefault3DExternSheet, xlsAdapter::TFmReturnType ReturnType);

    // Parses the whole text or raises EExcelException.
    void Parse();

    // Token bytes + array bytes + the 16-bit count.
    int TotalSize() const;
    // Writes at aPos the 16-bit count, the tokens and the array bytes.
    void CopyToPtr(std::span<std::uint8_t> Ptr, int aPos) const;
    // The same without the count.
    void CopyToPtrNoLen(std::span<std::uint8_t> Ptr, int destIndex) const;

private:
    struct TCellPart;

    // Characters.
    bool AtEnd() const { return ParsePos > static_cast<int>(Fw.size()); }
    char32_t Current() const { return AtEnd() ? U'\0' : Fw[ParsePos - 1]; }
    char32_t NextNonSpace() const;
    void Advance();
    [[noreturn]] void UnexpectedCharHere() const;

    // White space and emitting.
    void SkipWhiteSpaces();
    void EmitCloseParenSpaces();
    // Appends a token, with the spaces read before it as an attribute.
    void AddParsed(const std::vector<std::uint8_t>& Token);
    void ChangeClass(xlsAdapter::TFmReturnType Class);
    void RequireOperand(int OperandsBefore) const;

    // Precedence levels, loosest first.
    void Expression();
    void BinaryLevel(int Level);
    void PercentLevel();
    void UnaryLevel();
    void ReferenceLevel();
    void Factor();

    // Operands.
    void Parenthesis();
    void StringConstant();
    void ErrorConstant();
    void Number();
    void Identifier();
    void QuotedSheetName();
    void FunctionCall(const std::string& Name);
    bool TryReference();
    bool ReadCellPart(TCellPart& Part);
    void SheetReference(const std::vector<std::u16string>& Sheets);
    void EmitArea(std::uint8_t Id, int ExternSheet, const TCellPart& First, const TCellPart& Last);
    void EmitCell(int ExternSheet, const TCellPart& Part);
    int DefaultExternSheet();
    bool UnionAllowed() const;

    int ParsePos = 1;
    std::u32string Fw;
    std::string FText;
    std::vector<std::uint8_t> FParsedData;
    std::vector<std::uint8_t> FParsedArrayData;
    int MaxErrorLen;
    std::string DirectlyInFormula;
    int LastRefOp = -1;
    int FOperandCount = 0;
    xlsAdapter::TFormulaContext& FCellList;
    TWhiteSpaceStack StackWs;
    std::string Default3DExternSheet;
    bool Force3d = false;
    xlsAdapter::TFmReturnType InitialRefMode;
};
