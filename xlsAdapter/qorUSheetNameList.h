// The sorted names of a workbook's sheets: refuses duplicates, renames, and
// invents free names ("Sheet", "Sheet1", "Sheet2" ...) for new sheets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A name as a root and a number; the full name is the root followed by the
// number, or the root alone for 0.
struct TWideContainer {
    std::u16string S;
    int n = 0;
    std::u16string FullName() const;
};

class TSheetNameList {
public:
    virtual ~TSheetNameList() = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }
    // Raises "Sheet name already exists" for a name already present.
    void Add(std::u16string_view aName);
    // Adds aName, or aName followed by the first free number, and returns it.
    std::u16string AddUniqueName(std::u16string_view aName);
    void DeleteSheet(std::u16string_view SheetName);
    void Rename(std::u16string_view OldName, std::u16string_view NewName);
    // At most 31 characters, without the characters sheet names cannot hold.
    static std::u16string MakeValidSheetName(std::u16string_view aName);

    // Binary searches by root and by full name; Index is where S is or
    // would go.
    virtual bool FindRootString(std::u16string_view S, int& Index) const;
    virtual bool FindFullString(std::u16string_view S, int& Index) const;

private:
    template <typename KeyOf>
    bool Search(std::u16string_view S, int& Index, KeyOf Key) const;

    std::vector<TWideContainer> FItems;
};
