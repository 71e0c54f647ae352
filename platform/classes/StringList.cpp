// The strings interface (text forms, names and values, files) and the
// string list.
#include "platform/classes/StringList.h"

#include "platform/classes/QuickSort.h"
#include "platform/classes/FileSave.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

bool IsValidUtf8(std::string_view s)
{
    size_t offset = 0;
    while (offset < s.size()) {
        size_t start = offset;
        if (rtl::Utf8Decode(s, offset) == rtl::ReplacementChar && s.substr(start, 3) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

// Text of unmarked bytes: UTF-8 where they are UTF-8, and a byte that starts
// no valid sequence read as Latin-1, so one stray byte changes one character
// rather than the whole text. Multibyte tells whether a sequence of more than
// one byte was valid UTF-8.
std::string Utf8OrLatin1(std::string_view bytes, bool& multibyte)
{
    std::string text;
    text.reserve(bytes.size());
    multibyte = false;
    for (size_t offset = 0; offset < bytes.size();) {
        const size_t start = offset;
        if (rtl::Utf8Decode(bytes, offset) == rtl::ReplacementChar && bytes.substr(start, 3) != "\xEF\xBF\xBD") {
            rtl::Utf8Append(text, static_cast<unsigned char>(bytes[start]));
            offset = start + 1;
            continue;
        }
        multibyte = multibyte || offset - start > 1;
        text.append(bytes.substr(start, offset - start));
    }
    return text;
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto b0 = static_cast<unsigned char>(bytes[i]);
        auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0));
    }
    std::string text = rtl::Utf16ToUtf8(units);
    if (bytes.size() % 2 != 0) // a torn last unit
        rtl::Utf8Append(text, rtl::ReplacementChar);
    return text;
}

std::string EncodeUtf16(std::string_view text, bool bigEndian)
{
    std::u16string units = rtl::Utf8ToUtf16(text);
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t u : units) {
        char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

// Turns raw file bytes into UTF-8 text. Forced names the encoding the caller
// insists on; a mark of that encoding is still skipped.
struct DecodedText {
    std::string Text;
    TEncoding Encoding;
    bool HadBom;
};

DecodedText Decode(std::string_view bytes, const TEncoding* forced)
{
    auto startsWith = [&](std::string_view bom) { return bytes.substr(0, bom.size()) == bom; };
    TEncoding encoding;
    bool bom = false;
    if (startsWith(kUtf8Bom) && (!forced || *forced == TEncoding::UTF8)) {
        encoding = TEncoding::UTF8;
        bom = true;
        bytes.remove_prefix(kUtf8Bom.size());
    } else if (startsWith(kUtf16LeBom) && (!forced || *forced == TEncoding::Unicode)) {
        encoding = TEncoding::Unicode;
        bom = true;
        bytes.remove_prefix(2);
    } else if (startsWith(kUtf16BeBom) && (!forced || *forced == TEncoding::BigEndianUnicode)) {
        encoding = TEncoding::BigEndianUnicode;
        bom = true;
        bytes.remove_prefix(2);
    } else if (forced) {
        encoding = *forced;
    } else {
        // Without a mark: UTF-8 unless a byte is no UTF-8 and nothing else
        // is; the text keeps every valid sequence either way.
        bool multibyte = false;
        std::string text = Utf8OrLatin1(bytes, multibyte);
        const bool utf8 = multibyte || IsValidUtf8(bytes);
        return {std::move(text), utf8 ? TEncoding::UTF8 : TEncoding::ANSI, false};
    }
    switch (encoding) {
    case TEncoding::Unicode:
        return {DecodeUtf16(bytes, false), encoding, bom};
    case TEncoding::BigEndianUnicode:
        return {DecodeUtf16(bytes, true), encoding, bom};
    case TEncoding::ANSI:
        return {rtl::Latin1ToUtf8(bytes), encoding, bom};
    case TEncoding::UTF8:
        break;
    }
    // Invalid sequences in a forced UTF-8 text become U+FFFD, never raw bytes.
    if (IsValidUtf8(bytes))
        return {std::string(bytes), encoding, bom};
    std::string clean;
    for (size_t offset = 0; offset < bytes.size();)
        rtl::Utf8Append(clean, rtl::Utf8Decode(bytes, offset));
    return {clean, encoding, bom};
}

std::string Encode(const std::string& text, TEncoding encoding, bool bom)
{
    switch (encoding) {
    case TEncoding::Unicode:
        return (bom ? std::string(kUtf16LeBom) : std::string()) + EncodeUtf16(text, false);
    case TEncoding::BigEndianUnicode:
        return (bom ? std::string(kUtf16BeBom) : std::string()) + EncodeUtf16(text, true);
    case TEncoding::ANSI: {
        std::string bytes = rtl::Utf8ToLatin1(text);
        if (rtl::Latin1ToUtf8(bytes) == text)
            return bytes;
        // Latin-1 cannot hold this text: keep every character instead.
        return std::string(kUtf8Bom) + text;
    }
    case TEncoding::UTF8:
        break;
    }
    return (bom ? std::string(kUtf8Bom) : std::string()) + text;
}

std::string ReadRest(TStream& stream)
{
    std::int64_t size = stream.Size() - stream.Position();
    std::string bytes;
    if (size <= 0)
        return bytes;
    bytes.resize(static_cast<size_t>(size));
    bytes.resize(static_cast<size_t>(stream.Read(bytes.data(), size)));
    return bytes;
}

} // namespace

std::string DecodeTextBytes(std::string_view Bytes) { return Decode(Bytes, nullptr).Text; }

std::string EncodeTextBytes(const std::string& Text, TEncoding Encoding, bool Bom)
{
    return Encode(Text, Encoding, Bom);
}

// ---- TStrings ----

void TStrings::IndexError(int Index) const
{
    throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TStrings::SetStrings(int Index, const std::string& S)
{
    TObject* object = Objects(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

TObject* TStrings::Objects(int) const
{
    return nullptr;
}

void TStrings::SetObjects(int, TObject*)
{
}

int TStrings::Add(const std::string& S)
{
    int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject)
{
    int index = Add(S);
    if (index >= 0 && index < Count())
        SetObjects(index, AObject);
    return index;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject)
{
    Insert(Index, S);
    SetObjects(Index, AObject);
}

void TStrings::AddStrings(const TStrings& Source)
{
    const auto update = rtl::UpdateScope(*this);
    for (int i = 0; i < Source.Count(); ++i)
        AddObject(Source.Strings(i), Source.Objects(i));
}

void TStrings::Exchange(int Index1, int Index2)
{
    const auto update = rtl::UpdateScope(*this);
    std::string s1 = Strings(Index1), s2 = Strings(Index2);
    TObject* o1 = Objects(Index1);
    TObject* o2 = Objects(Index2);
    SetStrings(Index1, s2);
    SetObjects(Index1, o2);
    SetStrings(Index2, s1);
    SetObjects(Index2, o1);
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    const auto update = rtl::UpdateScope(*this);
    std::string s = Strings(CurIndex);
    TObject* object = Objects(CurIndex);
    if (NewIndex < 0 || NewIndex >= Count())
        IndexError(NewIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, object);
}

int TStrings::CompareStrings(std::string_view S1, std::string_view S2) const
{
    return AnsiCompareText(S1, S2);
}

int TStrings::IndexOf(std::string_view S) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), S) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const
{
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == AObject)
            return i;
    return -1;
}

int TStrings::IndexOfName(std::string_view Name) const
{
    for (int i = 0; i < Count(); ++i) {
        std::string line = Strings(i);
        size_t p = line.find(FNameValueSeparator);
        if (p != std::string::npos && CompareStrings(std::string_view(line).substr(0, p), Name) == 0)
            return i;
    }
    return -1;
}

bool TStrings::Equals(const TStrings& Other) const
{
    if (Count() != Other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != Other.Strings(i))
            return false;
    return true;
}

std::string TStrings::Names(int Index) const
{
    std::string line = Strings(Index);
    size_t p = line.find(FNameValueSeparator);
    return p == std::string::npos ? std::string() : line.substr(0, p);
}

std::string TStrings::Values(std::string_view Name) const
{
    int i = IndexOfName(Name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(std::string_view Name, std::string_view Value)
{
    int i = IndexOfName(Name);
    if (!Value.empty()) {
        std::string line = std::string(Name) + FNameValueSeparator + std::string(Value);
        if (i < 0)
            Add(line);
        else
            SetStrings(i, line);
    } else if (i >= 0) {
        Delete(i);
    }
}

std::string TStrings::ValueFromIndex(int Index) const
{
    std::string line = Strings(Index);
    size_t p = line.find(FNameValueSeparator);
    return p == std::string::npos ? std::string() : line.substr(p + 1);
}

void TStrings::SetValueFromIndex(int Index, std::string_view Value)
{
    if (!Value.empty())
        SetStrings(Index, Names(Index) + FNameValueSeparator + std::string(Value));
    else
        Delete(Index);
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Strings(i);
        text += kLineBreak;
    }
    return text;
}

void TStrings::SetText(std::string_view Value)
{
    const auto update = rtl::UpdateScope(*this);
    Clear();
    size_t start = 0;
    while (start < Value.size()) {
        size_t end = Value.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            Add(std::string(Value.substr(start)));
            break;
        }
        Add(std::string(Value.substr(start, end - start)));
        start = end + 1;
        if (Value[end] == '\r' && start < Value.size() && Value[start] == '\n')
            ++start;
    }
}

std::string TStrings::JoinDelimited(char delimiter, char quote, bool strict) const
{
    if (Count() == 1 && Strings(0).empty())
        return std::string(2, quote);
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        std::string s = Strings(i);
        bool needsQuotes = std::any_of(s.begin(), s.end(), [&](char c) {
            return c == quote || c == delimiter || (!strict && static_cast<unsigned char>(c) <= ' ');
        });
        if (i > 0)
            result += delimiter;
        if (!needsQuotes) {
            result += s;
            continue;
        }
        result += quote;
        for (char c : s) {
            result += c;
            if (c == quote)
                result += c;
        }
        result += quote;
    }
    return result;
}

void TStrings::SplitDelimited(std::string_view value, char delimiter, char quote, bool strict)
{
    // Every step consumes at least one character, so the walk ends. NUL
    // counts as a blank here: it is data, not the end of the text.
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto update = rtl::UpdateScope(*this);
    Clear();
    size_t p = 0;
    const size_t end = value.size();
    auto skipBlanks = [&] {
        if (!strict)
            while (p < end && isBlank(value[p]))
                ++p;
    };
    skipBlanks();
    while (p < end) {
        std::string item;
        if (value[p] == quote) {
            // A quoted item runs to the next single quote; a doubled quote
            // is one quote character; an unclosed quote takes the rest.
            ++p;
            while (p < end) {
                if (value[p] == quote) {
                    if (p + 1 < end && value[p + 1] == quote) {
                        item += quote;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += value[p++];
            }
        } else {
            size_t start = p;
            while (p < end && value[p] != delimiter && (strict || !isBlank(value[p])))
                ++p;
            item.assign(value.substr(start, p - start));
        }
        Add(item);
        skipBlanks();
        if (p < end && value[p] == delimiter) {
            if (p + 1 == end) // a delimiter at the very end opens one more, empty, item
                Add(std::string());
            ++p;
            skipBlanks();
        }
    }
}

std::string TStrings::DelimitedText() const
{
    return JoinDelimited(FDelimiter, FQuoteChar, FStrictDelimiter);
}

void TStrings::SetDelimitedText(std::string_view Value)
{
    SplitDelimited(Value, FDelimiter, FQuoteChar, FStrictDelimiter);
}

std::string TStrings::CommaText() const
{
    return JoinDelimited(',', '"', false);
}

void TStrings::SetCommaText(std::string_view Value)
{
    SplitDelimited(Value, ',', '"', false);
}

void TStrings::LoadFromFile(const std::string& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TStrings::LoadFromFile(const std::string& FileName, TEncoding Encoding)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream, Encoding);
}

void TStrings::LoadFromStream(TStream& Stream)
{
    DecodedText decoded = Decode(ReadRest(Stream), nullptr);
    SetText(decoded.Text);
    FEncoding = decoded.Encoding;
    FWriteBOM = decoded.HadBom;
}

void TStrings::LoadFromStream(TStream& Stream, TEncoding Encoding)
{
    DecodedText decoded = Decode(ReadRest(Stream), &Encoding);
    SetText(decoded.Text);
    FEncoding = decoded.Encoding;
    FWriteBOM = decoded.HadBom;
}

void TStrings::SaveToFile(const std::string& FileName) const
{
    classes::SaveFileThrough(FileName, [this](TStream& Out) { SaveToStream(Out); });
}

void TStrings::SaveToFile(const std::string& FileName, TEncoding Encoding) const
{
    classes::SaveFileThrough(FileName, [this, Encoding](TStream& Out) { SaveToStream(Out, Encoding); });
}

void TStrings::SaveToStream(TStream& Stream) const
{
    Stream.WriteString(Encode(Text(), FEncoding, FWriteBOM));
}

void TStrings::SaveToStream(TStream& Stream, TEncoding Encoding) const
{
    Stream.WriteString(Encode(Text(), Encoding, Encoding != TEncoding::ANSI));
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool)
{
}

void TStrings::Assign(const TPersistent* Source)
{
    auto* source = dynamic_cast<const TStrings*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    const auto update = rtl::UpdateScope(*this);
    Clear();
    FNameValueSeparator = source->FNameValueSeparator;
    FDelimiter = source->FDelimiter;
    FQuoteChar = source->FQuoteChar;
    FStrictDelimiter = source->FStrictDelimiter;
    AddStrings(*source);
}

void TStrings::AssignTo(TPersistent* Dest) const
{
    if (auto* dest = dynamic_cast<TStrings*>(Dest)) {
        dest->Assign(this);
        return;
    }
    TPersistent::AssignTo(Dest);
}

// ---- TStringList ----

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects)
        for (TStringItem& item : FList)
            delete std::exchange(item.FObject, nullptr);
}

void TStringList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
}

void TStringList::CheckUnsorted() const
{
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
}

std::string TStringList::Strings(int Index) const
{
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FString;
}

void TStringList::SetStrings(int Index, const std::string& S)
{
    CheckUnsorted();
    CheckIndex(Index);
    Changing();
    FList[static_cast<size_t>(Index)].FString = S;
    Changed();
}

TObject* TStringList::Objects(int Index) const
{
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FObject;
}

void TStringList::SetObjects(int Index, TObject* AObject)
{
    CheckIndex(Index);
    Changing();
    TObject* old = std::exchange(FList[static_cast<size_t>(Index)].FObject, AObject);
    if (FOwnsObjects && old != AObject)
        delete old;
    Changed();
}

int TStringList::Add(const std::string& S)
{
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const std::string& S, TObject* AObject)
{
    int index;
    if (!FSorted) {
        index = Count();
    } else if (Find(S, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Insert(int Index, const std::string& S)
{
    CheckUnsorted();
    if (Index < 0 || Index > Count())
        IndexError(Index);
    InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject)
{
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    TObject* object = FList[static_cast<size_t>(Index)].FObject;
    FList.erase(FList.begin() + Index);
    if (FOwnsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    std::vector<TStringItem> dropped;
    dropped.swap(FList);
    if (FOwnsObjects)
        for (TStringItem& item : dropped)
            delete item.FObject;
    Changed();
}

void TStringList::ExchangeItems(int Index1, int Index2)
{
    std::swap(FList[static_cast<size_t>(Index1)], FList[static_cast<size_t>(Index2)]);
}

void TStringList::Exchange(int Index1, int Index2)
{
    CheckUnsorted();
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    ExchangeItems(Index1, Index2);
    Changed();
}

void TStringList::Move(int CurIndex, int NewIndex)
{
    CheckUnsorted();
    if (CurIndex == NewIndex)
        return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    TStringItem item = std::move(FList[static_cast<size_t>(CurIndex)]);
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, std::move(item));
    Changed();
}

int TStringList::CompareStrings(std::string_view S1, std::string_view S2) const
{
    if (FCaseSensitive)
        return S1.compare(S2);
    return AnsiCompareText(S1, S2);
}

int TStringList::IndexOf(std::string_view S) const
{
    if (!FSorted)
        return TStrings::IndexOf(S);
    int index;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(std::string_view S, int& Index) const
{
    bool found = false;
    int low = 0, high = Count() - 1;
    while (low <= high) {
        int mid = low + (high - low) / 2;
        int c = CompareStrings(FList[static_cast<size_t>(mid)].FString, S);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept)
                    low = mid;
            }
        }
    }
    Index = low;
    return found;
}

void TStringList::Sort()
{
    CustomSort([](TStringList* list, int i, int j) {
        return list->CompareStrings(list->FList[static_cast<size_t>(i)].FString,
                                    list->FList[static_cast<size_t>(j)].FString);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    // A sorted list keeps its own order.
    if (FSorted || Count() < 2)
        return;
    Changing();
    classes::QuickSort(
        0, Count() - 1, [&](int i, int j) { return Compare(this, i, j); },
        [this](int i, int j) { ExchangeItems(i, j); });
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (FSorted == Value)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (FCaseSensitive == Value)
        return;
    FCaseSensitive = Value;
    if (FSorted) {
        FSorted = false;
        SetSorted(true);
    }
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}
