// The PALETTE record and the standard palette.
#include "xlsAdapter/qorUXlsPalette.h"

#include <array>

using namespace xlsAdapter;

namespace {

// As RGB; stored with red in the lowest byte.
constexpr std::array<std::uint32_t, StandardPaletteCount> StandardColorsRGB{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

constexpr int ColorsOffset = 2;

} // namespace

std::uint32_t StandardPaletteColor(int Index)
{
    if (Index < 0 || Index >= StandardPaletteCount)
        ExcelError(msg::IndexOutOfRange, Index, "Palette index", 0, StandardPaletteCount - 1);
    const std::uint32_t rgb = StandardColorsRGB[static_cast<std::size_t>(Index)];
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

TPaletteRecord::TPaletteRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(ColorsOffset);
    RequireSize(ColorsOffset + 4 * Count());
}

std::unique_ptr<TPaletteRecord> TPaletteRecord::CreateStandard()
{
    ByteArray data(ColorsOffset + 4 * StandardPaletteCount);
    SetWord(data, 0, StandardPaletteCount);
    for (int i = 0; i < StandardPaletteCount; ++i)
        SetCardinal(data, ColorsOffset + 4 * i, StandardPaletteColor(i));
    return std::make_unique<TPaletteRecord>(xlr::PALETTE, std::move(data));
}

std::uint32_t TPaletteRecord::GetColor(int Index) const
{
    if (Index < 0 || Index >= Count())
        ExcelError(msg::IndexOutOfRange, Index, "Palette Color Index", 0, Count() - 1);
    return GetCardinal(Data, ColorsOffset + 4 * Index);
}

void TPaletteRecord::SetColor(int Index, std::uint32_t Value)
{
    if (Index < 0 || Index >= Count())
        ExcelError(msg::TooManyEntries, Index, Count() - 1);
    SetCardinal(Data, ColorsOffset + 4 * Index, Value);
}
