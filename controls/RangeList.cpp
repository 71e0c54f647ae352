// Range texts to integer lists and back.
#include "controls/RangeList.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <vector>

#include "platform/rtl/Numbers.h"

namespace {

// Integers travel through the pointer list with a high bit set, so that 0 is
// never the null item, which the list would not report.
constexpr std::uintptr_t Tag = std::uintptr_t{1} << 32;
void* Encode(int Value) { return reinterpret_cast<void*>(Tag | static_cast<std::uint32_t>(Value)); }
int Decode(const void* Item) { return static_cast<int>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Item))); }

} // namespace

void TRangeList::Notify(void* Item, TListNotification Action)
{
    if (Action == lnAdded)
        FMembers.insert(Decode(Item));
    else if (auto at = FMembers.find(Decode(Item)); at != FMembers.end())
        FMembers.erase(at);
    TList::Notify(Item, Action);
}

void TRangeList::Add(int Value)
{
    if (!InList(Value)) TList::Add(Encode(Value));
}

void TRangeList::AddMultiple(int Value, int Count)
{
    for (std::int64_t v = Value; v < std::int64_t{Value} + Count; ++v)
        Add(static_cast<int>(v));
}

int TRangeList::GetInteger(int Index) const { return Decode(Items(Index)); }

void TRangeList::SetInteger(int Index, int Value) { SetItems(Index, Encode(Value)); }

void TRangeList::Show(std::ostream& Out) const
{
    for (int i = 0; i < Count(); ++i)
        Out << GetInteger(i) << '\n';
}

bool TRangeList::StrToList(std::string_view S)
{
    Clear();
    bool valid = true;
    while (!S.empty()) {
        const size_t end = S.find_first_of(",;");
        const std::string_view item = S.substr(0, end);
        S = end == std::string_view::npos ? std::string_view{} : S.substr(end + 1);
        const size_t dash = item.find('-');
        if (dash == std::string_view::npos) {
            int value = 0;
            if (TryStrToInt(item, value)) Add(value);
            else valid = false;
            continue;
        }
        int first = 0, last = 0;
        if (!TryStrToInt(item.substr(0, dash), first) || !TryStrToInt(item.substr(dash + 1), last)) {
            valid = false;
            continue;
        }
        if (last < first) continue;
        if (std::int64_t{last} - first + 1 > MaxEntries - std::int64_t{Count()}) {
            valid = false;
            continue;
        }
        AddMultiple(first, last - first + 1);
    }
    return valid;
}

std::string TRangeList::ToRangeStr()
{
    std::vector<int> values;
    values.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        values.push_back(GetInteger(i));
    std::sort(values.begin(), values.end());
    for (int i = 0; i < Count(); ++i)
        SetInteger(i, values[static_cast<size_t>(i)]);
    std::string out;
    for (size_t i = 0; i < values.size();) {
        size_t j = i;
        while (j + 1 < values.size() && std::int64_t{values[j + 1]} == std::int64_t{values[j]} + 1)
            ++j;
        if (!out.empty()) out += ',';
        out += IntToStr(values[i]);
        if (j > i) out += '-' + IntToStr(values[j]);
        i = j + 1;
    }
    return out;
}
