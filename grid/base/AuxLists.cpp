// Small lists the grid builds on: integers owned by a cell, the multi-column sort
// specification with its text form, controls embedded in cells, and a string list read
// and written line by line.
#include "grid/base/AuxLists.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/WinControl.h"

#include <algorithm>

namespace {

constexpr uint32_t DescendingBit = 0x80000000u;
constexpr uint32_t ColumnBits = 0x7FFFFFFFu;

[[noreturn]] void IndexError(int Index)
{
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

uint32_t Bits(int32_t value)
{
    return static_cast<uint32_t>(value);
}

int32_t FromBits(uint32_t bits)
{
    return static_cast<int32_t>(bits);
}

} // namespace

TIntList::TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

void TIntList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
}

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

int TIntList::GetInteger(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)];
}

void TIntList::SetInteger(int Index, int Value)
{
    CheckIndex(Index);
    FItems[static_cast<size_t>(Index)] = Value;
    Changed();
}

int TIntList::Add(int Value)
{
    FItems.push_back(Value);
    Changed();
    return Count() - 1;
}

void TIntList::Delete(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TIntList::Insert(int Index, int Value)
{
    if (Index < 0 || Index > Count())
        IndexError(Index);
    FItems.insert(FItems.begin() + Index, Value);
}

bool TIntList::HasValue(int Value) const
{
    return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

void TIntList::DeleteValue(int Value)
{
    const auto found = std::find(FItems.begin(), FItems.end(), Value);
    if (found != FItems.end())
        Delete(static_cast<int>(found - FItems.begin()));
}

std::string TIntList::StrValue() const
{
    std::string text;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(FItems[i]);
    }
    return text;
}

void TIntList::SetStrValue(std::string_view Value)
{
    TStringList items;
    items.SetCommaText(Value);
    FItems.clear();
    for (int i = 0; i < items.Count(); ++i)
        Add(StrToInt(items.Strings(i)));
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    // Only bits 0..30 carry the column, so a negative column cannot pose as a direction.
    const uint32_t column = Bits(ColumnIndex) & ColumnBits;
    Add(FromBits(Ascending ? column : column | DescendingBit));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetSortColumns(i) == FromBits(Bits(ColumnIndex) & ColumnBits))
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int index = FindIndex(ColumnIndex);
    if (index >= 0)
        SetSortDirections(index, !GetSortDirections(index));
}

int TSortIndexList::GetSortColumns(int Index) const
{
    return FromBits(Bits(GetInteger(Index)) & ColumnBits);
}

void TSortIndexList::SetSortColumns(int Index, int Value)
{
    SetInteger(Index, FromBits((Bits(GetInteger(Index)) & DescendingBit) | (Bits(Value) & ColumnBits)));
}

bool TSortIndexList::GetSortDirections(int Index) const
{
    return (Bits(GetInteger(Index)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int Index, bool Value)
{
    const uint32_t bits = Bits(GetInteger(Index));
    SetInteger(Index, FromBits(Value ? bits & ColumnBits : bits | DescendingBit));
}

std::string TSortIndexList::SaveToString() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += ';';
        text += GetSortDirections(i) ? 'u' : 'd';
        text += std::to_string(GetSortColumns(i));
    }
    return text;
}

void TSortIndexList::LoadFromString(std::string_view S)
{
    Clear();
    while (!S.empty()) {
        const size_t end = S.find(';');
        const std::string_view part = S.substr(0, end);
        S.remove_prefix(end == std::string_view::npos ? S.size() : end + 1);
        if (part.size() < 2)
            continue;
        int64_t column = 0;
        (void)Val(part.substr(1), column);
        AddIndex(static_cast<int>(column), part[0] == 'u');
    }
}

void TControlList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
}

void TControlList::AddControl(int X, int Y, TControl* AObject)
{
    FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)]->X() == X && FItems[static_cast<size_t>(i)]->Y() == Y)
            return i;
    return -1;
}

TControlItem* TControlList::GetControl(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].get();
}

void TControlList::RemoveControl(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
}

bool TControlList::HasHandle(HWND Handle) const
{
    for (const auto& item : FItems) {
        auto* windowed = dynamic_cast<TWinControl*>(item->Control());
        if (windowed && windowed->HandleAllocated() && windowed->Handle() == Handle)
            return true;
    }
    return false;
}

void TFileStringList::Reset()
{
    FReadPosition = 0;
    FPending.clear();
}

void TFileStringList::ReadLn(std::string& S)
{
    if (FReadPosition < 0 || FReadPosition >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(FReadPosition) + ")");
    S = Strings(FReadPosition);
    ++FReadPosition;
}

void TFileStringList::Write(std::string_view S)
{
    FPending += S;
}

void TFileStringList::WriteLn(std::string_view S)
{
    Add(FPending + std::string(S));
    FPending.clear();
}
