// The formula coders' stacks.
#include "xlsAdapter/qorUVyxStack.h"

#include "xlsAdapter/qorXlsMessages.h"

namespace {
constexpr const char* StringStackEmpty = "String Stack is empty";
constexpr const char* WhiteSpaceStackEmpty = "WhiteSpace Stack is empty";
} // namespace

void TStringStack::Push(std::string s)
{
    FList.push_back(std::move(s));
}

void TStringStack::Pop(std::string& s)
{
    if (FList.empty())
        xlsAdapter::ExcelError(StringStackEmpty);
    s = std::move(FList.back());
    FList.pop_back();
}

void TStringStack::Peek(std::string& s) const
{
    if (FList.empty())
        xlsAdapter::ExcelError(StringStackEmpty);
    s = FList.back();
}

void TFormulaStack::Push(std::string s)
{
    TStringStack::Push(std::move(s));
    FmSpaces.clear();
    FmPreSpaces.clear();
    FmPostSpaces.clear();
}

void TWhiteSpaceStack::Pop(TWhiteSpace& ws)
{
    if (FList.empty())
        xlsAdapter::ExcelError(WhiteSpaceStackEmpty);
    ws = FList.back();
    FList.pop_back();
}

void TWhiteSpaceStack::Peek(TWhiteSpace& ws) const
{
    if (FList.empty())
        xlsAdapter::ExcelError(WhiteSpaceStackEmpty);
    ws = FList.back();
}
