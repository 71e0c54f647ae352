// External references and the names formulas show.
#include "xlsAdapter/qorUXlsReferences.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsStrings.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include "platform/rtl/Strings.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

constexpr std::uint16_t LocalSupBookMark = 0x0401;
constexpr std::uint16_t AddInSupBookMark = 0x3A01;
constexpr std::int64_t EntrySize = 6;
constexpr std::size_t EntriesPerRecord = 1370;
constexpr int DeletedSheet = 0xFFFF;
// Sheet numbers at or above this one are marks, not sheets.
constexpr int FirstSheetMark = 0xFFFE;
constexpr int MaxExternSheets = 65535;
constexpr int MaxSheet = 65000;

std::uint16_t ReadWord(const TBaseRecord*& Record, int& Pos)
{
    std::uint8_t bytes[2] = {};
    ReadMemAcrossContinue(Record, Pos, 2, bytes);
    return GetWord(bytes, 0);
}

} // namespace

void TReferences::Clear()
{
    FSupBooks.clear();
    FExternRefs.clear();
    FLocalSupBook = -1;
}

void TReferences::AddSupBook(std::unique_ptr<TBaseRecord> Record)
{
    TSupBook book;
    const TBaseRecord* link = Record.get();
    int pos = 0;
    book.SheetCount = ReadWord(link, pos);
    if (Record->DataSize() == 4 && GetWord(Record->Data, 2) == LocalSupBookMark) {
        book.Local = true;
        FLocalSupBook = static_cast<int>(FSupBooks.size());
    } else if (Record->DataSize() == 4 && GetWord(Record->Data, 2) == AddInSupBookMark) {
        book.AddIn = true;
    } else {
        book.EncodedPath = TExcelString(2, link, pos).Value();
        for (int i = 0; i < book.SheetCount; ++i)
            book.SheetNames.push_back(TExcelString(2, link, pos).Value());
    }
    book.Record = std::move(Record);
    FSupBooks.push_back(std::move(book));
}

void TReferences::AddExternName(std::unique_ptr<TBaseRecord> Record)
{
    if (FSupBooks.empty())
        Record->ReadError(msg::ErrExcelInvalid);
    Record->RequireSize(8);
    std::int64_t byteCount = 0;
    std::u16string name;
    ReadBiffString(false, Record->Data, 7, byteCount, name, Record->Data[6], true);
    FSupBooks.back().ExternNames.push_back(std::move(name));
    FSupBooks.back().ExternNameRecords.push_back(std::move(Record));
}

void TReferences::AddExternRef(const TBaseRecord& Record)
{
    const TBaseRecord* link = &Record;
    int pos = 0;
    const int count = ReadWord(link, pos);
    for (int i = 0; i < count; ++i) {
        const int supBook = ReadWord(link, pos);
        const int first = ReadWord(link, pos);
        const int last = ReadWord(link, pos);
        FExternRefs.push_back({supBook, first, last});
    }
}

std::int64_t TReferences::TotalSize() const
{
    std::int64_t size = 0;
    for (const TSupBook& book : FSupBooks) {
        size += book.Record->TotalSize();
        for (const auto& name : book.ExternNameRecords)
            size += name->TotalSize();
    }
    const std::int64_t count = ExternSheetCount();
    if (count > 0)
        size += EntrySize * count + 6 + 4 * ((EntrySize * count - 1) / (EntriesPerRecord * EntrySize));
    return size;
}

void TReferences::SaveToStream(TOle2File& DataStream) const
{
    for (const TSupBook& book : FSupBooks) {
        book.Record->SaveToStream(DataStream);
        for (const auto& name : book.ExternNameRecords)
            name->SaveToStream(DataStream);
    }
    // The first record holds the count; CONTINUE records carry the rest.
    for (std::size_t first = 0; first < FExternRefs.size(); first += EntriesPerRecord) {
        const std::size_t count = std::min<std::size_t>(EntriesPerRecord, FExternRefs.size() - first);
        const auto size = static_cast<std::uint16_t>(EntrySize * count + (first == 0 ? 2 : 0));
        DataStream.WriteHeader(first == 0 ? xlr::EXTERNSHEET : xlr::CONTINUE, size);
        if (first == 0)
            DataStream.Write16(static_cast<std::uint16_t>(FExternRefs.size()));
        for (std::size_t i = first; i < first + count; ++i) {
            DataStream.Write16(static_cast<std::uint16_t>(FExternRefs[i].SupBook));
            DataStream.Write16(static_cast<std::uint16_t>(FExternRefs[i].FirstSheet));
            DataStream.Write16(static_cast<std::uint16_t>(FExternRefs[i].LastSheet));
        }
    }
}

const TReferences::TExternRef& TReferences::ExternRef(int SheetRef) const
{
    if (SheetRef < 0 || SheetRef >= ExternSheetCount())
        ExcelError(msg::IndexOutOfRange, SheetRef, "Sheet Reference", 0, ExternSheetCount() - 1);
    return FExternRefs[static_cast<std::size_t>(SheetRef)];
}

int TReferences::GetSheet(int SheetRef) const
{
    const TExternRef& ref = ExternRef(SheetRef);
    return ref.SupBook == FLocalSupBook && ref.FirstSheet == ref.LastSheet && ref.FirstSheet < FirstSheetMark
               ? ref.FirstSheet
               : -1;
}

std::u16string TReferences::TSupBook::BookName() const
{
    if (Local || AddIn || EncodedPath.empty() || EncodedPath[0] == 0 || EncodedPath[0] == 2)
        return {};
    if (EncodedPath[0] != 1)
        return EncodedPath;
    std::u16string name;
    for (std::size_t i = 1; i < EncodedPath.size(); ++i) {
        const char16_t c = EncodedPath[i];
        if (c == 1 && i + 1 < EncodedPath.size()) {
            const char16_t next = EncodedPath[++i];
            name += next == u'@' ? std::u16string(u"\\\\") : std::u16string(1, next) + u":\\";
        } else if (c == 2 || c == 3) {
            name += u'\\';
        } else if (c == 4) {
            name += u"..\\";
        } else {
            name += c;
        }
    }
    return name;
}

std::u16string TReferences::TSupBook::SheetName(int SheetIndex, const TWorkbookGlobals& Globals) const
{
    if (SheetIndex < 0 || SheetIndex >= SheetCount)
        return {};
    if (Local)
        return SheetIndex < Globals.SheetCount() ? Globals.GetSheetName(SheetIndex) : std::u16string();
    return SheetIndex < static_cast<int>(SheetNames.size()) ? SheetNames[static_cast<std::size_t>(SheetIndex)]
                                                             : std::u16string();
}

std::string TReferences::GetSheetName(int SheetRef, const TWorkbookGlobals& Globals) const
{
    const TExternRef& ref = ExternRef(SheetRef);
    if (ref.SupBook < 0 || ref.SupBook >= static_cast<int>(FSupBooks.size()))
        ExcelError(msg::IndexOutOfRange, ref.SupBook, "idx", 0, static_cast<int>(FSupBooks.size()) - 1);
    const TSupBook& book = FSupBooks[static_cast<std::size_t>(ref.SupBook)];
    std::u16string sheets = book.SheetName(ref.FirstSheet, Globals);
    if (ref.LastSheet != ref.FirstSheet)
        sheets += u":" + book.SheetName(ref.LastSheet, Globals);
    std::u16string bookPart = book.Local ? std::u16string() : book.BookName();
    if (!sheets.empty() && !book.Local) {
        const std::size_t cut = bookPart.find_last_of(u"\\:");
        bookPart.insert(cut == std::u16string::npos ? 0 : cut + 1, u"[");
        bookPart += u"]";
    }
    std::u16string text = bookPart + sheets;
    if (text.empty())
        return {};
    // Quotes inside the name are doubled, so that the text reads back.
    for (std::size_t pos = text.find(u'\''); pos != std::u16string::npos; pos = text.find(u'\'', pos + 2))
        text.insert(pos, 1, u'\'');
    return "'" + rtl::Utf16ToUtf8(text) + "'!";
}

std::string TReferences::GetName(int SheetRef, int NameIndex, const TWorkbookGlobals& Globals) const
{
    int supBook = FLocalSupBook;
    if (SheetRef >= 0) {
        supBook = ExternRef(SheetRef).SupBook;
        if (supBook < 0 || supBook >= static_cast<int>(FSupBooks.size()))
            ExcelError(msg::IndexOutOfRange, supBook, "idx", 0, static_cast<int>(FSupBooks.size()) - 1);
    }
    if (supBook < 0 || FSupBooks[static_cast<std::size_t>(supBook)].Local) {
        const TNameRecordList& names = Globals.Names();
        if (NameIndex < 0 || NameIndex >= names.Count())
            ExcelError(msg::IndexOutOfRange, NameIndex, "Name Index", 0, names.Count() - 1);
        return rtl::Utf16ToUtf8(names.Items(NameIndex)->Name());
    }
    const auto& externNames = FSupBooks[static_cast<std::size_t>(supBook)].ExternNames;
    if (NameIndex < 0 || NameIndex >= static_cast<int>(externNames.size()))
        ExcelError(msg::IndexOutOfRange, NameIndex, "Name Index", 0, static_cast<int>(externNames.size()) - 1);
    return rtl::Utf16ToUtf8(externNames[static_cast<std::size_t>(NameIndex)]);
}

int TReferences::FindOrAddLocalRef(int FirstSheet, int LastSheet)
{
    for (std::size_t i = 0; i < FExternRefs.size(); ++i) {
        const TExternRef& ref = FExternRefs[i];
        if (ref.SupBook == FLocalSupBook && ref.FirstSheet == FirstSheet && ref.LastSheet == LastSheet)
            return static_cast<int>(i);
    }
    if (ExternSheetCount() >= MaxExternSheets)
        ExcelError(msg::TooManyEntries, ExternSheetCount() + 1, MaxExternSheets);
    FExternRefs.push_back({FLocalSupBook, FirstSheet, LastSheet});
    return ExternSheetCount() - 1;
}

int TReferences::SetSheet(int Sheet)
{
    if (FLocalSupBook < 0)
        ExcelError(msg::ErrExcelInvalid);
    return FindOrAddLocalRef(Sheet, Sheet);
}

int TReferences::AddSheet(int SheetCount, int FirstSheet, int LastSheet)
{
    if (FLocalSupBook < 0) {
        ByteArray data(4);
        SetWord(data, 0, static_cast<std::uint16_t>(SheetCount));
        SetWord(data, 2, LocalSupBookMark);
        AddSupBook(std::make_unique<TBaseRecord>(xlr::SUPBOOK, std::move(data)));
    }
    return FindOrAddLocalRef(FirstSheet, LastSheet);
}

void TReferences::InsertSheets(int BeforeSheet, int SheetCount)
{
    if (FLocalSupBook < 0)
        return;
    // Everything is computed before anything changes, so a refusal leaves
    // the table as it was.
    auto moved = [&](int sheet) {
        if (SheetCount < 0 && sheet >= BeforeSheet && sheet < BeforeSheet - SheetCount)
            return DeletedSheet;
        if (sheet >= FirstSheetMark || sheet < BeforeSheet)
            return sheet;
        const int result = sheet + SheetCount;
        if (result > MaxSheet || result < 0)
            ExcelError(msg::TooManyEntries, result, MaxSheet);
        return result;
    };
    std::vector<TExternRef> refs = FExternRefs;
    for (TExternRef& ref : refs) {
        if (ref.SupBook != FLocalSupBook)
            continue;
        ref.FirstSheet = moved(ref.FirstSheet);
        ref.LastSheet = moved(ref.LastSheet);
    }
    TSupBook& local = FSupBooks[static_cast<std::size_t>(FLocalSupBook)];
    const int sheets = local.SheetCount + SheetCount;
    if (sheets > MaxSheet || sheets < 0)
        ExcelError(msg::TooManyEntries, sheets, MaxSheet);
    FExternRefs = std::move(refs);
    local.SheetCount = sheets;
    SetWord(local.Record->Data, 0, static_cast<std::uint16_t>(sheets));
}
