// The HLINK record's hyperlink object: optional strings and a moniker after
// a fixed 32-byte head, read with every length checked against the body.
#include "xlsAdapter/qorUXlsHyperLink.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUOle2Impl.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace xlsAdapter;
using rtl::Utf16ToUtf8;
using rtl::Utf8ToUtf16;

namespace {

constexpr int HeadSize = 32;
constexpr std::uint16_t HasMoniker = 0x01, Absolute = 0x02, SiteGaveName = 0x04, HasLocation = 0x08,
                        HasDisplayName = 0x10, HasGuid = 0x20, HasCreationTime = 0x40, HasFrame = 0x80,
                        MonikerIsString = 0x100;

constexpr std::array<std::uint8_t, 16> StdLinkClsid{0xD0, 0xC9, 0xEA, 0x79, 0xF9, 0xBA, 0xCE, 0x11,
                                                    0x8C, 0x82, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B};
constexpr std::array<std::uint8_t, 16> UrlMonikerClsid{0xE0, 0xC9, 0xEA, 0x79, 0xF9, 0xBA, 0xCE, 0x11,
                                                       0x8C, 0x82, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B};
constexpr std::array<std::uint8_t, 16> FileMonikerClsid{0x03, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                        0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr std::u16string_view UpStep = u"..\\";

std::u16string CutAtZero(std::u16string Text)
{
    if (const auto zero = Text.find(u'\0'); zero != std::u16string::npos)
        Text.resize(zero);
    return Text;
}

// Reads the link's body front to back; every read is checked against it.
class TLinkReader {
public:
    explicit TLinkReader(const THLinkRecord& Record) : FRecord(Record), FData(Record.Data) {}
    int Pos = HeadSize;

    void Need(std::int64_t Count) const
    {
        if (Count < 0 || Pos + Count > static_cast<std::int64_t>(FData.size()))
            FRecord.Cursor().FailAt(static_cast<std::size_t>(Pos), msg::ErrExcelInvalid);
    }
    std::uint32_t Cardinal()
    {
        Need(4);
        const std::uint32_t v = GetCardinal(FData, Pos);
        Pos += 4;
        return v;
    }
    std::uint16_t Word()
    {
        Need(2);
        const std::uint16_t v = GetWord(FData, Pos);
        Pos += 2;
        return v;
    }
    std::u16string Chars(std::int64_t Count)
    {
        Need(Count * 2);
        std::u16string text(static_cast<std::size_t>(Count), u'\0');
        for (std::int64_t i = 0; i < Count; ++i)
            text[static_cast<std::size_t>(i)] = GetWord(FData, Pos + 2 * i);
        Pos += static_cast<int>(Count * 2);
        return CutAtZero(std::move(text));
    }
    // A count of characters including the terminating zero, then the
    // characters.
    std::u16string LinkString() { return Chars(Cardinal()); }
    bool Matches(const std::array<std::uint8_t, 16>& Id) const
    {
        return Pos + 16 <= static_cast<int>(FData.size()) && std::equal(Id.begin(), Id.end(), FData.begin() + Pos);
    }

private:
    const THLinkRecord& FRecord;
    const ByteArray& FData;
};

void AppendBytes(ByteArray& Data, std::span<const std::uint8_t> Bytes)
{
    Data.insert(Data.end(), Bytes.begin(), Bytes.end());
}

void AppendCardinal(ByteArray& Data, std::uint32_t Value)
{
    const std::size_t at = Data.size();
    Data.resize(at + 4);
    SetCardinal(Data, static_cast<std::int64_t>(at), Value);
}

void AppendWord(ByteArray& Data, std::uint16_t Value)
{
    const std::size_t at = Data.size();
    Data.resize(at + 2);
    SetWord(Data, static_cast<std::int64_t>(at), Value);
}

void AppendChars(ByteArray& Data, std::u16string_view Text)
{
    for (char16_t c : Text)
        AppendWord(Data, c);
}

void AppendLinkString(ByteArray& Data, std::u16string_view Text)
{
    AppendCardinal(Data, static_cast<std::uint32_t>(Text.size() + 1));
    AppendChars(Data, Text);
    AppendWord(Data, 0);
}

void AppendFileMoniker(ByteArray& Data, std::u16string_view Text)
{
    std::uint16_t steps = 0;
    while (Text.substr(0, UpStep.size()) == UpStep) {
        Text.remove_prefix(UpStep.size());
        ++steps;
    }
    AppendBytes(Data, FileMonikerClsid);
    AppendWord(Data, steps);
    AppendCardinal(Data, static_cast<std::uint32_t>(Text.size() + 1));
    const std::size_t at = Data.size();
    Data.resize(at + Text.size() + 1, 0);
    CompressText(Text, Data, static_cast<std::int64_t>(at));
    AppendCardinal(Data, 0xDEADFFFF);
    Data.resize(Data.size() + 20, 0);
    if (!IsWideText(Text)) {
        AppendCardinal(Data, 0);
        return;
    }
    AppendCardinal(Data, static_cast<std::uint32_t>(6 + 2 * Text.size()));
    AppendCardinal(Data, static_cast<std::uint32_t>(2 * Text.size()));
    AppendWord(Data, 3);
    AppendChars(Data, Text);
}

} // namespace

// ---------------------------------------------------------------------------

TScreenTipRecord::TScreenTipRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(10);
}

std::unique_ptr<TScreenTipRecord> TScreenTipRecord::CreateNew(std::u16string_view aDescription)
{
    auto tip = std::make_unique<TScreenTipRecord>(xlr::HLINKTOOLTIP, ByteArray(12, 0));
    tip->SetText(aDescription);
    return tip;
}

void TScreenTipRecord::SetRange(std::uint16_t aFirstRow, std::uint16_t aLastRow, std::uint16_t aFirstCol,
                                std::uint16_t aLastCol)
{
    SetWord(Data, 2, aFirstRow);
    SetWord(Data, 4, aLastRow);
    SetWord(Data, 6, aFirstCol);
    SetWord(Data, 8, aLastCol);
}

std::u16string TScreenTipRecord::Text() const
{
    const int count = DataSize() / 2 - 6;
    std::u16string text;
    for (int i = 0; i < count; ++i)
        text += static_cast<char16_t>(GetWord(Data, 10 + 2 * i));
    return CutAtZero(std::move(text));
}

void TScreenTipRecord::SetText(std::u16string_view Value)
{
    ByteArray body(12 + 2 * Value.size(), 0);
    std::copy_n(Data.begin(), std::min<std::size_t>(10, Data.size()), body.begin());
    SetWord(body, 0, xlr::HLINKTOOLTIP);
    for (std::size_t i = 0; i < Value.size(); ++i)
        SetWord(body, static_cast<std::int64_t>(10 + 2 * i), Value[i]);
    Data = std::move(body);
}

// ---------------------------------------------------------------------------

THLinkRecord::THLinkRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(HeadSize);
}

std::unique_ptr<THLinkRecord> THLinkRecord::CreateNew(const TXlsCellRange& CellRange, const THyperLink& HLink)
{
    ByteArray body(HeadSize, 0);
    std::copy(StdLinkClsid.begin(), StdLinkClsid.end(), body.begin() + 8);
    SetCardinal(body, 24, 2);
    auto link = std::make_unique<THLinkRecord>(xlr::HLINK, std::move(body));
    link->SetCellRange(CellRange);
    link->SetProperties(HLink);
    return link;
}

void THLinkRecord::AttachCompanion(TBaseRecord& Owner, std::unique_ptr<TBaseRecord> Companion)
{
    auto& link = static_cast<THLinkRecord&>(Owner);
    link.AddHint(std::make_unique<TScreenTipRecord>(Companion->Id, std::move(Companion->Data)));
}

std::unique_ptr<TBaseRecord> THLinkRecord::DoCopyTo() const
{
    auto copy = std::make_unique<THLinkRecord>(Id, Data);
    CopyContinueChainTo(*copy);
    if (Hint)
        copy->Hint.reset(static_cast<TScreenTipRecord*>(Hint->DoCopyTo().release()));
    return copy;
}

THyperLink THLinkRecord::GetProperties() const
{
    THyperLink link;
    const std::uint16_t flags = OptionFlags();
    TLinkReader r(*this);
    if ((flags & HasDisplayName) && (flags & SiteGaveName))
        link.Description = Utf16ToUtf8(r.LinkString());
    else if (flags & HasDisplayName)
        r.LinkString();
    if (flags & HasFrame)
        link.TargetFrame = Utf16ToUtf8(r.LinkString());
    const bool unknownMoniker = flags & (HasGuid | HasCreationTime);
    link.LinkType = hl_CurrentWorkbook;
    if (!unknownMoniker && (flags & HasMoniker)) {
        if ((flags & Absolute) && !(flags & MonikerIsString) && r.Matches(UrlMonikerClsid)) {
            r.Pos += 16;
            const std::uint32_t bytes = r.Cardinal();
            r.Need(bytes);
            const int end = r.Pos + static_cast<int>(bytes);
            link.Text = Utf16ToUtf8(r.Chars(bytes >= 2 ? (bytes - 2) / 2 : 0));
            r.Pos = end;
            link.LinkType = hl_URL;
        } else if (!(flags & MonikerIsString) && r.Matches(FileMonikerClsid)) {
            r.Pos += 16;
            std::u16string text;
            for (std::uint16_t steps = r.Word(); steps > 0; --steps)
                text += UpStep;
            const std::uint32_t length = r.Cardinal();
            r.Need(length);
            std::u16string path;
            ByteStringToText(std::span<const std::uint8_t>(Data).subspan(static_cast<std::size_t>(r.Pos),
                                                                          length > 1 ? length - 1 : length),
                             path);
            r.Pos += static_cast<int>(length);
            r.Need(24);
            r.Pos += 24;
            if (const std::uint32_t unicodeSize = r.Cardinal(); unicodeSize != 0) {
                const std::uint32_t bytes = r.Cardinal();
                r.Word();
                path = r.Chars(bytes / 2);
            }
            link.Text = Utf16ToUtf8(text + CutAtZero(path));
            link.LinkType = hl_LocalFile;
        } else if ((flags & Absolute) && (flags & MonikerIsString)) {
            link.Text = Utf16ToUtf8(r.LinkString());
            link.LinkType = hl_UNC;
        }
    }
    if ((flags & HasLocation) && !unknownMoniker)
        link.TextMark = Utf16ToUtf8(r.LinkString());
    if (Hint)
        link.Hint = Utf16ToUtf8(Hint->Text());
    return link;
}

void THLinkRecord::SetProperties(const THyperLink& Value)
{
    Data.resize(HeadSize);
    std::uint16_t flags = 0;
    if (!Value.Description.empty()) {
        AppendLinkString(Data, Utf8ToUtf16(Value.Description));
        flags |= HasDisplayName | SiteGaveName;
    }
    if (!Value.TargetFrame.empty()) {
        AppendLinkString(Data, Utf8ToUtf16(Value.TargetFrame));
        flags |= HasFrame;
    }
    const std::u16string text = Utf8ToUtf16(Value.Text);
    switch (Value.LinkType) {
    case hl_URL:
        flags |= HasMoniker | Absolute;
        AppendBytes(Data, UrlMonikerClsid);
        AppendCardinal(Data, static_cast<std::uint32_t>(2 * text.size() + 2));
        AppendChars(Data, text);
        AppendWord(Data, 0);
        break;
    case hl_LocalFile:
        flags |= HasMoniker;
        AppendFileMoniker(Data, text);
        break;
    case hl_UNC:
        flags |= HasMoniker | Absolute | MonikerIsString;
        AppendLinkString(Data, text);
        break;
    case hl_CurrentWorkbook:
        break;
    }
    if (!Value.TextMark.empty()) {
        AppendLinkString(Data, Utf8ToUtf16(Value.TextMark));
        flags |= HasLocation;
    }
    SetOptionFlags(flags);
    if (Value.Hint.empty())
        Hint.reset();
    else if (Hint)
        Hint->SetText(Utf8ToUtf16(Value.Hint));
    else
        Hint = TScreenTipRecord::CreateNew(Utf8ToUtf16(Value.Hint));
}

TXlsCellRange THLinkRecord::GetCellRange() const
{
    return {FirstCol(), FirstRow(), LastCol(), LastRow()};
}

void THLinkRecord::SetCellRange(const TXlsCellRange& CellRange)
{
    for (int row : {CellRange.Top, CellRange.Bottom})
        if (row < 0 || row > xlr::MaxRow)
            ExcelError(msg::InvalidRow, row + 1);
    for (int col : {CellRange.Left, CellRange.Right})
        if (col < 0 || col > xlr::MaxCol)
            ExcelError(msg::InvalidCol, col + 1);
    SetWord(Data, 0, static_cast<std::uint16_t>(CellRange.Top));
    SetWord(Data, 2, static_cast<std::uint16_t>(CellRange.Bottom));
    SetWord(Data, 4, static_cast<std::uint16_t>(CellRange.Left));
    SetWord(Data, 6, static_cast<std::uint16_t>(CellRange.Right));
}

void THLinkRecord::SaveToStream(TOle2File& Workbook)
{
    TBaseRecord::SaveToStream(Workbook);
    if (!Hint)
        return;
    Hint->SetRange(FirstRow(), LastRow(), FirstCol(), LastCol());
    Hint->SaveToStream(Workbook);
}

int THLinkRecord::TotalSize() const
{
    return TBaseRecord::TotalSize() + (Hint ? Hint->TotalSize() : 0);
}

int THLinkRecord::TotalSizeNoHeaders() const
{
    return TBaseRecord::TotalSizeNoHeaders() + (Hint ? Hint->TotalSizeNoHeaders() : 0);
}

bool THLinkRecord::Intersects(const TXlsCellRange& R) const
{
    return FirstRow() <= R.Bottom && LastRow() >= R.Top && FirstCol() <= R.Right && LastCol() >= R.Left;
}

bool THLinkRecord::Inside(const TXlsCellRange& R) const
{
    return FirstRow() >= R.Top && LastRow() <= R.Bottom && FirstCol() >= R.Left && LastCol() <= R.Right;
}

void THLinkRecord::SaveRangeToStream(TOle2File& Workbook, const TXlsCellRange& CellRange)
{
    if (Intersects(CellRange))
        SaveToStream(Workbook);
}

int THLinkRecord::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    return Intersects(CellRange) ? TotalSize() : 0;
}

void THLinkRecord::ArrangeInsertRange(const TXlsCellRange& CellRange, int aRowCount, int aColCount,
                                      const TSheetInfo& SheetInfo)
{
    if (SheetInfo.InsSheet < 0 || SheetInfo.InsSheet != SheetInfo.FormulaSheet)
        return;
    // Both bounds are checked before either moves, so a failure leaves the
    // link as it was.
    auto move = [this](int FirstPos, int LastPos, int From, int Delta, int Max) {
        const int first = GetWord(Data, FirstPos) >= From ? GetWord(Data, FirstPos) + Delta : GetWord(Data, FirstPos);
        const int last = GetWord(Data, LastPos) >= From ? GetWord(Data, LastPos) + Delta : GetWord(Data, LastPos);
        for (int v : {first, last})
            if (v < 0 || v > Max)
                ExcelError(msg::TooManyEntries, v, Max);
        SetWord(Data, FirstPos, static_cast<std::uint16_t>(first));
        SetWord(Data, LastPos, static_cast<std::uint16_t>(last));
    };
    if (aRowCount != 0 && FirstCol() >= CellRange.Left && LastCol() <= CellRange.Right)
        move(0, 2, CellRange.Top, aRowCount * (CellRange.Bottom - CellRange.Top + 1), 0xFFFF);
    if (aColCount != 0 && FirstRow() >= CellRange.Top && LastRow() <= CellRange.Bottom)
        move(4, 6, CellRange.Left, aColCount * (CellRange.Right - CellRange.Left + 1), 0xFF);
}

THLinkRecord& THLinkRecord::Offset(int DeltaRow, int DeltaCol)
{
    SetWord(Data, 0, static_cast<std::uint16_t>(FirstRow() + DeltaRow));
    SetWord(Data, 2, static_cast<std::uint16_t>(LastRow() + DeltaRow));
    SetWord(Data, 4, static_cast<std::uint16_t>(FirstCol() + DeltaCol));
    SetWord(Data, 6, static_cast<std::uint16_t>(LastCol() + DeltaCol));
    return *this;
}

// ---------------------------------------------------------------------------

void THLinkList::Add(std::unique_ptr<THLinkRecord> Record)
{
    FItems.push_back(std::move(Record));
    Sorted = false;
}

void THLinkList::Delete(int Index)
{
    FItems.erase(FItems.begin() + Index);
}

void THLinkList::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) {
        return a->FirstRow() != b->FirstRow() ? a->FirstRow() < b->FirstRow() : a->FirstCol() < b->FirstCol();
    });
    Sorted = true;
}

namespace {
std::unique_ptr<THLinkRecord> CopyLink(const THLinkRecord& Link)
{
    return std::unique_ptr<THLinkRecord>(static_cast<THLinkRecord*>(Link.DoCopyTo().release()));
}
} // namespace

void THLinkList::CopyFrom(const THLinkList& aHLinkList)
{
    Clear();
    for (const auto& link : aHLinkList.FItems)
        Add(CopyLink(*link));
}

void THLinkList::CopyObjectsFrom(const THLinkList* aHLinkList, const TXlsCellRange& CopyRange, int RowOfs, int ColOfs)
{
    if (!aHLinkList)
        return;
    const int count = aHLinkList->Count();
    for (int i = 0; i < count; ++i)
        if ((*aHLinkList)[i]->Inside(CopyRange)) {
            auto copy = CopyLink(*(*aHLinkList)[i]);
            copy->Offset(RowOfs, ColOfs);
            Add(std::move(copy));
        }
}

void THLinkList::SaveToStream(TOle2File& DataStream)
{
    if (!Sorted)
        Sort();
    for (const auto& link : FItems)
        link->SaveToStream(DataStream);
}

void THLinkList::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange)
{
    if (!Sorted)
        Sort();
    for (const auto& link : FItems)
        link->SaveRangeToStream(DataStream, CellRange);
}

std::int64_t THLinkList::TotalSize() const
{
    std::int64_t size = 0;
    for (const auto& link : FItems)
        size += link->TotalSize();
    return size;
}

std::int64_t THLinkList::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    std::int64_t size = 0;
    for (const auto& link : FItems)
        size += link->TotalRangeSize(CellRange);
    return size;
}

void THLinkList::InsertAndCopyRange(const TXlsCellRange& SourceRange, int DestRow, int DestCol, int aRowCount,
                                    int aColCount, const TSheetInfo& SheetInfo)
{
    const int h = SourceRange.Bottom - SourceRange.Top + 1;
    const int w = SourceRange.Right - SourceRange.Left + 1;
    const TXlsCellRange dest{DestCol, DestRow, DestCol + w - 1, DestRow + h - 1};
    for (const auto& link : FItems)
        link->ArrangeInsertRange(dest, aRowCount, aColCount, SheetInfo);
    TXlsCellRange moved = SourceRange;
    if (moved.Top >= DestRow)
        moved = OffsetCellRange(moved, aRowCount * h, 0);
    if (moved.Left >= DestCol)
        moved = OffsetCellRange(moved, 0, aColCount * w);
    if (aRowCount < 1 && aColCount < 1)
        return;
    const int before = Count();
    for (int i = 0; i < before; ++i) {
        const THLinkRecord& link = *FItems[static_cast<std::size_t>(i)];
        if (!link.Inside(moved))
            continue;
        auto addCopy = [&](int DeltaRow, int DeltaCol) {
            auto copy = CopyLink(link);
            copy->Offset(DeltaRow, DeltaCol);
            Add(std::move(copy));
        };
        for (int k = 0; k < aRowCount; ++k)
            addCopy(DestRow + k * h - moved.Top, DestCol - moved.Left);
        for (int k = 0; k < aColCount; ++k)
            addCopy(DestRow - moved.Top, DestCol + k * w - moved.Left);
    }
}

void THLinkList::DeleteRange(const TXlsCellRange& CellRange, int aRowCount, int aColCount, const TSheetInfo& SheetInfo)
{
    const int h = CellRange.Bottom - CellRange.Top + 1;
    const int w = CellRange.Right - CellRange.Left + 1;
    const TXlsCellRange gone{CellRange.Left, CellRange.Top, CellRange.Right + w * std::max(aColCount - 1, 0),
                             CellRange.Bottom + h * std::max(aRowCount - 1, 0)};
    for (int i = Count() - 1; i >= 0; --i) {
        THLinkRecord& link = *FItems[static_cast<std::size_t>(i)];
        if (link.Inside(gone)) {
            Delete(i);
            continue;
        }
        link.ArrangeInsertRange(CellRange, -aRowCount, -aColCount, SheetInfo);
        if (link.LastRow() < link.FirstRow())
            Delete(i);
    }
}
