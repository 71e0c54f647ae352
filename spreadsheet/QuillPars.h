// The formula evaluator of the spreadsheet grid, its function libraries and
// the binders that let formulas reach other grids.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Variant.h"

class TBaseGrid;
class TQuillStringGrid;

// Formula error codes; the grid shows each with its fixed text (FormulaErrorText).
enum TFormulaError : int {
    feNoFormula = 1,
    feDivisionByZero = 2,
    feInvalidValue = 3,
    feInvalidCellReference = 4,
    feInvalidGridReference = 6,
    feInvalidParamCount = 7,
    feCircularReference = 8,
    feNoOpeningParenthesis = 9,
    feNoClosingParenthesis = 10,
    fePrematureEnd = 11,
    feInvalidQualifier = 13,
    feInvalidToken = 14,
    feOverflow = 15,
};

// The text of an error code (1 to 17); the empty text for any other code.
std::string FormulaErrorText(int ErrType);

// One numeric argument of a library function.
class TDoubleItem {
public:
    explicit TDoubleItem(double Value) : FValue(Value) {}
    double FValue;
};

// The numeric arguments handed to a library function.
class TParamList {
public:
    void Add(double Item) { FItems.emplace_back(Item); }
    // Raise EListError for an index outside 0..Count-1.
    double GetItem(int Index) const;
    void SetItem(int Index, double Value);
    void Clear() { FItems.clear(); }
    int Count() const noexcept { return static_cast<int>(FItems.size()); }

private:
    std::vector<TDoubleItem> FItems;
};

// A library of formula functions and constants; descendants override what
// they supply. Names arrive upper-cased.
class TMathLib : public TComponent {
    VISTRA_CLASS(TMathLib, TComponent)

    explicit TMathLib(TComponent* AOwner) : TComponent(AOwner) {}

    virtual bool HandlesConstant(const std::string& Constant);
    virtual double GetConstant(const std::string& Constant);
    virtual bool HandlesFunction(const std::string& FuncName);
    virtual bool HandlesStrFunction(const std::string& FuncName);
    virtual double CalcFunction(const std::string& FuncName, TParamList& Params, int& ErrType, int& ErrParam);
    virtual std::string CalcStrFunction(const std::string& FuncName, TStringList& Params, int& ErrType,
                                        int& ErrParam);
    virtual std::string GetEditHint(const std::string& FuncName, int ParamIndex);
    std::string GetErrorMessage(int ErrType) const;
};

class TLibBinder;

class TLibBinderItem : public TCollectionItem {
    VISTRA_CLASS(TLibBinderItem, TCollectionItem)

    explicit TLibBinderItem(TCollection* Collection) : TCollectionItem(Collection) {}
    void Assign(const TPersistent* Source) override;
    // Referenced, not owned.
    TMathLib* MathLib() const noexcept { return FMathLib; }
    void SetMathLib(TMathLib* Value) noexcept { FMathLib = Value; }

private:
    TMathLib* FMathLib = nullptr;
};

class TLibBinderItems : public TCollection {
    VISTRA_CLASS(TLibBinderItems, TCollection)

    explicit TLibBinderItems(TLibBinder* AOwner);
    TLibBinderItem* Add() { return static_cast<TLibBinderItem*>(TCollection::Add()); }
    TLibBinderItem* GetItem(int Index) const { return static_cast<TLibBinderItem*>(Items(Index)); }
    void SetItem(int Index, const TLibBinderItem* Value) { SetItems(Index, Value); }

protected:
    TPersistent* GetOwner() const override;

private:
    TLibBinder* FOwner;
};

// The function libraries a grid uses, asked in order.
class TLibBinder : public TComponent {
    VISTRA_CLASS(TLibBinder, TComponent)

    explicit TLibBinder(TComponent* AOwner);
    ~TLibBinder() override;
    TLibBinderItems& Libs() const noexcept { return *FLibs; }
    void SetLibs(const TLibBinderItems& Value) { FLibs->Assign(&Value); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TLibBinderItems> FLibs;
};

class TGridBinder;

class TGridBinderItem : public TCollectionItem {
    VISTRA_CLASS(TGridBinderItem, TCollectionItem)

    explicit TGridBinderItem(TCollection* Collection) : TCollectionItem(Collection) {}
    void Assign(const TPersistent* Source) override;
    // Referenced, not owned; used as a string grid.
    TBaseGrid* Grid() const noexcept { return FGrid; }
    void SetGrid(TBaseGrid* Value) noexcept { FGrid = Value; }
    const std::string& Name() const noexcept { return FName; }
    void SetName(const std::string& Value) { FName = Value; }

private:
    TBaseGrid* FGrid = nullptr;
    std::string FName;
};

class TGridBinderItems : public TCollection {
    VISTRA_CLASS(TGridBinderItems, TCollection)

    explicit TGridBinderItems(TGridBinder* AOwner);
    TGridBinderItem* Add() { return static_cast<TGridBinderItem*>(TCollection::Add()); }
    TGridBinderItem* GetItem(int Index) const { return static_cast<TGridBinderItem*>(Items(Index)); }
    void SetItem(int Index, const TGridBinderItem* Value) { SetItems(Index, Value); }
    // The grid of the first item carrying Name, ASCII case ignored; null when none.
    TBaseGrid* GetGridByName(std::string_view Name) const;

protected:
    TPersistent* GetOwner() const override;

private:
    TGridBinder* FOwner;
};

// Grids that formulas reach by name (SHEET2!A1).
class TGridBinder : public TComponent {
    VISTRA_CLASS(TGridBinder, TComponent)

    explicit TGridBinder(TComponent* AOwner);
    ~TGridBinder() override;
    TGridBinderItems& Grids() const noexcept { return *FGrids; }
    void SetGrids(const TGridBinderItems& Value) { FGrids->Assign(&Value); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TGridBinderItems> FGrids;
};

class TGridFormula;

using TErrorEvent = std::function<void(TGridFormula* Sender, int ACol, int ARow, int ErrType, int ErrPos,
                                       int ErrParam, const std::string& ErrStr)>;
using TIsCustomFunction = std::function<void(TGridFormula* Sender, std::string& func, bool& match)>;
using TCalcCustomFunction = std::function<void(TGridFormula* Sender, std::string& func, double& param)>;
// The value a formula cell computed earlier, when the grid keeps one: true
// and Value set, or false to read the cell's text.
using TStoredValueEvent = std::function<bool(TQuillStringGrid* Grid, int ACol, int ARow, Variant& Value)>;

enum TTokenClass : std::uint8_t { tcOperator, tcReference, tcNumber, tcString, tcSemicolon, tcName, tcError };

namespace spreadsheet {
struct TBuiltinCall;
struct TBuiltin;
}

// Computes the formula of one cell: a number or a text, or the first error
// met, reported through OnError.
class TGridFormula : public TObject {
    VISTRA_CLASS(TGridFormula, TObject)

    explicit TGridFormula(TQuillStringGrid* Grid);
    ~TGridFormula() override;

    // The formula without its leading "="; positions count UTF-16 units of it.
    const std::string& Expression() const noexcept { return FOrigExpressionText; }
    void SetExpression(const std::string& Value);
    int Row() const noexcept { return FRow; }
    void SetRow(int Value) noexcept { FRow = Value; }
    int Col() const noexcept { return FCol; }
    void SetCol(int Value) noexcept { FCol = Value; }
    int ErrorPosition() const noexcept { return FErrorPosition; }
    void SetErrorPosition(int Value) noexcept { FErrorPosition = Value; }
    // Cell names; each entry's object packs the cell: column low 16 bits, row high 16 bits.
    TStringList& CellNameList() const noexcept { return *FCellNameList; }
    bool UseRCNames() const noexcept { return FUseRCNames; }
    void SetUseRCNames(bool Value) noexcept { FUseRCNames = Value; }
    TGridBinder* Binder() const noexcept { return FBinder; }
    void SetBinder(TGridBinder* Value) noexcept { FBinder = Value; }
    TLibBinder* Libs() const noexcept { return FMathLib; }
    void SetLibs(TLibBinder* Value) noexcept { FMathLib = Value; }

    TIsCustomFunction IsCustomFunction;
    TCalcCustomFunction CalcCustomFunction;
    TErrorEvent OnError;
    TStoredValueEvent OnGetStoredValue;

    // Evaluates the expression (at least one character); r receives a double
    // or a text. False when the evaluation failed.
    bool Calc(Variant& r);

    // Deepest nesting of parentheses, signs, powers and calls a formula may have.
    static constexpr int MaxNesting = 200;
    // Longest text a formula may produce; a longer one is an overflow.
    static constexpr size_t MaxTextLength = 32767;

    static std::uint32_t PackCell(int ACol, int ARow);
    static TObject* PackedCellObject(int ACol, int ARow);

private:
    friend struct spreadsheet::TBuiltinCall;
    using Text = std::u16string;

    // Scanning.
    char16_t Ch(int Position) const;
    int Length() const { return static_cast<int>(FExpression.size()); }
    std::string ReadWord();
    TTokenClass TokenKind();
    void ReadNumber(TTokenClass& cls, double& num);
    void ReadString(Text& str);

    // Grammar.
    void ParseExpression(TTokenClass& cls, double& num, Text& str);
    void ParseTerm(TTokenClass& cls, double& num, Text& str);
    void ParseSigned(TTokenClass& cls, double& num, Text& str);
    void ParsePower(TTokenClass& cls, double& num, Text& str);
    void ParseFactor(TTokenClass& cls, double& num, Text& str);
    void ParsePrimary(TTokenClass& cls, double& num, Text& str);
    bool EnterNesting(TTokenClass& cls);
    // Raises NaN as error 3 and infinity as error 15 at Position.
    void CheckFinite(TTokenClass& cls, double num, int Position);
    // Raises a text longer than MaxTextLength as error 15 at Position and drops it.
    void CheckTextLength(TTokenClass& cls, Text& str, int Position);
    void RaiseError(TTokenClass& cls, int Position, int Code, const std::string& ErrText);

    // References.
    bool IsCellReference();
    int SplitReference(std::string& word, std::string& letters, std::string& rowPart, std::string& colPart);
    void EvaluateReference(TTokenClass& cls, Variant& value);
    int CellNameIndex(const std::string& name) const;
    bool GetNamedCellValue(TTokenClass& cls, const std::string& name, double& num);
    void RefToCell(std::string_view ref, int& col, int& row) const;
    bool RefToRange(std::string_view range, int& c1, int& r1, int& c2, int& r2) const;
    TQuillStringGrid* TargetGrid(TTokenClass& cls, const std::string& gridName);
    bool ReadCellValue(TTokenClass& cls, const std::string& gridName, int col, Variant& value, int row,
                       bool rangeCell);
    void AddRangeValues(TTokenClass& cls, const std::string& gridName, std::string_view range, bool skipEmpty,
                        TParamList& list);
    void AddRangeTexts(TTokenClass& cls, const std::string& gridName, std::string_view range,
                       std::vector<Text>& list);
    template <class Visit>
    void ForEachRangeCell(TTokenClass& cls, const std::string& gridName, std::string_view range, Visit visit);

    // Function calls.
    void EvaluateFunction(TTokenClass& cls, double& num, Text& str);
    bool CallLibrary(TTokenClass& cls, double& num, Text& str, const std::string& name, int nameStart);
    bool CallCustomFunction(TTokenClass& cls, double& num, const std::string& name);
    void CallBuiltin(TTokenClass& cls, double& num, Text& str, const spreadsheet::TBuiltin& builtin,
                     int nameStart);
    // Reads "(a;b;...)" with Count arguments; bit k of TextMask makes argument k a text.
    bool ReadFixedArguments(TTokenClass& cls, int count, unsigned textMask, std::vector<double>& nums,
                            std::vector<Text>& texts);
    bool InParamEnd(char16_t c) const;
    enum class ListKind { Numbers, NumbersSkipEmpty, Texts, RawTexts };
    void ReadList(TTokenClass& cls, ListKind kind, TParamList* numbers, std::vector<Text>* texts);
    void ParseArgument(TTokenClass& cls, double& num, Text& str);

    int i = 1;
    bool FFirstError = true;
    std::string FOrigExpressionText;
    Text FOrigExpression;
    Text FExpression;
    int FCol = 0;
    int FRow = 0;
    int FErrorPosition = 0;
    TQuillStringGrid* FStringGrid;
    std::unique_ptr<TStringList> FCellNameList;
    bool FUseRCNames = false;
    TLibBinder* FMathLib = nullptr;
    TGridBinder* FBinder = nullptr;
    std::bitset<256> FTokenEnd;
    std::bitset<256> FParamEnd;
    int FNesting = 0;
};

// Copies a text with the locale decimal separator made "." and its thousand separator dropped.
std::string DotDecimalText(std::string_view Text);
