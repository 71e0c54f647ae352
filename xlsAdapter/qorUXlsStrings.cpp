// Reading, comparing and writing BIFF8 unicode strings.
#include "xlsAdapter/qorUXlsStrings.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

// Bytes left in the chain from Pos of Record on, so that a size field is
// checked against the data before anything is allocated for it.
std::int64_t BytesLeft(const TBaseRecord* Record, int Pos)
{
    std::int64_t left = Record->DataSize() - Pos;
    for (const TContinueRecord* link = Record->Continue.get(); link; link = link->Continue.get())
        left += link->DataSize();
    return left;
}

ByteArray ReadBlock(const TBaseRecord*& Record, int& Pos, std::int64_t Count)
{
    if (Count > BytesLeft(Record, Pos))
        Record->Cursor().FailAt(static_cast<std::size_t>(Pos), msg::ErrReadingRecord);
    ByteArray block(static_cast<std::size_t>(Count));
    ReadMemAcrossContinue(Record, Pos, static_cast<int>(Count), block.data());
    return block;
}

} // namespace

TExcelString::TExcelString(int aStrLenLength, const TBaseRecord*& aRecord, int& Ofs) : StrLenLength(aStrLenLength)
{
    std::uint8_t field[4] = {};
    ReadMemAcrossContinue(aRecord, Ofs, aStrLenLength, field);
    StrLen = aStrLenLength == 1 ? field[0] : GetWord(field, 0);
    ReadMemAcrossContinue(aRecord, Ofs, 1, &OptionFlags);
    if (HasRichText()) {
        ReadMemAcrossContinue(aRecord, Ofs, 2, field);
        NumberRichTextFormats = GetWord(field, 0);
    }
    if (HasFarInfo()) {
        ReadMemAcrossContinue(aRecord, Ofs, 4, field);
        FarEastDataSize = GetCardinal(field, 0);
    }
    std::uint8_t fragmentFlags = OptionFlags;
    std::uint8_t activeFlags = OptionFlags & 1;
    int charsRead = 0;
    ReadStrAcrossContinue(aRecord, Ofs, ShortData, StrLen, charsRead, fragmentFlags, activeFlags, WideData);
    OptionFlags = static_cast<std::uint8_t>((OptionFlags & ~1) | (activeFlags & 1));
    if (OptionFlags & 1)
        ShortData.clear();
    else
        WideData.clear();
    if (HasRichText())
        RichTextFormats = ReadBlock(aRecord, Ofs, 4LL * NumberRichTextFormats);
    if (HasFarInfo())
        FarEastData = ReadBlock(aRecord, Ofs, FarEastDataSize);
}

TExcelString::TExcelString(int aStrLenLength, std::u16string_view s, bool ForceWide) : StrLenLength(aStrLenLength)
{
    if ((aStrLenLength == 1 && s.size() > 255) || s.size() > 0xFFFF)
        ExcelError(msg::InvalidStringRecord);
    StrLen = static_cast<std::uint16_t>(s.size());
    if (ForceWide || IsWideText(s)) {
        OptionFlags = 1;
        WideData = s;
    } else {
        ShortData.resize(s.size());
        std::transform(s.begin(), s.end(), ShortData.begin(), [](char16_t c) { return static_cast<char>(c); });
    }
}

int TExcelString::Compare(const TExcelString& Str2) const
{
    auto sign = [](auto a, auto b) { return a < b ? -1 : (a > b ? 1 : 0); };
    if (int c = sign(StrLenLength, Str2.StrLenLength))
        return c;
    if (int c = sign(OptionFlags, Str2.OptionFlags))
        return c;
    if (OptionFlags & 1) {
        const int c = WideData.compare(Str2.WideData);
        return sign(c, 0);
    }
    if (int c = sign(ShortData.size(), Str2.ShortData.size()))
        return c;
    for (std::size_t i = 0; i < ShortData.size(); ++i)
        if (int c = sign(static_cast<std::uint8_t>(ShortData[i]), static_cast<std::uint8_t>(Str2.ShortData[i])))
            return c;
    return 0;
}

std::int64_t TExcelString::TotalSize() const
{
    std::int64_t size = StrLenLength + 1 + static_cast<std::int64_t>(StrLen) * GetCharSize();
    if (HasRichText())
        size += 2 + 4LL * NumberRichTextFormats;
    if (HasFarInfo())
        size += 4 + static_cast<std::int64_t>(FarEastDataSize);
    return size;
}

ByteArray TExcelString::Bytes(bool IncludeLen) const
{
    if (StrLenLength != 1 && StrLenLength != 2)
        ExcelError(msg::StrLenLength);
    ByteArray out;
    out.reserve(static_cast<std::size_t>(TotalSize()));
    auto put16 = [&out](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    if (IncludeLen) {
        if (StrLenLength == 1)
            out.push_back(static_cast<std::uint8_t>(StrLen));
        else
            put16(StrLen);
    }
    out.push_back(OptionFlags);
    if (HasRichText())
        put16(NumberRichTextFormats);
    if (HasFarInfo()) {
        put16(FarEastDataSize & 0xFFFF);
        put16(FarEastDataSize >> 16);
    }
    if (OptionFlags & 1)
        for (char16_t c : WideData)
            put16(c);
    else
        out.insert(out.end(), ShortData.begin(), ShortData.end());
    if (HasRichText())
        out.insert(out.end(), RichTextFormats.begin(), RichTextFormats.end());
    if (HasFarInfo())
        out.insert(out.end(), FarEastData.begin(), FarEastData.end());
    return out;
}

void TExcelString::SaveToStream(TOle2File& DataStream, bool IncludeLen) const
{
    DataStream.Write(Bytes(IncludeLen));
}

void TExcelString::CopyToPtr(std::span<std::uint8_t> Dest, std::int64_t aPos, bool IncludeLen) const
{
    const ByteArray bytes = Bytes(IncludeLen);
    CheckRange(static_cast<std::int64_t>(Dest.size()), aPos, static_cast<std::int64_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), Dest.begin() + aPos);
}

std::u16string TExcelString::Value() const
{
    if (OptionFlags & 1)
        return WideData;
    std::u16string text(ShortData.size(), u'\0');
    std::transform(ShortData.begin(), ShortData.end(), text.begin(),
                   [](char c) { return static_cast<char16_t>(static_cast<std::uint8_t>(c)); });
    return text;
}
