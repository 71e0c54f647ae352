// Lists of text lines: the abstract strings interface and the string list.
#pragma once

#include "platform/classes/Object.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TStream;

// How text is stored in a file or stream. ANSI stands for the single-byte
// code page of older files: Latin-1 here.
enum class TEncoding { ANSI, UTF8, Unicode, BigEndianUnicode };

enum TDuplicates { dupIgnore, dupAccept, dupError };

// An ordered list of text lines, each with an optional object pointer.
// Descendants store the lines; everything else works through the few
// storage operations below.
//
// Text forms:
//  - Text: every line followed by CR LF. Reading it back splits at CR LF,
//    at a lone CR and at a lone LF.
//  - DelimitedText: lines separated by Delimiter; a line is enclosed in
//    QuoteChar (inner quotes doubled) when it holds the delimiter, the quote
//    or, unless StrictDelimiter, a blank or control character. Reading
//    without StrictDelimiter also splits at blanks.
//  - CommaText: DelimitedText with "," and '"' and no StrictDelimiter.
//  - Names/Values: lines of the form name=value (NameValueSeparator).
class TStrings : public TPersistent {
    VISTRA_CLASS(TStrings, TPersistent)

    TStrings() = default;

    // Storage, provided by descendants.
    virtual int Count() const = 0;
    // Raise EStringListError "List index out of bounds (n)" for a bad index.
    virtual std::string Strings(int Index) const = 0;
    virtual void SetStrings(int Index, const std::string& S);
    virtual TObject* Objects(int Index) const;
    virtual void SetObjects(int Index, TObject* AObject);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    void InsertObject(int Index, const std::string& S, TObject* AObject);
    void AddStrings(const TStrings& Source);
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);

    // -1 when absent. Case is ignored unless a descendant says otherwise.
    virtual int IndexOf(std::string_view S) const;
    int IndexOfObject(const TObject* AObject) const;
    int IndexOfName(std::string_view Name) const;
    // Equal lines in the same order.
    bool Equals(const TStrings& Other) const;

    // Lines of the form name=value. Names(i) is empty for a line without the
    // separator; so is ValueFromIndex(i).
    std::string Names(int Index) const;
    std::string Values(std::string_view Name) const;
    // An empty value removes the line; a new name adds one.
    void SetValues(std::string_view Name, std::string_view Value);
    std::string ValueFromIndex(int Index) const;
    void SetValueFromIndex(int Index, std::string_view Value);
    char NameValueSeparator() const noexcept { return FNameValueSeparator; }
    void SetNameValueSeparator(char Value) noexcept { FNameValueSeparator = Value; }

    std::string Text() const;
    virtual void SetText(std::string_view Value);
    std::string CommaText() const;
    void SetCommaText(std::string_view Value);
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view Value);
    char Delimiter() const noexcept { return FDelimiter; }
    void SetDelimiter(char Value) noexcept { FDelimiter = Value; }
    char QuoteChar() const noexcept { return FQuoteChar; }
    void SetQuoteChar(char Value) noexcept { FQuoteChar = Value; }
    bool StrictDelimiter() const noexcept { return FStrictDelimiter; }
    void SetStrictDelimiter(bool Value) noexcept { FStrictDelimiter = Value; }

    // Files and streams. Loading detects a UTF-8 or UTF-16 byte-order mark;
    // without one the text is UTF-8 when it is valid UTF-8, else Latin-1.
    // Loading remembers the encoding and whether a mark was present, and
    // saving without an explicit encoding writes the same way back. Saving
    // with an explicit encoding writes its mark, except for ANSI. A text
    // that ANSI cannot hold is saved as UTF-8 with a mark instead, so no
    // character is lost. Every saved line ends with CR LF.
    void LoadFromFile(const std::string& FileName);
    void LoadFromFile(const std::string& FileName, TEncoding Encoding);
    void LoadFromStream(TStream& Stream);
    void LoadFromStream(TStream& Stream, TEncoding Encoding);
    void SaveToFile(const std::string& FileName) const;
    void SaveToFile(const std::string& FileName, TEncoding Encoding) const;
    void SaveToStream(TStream& Stream) const;
    void SaveToStream(TStream& Stream, TEncoding Encoding) const;
    TEncoding Encoding() const noexcept { return FEncoding; }
    void SetEncoding(TEncoding Value) noexcept { FEncoding = Value; }
    bool WriteBOM() const noexcept { return FWriteBOM; }
    void SetWriteBOM(bool Value) noexcept { FWriteBOM = Value; }

    // Nested; OnChanging fires at the first BeginUpdate and OnChange at the
    // last EndUpdate instead of at every change in between.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const noexcept { return FUpdateCount; }

    void Assign(const TPersistent* Source) override;

    // Compares two lines as IndexOf does: negative, zero or positive.
    virtual int CompareStrings(std::string_view S1, std::string_view S2) const;

protected:
    // Called when updating begins (true) and ends (false).
    virtual void SetUpdateState(bool Updating);
    void AssignTo(TPersistent* Dest) const override;
    [[noreturn]] void IndexError(int Index) const;

private:
    std::string JoinDelimited(char delimiter, char quote, bool strict) const;
    void SplitDelimited(std::string_view value, char delimiter, char quote, bool strict);

    char FNameValueSeparator = '=';
    char FDelimiter = ',';
    char FQuoteChar = '"';
    bool FStrictDelimiter = false;
    TEncoding FEncoding = TEncoding::UTF8;
    bool FWriteBOM = false;
    int FUpdateCount = 0;
};

// The conversions of LoadFromStream and SaveToStream on whole texts: file bytes
// to UTF-8 text (byte-order mark detected, else UTF-8 when valid, else ANSI),
// and UTF-8 text to file bytes in an encoding, with its mark when Bom is set.
std::string DecodeTextBytes(std::string_view Bytes);
std::string EncodeTextBytes(const std::string& Text, TEncoding Encoding, bool Bom);

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

// The string list: lines in memory, optionally kept sorted.
class TStringList : public TStrings {
    VISTRA_CLASS(TStringList, TStrings)

    TStringList() = default;
    explicit TStringList(bool AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
    ~TStringList() override;

    int Count() const override { return static_cast<int>(FList.size()); }
    std::string Strings(int Index) const override;
    // Raises EStringListError on a sorted list.
    void SetStrings(int Index, const std::string& S) override;
    TObject* Objects(int Index) const override;
    void SetObjects(int Index, TObject* AObject) override;

    // On a sorted list, Add places the line at its sorted position and
    // follows Duplicates for a line already present: dupIgnore returns the
    // existing index, dupError raises EStringListError.
    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    // Raises EStringListError on a sorted list.
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    // Raise EStringListError on a sorted list.
    void Exchange(int Index1, int Index2) override;
    void Move(int CurIndex, int NewIndex) override;

    int IndexOf(std::string_view S) const override;
    // Binary search of a sorted list: true when found; Index receives the
    // first match or the place where S would go.
    bool Find(std::string_view S, int& Index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const noexcept { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const noexcept { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) noexcept { FDuplicates = Value; }
    bool CaseSensitive() const noexcept { return FCaseSensitive; }
    // A sorted list is sorted again under the new rule.
    void SetCaseSensitive(bool Value);
    // An owning list frees the objects of the lines it drops.
    bool OwnsObjects() const noexcept { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) noexcept { FOwnsObjects = Value; }

    int CompareStrings(std::string_view S1, std::string_view S2) const override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    virtual void Changed();
    virtual void Changing();
    // Inserts without the sorted-list check.
    virtual void InsertItem(int Index, const std::string& S, TObject* AObject);

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };
    void CheckIndex(int Index) const;
    void CheckUnsorted() const;
    void ExchangeItems(int Index1, int Index2);

    std::vector<TStringItem> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
};
