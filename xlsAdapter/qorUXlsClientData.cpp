// OBJ and TXO client data: loading with what follows them, new objects,
// the text of text boxes.
#include "xlsAdapter/qorUXlsClientData.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

constexpr std::uint16_t IMDATA = 0x007F;
constexpr std::uint16_t ChartObject = 5, PictureObject = 8;
constexpr int TxoSize = 18;
// Characters of one CONTINUE record after its option byte.
constexpr int TextBytesPerRecord = xlr::MaxRecordDataSize - 1;

constexpr std::uint8_t EmptyImg[38] = {0x15, 0x00, 0x12, 0x00, 0x08, 0x00, 0x00, 0x00, 0x11, 0x60, 0x00, 0x00, 0x00,
                                       0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x00, 0x02, 0x00,
                                       0xFF, 0xFF, 0x08, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr std::uint8_t EmptyNote[52] = {
    0x15, 0x00, 0x12, 0x00, 0x19, 0x00, 0x00, 0x00, 0x11, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x0D, 0x00, 0x16, 0x00, 0x00, 0x12, 0x23, 0x8C, 0x6C, 0x50, 0x8B, 0x4D, 0xA8, 0xC5,
    0x7B, 0x64, 0xFF, 0xA8, 0xC5, 0xA3, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr std::uint8_t EmptyAutoFilter[70] = {
    0x15, 0x00, 0x12, 0x00, 0x14, 0x00, 0x00, 0x00, 0x01, 0x21, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x14, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x64, 0x00,
    0x01, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x10, 0x00, 0x01, 0x00, 0x13, 0x00, 0xEE, 0x1F, 0x00, 0x00, 0x00, 0x00,
    0x04, 0x00, 0x01, 0x03, 0x00, 0x00, 0x02, 0x00, 0x08, 0x00, 0x6C, 0x00, 0x00, 0x00, 0x00, 0x00};

std::uint16_t ObjectType(const TObjRecord& Obj)
{
    return Obj.ObjId == 0x15 ? Obj.CmoId : 0;
}

template <typename T>
std::unique_ptr<T> CopyRecord(const T* Record)
{
    return Record ? std::unique_ptr<T>(static_cast<T*>(Record->DoCopyTo().release())) : nullptr;
}

} // namespace

std::unique_ptr<TBaseClientData> CreateClientData(TClientDataType Type)
{
    if (Type == TClientDataType::Txo)
        return std::make_unique<TTXO>();
    return std::make_unique<TMsObj>();
}

// ---------------------------------------------------------------------------

std::unique_ptr<TMsObj> TMsObj::CreateEmpty(std::uint16_t& MaxId, std::span<const std::uint8_t> Bytes)
{
    auto obj = std::make_unique<TMsObj>();
    obj->FObjRecord = std::make_unique<TObjRecord>(xlr::OBJ, ByteArray(Bytes.begin(), Bytes.end()));
    obj->ArrangeId(MaxId);
    return obj;
}

std::unique_ptr<TMsObj> TMsObj::CreateEmptyImg(std::uint16_t& MaxId) { return CreateEmpty(MaxId, EmptyImg); }
std::unique_ptr<TMsObj> TMsObj::CreateEmptyNote(std::uint16_t& MaxId) { return CreateEmpty(MaxId, EmptyNote); }
std::unique_ptr<TMsObj> TMsObj::CreateEmptyAutoFilter(std::uint16_t& MaxId)
{
    return CreateEmpty(MaxId, EmptyAutoFilter);
}

bool TMsObj::IsAutoFilter() const
{
    if (!FObjRecord || FObjRecord->DataSize() != 70)
        return false;
    const ByteArray& d = FObjRecord->Data;
    return d[0] == 0x15 && d[22] == 0x0C && d[46] == 0x13 && d[56] == 1 && d[57] == 3;
}

std::uint16_t TMsObj::Id() const
{
    return FObjRecord && FObjRecord->DataSize() >= 8 ? GetWord(FObjRecord->Data, 6) : 0;
}

void TMsObj::SetId(std::uint16_t Value)
{
    if (FObjRecord && FObjRecord->DataSize() >= 8)
        SetWord(FObjRecord->Data, 6, Value);
}

void TMsObj::ArrangeId(std::uint16_t& MaxId)
{
    ++MaxId;
    SetId(MaxId);
}

void TMsObj::Clear()
{
    FObjRecord.reset();
    FChart.reset();
    FImData.reset();
    RemainingData.reset();
    HasPictFmla = false;
}

std::unique_ptr<TBaseClientData> TMsObj::CopyTo() const
{
    if (HasPictFmla)
        ExcelError(msg::CantCopyOleObjects);
    auto copy = std::make_unique<TMsObj>();
    copy->FObjRecord = CopyRecord(FObjRecord.get());
    copy->FImData = CopyRecord(FImData.get());
    if (FChart) {
        copy->FChart = std::make_unique<TChartRecordList>();
        copy->FChart->CopyFrom(FChart.get());
    }
    return copy;
}

void TMsObj::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBaseRecord> First,
                            TSST&)
{
    Clear();
    auto* obj = dynamic_cast<TObjRecord*>(First.get());
    if (!obj)
        ExcelError(msg::UnsupportedDrawing);
    FObjRecord.reset(obj);
    First.release();
    if (ObjectType(*FObjRecord) == ChartObject) {
        // The chart's substream follows from its BOF to its EOF; it holds
        // no further substream.
        std::unique_ptr<TBaseRecord> bof = LoadRecord(DataStream, RecordHeader);
        if (bof->Id != xlr::BOF)
            bof->ReadError(msg::ErrExcelInvalid);
        FChart = std::make_unique<TChartRecordList>();
        FChart->Add(std::move(bof));
        for (;;) {
            if (RecordHeader.EndOfStream)
                FObjRecord->ReadError(msg::SectionNotClosed);
            std::unique_ptr<TBaseRecord> record = LoadRecord(DataStream, RecordHeader);
            if (record->Id == xlr::BOF)
                record->ReadError(msg::ErrExcelInvalid);
            const bool end = record->Id == xlr::EOF_;
            FChart->Add(std::move(record));
            if (end)
                break;
        }
    } else if (ObjectType(*FObjRecord) == PictureObject && !RecordHeader.EndOfStream && RecordHeader.Id == IMDATA) {
        FImData = LoadRecord(DataStream, RecordHeader);
    }
    ParseSubrecords();
}

void TMsObj::ParseSubrecords()
{
    const ByteArray& d = FObjRecord->Data;
    int pos = 0;
    while (pos + 4 <= static_cast<int>(d.size())) {
        const std::uint16_t ft = GetWord(d, pos);
        const std::uint16_t cb = GetWord(d, pos + 2);
        if (ft == 9)
            HasPictFmla = true;
        if (ft == 0 || pos + 4 + cb > static_cast<int>(d.size()))
            break;
        pos += 4 + cb;
    }
    // What the reader took for continuations of the OBJ record is drawing
    // data again.
    RemainingData = std::move(FObjRecord->Continue);
}

void TMsObj::SaveToStream(TOle2File& DataStream)
{
    if (!FObjRecord)
        ExcelError(msg::ErrExcelInvalid);
    FObjRecord->SaveToStream(DataStream);
    if (FImData)
        FImData->SaveToStream(DataStream);
    if (FChart)
        FChart->SaveToStream(DataStream);
}

std::int64_t TMsObj::TotalSize() const
{
    if (!FObjRecord)
        ExcelError(msg::ErrExcelInvalid);
    return FObjRecord->TotalSize() + (FImData ? FImData->TotalSize() : 0) + (FChart ? FChart->TotalSize() : 0);
}

void TMsObj::ArrangeCopyRowsAndCols(int RowOfs, int ColOfs)
{
    if (FChart)
        FChart->ArrangeCopyRowsAndCols(RowOfs, ColOfs);
}

void TMsObj::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                      const TSheetInfo& SheetInfo)
{
    if (FChart)
        FChart->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
}

void TMsObj::ArrangeCopySheet(const TSheetInfo& SheetInfo)
{
    if (FChart)
        FChart->ArrangeCopySheet(SheetInfo);
}

// ---------------------------------------------------------------------------

std::unique_ptr<TTXO> TTXO::CreateFromData()
{
    auto txo = std::make_unique<TTXO>();
    txo->FTXO = TTXORecord::CreateFromData();
    return txo;
}

void TTXO::Clear()
{
    FTXO.reset();
    RemainingData.reset();
}

std::unique_ptr<TBaseClientData> TTXO::CopyTo() const
{
    auto copy = std::make_unique<TTXO>();
    copy->FTXO = CopyRecord(FTXO.get());
    return copy;
}

std::u16string TTXO::Parse(TBaseRecord** LastUsed) const
{
    *LastUsed = nullptr;
    if (!FTXO || !FTXO->Continue)
        return {};
    FTXO->RequireSize(TxoSize);
    const int length = GetWord(FTXO->Data, 10);
    const int runsLength = GetWord(FTXO->Data, 12);
    if (length == 0)
        return {};
    std::u16string text;
    TBaseRecord* record = FTXO->Continue.get();
    // Each CONTINUE record of the text starts with its own option byte.
    while (static_cast<int>(text.size()) < length) {
        if (!record || record->DataSize() < 1)
            FTXO->ReadError(msg::ErrExcelInvalid);
        const bool wide = record->Data[0] & 1;
        int pos = 1;
        while (static_cast<int>(text.size()) < length && pos + (wide ? 2 : 1) <= record->DataSize()) {
            text += wide ? static_cast<char16_t>(GetWord(record->Data, pos)) : static_cast<char16_t>(record->Data[pos]);
            pos += wide ? 2 : 1;
        }
        if (static_cast<int>(text.size()) < length)
            record = record->Continue.get();
    }
    // The runs start in the record after the text's last one.
    const TBaseRecord* runs = record->Continue.get();
    int pos = 0;
    if (runsLength > 0) {
        if (!runs)
            FTXO->ReadError(msg::ErrExcelInvalid);
        std::int64_t left = 0;
        for (const TBaseRecord* r = runs; r; r = r->Continue.get())
            left += r->DataSize();
        if (left < runsLength / 8 * 8)
            FTXO->ReadError(msg::ErrExcelInvalid);
        ReadMemAcrossContinue(runs, pos, runsLength / 8 * 8, nullptr);
        record = const_cast<TBaseRecord*>(runs);
    }
    *LastUsed = record;
    return text;
}

std::u16string TTXO::Value() const
{
    TBaseRecord* last = nullptr;
    return Parse(&last);
}

void TTXO::SetValue(std::u16string_view Text)
{
    if (!FTXO)
        return;
    FTXO->RequireSize(TxoSize);
    if (Text.size() > 0xFFFF)
        Text = Text.substr(0, 0xFFFF);
    const auto length = static_cast<std::uint16_t>(Text.size());
    SetWord(FTXO->Data, 10, length);
    SetWord(FTXO->Data, 12, length ? 16 : 0);
    FTXO->Continue.reset();
    if (length == 0)
        return;
    const bool wide = IsWideText(Text);
    const std::size_t perRecord = wide ? TextBytesPerRecord / 2 : TextBytesPerRecord;
    TBaseRecord* last = FTXO.get();
    for (std::size_t at = 0; at < Text.size(); at += perRecord) {
        const std::u16string_view part = Text.substr(at, perRecord);
        ByteArray data{static_cast<std::uint8_t>(wide ? 1 : 0)};
        if (wide) {
            for (char16_t c : part) {
                data.push_back(static_cast<std::uint8_t>(c));
                data.push_back(static_cast<std::uint8_t>(c >> 8));
            }
        } else {
            ByteArray bytes;
            StringToByteString(part, bytes);
            data.insert(data.end(), bytes.begin(), bytes.end());
        }
        auto link = std::make_unique<TContinueRecord>(xlr::CONTINUE, std::move(data));
        TBaseRecord* next = link.get();
        last->AddContinue(std::move(link));
        last = next;
    }
    ByteArray runs(16, 0);
    SetWord(runs, 8, length);
    last->AddContinue(std::make_unique<TContinueRecord>(xlr::CONTINUE, std::move(runs)));
}

void TTXO::LoadFromStream(TOle2File&, TRecordHeader&, std::unique_ptr<TBaseRecord> First, TSST&)
{
    Clear();
    auto* txo = dynamic_cast<TTXORecord*>(First.get());
    if (!txo)
        ExcelError(msg::UnsupportedDrawing);
    FTXO.reset(txo);
    First.release();
    TBaseRecord* last = nullptr;
    Parse(&last);
    // Whatever follows the comment's own records is drawing data again.
    if (!last)
        RemainingData = std::move(FTXO->Continue);
    else
        RemainingData = std::move(last->Continue);
}

void TTXO::SaveToStream(TOle2File& DataStream)
{
    if (FTXO)
        FTXO->SaveToStream(DataStream);
}

std::int64_t TTXO::TotalSize() const
{
    return FTXO ? FTXO->TotalSize() : 0;
}
