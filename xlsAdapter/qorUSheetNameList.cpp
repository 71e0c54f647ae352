// Sheet names kept sorted by length, then by character.
#include "xlsAdapter/qorUSheetNameList.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

// Names compare without regard to case: the format's own application
// refuses two sheets whose names differ only in case, and sheet references
// in formulas find sheets that way.
int CompareNames(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const std::u16string upperA = UpperCaseUnicode(a);
    const std::u16string upperB = UpperCaseUnicode(b);
    return upperA < upperB ? -1 : (upperA > upperB ? 1 : 0);
}

constexpr const char* SheetNotFound = "Invalid sheet: %s";

} // namespace

std::u16string TWideContainer::FullName() const
{
    return n == 0 ? S : S + rtl::Utf8ToUtf16(std::to_string(n));
}

template <typename KeyOf>
bool TSheetNameList::Search(std::u16string_view S, int& Index, KeyOf Key) const
{
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int c = CompareNames(Key(FItems[static_cast<std::size_t>(middle)]), S);
        if (c < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            found |= c == 0;
        }
    }
    Index = low;
    return found;
}

bool TSheetNameList::FindRootString(std::u16string_view S, int& Index) const
{
    return Search(S, Index, [](const TWideContainer& item) { return std::u16string_view(item.S); });
}

bool TSheetNameList::FindFullString(std::u16string_view S, int& Index) const
{
    // Entries sort by root; a numbered full name is searched by a linear
    // pass, since its place in the root order is not its place by full name.
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (CompareNames(FItems[i].FullName(), S) == 0) {
            Index = static_cast<int>(i);
            return true;
        }
    FindRootString(S, Index);
    return false;
}

void TSheetNameList::Add(std::u16string_view aName)
{
    int index = 0;
    if (FindFullString(aName, index))
        ExcelError(msg::DuplicatedSheetName, rtl::Utf16ToUtf8(aName));
    FindRootString(aName, index);
    FItems.insert(FItems.begin() + index, TWideContainer{std::u16string(aName), 0});
}

std::u16string TSheetNameList::AddUniqueName(std::u16string_view aName)
{
    int index = 0;
    int n = 0;
    if (FindRootString(aName, index)) {
        // One past the highest number this root has been given.
        for (const TWideContainer& item : FItems)
            if (CompareNames(item.S, aName) == 0)
                n = std::max(n, item.n + 1);
        while (FindFullString(std::u16string(aName) + rtl::Utf8ToUtf16(std::to_string(n)), index))
            ++n;
    } else if (FindFullString(aName, index)) {
        // Taken as the numbered name of another root ("Sheet1" from Sheet).
        n = 1;
        while (FindFullString(std::u16string(aName) + rtl::Utf8ToUtf16(std::to_string(n)), index))
            ++n;
    }
    FindRootString(aName, index);
    const TWideContainer entry{std::u16string(aName), n};
    FItems.insert(FItems.begin() + index, entry);
    return entry.FullName();
}

void TSheetNameList::DeleteSheet(std::u16string_view SheetName)
{
    int index = 0;
    if (!FindFullString(SheetName, index))
        ExcelError(SheetNotFound, rtl::Utf16ToUtf8(SheetName));
    FItems.erase(FItems.begin() + index);
}

void TSheetNameList::Rename(std::u16string_view OldName, std::u16string_view NewName)
{
    if (OldName == NewName)
        return;
    int index = 0;
    if (!FindFullString(OldName, index))
        ExcelError(SheetNotFound, rtl::Utf16ToUtf8(OldName));
    int other = 0;
    if (FindFullString(NewName, other) && other != index)
        ExcelError(msg::DuplicatedSheetName, rtl::Utf16ToUtf8(NewName));
    FItems.erase(FItems.begin() + index);
    Add(NewName);
}

std::u16string TSheetNameList::MakeValidSheetName(std::u16string_view aName)
{
    std::u16string name(aName.substr(0, 31));
    for (char16_t& c : name) {
        if (c == u'/' || c == u'\\' || c == u'?' || c == u'[' || c == u']' || c == u'*')
            c = u'_';
        else if (c == u':')
            c = u'.';
    }
    return name;
}
