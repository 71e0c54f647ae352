// Section, workbook, object, range, GUTS and PANE records.
#include "xlsAdapter/qorUXlsOtherRecords.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsStrings.h"

using namespace xlsAdapter;

namespace {

std::u16string StringAt(const ByteArray& Data, int LengthBytes, std::int64_t Pos)
{
    std::int64_t byteCount = 0;
    std::u16string text;
    ReadBiffString(LengthBytes == 2, Data, Pos, byteCount, text);
    return text;
}

// Replaces everything from Pos on with the string in BIFF8 form.
void PutStringAt(ByteArray& Data, int LengthBytes, std::size_t Pos, std::u16string_view Text)
{
    const TExcelString value(LengthBytes, Text);
    Data.resize(Pos + static_cast<std::size_t>(value.TotalSize()));
    value.CopyToPtr(Data, static_cast<std::int64_t>(Pos));
}

} // namespace

TBOFRecord::TBOFRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(4);
    if (GetWord(Data, 0) != 0x0600)
        ExcelError(msg::InvalidExcelVersion);
}

void TTemplateRecord::SaveNewRecord(TOle2File& Workbook)
{
    Workbook.WriteHeader(xlr::TEMPLATE, 0);
}

TSSTRecord::TSSTRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(8);
    Count = GetCardinal(Data, 4);
}

TBoundSheetRecord::TBoundSheetRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(8);
    SheetName();  // a name that runs past the record refuses the file now
}

std::unique_ptr<TBoundSheetRecord> TBoundSheetRecord::CreateNew(std::uint16_t aOptionFlags, std::u16string_view aName)
{
    ByteArray data(6);
    SetWord(data, 4, aOptionFlags);
    PutStringAt(data, 1, 6, aName);
    return std::make_unique<TBoundSheetRecord>(xlr::BOUNDSHEET, std::move(data));
}

std::u16string TBoundSheetRecord::SheetName() const
{
    return StringAt(Data, 1, 6);
}

void TBoundSheetRecord::SetSheetName(std::u16string_view Value)
{
    PutStringAt(Data, 1, 6, Value);
}

std::unique_ptr<TCodeNameRecord> TCodeNameRecord::CreateNew(std::u16string_view aName)
{
    ByteArray data;
    PutStringAt(data, 2, 0, aName);
    return std::make_unique<TCodeNameRecord>(xlr::CODENAME, std::move(data));
}

std::u16string TCodeNameRecord::SheetName() const
{
    return StringAt(Data, 2, 0);
}

void TCodeNameRecord::SetSheetName(std::u16string_view Value)
{
    PutStringAt(Data, 2, 0, Value);
}

TObjRecord::TObjRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    ObjId = GetWord(Data, 0);
    if (ObjId == 0x15)
        CmoId = GetWord(Data, 4);
}

std::unique_ptr<TTXORecord> TTXORecord::CreateFromData()
{
    ByteArray data(18);
    SetWord(data, 0, 0x0212);
    return std::make_unique<TTXORecord>(xlr::TXO, std::move(data));
}

TGutsRecord::TGutsRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(8);
}

std::unique_ptr<TBaseRecord> TGutsRecord::DoCopyTo() const
{
    auto copy = CopyAs<TGutsRecord>();
    static_cast<TGutsRecord&>(*copy).RecalcNeeded = RecalcNeeded;
    return copy;
}

void TGutsRecord::SetLevel(int WidthPos, int Value)
{
    // An outline level takes 12 units of gutter beside a margin of 29; the
    // format stops at 7 levels.
    int width = 0;
    int count = 0;
    if (Value > 7) {
        width = 113;
        count = 8;
    } else if (Value > 0) {
        width = Value * 12 + 29;
        count = Value + 1;
    }
    SetWord(Data, WidthPos, static_cast<std::uint16_t>(width));
    SetWord(Data, WidthPos + 4, static_cast<std::uint16_t>(count));
}

TPaneRecord::TPaneRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(10);
}

void TPaneRecord::EnsureSelectedVisible()
{
    const bool cols = ColSplit() > 0;
    const bool rows = RowSplit() > 0;
    switch (ActivePane()) {
    case 0:
        if (!(cols && rows))
            SetActivePane(cols ? 1 : (rows ? 2 : 3));
        break;
    case 1:
        if (!cols)
            SetActivePane(3);
        break;
    case 2:
        if (!rows)
            SetActivePane(3);
        break;
    default:
        break;
    }
}
