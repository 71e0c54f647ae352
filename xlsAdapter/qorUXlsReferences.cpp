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

constexpr int FirstSheetMark = 0xFFFE;
constexpr int MaxExternSheets = 65535;
constexpr int MaxSheet = 65000;

// The record as the class it is read as: the factory makes SUPBOOK, EXTERNNAME
// and EXTERNSHEET records of their own classes, but a record made elsewhere
// with the same id is taken over byte for byte.
template <typename T>
std::unique_ptr<T> As(std::unique_ptr<TBaseRecord> Record)
{
    if (auto* typed = dynamic_cast<T*>(Record.get())) {
        Record.release();
        return std::unique_ptr<T>(typed);
    }
    auto copy = std::make_unique<T>(Record->Id, Record->Data);
    copy->Continue = std::move(Record->Continue);
    copy->StreamOffset = Record->StreamOffset;
    return copy;
}

} // namespace

void TReferences::Clear()
{
    FSupBooks.Clear();
    FExternRefs.Clear();
    FLocalSupBook = -1;
}

void TReferences::AddSupBook(std::unique_ptr<TBaseRecord> Record)
{
    auto book = As<TSupBookRecord>(std::move(Record));
    book->LoadNames();
    if (book->IsLocal())
        FLocalSupBook = FSupBooks.Count();
    FSupBooks.Add(std::move(book));
}

void TReferences::AddExternName(std::unique_ptr<TBaseRecord> Record)
{
    if (FSupBooks.Count() == 0)
        Record->ReadError(msg::ErrExcelInvalid);
    FSupBooks.Items(FSupBooks.Count() - 1)->AddExternName(As<TExternNameRecord>(std::move(Record)));
}

void TReferences::AddExternRef(const TBaseRecord& Record)
{
    FExternRefs.Load(Record);
}

std::int64_t TReferences::TotalSize() const
{
    return FSupBooks.TotalSize() + FExternRefs.TotalSize();
}

void TReferences::SaveToStream(TOle2File& DataStream) const
{
    // Every SUPBOOK writes its external names after itself.
    for (int i = 0; i < FSupBooks.Count(); ++i)
        FSupBooks.Items(i)->SaveToStream(DataStream);
    FExternRefs.SaveToStream(DataStream);
}

const TExternRef& TReferences::ExternRef(int SheetRef) const
{
    if (SheetRef < 0 || SheetRef >= ExternSheetCount())
        ExcelError(msg::IndexOutOfRange, SheetRef, "Sheet Reference", 0, ExternSheetCount() - 1);
    return FExternRefs.Items(SheetRef);
}

const TSupBookRecord& TReferences::SupBook(int Index) const
{
    if (Index < 0 || Index >= FSupBooks.Count())
        ExcelError(msg::IndexOutOfRange, Index, "idx", 0, FSupBooks.Count() - 1);
    return *FSupBooks.Items(Index);
}

int TReferences::GetSheet(int SheetRef) const
{
    const TExternRef& ref = ExternRef(SheetRef);
    return ref.SupBookRecord == FLocalSupBook && ref.FirstSheet == ref.LastSheet && ref.FirstSheet < FirstSheetMark
               ? ref.FirstSheet
               : -1;
}

std::string TReferences::GetSheetName(int SheetRef, const TWorkbookGlobals& Globals) const
{
    const TExternRef& ref = ExternRef(SheetRef);
    const TSupBookRecord& book = SupBook(ref.SupBookRecord);
    std::u16string sheets = book.SheetName(ref.FirstSheet, Globals);
    if (ref.LastSheet != ref.FirstSheet)
        sheets += u":" + book.SheetName(ref.LastSheet, Globals);
    const bool local = book.IsLocal();
    std::u16string bookPart = local ? std::u16string() : book.BookName();
    if (!sheets.empty() && !local) {
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
    if (SheetRef >= 0)
        supBook = ExternRef(SheetRef).SupBookRecord;
    if (supBook < 0 || SupBook(supBook).IsLocal()) {
        const TNameRecordList& names = Globals.Names();
        if (NameIndex < 0 || NameIndex >= names.Count())
            ExcelError(msg::IndexOutOfRange, NameIndex, "Name Index", 0, names.Count() - 1);
        return rtl::Utf16ToUtf8(names.Items(NameIndex)->Name());
    }
    const TExternNameRecordList& externNames = SupBook(supBook).ExternNames();
    if (NameIndex < 0 || NameIndex >= externNames.Count())
        ExcelError(msg::IndexOutOfRange, NameIndex, "Name Index", 0, externNames.Count() - 1);
    return rtl::Utf16ToUtf8(externNames.Items(NameIndex)->Name());
}

int TReferences::FindOrAddLocalRef(int FirstSheet, int LastSheet)
{
    for (int i = 0; i < FExternRefs.Count(); ++i) {
        const TExternRef& ref = FExternRefs.Items(i);
        if (ref.SupBookRecord == FLocalSupBook && ref.FirstSheet == FirstSheet && ref.LastSheet == LastSheet)
            return i;
    }
    if (ExternSheetCount() >= MaxExternSheets)
        ExcelError(msg::TooManyEntries, ExternSheetCount() + 1, MaxExternSheets);
    return FExternRefs.Add({FLocalSupBook, FirstSheet, LastSheet});
}

int TReferences::SetSheet(int Sheet)
{
    if (FLocalSupBook < 0)
        ExcelError(msg::ErrExcelInvalid);
    return FindOrAddLocalRef(Sheet, Sheet);
}

int TReferences::AddSheet(int SheetCount, int FirstSheet, int LastSheet)
{
    if (FLocalSupBook < 0)
        AddSupBook(TSupBookRecord::CreateEmpty(SheetCount));
    return FindOrAddLocalRef(FirstSheet, LastSheet);
}

void TReferences::InsertSheets(int BeforeSheet, int SheetCount)
{
    if (FLocalSupBook < 0)
        return;
    TSupBookRecord& local = *FSupBooks.Items(FLocalSupBook);
    // The count is checked first, so a refusal leaves the table as it was.
    const int sheets = local.SheetCount() + SheetCount;
    if (sheets > MaxSheet || sheets < 0)
        ExcelError(msg::TooManyEntries, sheets, MaxSheet);
    FExternRefs.InsertSheets(BeforeSheet, SheetCount, FLocalSupBook);
    local.InsertSheets(SheetCount);
}
