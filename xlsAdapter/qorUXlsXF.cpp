// XF records: the byte layout of a cell format and its conversion to and
// from TVyxFormat.
#include "xlsAdapter/qorUXlsXF.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

constexpr int XFSize = 20;
// File colour indexes 8..63 are palette entries, 64 the automatic colour.
constexpr int FirstPaletteColor = 8;
constexpr int AutomaticColor = 64;
constexpr int ColorOffset = 7; // API index = file index - 7

std::uint32_t FileColor(int ApiIndex)
{
    return static_cast<std::uint32_t>(ApiIndex + ColorOffset) & 127;
}

// Border colours are kept inside the palette and the automatic colour.
std::uint32_t BorderFileColor(int ApiIndex)
{
    return std::clamp<std::uint32_t>(FileColor(ApiIndex), FirstPaletteColor, AutomaticColor);
}

int BorderApiColor(std::uint32_t FileIndex)
{
    return FileIndex > ColorOffset ? static_cast<int>(FileIndex) - ColorOffset : 1;
}

// An API pattern is the file pattern plus one. Pattern 0 has no file form;
// like any value past the last pattern it is written as no fill instead of
// spilling into the neighbouring bits.
std::uint32_t FilePattern(int ApiPattern)
{
    constexpr int LastApiPattern = 19;
    return ApiPattern >= 1 && ApiPattern <= LastApiPattern ? static_cast<std::uint32_t>(ApiPattern - 1) : 0;
}

void Mark(BooleanArray& Colors, int Index)
{
    if (Index >= 0 && Index < static_cast<int>(Colors.size()))
        Colors[static_cast<std::size_t>(Index)] = true;
}

} // namespace

TXFRecord::TXFRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(XFSize);
}

std::unique_ptr<TXFRecord> TXFRecord::CreateFromFormat(const TVyxFormat& Fmt, TFontRecordList& FontList,
                                                       TFormatRecordList& FormatList)
{
    ByteArray data(XFSize);
    SetWord(data, 0, static_cast<std::uint16_t>(FontList.AddFont(Fmt.Font)));
    SetWord(data, 2, static_cast<std::uint16_t>(FormatList.AddFormat(Fmt.Format)));
    // Style bit and parent stay 0: this is always a cell XF of the normal style.
    SetWord(data, 4, static_cast<std::uint16_t>((Fmt.Locked ? 1 : 0) | (Fmt.Hidden ? 2 : 0)));
    data[6] = static_cast<std::uint8_t>((Fmt.HAlignment & 7) | (Fmt.WrapText ? 8 : 0) | ((Fmt.VAlignment & 7) << 4));
    data[7] = Fmt.Rotation;
    data[8] = static_cast<std::uint8_t>((Fmt.Indent & 15) | (Fmt.ShrinkToFit ? 16 : 0));
    data[9] = 0xFC; // every attribute group is set by this XF
    const TVyxBorders& b = Fmt.Borders;
    data[10] = static_cast<std::uint8_t>((b.Left.Style & 15) | ((b.Right.Style & 15) << 4));
    data[11] = static_cast<std::uint8_t>((b.Top.Style & 15) | ((b.Bottom.Style & 15) << 4));
    SetWord(data, 12,
            static_cast<std::uint16_t>(BorderFileColor(b.Left.ColorIndex) | (BorderFileColor(b.Right.ColorIndex) << 7) |
                                       ((b.DiagonalStyle & 3) << 14)));
    SetCardinal(data, 14,
                BorderFileColor(b.Top.ColorIndex) | (BorderFileColor(b.Bottom.ColorIndex) << 7) |
                    (FileColor(b.Diagonal.ColorIndex) << 14) | (static_cast<std::uint32_t>(b.Diagonal.Style & 15) << 21) |
                    (FilePattern(Fmt.FillPattern.Pattern) << 26));
    SetWord(data, 18,
            static_cast<std::uint16_t>(FileColor(Fmt.FillPattern.FgColorIndex) |
                                       (FileColor(Fmt.FillPattern.BgColorIndex) << 7)));
    return std::make_unique<TXFRecord>(xlr::XF, std::move(data));
}

TVVyxAlignment TXFRecord::VAlign() const
{
    // Codes past the last alignment (a hostile 5..7) read as top.
    const int code = (Data[6] >> 4) & 7;
    return code <= fva_distributed ? static_cast<TVVyxAlignment>(code) : fva_top;
}

TVyxBorderStyle TXFRecord::GetBorderStyle(int aPos, int FirstBit) const
{
    return static_cast<TVyxBorderStyle>((Data.at(static_cast<std::size_t>(aPos)) >> FirstBit) & 15);
}

TVyxBorderStyle TXFRecord::GetBorderStyleExt(int aPos, int FirstBit) const
{
    return static_cast<TVyxBorderStyle>((GetCardinal(Data, aPos) >> FirstBit) & 15);
}

int TXFRecord::GetBorderColorIndex(int aPos, int FirstBit) const
{
    return BorderApiColor((GetWord(Data, aPos) >> FirstBit) & 127);
}

int TXFRecord::GetBorderColorIndexExt(int aPos, int FirstBit) const
{
    return BorderApiColor((GetCardinal(Data, aPos) >> FirstBit) & 127);
}

void TXFRecord::FillMisc(TVyxFormat& Fmt) const
{
    const std::uint16_t protection = GetWord(Data, 4);
    Fmt.Locked = (protection & 1) != 0;
    Fmt.Hidden = (protection & 2) != 0;
    Fmt.Parent = protection >> 4;
    Fmt.WrapText = WrapText();
    Fmt.ShrinkToFit = (Data[8] & 16) != 0;
    Fmt.Rotation = Rotation();
    Fmt.Indent = Data[8] & 15;
}

int TXFRecord::GetActualFontIndex(const TFontRecordList& FontList) const
{
    const int position = FontIndexToPosition(FontIndex());
    return position < FontList.Count() && FontList.GetItems(position) ? position : 0;
}

TVyxFormat TXFRecord::VyxFormat(const TFontRecordList& FontList, TFormatRecordList& FormatList) const
{
    TVyxFormat fmt;
    const int fontPosition = GetActualFontIndex(FontList);
    if (fontPosition < FontList.Count() && FontList.GetItems(fontPosition))
        fmt.Font = FontList.GetItems(fontPosition)->VyxFont();

    TVyxBorders& b = fmt.Borders;
    b.Left = {GetBorderStyle(10, 0), GetBorderColorIndex(12, 0)};
    b.Right = {GetBorderStyle(10, 4), GetBorderColorIndex(12, 7)};
    b.Top = {GetBorderStyle(11, 0), GetBorderColorIndexExt(14, 0)};
    b.Bottom = {GetBorderStyle(11, 4), GetBorderColorIndexExt(14, 7)};
    b.Diagonal = {GetBorderStyleExt(14, 21), GetBorderColorIndexExt(14, 14)};
    b.DiagonalStyle = DiagonalStyle();

    fmt.Format = FormatList.GetFormat(FormatIndex());
    fmt.FillPattern.Pattern = static_cast<TVyxPatternStyle>(CellPattern() + 1);
    fmt.FillPattern.FgColorIndex = CellFgColorIndex();
    fmt.FillPattern.BgColorIndex = CellBgColorIndex();
    fmt.HAlignment = HAlign();
    fmt.VAlignment = VAlign();
    FillMisc(fmt);
    return fmt;
}

void TXFRecord::FillUsedColors(BooleanArray& UsedColors, const TFontRecordList& FontList) const
{
    if (GetBorderStyle(10, 0) != fbs_None)
        Mark(UsedColors, GetBorderColorIndex(12, 0));
    if (GetBorderStyle(10, 4) != fbs_None)
        Mark(UsedColors, GetBorderColorIndex(12, 7));
    if (GetBorderStyle(11, 0) != fbs_None)
        Mark(UsedColors, GetBorderColorIndexExt(14, 0));
    if (GetBorderStyle(11, 4) != fbs_None)
        Mark(UsedColors, GetBorderColorIndexExt(14, 7));
    if (GetBorderStyleExt(14, 21) != fbs_None)
        Mark(UsedColors, GetBorderColorIndexExt(14, 14));
    if (CellPattern() != 0)
        Mark(UsedColors, CellFgColorIndex());
    if (CellPattern() > 1)
        Mark(UsedColors, CellBgColorIndex());
    const int fontPosition = GetActualFontIndex(FontList);
    if (fontPosition < FontList.Count() && FontList.GetItems(fontPosition))
        Mark(UsedColors, FontList.GetItems(fontPosition)->ColorIndex() + 1);
}

void TXFRecordList::SetItems(int Index, std::unique_ptr<TXFRecord> Record)
{
    Delete(Index);
    Insert(Index, std::move(Record));
}

bool TXFRecordList::FindFormat(const TXFRecord& XF, int& Index) const
{
    for (int i = 0; i < Count(); ++i) {
        if (GetItems(i) && GetItems(i)->Data == XF.Data) {
            Index = i;
            return true;
        }
    }
    Index = -1;
    return false;
}

BooleanArray TXFRecordList::GetUsedColors(int ColorCount, const TFontRecordList& FontList) const
{
    BooleanArray colors(static_cast<std::size_t>(std::max(ColorCount, 0)), false);
    for (int i = 0; i < Count(); ++i)
        if (GetItems(i))
            GetItems(i)->FillUsedColors(colors, FontList);
    return colors;
}
