// SUPBOOK and EXTERNNAME records and the EXTERNSHEET table.
#include "xlsAdapter/qorUXlsSupBook.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsStrings.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

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
constexpr int MaxSheet = 65000;

std::uint16_t ReadWord(const TBaseRecord*& Record, int& Pos)
{
    std::uint8_t bytes[2] = {};
    ReadMemAcrossContinue(Record, Pos, 2, bytes);
    return GetWord(bytes, 0);
}

} // namespace

// External names.

std::uint8_t TExternNameRecord::NameLength() const
{
    RequireSize(8);
    return Data[6];
}

std::u16string TExternNameRecord::Name() const
{
    std::int64_t byteCount = 0;
    std::u16string name;
    ReadBiffString(false, Data, 7, byteCount, name, NameLength(), true);
    return name;
}

// SUPBOOK.

std::unique_ptr<TSupBookRecord> TSupBookRecord::CreateEmpty(int SheetCount)
{
    ByteArray data(4);
    SetWord(data, 0, static_cast<std::uint16_t>(SheetCount));
    SetWord(data, 2, LocalSupBookMark);
    return std::make_unique<TSupBookRecord>(xlr::SUPBOOK, std::move(data));
}

std::unique_ptr<TBaseRecord> TSupBookRecord::DoCopyTo() const
{
    auto copy = std::make_unique<TSupBookRecord>(Id, Data);
    CopyContinueChainTo(*copy);
    copy->FEncodedPath = FEncodedPath;
    copy->FSheetNames = FSheetNames;
    for (int i = 0; i < FExternNameList.Count(); ++i)
        copy->FExternNameList.Add(std::unique_ptr<TExternNameRecord>(
            static_cast<TExternNameRecord*>(TBaseRecord::CopyTo(FExternNameList.Items(i)).release())));
    return copy;
}

void TSupBookRecord::LoadNames()
{
    RequireSize(2);
    FEncodedPath.clear();
    FSheetNames.clear();
    if (IsLocal() || IsAddIn())
        return;
    const TBaseRecord* link = this;
    int pos = 2;
    FEncodedPath = TExcelString(2, link, pos).Value();
    const int count = SheetCount();
    FSheetNames.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        FSheetNames.push_back(TExcelString(2, link, pos).Value());
}

bool TSupBookRecord::IsLocal() const { return DataSize() == 4 && GetWord(Data, 2) == LocalSupBookMark; }

bool TSupBookRecord::IsAddIn() const { return DataSize() == 4 && GetWord(Data, 2) == AddInSupBookMark; }

int TSupBookRecord::SheetCount() const { return DataSize() >= 2 ? GetWord(Data, 0) : 0; }

std::u16string TSupBookRecord::BookName() const
{
    if (IsLocal() || IsAddIn() || FEncodedPath.empty() || FEncodedPath[0] == 0 || FEncodedPath[0] == 2)
        return {};
    if (FEncodedPath[0] != 1)
        return FEncodedPath;
    std::u16string name;
    for (std::size_t i = 1; i < FEncodedPath.size(); ++i) {
        const char16_t c = FEncodedPath[i];
        if (c == 1 && i + 1 < FEncodedPath.size()) {
            const char16_t next = FEncodedPath[++i];
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

std::u16string TSupBookRecord::SheetName(int SheetIndex, const TWorkbookGlobals& Globals) const
{
    if (SheetIndex < 0 || SheetIndex >= SheetCount())
        return {};
    if (IsLocal())
        return SheetIndex < Globals.SheetCount() ? Globals.GetSheetName(SheetIndex) : std::u16string();
    return SheetIndex < static_cast<int>(FSheetNames.size()) ? FSheetNames[static_cast<std::size_t>(SheetIndex)]
                                                              : std::u16string();
}

void TSupBookRecord::AddExternName(std::unique_ptr<TExternNameRecord> ExternNameRecord)
{
    ExternNameRecord->NameLength();
    FExternNameList.Add(std::move(ExternNameRecord));
}

void TSupBookRecord::InsertSheets(int SheetCount)
{
    if (!IsLocal())
        ExcelError(msg::ErrExcelInvalid);
    const int sheets = this->SheetCount() + SheetCount;
    if (sheets > MaxSheet || sheets < 0)
        ExcelError(msg::TooManyEntries, sheets, MaxSheet);
    SetWord(Data, 0, static_cast<std::uint16_t>(sheets));
}

void TSupBookRecord::SaveToStream(TOle2File& Workbook)
{
    TBaseRecord::SaveToStream(Workbook);
    FExternNameList.SaveToStream(Workbook);
}

int TSupBookRecord::TotalSize() const
{
    return TBaseRecord::TotalSize() + static_cast<int>(FExternNameList.TotalSize());
}

int TSupBookRecord::TotalSizeNoHeaders() const
{
    int size = TBaseRecord::TotalSizeNoHeaders();
    for (int i = 0; i < FExternNameList.Count(); ++i)
        size += FExternNameList.Items(i)->TotalSizeNoHeaders();
    return size;
}

std::int64_t TSupBookRecordList::GetTotalSize() const
{
    std::int64_t size = 0;
    for (int i = 0; i < Count(); ++i)
        size += Items(i)->TotalSize();
    return size;
}

// The EXTERNSHEET table.

void TExternRef::SaveToStream(TOle2File& DataStream) const
{
    DataStream.Write16(static_cast<std::uint16_t>(SupBookRecord));
    DataStream.Write16(static_cast<std::uint16_t>(FirstSheet));
    DataStream.Write16(static_cast<std::uint16_t>(LastSheet));
}

int TExternRefList::Add(const TExternRef& Ref)
{
    FItems.push_back(Ref);
    return Count() - 1;
}

void TExternRefList::Load(const TBaseRecord& aRecord)
{
    const TBaseRecord* link = &aRecord;
    int pos = 0;
    const int count = ReadWord(link, pos);
    for (int i = 0; i < count; ++i) {
        const int supBook = ReadWord(link, pos);
        const int first = ReadWord(link, pos);
        const int last = ReadWord(link, pos);
        FItems.emplace_back(supBook, first, last);
    }
}

void TExternRefList::InsertSheets(int BeforeSheet, int SheetCount, int LocalSupBook)
{
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
    std::vector<TExternRef> refs = FItems;
    for (TExternRef& ref : refs) {
        if (ref.SupBookRecord != LocalSupBook)
            continue;
        ref.FirstSheet = moved(ref.FirstSheet);
        ref.LastSheet = moved(ref.LastSheet);
    }
    FItems = std::move(refs);
}

void TExternRefList::SaveToStream(TOle2File& DataStream) const
{
    for (std::size_t first = 0; first < FItems.size(); first += EntriesPerRecord) {
        const std::size_t count = std::min<std::size_t>(EntriesPerRecord, FItems.size() - first);
        const auto size = static_cast<std::uint16_t>(EntrySize * static_cast<std::int64_t>(count) + (first == 0 ? 2 : 0));
        DataStream.WriteHeader(first == 0 ? xlr::EXTERNSHEET : xlr::CONTINUE, size);
        if (first == 0)
            DataStream.Write16(static_cast<std::uint16_t>(FItems.size()));
        for (std::size_t i = first; i < first + count; ++i)
            FItems[i].SaveToStream(DataStream);
    }
}

std::int64_t TExternRefList::TotalSize() const
{
    const std::int64_t count = Count();
    if (count == 0)
        return 0;
    return EntrySize * count + 6 + 4 * ((EntrySize * count - 1) / (static_cast<std::int64_t>(EntriesPerRecord) * EntrySize));
}
