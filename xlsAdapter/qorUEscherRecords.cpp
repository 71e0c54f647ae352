// Loading, sizing, cutting and copying of the drawing record tree.
#include "xlsAdapter/qorUEscherRecords.h"
#include "xlsAdapter/qorUEscherShapes.h"

#include "xlsAdapter/qorUEscherBreakList.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include <algorithm>
#include <climits>
#include <compare>

using namespace xlsAdapter;
constexpr int EscherHeaderSize = escher::HeaderSize;

namespace {

// Bytes left in a carrier and its CONTINUE chain from Pos on.
std::int64_t BytesLeft(const TBaseRecord* Record, int Pos)
{
    std::int64_t left = Record->DataSize() - static_cast<std::int64_t>(Pos);
    for (const TBaseRecord* link = Record->Continue.get(); link; link = link->Continue.get())
        left += link->DataSize();
    return left;
}

int Compare(std::int64_t a, std::int64_t b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

void TEscherRecordCache::Remove(const TEscherRecord* Record)
{
    const auto it = std::find(FItems.begin(), FItems.end(), Record);
    if (it != FItems.end())
        FItems.erase(it);
}

void TEscherObjCache::ArrangeCopySheet(const TSheetInfo& SheetInfo)
{
    for (TEscherRecord* record : FItems)
        if (auto* client = dynamic_cast<TEscherClientDataRecord*>(record); client && client->ClientData)
            client->ClientData->ArrangeCopySheet(SheetInfo);
}

// ---------------------------------------------------------------------------

TEscherRecord::TEscherRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                             TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent)
    : FParent(aParent), DwgCache(aDwgCache), DwgGroupCache(aDwgGroupCache), Pre(aEscherHeader.Pre),
      Id(aEscherHeader.Id), TotalDataSize(aEscherHeader.Size), FDepth(aParent ? aParent->Depth() + 1 : 0)
{
    if (TotalDataSize < 0 || FDepth > escher::MaxDepth)
        ExcelError(msg::ErrLoadingEscher);
}

bool TEscherRecord::Loaded() const
{
    if (LoadedDataSize > TotalDataSize)
        ExcelError(msg::LogicalError);
    return LoadedDataSize == TotalDataSize;
}

bool TEscherRecord::WaitingClientData(TClientDataType& ClientType) const
{
    ClientType = TClientDataType::None;
    return false;
}

void TEscherRecord::AssignClientData(std::unique_ptr<TBaseClientData>)
{
    ExcelError(msg::ErrLoadingEscher);
}

void TEscherRecord::ArrangeInsertRowsAndCols(int, int, int, int, const TSheetInfo&, bool, TSheet*) {}

TEscherRecord* TEscherRecord::FindRecWhere(bool (*)(const TEscherRecord*)) const
{
    return nullptr;
}

int TEscherRecord::CompareRec(const TEscherRecord& aRecord) const
{
    if (const int byId = Compare(Id, aRecord.Id))
        return byId;
    if (const int byPre = Compare(Pre, aRecord.Pre))
        return byPre;
    return Compare(TotalDataSize, aRecord.TotalDataSize);
}

void CheckBreak(TOle2File& DataStream, TBreakList& BreakList)
{
    const std::int64_t breakAt = BreakList.AcumSize();
    const std::int64_t position = DataStream.Position();
    if (position > breakAt)
        ExcelError(msg::LogicalError);
    if (position == breakAt) {
        DataStream.WriteHeader(static_cast<std::uint16_t>(BreakList.CurrentId()),
                               static_cast<std::uint16_t>(BreakList.CurrentSize()));
        BreakList.IncCurrent();
    }
}

void WriteAcrossBreaks(TOle2File& DataStream, TBreakList& BreakList, std::span<const std::uint8_t> Bytes)
{
    std::size_t done = 0;
    while (done < Bytes.size()) {
        CheckBreak(DataStream, BreakList);
        const std::int64_t breakAt = BreakList.AcumSize();
        const std::int64_t position = DataStream.Position();
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(breakAt - position, Bytes.size() - done));
        DataStream.Write(Bytes.subspan(done, n));
        done += n;
    }
}

void TEscherRecord::SaveHeader(TOle2File& DataStream, TBreakList& BreakList) const
{
    if (!Loaded())
        ExcelError(msg::EscherNotLoaded);
    const std::int64_t size = TotalSizeNoSplit() - EscherHeaderSize;
    if (size > INT32_MAX)
        ExcelError(msg::LogicalError);
    std::uint8_t header[EscherHeaderSize];
    SetWord(header, 0, Pre);
    SetWord(header, 2, Id);
    SetCardinal(header, 4, static_cast<std::uint32_t>(size));
    WriteAcrossBreaks(DataStream, BreakList, header);
}

void TEscherRecord::SaveToStream(TOle2File& DataStream, TBreakList& BreakList)
{
    SaveHeader(DataStream, BreakList);
}

void IncNextPos(int& NextPos, int n, int& RealSize, TBreakList& BreakList)
{
    if (NextPos > xlr::MaxRecordDataSize || n < 0)
        ExcelError(msg::LogicalError);
    // Summed in 64 bits: a drawing too big for the stream's 32-bit offsets
    // is refused instead of wrapping around.
    std::int64_t nextPos = static_cast<std::int64_t>(NextPos) + n;
    std::int64_t realSize = static_cast<std::int64_t>(RealSize) + n;
    const std::int64_t breaks = (nextPos - 1) / xlr::MaxRecordDataSize;
    if (realSize + 4 * breaks > INT32_MAX)
        ExcelError(msg::LogicalError);
    while (nextPos > xlr::MaxRecordDataSize) {
        nextPos -= xlr::MaxRecordDataSize;
        realSize += 4;
        BreakList.Add(xlr::CONTINUE, xlr::MaxRecordDataSize);
    }
    NextPos = static_cast<int>(nextPos);
    RealSize = static_cast<int>(realSize);
}

void TEscherRecord::SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const
{
    if (NextDwg > 0) {
        BreakList.Add(NextDwg, NextPos);
        RealSize += 4;
        NextPos = 0;
        NextDwg = -1;
    }
    IncNextPos(NextPos, EscherHeaderSize, RealSize, BreakList);
}

std::unique_ptr<TEscherRecord> TEscherRecord::CopyTo(const TEscherRecord* Record, TEscherDwgCache* NewDwgCache,
                                                     int RowOfs, int ColOfs, TSheet* dSheet)
{
    return Record ? Record->DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet) : nullptr;
}

std::unique_ptr<TEscherRecord> TEscherRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int, int, TSheet*) const
{
    TEscherContainerRecord* parent = FParent;
    if (FParent && FParent->CopiedTo)
        parent = static_cast<TEscherContainerRecord*>(FParent->CopiedTo);
    auto copy = CreateEscherRecord(Header(), DwgGroupCache, NewDwgCache, parent);
    copy->LoadedDataSize = LoadedDataSize;
    const_cast<TEscherRecord*>(this)->CopiedTo = copy.get();
    return copy;
}

TEscherSpgrContainerRecord* TEscherRecord::Patriarch() const
{
    return DwgCache ? DwgCache->Patriarch : nullptr;
}

TEscherRecord* TEscherRecord::FindRoot()
{
    if (!DwgCache)
        return this;
    const TEscherRecord* patriarch = Patriarch();
    // The parent chain is at most MaxDepth long.
    for (TEscherRecord* record = this; record; record = record->FParent)
        if (record->FParent && record->FParent == patriarch)
            return record;
    return nullptr;
}

TEscherRecord* TEscherRecord::CopyDwg(int RowOfs, int ColOfs, TSheet* dSheet)
{
    TEscherSpgrContainerRecord* patriarch = Patriarch();
    TEscherRecord* root = FindRoot();
    if (!patriarch || !root)
        ExcelError(msg::ErrLoadingEscher);
    patriarch->ContainedRecords().Add(CopyTo(root, DwgCache, RowOfs, ColOfs, dSheet));
    return CopiedTo;
}

// ---------------------------------------------------------------------------

TEscherDataRecord::TEscherDataRecord(const TEscherRecordHeader& aEscherHeader, TEscherDwgGroupCache* aDwgGroupCache,
                                     TEscherDwgCache* aDwgCache, TEscherContainerRecord* aParent, ByteArray aBody)
    : TEscherRecord(aEscherHeader, aDwgGroupCache, aDwgCache, aParent), Data(std::move(aBody))
{
    if (Data.size() != static_cast<std::size_t>(TotalDataSize))
        ExcelError(msg::LogicalError);
    LoadedDataSize = TotalDataSize;
}

// The body grows as carriers deliver it, so a header that announces more
// bytes than the file holds costs no memory.
void TEscherDataRecord::Load(const TBaseRecord*& aRecord, int& aPos)
{
    const std::int64_t wanted = TotalDataSize - LoadedDataSize;
    if (wanted <= 0)
        return;
    const std::int64_t available = BytesLeft(aRecord, aPos);
    if (available <= 0)
        aRecord->Cursor().FailAt(static_cast<std::size_t>(aPos), msg::ErrLoadingEscher);
    const int count = static_cast<int>(std::min(available, wanted));
    Data.resize(Data.size() + static_cast<std::size_t>(count));
    ReadMemAcrossContinue(aRecord, aPos, count, Data.data() + LoadedDataSize);
    LoadedDataSize += count;
}

void TEscherDataRecord::SaveToStream(TOle2File& DataStream, TBreakList& BreakList)
{
    SaveHeader(DataStream, BreakList);
    WriteAcrossBreaks(DataStream, BreakList, Data);
}

void TEscherDataRecord::SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const
{
    TEscherRecord::SplitRecords(NextPos, RealSize, NextDwg, BreakList);
    IncNextPos(NextPos, TotalDataSize, RealSize, BreakList);
}

int TEscherDataRecord::CompareRec(const TEscherRecord& aRecord) const
{
    if (const int byHeader = TEscherRecord::CompareRec(aRecord))
        return byHeader;
    const auto* other = dynamic_cast<const TEscherDataRecord*>(&aRecord);
    if (!other)
        ExcelError(msg::ErrProcessingEscher);
    const auto order = std::lexicographical_compare_three_way(Data.begin(), Data.end(), other->Data.begin(),
                                                              other->Data.end());
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

std::unique_ptr<TEscherRecord> TEscherDataRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                           TSheet* dSheet) const
{
    auto copy = TEscherRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    static_cast<TEscherDataRecord&>(*copy).Data = Data;
    return copy;
}

// ---------------------------------------------------------------------------

void TEscherRecordList::Add(std::unique_ptr<TEscherRecord> Record)
{
    FItems.push_back(std::move(Record));
    FSorted = false;
}

void TEscherRecordList::Insert(int Index, std::unique_ptr<TEscherRecord> Record)
{
    if (Index < 0 || Index > Count())
        ExcelError(msg::LogicalError);
    FItems.insert(FItems.begin() + Index, std::move(Record));
}

void TEscherRecordList::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const auto& a, const auto& b) { return a->CompareRec(*b) < 0; });
    FSorted = true;
}

bool TEscherRecordList::Find(const TEscherRecord& aItem, int& Index)
{
    if (!FSorted)
        Sort();
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), &aItem,
                                     [](const auto& item, const TEscherRecord* key) { return item->CompareRec(*key) < 0; });
    Index = static_cast<int>(it - FItems.begin());
    return it != FItems.end() && (*it)->CompareRec(aItem) == 0;
}

void TEscherRecordList::SaveToStream(TOle2File& DataStream, TBreakList& BreakList) const
{
    for (const auto& record : FItems)
        if (record)
            record->SaveToStream(DataStream, BreakList);
}

std::int64_t TEscherRecordList::TotalSizeNoSplit() const
{
    std::int64_t size = 0;
    for (const auto& record : FItems)
        if (record)
            size += record->TotalSizeNoSplit();
    return size;
}

void TEscherRecordList::CopyFrom(const TEscherRecordList* aEscherRecordList, TEscherDwgCache* NewDwgCache, int RowOfs,
                                 int ColOfs, TSheet* dSheet)
{
    if (!aEscherRecordList)
        return;
    for (const auto& record : aEscherRecordList->FItems)
        Add(TEscherRecord::CopyTo(record.get(), NewDwgCache, RowOfs, ColOfs, dSheet));
}

// ---------------------------------------------------------------------------

TEscherContainerRecord::~TEscherContainerRecord()
{
    FContainedRecords.Clear();
}

TEscherRecord* TEscherContainerRecord::LastRecord() const
{
    if (FContainedRecords.Count() == 0)
        ExcelError(msg::ErrLoadingEscher);
    return FContainedRecords[FContainedRecords.Count() - 1];
}

void TEscherContainerRecord::Load(const TBaseRecord*& aRecord, int& aPos)
{
    aRecord->Cursor().Seek(static_cast<std::size_t>(aPos));
    while (!Loaded() && BytesLeft(aRecord, aPos) > 0) {
        if (!FPendingHeader.empty() || FContainedRecords.Count() == 0 || LastRecord()->Loaded()) {
            // A header may be cut by the end of a carrier: keep its first
            // bytes until the next carrier brings the rest.
            const std::size_t have = FPendingHeader.size();
            const int count = static_cast<int>(std::min<std::int64_t>(EscherHeaderSize - have, BytesLeft(aRecord, aPos)));
            FPendingHeader.resize(have + static_cast<std::size_t>(count));
            ReadMemAcrossContinue(aRecord, aPos, count, FPendingHeader.data() + have);
            if (FPendingHeader.size() < EscherHeaderSize)
                return;
            const TEscherRecordHeader header{GetWord(FPendingHeader, 0), GetWord(FPendingHeader, 2),
                                             static_cast<std::int32_t>(GetCardinal(FPendingHeader, 4))};
            FPendingHeader.clear();
            // A child may not reach past the end of its parent.
            if (header.Size < 0 || LoadedDataSize + static_cast<std::int64_t>(EscherHeaderSize) + header.Size > TotalDataSize)
                aRecord->Cursor().FailAt(static_cast<std::size_t>(aPos), msg::EscherChildTooLong);
            FContainedRecords.Add(CreateEscherRecord(header, DwgGroupCache, DwgCache, this));
        }
        TEscherRecord* last = LastRecord();
        last->Load(aRecord, aPos);
        if (last->Loaded()) {
            LoadedDataSize += static_cast<std::int32_t>(last->TotalSizeNoSplit());
            last->AfterCreate();
        }
    }
}

void TEscherContainerRecord::SaveToStream(TOle2File& DataStream, TBreakList& BreakList)
{
    SaveHeader(DataStream, BreakList);
    FContainedRecords.SaveToStream(DataStream, BreakList);
}

std::int64_t TEscherContainerRecord::TotalSizeNoSplit() const
{
    return EscherHeaderSize + FContainedRecords.TotalSizeNoSplit();
}

bool TEscherContainerRecord::WaitingClientData(TClientDataType& ClientType) const
{
    if (FContainedRecords.Count() == 0)
        return TEscherRecord::WaitingClientData(ClientType);
    return LastRecord()->WaitingClientData(ClientType);
}

void TEscherContainerRecord::AssignClientData(std::unique_ptr<TBaseClientData> aClientData)
{
    LastRecord()->AssignClientData(std::move(aClientData));
}

void TEscherContainerRecord::SplitRecords(int& NextPos, int& RealSize, int& NextDwg, TBreakList& BreakList) const
{
    TEscherRecord::SplitRecords(NextPos, RealSize, NextDwg, BreakList);
    for (int i = 0; i < FContainedRecords.Count(); ++i)
        FContainedRecords[i]->SplitRecords(NextPos, RealSize, NextDwg, BreakList);
}

void TEscherContainerRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                                      const TSheetInfo& SheetInfo, bool Forced, TSheet* dSheet)
{
    for (int i = 0; i < FContainedRecords.Count(); ++i)
        FContainedRecords[i]->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo, Forced,
                                                       dSheet);
}

void TEscherContainerRecord::ClearCopiedTo()
{
    TEscherRecord::ClearCopiedTo();
    for (int i = 0; i < FContainedRecords.Count(); ++i)
        FContainedRecords[i]->ClearCopiedTo();
}

std::unique_ptr<TEscherRecord> TEscherContainerRecord::DoCopyTo(TEscherDwgCache* NewDwgCache, int RowOfs, int ColOfs,
                                                                TSheet* dSheet) const
{
    auto copy = TEscherRecord::DoCopyTo(NewDwgCache, RowOfs, ColOfs, dSheet);
    static_cast<TEscherContainerRecord&>(*copy).FContainedRecords.CopyFrom(&FContainedRecords, NewDwgCache, RowOfs,
                                                                           ColOfs, dSheet);
    return copy;
}

TEscherRecord* TEscherContainerRecord::FindRecWhere(bool (*Matches)(const TEscherRecord*)) const
{
    for (int i = 0; i < FContainedRecords.Count(); ++i)
        if (Matches(FContainedRecords[i]))
            return FContainedRecords[i];
    return nullptr;
}

// ---------------------------------------------------------------------------

void TEscherRecordCache::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                                  const TSheetInfo& SheetInfo, bool Forced, TSheet* dSheet)
{
    for (int i = Count() - 1; i >= 0; --i)
        FItems[static_cast<std::size_t>(i)]->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount,
                                                                      SheetInfo, Forced, dSheet);
}

namespace {
std::uint32_t ShapeIdOf(const TEscherRecord* Record)
{
    const auto* sp = static_cast<const TEscherDataRecord*>(Record);
    return sp->Data.size() >= 4 ? GetCardinal(sp->Data, 0) : 0;
}
} // namespace

void TEscherShapeCache::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const TEscherRecord* a, const TEscherRecord* b) { return ShapeIdOf(a) < ShapeIdOf(b); });
    FSorted = true;
}

bool TEscherShapeCache::Find(std::uint32_t aShapeId, int& Index)
{
    if (!FSorted)
        Sort();
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), aShapeId,
                                     [](const TEscherRecord* r, std::uint32_t id) { return ShapeIdOf(r) < id; });
    Index = static_cast<int>(it - FItems.begin());
    return it != FItems.end() && ShapeIdOf(*it) == aShapeId;
}

void TEscherOPTCache::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(), [](const TEscherRecord* a, const TEscherRecord* b) {
        return static_cast<const TEscherOPTRecord*>(a)->Row() < static_cast<const TEscherOPTRecord*>(b)->Row();
    });
    FSorted = true;
}

bool TEscherOPTCache::Find(int aRow, int& Index)
{
    if (!FSorted)
        Sort();
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), aRow, [](const TEscherRecord* r, int row) {
        return static_cast<const TEscherOPTRecord*>(r)->Row() < row;
    });
    Index = static_cast<int>(it - FItems.begin());
    return it != FItems.end() && static_cast<const TEscherOPTRecord*>(*it)->Row() == aRow;
}

bool TEscherRecordList::Remove(const TEscherRecord* Record)
{
    const auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto& item) { return item.get() == Record; });
    if (it == FItems.end())
        return false;
    // Out of the list first: the record's destructor may look at its
    // parent's list.
    std::unique_ptr<TEscherRecord> gone = std::move(*it);
    FItems.erase(it);
    return true;
}

void TEscherRecordList::Clear()
{
    while (!FItems.empty()) {
        std::unique_ptr<TEscherRecord> gone = std::move(FItems.back());
        FItems.pop_back();
    }
}
