// Function calls: who computes a name (libraries, custom handlers, built-ins) and how
// the arguments are read.
#include <unordered_map>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/FormulaBuiltins.h"
#include "spreadsheet/FormulaText.h"

using rtl::Utf8ToUtf16;
using rtl::Utf16ToUtf8;
using rtl::Latin1ToUtf8;
using rtl::Utf8ToLatin1;

using spreadsheet::TArgReader;
using spreadsheet::TBuiltin;
using spreadsheet::TBuiltinCall;
using spreadsheet::TextArgumentOf;

void TGridFormula::EvaluateFunction(TTokenClass& cls, double& num, Text& str)
{
    const int nameStart = i;
    const std::string name = ReadWord();
    i = nameStart;
    if (CallLibrary(cls, num, str, name, nameStart)) return;
    if (CallCustomFunction(cls, num, name)) return;
    if (const TBuiltin* builtin = spreadsheet::FindBuiltin(name)) {
        CallBuiltin(cls, num, str, *builtin, nameStart);
        return;
    }
    RaiseError(cls, i, feInvalidQualifier, {});
}

bool TGridFormula::CallLibrary(TTokenClass& cls, double& num, Text& str, const std::string& name, int nameStart)
{
    if (!FMathLib) return false;
    TLibBinderItems& items = FMathLib->Libs();
    for (int k = 0; k < items.Count(); ++k) {
        TMathLib* lib = items.GetItem(k)->MathLib();
        if (!lib) continue;
        auto reportError = [&](int errType) {
            if (errType != 0)
                RaiseError(cls, nameStart, errType, errType > 100 ? lib->GetErrorMessage(errType) : std::string());
        };
        int errType = 0;
        int errParam = 0;
        if (lib->HandlesConstant(name)) {
            ReadWord();
            num = lib->GetConstant(name);
            return true;
        }
        if (lib->HandlesFunction(name)) {
            ReadWord();
            TParamList params;
            ReadList(cls, ListKind::Numbers, &params, nullptr);
            num = lib->CalcFunction(name, params, errType, errParam);
            reportError(errType);
            CheckFinite(cls, num, nameStart);
            return true;
        }
        if (lib->HandlesStrFunction(name)) {
            ReadWord();
            std::vector<Text> texts;
            ReadList(cls, ListKind::Texts, nullptr, &texts);
            TStringList params;
            for (const Text& t : texts) params.Add(Utf16ToUtf8(t));
            const std::string result = lib->CalcStrFunction(name, params, errType, errParam);
            reportError(errType);
            double number = 0;
            if (spreadsheet::TextToNumber(result, number, FormatSettings().DecimalSeparator)) {
                num = number;
                str.clear();
                CheckFinite(cls, num, nameStart);
            } else {
                str = Utf8ToUtf16(result);
                CheckTextLength(cls, str, nameStart);
            }
            return true;
        }
    }
    return false;
}

bool TGridFormula::CallCustomFunction(TTokenClass& cls, double& num, const std::string& name)
{
    if (!IsCustomFunction || !CalcCustomFunction) return false;
    std::string func = Latin1ToUtf8(name);
    bool match = false;
    IsCustomFunction(this, func, match);
    if (!match) return false;
    const int start = i;
    if (ReadWord() != Utf8ToLatin1(UpperCase(func))) {
        i = start;
        return false;
    }
    std::vector<double> nums;
    std::vector<Text> texts;
    if (ReadFixedArguments(cls, 1, 0, nums, texts)) {
        double param = nums[0];
        CalcCustomFunction(this, func, param);
        num = param;
        CheckFinite(cls, num, start);
    }
    return true;
}

void TGridFormula::CallBuiltin(TTokenClass& cls, double& num, Text& str, const TBuiltin& builtin, int nameStart)
{
    ReadWord();
    TBuiltinCall call{*this, cls, num, str, {}, {}, nameStart, i + 1};
    bool read = true;
    switch (builtin.Reader) {
    case TArgReader::Name: break;
    case TArgReader::Arg: read = ReadFixedArguments(cls, 1, 0b0, call.Nums, call.Texts); break;
    case TArgReader::TextArg: read = ReadFixedArguments(cls, 1, 0b1, call.Nums, call.Texts); break;
    case TArgReader::Args2: read = ReadFixedArguments(cls, 2, 0b0, call.Nums, call.Texts); break;
    case TArgReader::Args3: read = ReadFixedArguments(cls, 3, 0b0, call.Nums, call.Texts); break;
    case TArgReader::TextNumArgs: read = ReadFixedArguments(cls, 2, 0b1, call.Nums, call.Texts); break;
    case TArgReader::TextNum2Args: read = ReadFixedArguments(cls, 3, 0b1, call.Nums, call.Texts); break;
    case TArgReader::NumberList:
    case TArgReader::NumberListSkip: {
        TParamList params;
        ReadList(cls, builtin.Reader == TArgReader::NumberList ? ListKind::Numbers : ListKind::NumbersSkipEmpty,
                 &params, nullptr);
        for (int k = 0; k < params.Count(); ++k) call.Nums.push_back(params.GetItem(k));
        break;
    }
    case TArgReader::TextList: ReadList(cls, ListKind::Texts, nullptr, &call.Texts); break;
    case TArgReader::RawTextList: ReadList(cls, ListKind::RawTexts, nullptr, &call.Texts); break;
    }
    // After a reported error the value no longer matters: the evaluation has failed.
    if (!read || cls == tcError) return;
    builtin.Compute(call);
    CheckFinite(cls, num, nameStart);
    CheckTextLength(cls, str, nameStart);
}

void TGridFormula::ParseArgument(TTokenClass& cls, double& num, Text& str)
{
    num = 0;
    str.clear();
    cls = TokenKind();
    ParseExpression(cls, num, str);
}

bool TGridFormula::ReadFixedArguments(TTokenClass& cls, int count, unsigned textMask, std::vector<double>& nums,
                                      std::vector<Text>& texts)
{
    if (Ch(i) != u'(') {
        RaiseError(cls, i, feNoOpeningParenthesis, {});
        return false;
    }
    nums.assign(count, 0.0);
    texts.assign(count, Text());
    int argStart = i;
    for (int k = 0; k < count; ++k) {
        if (k > 0 && !InParamEnd(Ch(i))) {
            RaiseError(cls, argStart, fePrematureEnd, {});
            return false;
        }
        ++i;
        argStart = i;
        Text str;
        ParseArgument(cls, nums[k], str);
        if (cls == tcError) return false;
        if (textMask & (1u << k)) texts[k] = str.empty() ? TextArgumentOf(nums[k]) : str;
    }
    if (Ch(i) != u')') {
        RaiseError(cls, count == 1 ? i : argStart, feNoClosingParenthesis, {});
        return false;
    }
    ++i;
    return true;
}

void TGridFormula::ReadList(TTokenClass& cls, ListKind kind, TParamList* numbers, std::vector<Text>* texts)
{
    std::string lastGrid;
    int argStart = i;
    int added = 0;
    for (;;) {
        if (i < Length()) ++i;
        argStart = i;
        const std::string word = ReadWord();
        const bool range = word.find(':') != std::string::npos &&
                           !(kind == ListKind::Texts && !word.empty() && word.front() == '"');
        if (range && kind == ListKind::RawTexts) {
            texts->push_back(Utf8ToUtf16(Latin1ToUtf8(word)));
            ++added;
        } else if (range) {
            std::string rangeText = word;
            if (const size_t bang = word.find('!'); bang != std::string::npos) {
                lastGrid = word.substr(0, bang);
                rangeText = word.substr(bang + 1);
            }
            if (numbers) {
                const int before = numbers->Count();
                AddRangeValues(cls, lastGrid, rangeText, kind == ListKind::NumbersSkipEmpty, *numbers);
                added += numbers->Count() - before;
            } else {
                const size_t before = texts->size();
                AddRangeTexts(cls, lastGrid, rangeText, *texts);
                added += static_cast<int>(texts->size() - before);
            }
        } else {
            i = argStart;
            double num = 0;
            Text str;
            ParseArgument(cls, num, str);
            if (cls == tcError) return;
            if (numbers)
                numbers->Add(num);
            else
                texts->push_back(str.empty() ? TextArgumentOf(num) : str);
            ++added;
        }
        if (Ch(i) == u')' || i >= Length()) break;
    }
    if (added == 0) RaiseError(cls, argStart, feInvalidParamCount, {});
    ++i;
}

bool TGridFormula::InParamEnd(char16_t c) const
{
    return FParamEnd[c & 0xFF];
}

namespace spreadsheet {

std::vector<std::u16string> TBuiltinCall::RangeTexts(std::u16string_view RangeWord)
{
    std::string word = Utf16ToUtf8(RangeWord);
    std::string grid;
    if (const size_t bang = word.find('!'); bang != std::string::npos) {
        grid = Utf8ToLatin1(word.substr(0, bang));
        word = word.substr(bang + 1);
    }
    std::vector<std::u16string> cells;
    F.AddRangeTexts(Class, grid, word, cells);
    return cells;
}

bool TBuiltinCall::CellOfRange(std::u16string_view RangeWord, int Right, int Down, Variant& Value)
{
    std::string word = Utf16ToUtf8(RangeWord);
    std::string grid;
    if (const size_t bang = word.find('!'); bang != std::string::npos) {
        grid = Utf8ToLatin1(word.substr(0, bang));
        word = word.substr(bang + 1);
    }
    const size_t colon = word.find(':');
    if (colon == std::string::npos) return false;
    int col = 0, row = 0;
    F.RefToCell(word.substr(0, colon), col, row);
    return F.ReadCellValue(Class, grid, col + Right, Value, row + Down, false);
}

const TBuiltin* FindBuiltin(std::string_view Name)
{
    static const std::unordered_map<std::string_view, const TBuiltin*> byName = [] {
        std::unordered_map<std::string_view, const TBuiltin*> map;
        for (const TBuiltin& builtin : Builtins()) map.emplace(builtin.Name, &builtin);
        return map;
    }();
    const auto found = byName.find(Name);
    return found == byName.end() ? nullptr : found->second;
}

const std::vector<TBuiltin>& Builtins()
{
    static const std::vector<TBuiltin> table = [] {
        std::vector<TBuiltin> all;
        AddMathBuiltins(all);
        AddListBuiltins(all);
        AddTextBuiltins(all);
        return all;
    }();
    return table;
}

} // namespace spreadsheet
