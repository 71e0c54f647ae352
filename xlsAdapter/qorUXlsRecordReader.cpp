// Reading records, their CONTINUE chains and companions from the workbook
// stream, and reading data and strings across CONTINUE boundaries.
#include "xlsAdapter/qorUXlsRecordReader.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordFactory.h"

#include <algorithm>
#include <array>

using namespace xlsAdapter;

bool ReadRecordHeader(TOle2File& DataStream, TRecordHeader& RecordHeader)
{
    if (DataStream.NextEof(3)) {
        RecordHeader = {xlr::EOF_, 0, true};
        return false;
    }
    std::uint8_t bytes[4];
    DataStream.ReadMem(bytes, 4);
    RecordHeader = {GetWord(bytes, 0), GetWord(bytes, 2), false};
    return true;
}

namespace {

// Creates the object of a record read at offset; a refusal names the
// record's place in the stream.
std::unique_ptr<TBaseRecord> CreateAt(std::uint16_t Id, std::int64_t Offset, ByteArray Data, TRecordCreator Create)
{
    std::unique_ptr<TBaseRecord> record;
    try {
        record = Create(Id, std::move(Data));
    } catch (const EExcelException& e) {
        RecordError(Id, Offset, e.Message());
    }
    record->StreamOffset = Offset;
    return record;
}

// Reads a record's data and creates its object.
std::unique_ptr<TBaseRecord> ReadOneRecord(TOle2File& DataStream, const TRecordHeader& header,
                                           TRecordCreator create)
{
    const std::int64_t offset = DataStream.Position() - 4;
    ByteArray data(header.Size);
    DataStream.ReadMem(data.data(), header.Size);
    return CreateAt(header.Id, offset, std::move(data), create);
}

TRecordCreator CreatorFor(const TRecordClass* RecordClass)
{
    return RecordClass ? RecordClass->Create : CreateRecord;
}

std::unique_ptr<TBaseRecord> CreateContinue(std::uint16_t id, ByteArray data)
{
    return std::make_unique<TContinueRecord>(id, std::move(data));
}

bool CanPrecedeString(std::uint16_t id)
{
    return id == xlr::FORMULA || id == xlr::SHRFMLA || id == xlr::ARRAY || id == xlr::TABLE;
}

// Attaches what follows Record (whose next header is in RecordHeader): its
// CONTINUE chain and companions, refusing companions of other records.
void AttachFollowers(TOle2File& DataStream, TRecordHeader& RecordHeader, TBaseRecord& Record,
                     const TRecordClass* recordClass)
{
    if (RecordHeader.EndOfStream)
        return;
    const std::uint16_t id = Record.Id;
    switch (RecordHeader.Id) {
    case xlr::CONTINUE:
        AddContinueRecords(DataStream, Record, RecordHeader);
        break;
    case xlr::TABLE:
    case xlr::ARRAY:
    case xlr::HLINKTOOLTIP: {
        const std::uint16_t owner = RecordHeader.Id == xlr::HLINKTOOLTIP ? xlr::HLINK : xlr::FORMULA;
        if (id != owner)
            RecordError(RecordHeader.Id, DataStream.Position() - 4, msg::ErrExcelInvalid);
        // Until the owner's class models its companion, the companion comes
        // back from the next call as a record of its own.
        if (recordClass && recordClass->AttachCompanion)
            recordClass->AttachCompanion(Record, LoadRecord(DataStream, RecordHeader));
        break;
    }
    case xlr::STRING:
        if (!CanPrecedeString(id))
            RecordError(RecordHeader.Id, DataStream.Position() - 4, msg::ErrExcelInvalid);
        break;
    default:
        break;
    }
}

} // namespace

std::uint16_t AddContinueRecords(TOle2File& DataStream, TBaseRecord& Record, TRecordHeader& RecordHeader)
{
    TBaseRecord* last = &Record;
    while (RecordHeader.Id == xlr::CONTINUE && !RecordHeader.EndOfStream) {
        std::unique_ptr<TBaseRecord> link = ReadOneRecord(DataStream, RecordHeader, CreateContinue);
        auto* continueRecord = static_cast<TContinueRecord*>(link.release());
        last->AddContinue(std::unique_ptr<TContinueRecord>(continueRecord));
        last = continueRecord;
        ReadRecordHeader(DataStream, RecordHeader);
    }
    return RecordHeader.Id;
}

std::unique_ptr<TBaseRecord> LoadRecord(TOle2File& DataStream, TRecordHeader& RecordHeader)
{
    if (RecordHeader.Id == xlr::FILEPASS)
        RecordError(RecordHeader.Id, DataStream.Position() - 4, msg::FileIsPasswordProtected);
    const TRecordClass* recordClass = FindRecordClass(RecordHeader.Id);
    std::unique_ptr<TBaseRecord> record = ReadOneRecord(DataStream, RecordHeader, CreatorFor(recordClass));
    ReadRecordHeader(DataStream, RecordHeader);
    AttachFollowers(DataStream, RecordHeader, *record, recordClass);
    return record;
}

namespace {

// Whether the record that follows belongs to the one before it, as its
// CONTINUE chain or companion, or must be checked against it.
bool FollowsItsOwner(const TRecordHeader& Next)
{
    if (Next.EndOfStream)
        return false;
    switch (Next.Id) {
    case xlr::CONTINUE:
    case xlr::TABLE:
    case xlr::ARRAY:
    case xlr::HLINKTOOLTIP:
    case xlr::STRING:
        return true;
    default:
        return false;
    }
}

} // namespace

std::unique_ptr<TBaseRecord> LoadRecordOrPlainCell(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                                   TPlainCell& Cell)
{
    TCellSlot slot;
    if (!TCellSlot::PlainLayout(RecordHeader.Id, RecordHeader.Size, slot))
        return LoadRecord(DataStream, RecordHeader);
    const TRecordHeader header = RecordHeader;
    const std::int64_t offset = DataStream.Position() - 4;
    std::array<std::uint8_t, 16> data{};
    DataStream.ReadMem(data.data(), header.Size);
    ReadRecordHeader(DataStream, RecordHeader);
    const int col = GetWord(data, 2);
    if (col <= 255 && !FollowsItsOwner(RecordHeader)) {
        Cell.Row = GetWord(data, 0);
        slot.Col = static_cast<std::uint8_t>(col);
        slot.XF = GetWord(data, 4);
        std::copy(data.begin() + 6, data.begin() + header.Size, slot.Value);
        Cell.Slot = slot;
        return nullptr;
    }
    // Rare: the cell has followers or a column past the sheet, which the
    // record object and its checks deal with.
    const TRecordClass* recordClass = FindRecordClass(header.Id);
    std::unique_ptr<TBaseRecord> record = CreateAt(header.Id, offset, ByteArray(data.begin(), data.begin() + header.Size),
                                                   CreatorFor(recordClass));
    AttachFollowers(DataStream, RecordHeader, *record, recordClass);
    return record;
}

void ReadMemAcrossContinue(const TBaseRecord*& Record, int& Pos, int Count, void* Dest)
{
    auto* out = static_cast<std::uint8_t*>(Dest);
    int done = 0;
    while (done < Count) {
        rtl::TByteCursor cursor = Record->Cursor();
        cursor.Seek(static_cast<std::size_t>(Pos));
        if (cursor.AtEnd()) {
            if (!Record->Continue)
                cursor.Fail(FormatMessage(msg::ContinuationMissing, Count - done));
            Record = Record->Continue.get();
            Pos = 0;
            continue;
        }
        const int n = std::min(Count - done, static_cast<int>(cursor.Remaining()));
        const auto bytes = cursor.Bytes(static_cast<std::size_t>(n));
        if (out)
            std::copy(bytes.begin(), bytes.end(), out + done);
        done += n;
        Pos += n;
    }
}

void ReadStrAcrossContinue(const TBaseRecord*& Record, int& Pos, std::string& ShortData, int Count, int& CharsRead,
                           std::uint8_t& OptionFlags, std::uint8_t& ActiveOptionFlags, std::u16string& WideData)
{
    while (CharsRead < Count) {
        rtl::TByteCursor cursor = Record->Cursor();
        cursor.Seek(static_cast<std::size_t>(Pos));
        if (cursor.AtEnd()) {
            // Each CONTINUE that carries string characters starts with an
            // option byte of its own.
            if (!Record->Continue || Record->Continue->DataSize() < 1)
                cursor.Fail(FormatMessage(msg::StringContinuationMissing, Count - CharsRead));
            Record = Record->Continue.get();
            OptionFlags = Record->Data[0];
            Pos = 1;
            continue;
        }
        // Any 16-bit part turns the whole string 16-bit.
        if ((OptionFlags & 1) && !(ActiveOptionFlags & 1)) {
            const std::size_t kept = std::min<std::size_t>(ShortData.size(), static_cast<std::size_t>(CharsRead));
            WideData.assign(kept, u'\0');
            for (std::size_t i = 0; i < kept; ++i)
                WideData[i] = static_cast<std::uint8_t>(ShortData[i]);
            ActiveOptionFlags |= 1;
        }
        const int width = (OptionFlags & 1) ? 2 : 1;
        const int chars = std::min(Count - CharsRead, static_cast<int>(cursor.Remaining()) / width);
        if (chars == 0)
            cursor.Fail(msg::CharacterCutInHalf);
        const std::uint8_t* bytes = cursor.Bytes(static_cast<std::size_t>(chars * width)).data();
        if (ActiveOptionFlags & 1) {
            WideData.resize(std::max<std::size_t>(WideData.size(), static_cast<std::size_t>(CharsRead + chars)));
            for (int i = 0; i < chars; ++i)
                WideData[CharsRead + i] = width == 2 ? static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8))
                                                     : static_cast<char16_t>(bytes[i]);
        } else {
            ShortData.resize(std::max<std::size_t>(ShortData.size(), static_cast<std::size_t>(CharsRead + chars)));
            std::copy(bytes, bytes + chars, ShortData.data() + CharsRead);
        }
        CharsRead += chars;
        Pos += chars * width;
    }
}
