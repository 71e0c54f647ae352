// The PALETTE record and the standard palette.
#include "xlsAdapter/qorUXlsPalette.h"
#include "xlsAdapter/tests/XlsCellsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;

TEST(XlsPalette, TheStandardPaletteIsTheOneXlrdKnows)
{
    REQUIRE_PEER("python3-xlrd");
    std::string ours;
    char rgb[8];
    for (int i = 0; i < xlsAdapter::StandardPaletteCount; ++i) {
        const std::uint32_t color = StandardPaletteColor(i); // 0x00BBGGRR
        std::snprintf(rgb, sizeof rgb, "%02X%02X%02X\n", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
        ours += rgb;
    }
    EXPECT_EQ(CellsPeer("palette"), ours);
}

TEST(XlsPalette, ThePaletteRecord)
{
    const auto palette = TPaletteRecord::CreateStandard();
    EXPECT_EQ(226, palette->DataSize());
    EXPECT_EQ(56, palette->Count());
    EXPECT_EQ(0x0000FFu, palette->GetColor(2)) << "red in the lowest byte";
    EXPECT_EQ(0xFF6633u, palette->GetColor(40));
    palette->SetColor(55, 0x123456);
    EXPECT_EQ(0x123456u, palette->GetColor(55));
    EXPECT_EQ("The index \"56\" of the property \"Palette Color Index\" is not in the range 0-55",
              ErrorOf([&] { palette->GetColor(56); }));
    EXPECT_EQ("Too many entries for this kind of record (-1 out of a maximum of 55)",
              ErrorOf([&] { palette->SetColor(-1, 0); }));
    EXPECT_EQ("The index \"56\" of the property \"Palette index\" is not in the range 0-55",
              ErrorOf([] { StandardPaletteColor(56); }));
    // A count larger than the record is refused on load.
    EXPECT_NE("no exception", ErrorOf([] { TPaletteRecord(xlsAdapter::xlr::PALETTE, {56, 0, 1, 2, 3, 4}); }));
}
