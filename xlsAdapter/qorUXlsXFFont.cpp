// FONT records and the font list with its missing index 4.
#include "xlsAdapter/qorUXlsXF.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUXlsStrings.h"

#include <algorithm>
#include <array>

using namespace xlsAdapter;

namespace {

constexpr int NameOffset = 14;
constexpr std::uint16_t BoldWeight = 700;
constexpr std::uint16_t NormalWeight = 400;
constexpr std::uint16_t ItalicBit = 0x02;
constexpr std::uint16_t StrikeOutBit = 0x08;

// Underline codes in the order of TVyxUnderline.
constexpr std::array<std::uint8_t, 5> UnderlineCodes{0x00, 0x01, 0x02, 0x21, 0x22};

} // namespace

int xlsAdapter::FontPositionToIndex(int Position)
{
    return Position > 3 ? Position + 1 : Position;
}

int xlsAdapter::FontIndexToPosition(int FontIndex)
{
    return FontIndex > 3 ? FontIndex - 1 : FontIndex;
}

TFontRecord::TFontRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(NameOffset + 1);
    Name(); // a name running past the record is refused on load, not on first use
}

std::unique_ptr<TFontRecord> TFontRecord::CreateFromVyxFont(const TVyxFont& aFont)
{
    std::u16string name = rtl::Utf8ToUtf16(aFont.Name);
    // The count field is one byte.
    if (name.size() > 255)
        name.resize(255);
    const TExcelString nameString(1, name, true);
    ByteArray data(static_cast<std::size_t>(NameOffset + nameString.TotalSize()));
    SetWord(data, 0, aFont.Size20);
    std::uint16_t options = 0;
    if (aFont.Style.Contains(flsItalic))
        options |= ItalicBit;
    if (aFont.Style.Contains(flsStrikeOut))
        options |= StrikeOutBit;
    SetWord(data, 2, options);
    SetWord(data, 4, static_cast<std::uint16_t>(aFont.ColorIndex + 7));
    SetWord(data, 6, aFont.Style.Contains(flsBold) ? BoldWeight : NormalWeight);
    SetWord(data, 8, aFont.Style.Contains(flsSubscript) ? 2 : aFont.Style.Contains(flsSuperscript) ? 1 : 0);
    data[10] = UnderlineCodes[std::min<std::size_t>(aFont.Underline, UnderlineCodes.size() - 1)];
    data[11] = aFont.Family;
    data[12] = aFont.CharSet;
    nameString.CopyToPtr(data, NameOffset);
    return std::make_unique<TFontRecord>(xlr::FONT, std::move(data));
}

SetOfTVyxFontStyle TFontRecord::Style() const
{
    SetOfTVyxFontStyle style;
    // Heavier weights than bold (800, 900) are bold too.
    if (GetWord(Data, 6) >= BoldWeight)
        style.Include(flsBold);
    const std::uint16_t options = GetWord(Data, 2);
    if (options & ItalicBit)
        style.Include(flsItalic);
    if (options & StrikeOutBit)
        style.Include(flsStrikeOut);
    const std::uint16_t escapement = GetWord(Data, 8);
    if (escapement == 1)
        style.Include(flsSuperscript);
    else if (escapement == 2)
        style.Include(flsSubscript);
    return style;
}

TVyxUnderline TFontRecord::Underline() const
{
    const auto it = std::find(UnderlineCodes.begin(), UnderlineCodes.end(), Data[10]);
    return it == UnderlineCodes.end() ? fu_None : static_cast<TVyxUnderline>(it - UnderlineCodes.begin());
}

std::string TFontRecord::Name() const
{
    if (Data[NameOffset] == 0)
        return {};
    std::int64_t byteCount = 0;
    std::u16string name;
    ReadBiffString(false, Data, NameOffset, byteCount, name);
    return rtl::Utf16ToUtf8(name);
}

TVyxFont TFontRecord::VyxFont() const
{
    TVyxFont font;
    font.Name = Name();
    font.Size20 = Height();
    font.ColorIndex = ColorIndex() + 1;
    font.Style = Style();
    font.Underline = Underline();
    font.Family = Family();
    font.CharSet = Charset();
    return font;
}

void TFontRecordList::SetItems(int Index, std::unique_ptr<TFontRecord> Record)
{
    Delete(Index);
    Insert(Index, std::move(Record));
}

int TFontRecordList::AddFont(const TVyxFont& aFont)
{
    auto record = TFontRecord::CreateFromVyxFont(aFont);
    for (int i = 0; i < Count(); ++i)
        if (Items(i) && Items(i)->Data == record->Data)
            return FontPositionToIndex(i);
    return FontPositionToIndex(Add(std::move(record)));
}
