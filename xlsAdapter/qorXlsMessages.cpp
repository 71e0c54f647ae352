// Bounds-checked byte routines and BIFF8 string parsing over record bytes.
#include "xlsAdapter/qorXlsMessages.h"

namespace xlsAdapter {

void ThrowExcelError(const std::string& message)
{
    throw EExcelException(message);
}

namespace {

// Records made in memory have no place in a stream; offsets then count from
// the first byte given.
rtl::TByteContext RecordContext(std::uint16_t Id, std::int64_t StreamOffset, std::uint64_t Skip)
{
    char record[32];
    std::snprintf(record, sizeof record, StreamOffset < 0 ? "new record 0x%04x" : "record 0x%04x", Id);
    const std::uint64_t base = StreamOffset < 0 ? 0 : static_cast<std::uint64_t>(StreamOffset) + Skip;
    return rtl::TByteContext{"xls", record, base};
}

} // namespace

rtl::TByteCursor RecordCursor(std::uint16_t Id, std::int64_t StreamOffset, std::span<const std::uint8_t> Data)
{
    return rtl::TByteCursor(Data, RecordContext(Id, StreamOffset, 4), ThrowExcelError);
}

void RecordError(std::uint16_t Id, std::int64_t StreamOffset, std::string_view What)
{
    rtl::TByteCursor(std::span<const std::uint8_t>(), RecordContext(Id, StreamOffset, 0), ThrowExcelError).Fail(What);
}

void CheckRange(std::int64_t Size, std::int64_t Pos, std::int64_t Count)
{
    if (Pos < 0 || Count < 0 || Pos > Size || Count > Size - Pos)
        ExcelError(msg::ShortBlock, static_cast<int>(Count), static_cast<long long>(Pos),
                   static_cast<long long>(Size));
}

} // namespace xlsAdapter

using xlsAdapter::CheckRange;

std::uint16_t GetWord(std::span<const std::uint8_t> Data, std::int64_t Pos)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), Pos, 2);
    return static_cast<std::uint16_t>(Data[Pos] | (Data[Pos + 1] << 8));
}

void SetWord(std::span<std::uint8_t> Data, std::int64_t Pos, std::uint16_t Value)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), Pos, 2);
    Data[Pos] = static_cast<std::uint8_t>(Value);
    Data[Pos + 1] = static_cast<std::uint8_t>(Value >> 8);
}

std::uint32_t GetCardinal(std::span<const std::uint8_t> Data, std::int64_t Pos)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), Pos, 4);
    return static_cast<std::uint32_t>(Data[Pos]) | (static_cast<std::uint32_t>(Data[Pos + 1]) << 8) |
           (static_cast<std::uint32_t>(Data[Pos + 2]) << 16) | (static_cast<std::uint32_t>(Data[Pos + 3]) << 24);
}

void SetCardinal(std::span<std::uint8_t> Data, std::int64_t Pos, std::uint32_t Value)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), Pos, 4);
    for (int i = 0; i < 4; ++i)
        Data[Pos + i] = static_cast<std::uint8_t>(Value >> (8 * i));
}

namespace {

std::int64_t CheckedSum(std::int64_t value, std::int64_t Delta, std::int64_t Max)
{
    const std::int64_t result = value + Delta;
    if (result < 0 || result > Max)
        xlsAdapter::ExcelError(xlsAdapter::msg::TooManyEntries, static_cast<long long>(result),
                               static_cast<long long>(Max));
    return result;
}

} // namespace

void IncWord(std::span<std::uint8_t> Data, std::int64_t Pos, std::int64_t Delta, std::int64_t Max)
{
    SetWord(Data, Pos, static_cast<std::uint16_t>(CheckedSum(GetWord(Data, Pos), Delta, Max)));
}

void IncByte(std::span<std::uint8_t> Data, std::int64_t Pos, std::int64_t Delta, std::int64_t Max)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), Pos, 1);
    Data[Pos] = static_cast<std::uint8_t>(CheckedSum(Data[Pos], Delta, Max));
}

void IncWordVar(std::uint16_t& Value, std::int32_t Delta, std::int32_t Max)
{
    Value = static_cast<std::uint16_t>(CheckedSum(Value, Delta, Max));
}

void IncLong(std::span<std::uint8_t> Data, std::int64_t Pos, std::int64_t Delta)
{
    SetCardinal(Data, Pos, static_cast<std::uint32_t>(GetCardinal(Data, Pos) + Delta));
}

void IncWordClamped(std::uint16_t& Value, std::int32_t Delta, std::int32_t Max, std::int32_t Min)
{
    const std::int32_t sum = Value + Delta;
    Value = static_cast<std::uint16_t>(sum > Max ? Max : sum < Min ? Min : sum);
}

namespace {

// The parsed header of a BIFF8 string.
struct TBiffStringLayout {
    std::int64_t CharCount = 0;
    bool Wide = false;
    std::int64_t HeaderBytes = 0; // count field, option byte, run count, far-east size
    std::int64_t TrailerBytes = 0; // runs and far-east data
};

TBiffStringLayout ParseBiffString(bool LongLength, std::span<const std::uint8_t> Data, std::int64_t Pos,
                                  std::uint16_t CharCount, bool UseCharCount)
{
    TBiffStringLayout layout;
    std::int64_t p = Pos;
    if (UseCharCount) {
        layout.CharCount = CharCount;
    } else if (LongLength) {
        layout.CharCount = GetWord(Data, p);
        p += 2;
    } else {
        CheckRange(static_cast<std::int64_t>(Data.size()), p, 1);
        layout.CharCount = Data[p];
        p += 1;
    }
    CheckRange(static_cast<std::int64_t>(Data.size()), p, 1);
    const std::uint8_t options = Data[p++];
    layout.Wide = (options & 0x01) != 0;
    if (options & 0x08) {
        layout.TrailerBytes += 4 * static_cast<std::int64_t>(GetWord(Data, p));
        p += 2;
    }
    if (options & 0x04) {
        layout.TrailerBytes += GetCardinal(Data, p);
        p += 4;
    }
    layout.HeaderBytes = p - Pos;
    return layout;
}

} // namespace

std::int64_t GetStrByteCount(bool LongLength, std::span<const std::uint8_t> Data, std::int64_t Pos,
                             std::uint16_t CharCount, bool UseCharCount)
{
    const TBiffStringLayout layout = ParseBiffString(LongLength, Data, Pos, CharCount, UseCharCount);
    return layout.CharCount * (layout.Wide ? 2 : 1) + layout.HeaderBytes + layout.TrailerBytes;
}

void ReadBiffString(bool LongLength, std::span<const std::uint8_t> Data, std::int64_t Pos,
                    std::int64_t& ByteCount, std::u16string& Text, std::uint16_t CharCount, bool UseCharCount)
{
    const TBiffStringLayout layout = ParseBiffString(LongLength, Data, Pos, CharCount, UseCharCount);
    const std::int64_t width = layout.Wide ? 2 : 1;
    const std::int64_t start = Pos + layout.HeaderBytes;
    CheckRange(static_cast<std::int64_t>(Data.size()), start, layout.CharCount * width);
    Text.resize(static_cast<std::size_t>(layout.CharCount));
    for (std::int64_t i = 0; i < layout.CharCount; ++i)
        Text[i] = layout.Wide ? GetWord(Data, start + 2 * i) : Data[start + i];
    ByteCount = layout.HeaderBytes + layout.CharCount * width + layout.TrailerBytes;
}

bool IsWideText(std::u16string_view Text)
{
    for (char16_t c : Text)
        if (c > 255)
            return true;
    return false;
}

void StringToByteString(std::u16string_view Text, ByteArray& Bytes)
{
    Bytes.resize(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i)
        Bytes[i] = static_cast<std::uint8_t>(Text[i]);
}

void CompressText(std::u16string_view Text, std::span<std::uint8_t> Dest, std::int64_t Pos)
{
    CheckRange(static_cast<std::int64_t>(Dest.size()), Pos, static_cast<std::int64_t>(Text.size()));
    for (std::size_t i = 0; i < Text.size(); ++i)
        Dest[Pos + i] = Text[i] > 255 ? '?' : static_cast<std::uint8_t>(Text[i]);
}

void ByteStringToText(std::span<const std::uint8_t> Bytes, std::u16string& Text)
{
    Text.assign(Bytes.begin(), Bytes.end());
}
