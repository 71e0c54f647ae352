// Font and colour tables: lookups and reading the tables of another document.
#include "memo/RTFTables.h"

#include <gtest/gtest.h>

namespace {

TEST(RTFTables, FontsAreFoundWithoutRegardToCase)
{
    TFontTable fonts;
    EXPECT_EQ(fonts.GetText(), "");
    EXPECT_EQ(fonts.AddFont("Arial"), "\\f0");
    EXPECT_EQ(fonts.AddFont("Courier New"), "\\f1");
    EXPECT_EQ(fonts.AddFont("ARIAL"), "\\f0");
    EXPECT_EQ(fonts.IndexOf("courier new"), 1);
    EXPECT_EQ(fonts.IndexOf("Symbol"), -1);
    EXPECT_EQ(fonts.GetText(), "{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil Courier New;}}");
}

TEST(RTFTables, FaceNamesCannotBreakTheTable)
{
    TFontTable fonts;
    fonts.AddFont("Odd}{\\Face");
    EXPECT_EQ(fonts.GetText(), "{\\fonttbl{\\f0\\fnil Odd\\}\\{\\\\Face;}}");
}

TEST(RTFTables, LoadsFacesOfAnotherDocument)
{
    TFontTable fonts;
    fonts.AddFont("Arial");
    fonts.LoadFonts("{\\rtf1{\\fonttbl {\\f0\\fswiss\\fcharset0 Times New Roman;}\r\n{\\f1\\fnil\\fcharset2 Symbol;}"
                    "{\\f2 arial;}}\\f0 x}");
    ASSERT_EQ(fonts.Fonts()->Count(), 3);
    EXPECT_EQ(fonts.Fonts()->GetItem(1)->FaceName(), "Times New Roman");
    EXPECT_EQ(fonts.Fonts()->GetItem(2)->FaceName(), "Symbol");
}

TEST(RTFTables, HostileFontTablesLoadNothingOrWhatIsWhole)
{
    for (std::string_view text : {"{\\fonttbl", "{\\fonttbl{\\f0 A;", "{\\fonttbl{\\f0 A;}{{{{", "{\\fonttbl x;}}"}) {
        TFontTable fonts;
        fonts.LoadFonts(text);
        EXPECT_LE(fonts.Fonts()->Count(), 1) << text;
    }
}

TEST(RTFTables, LoadsColoursWithTheAutomaticEntryAsBlack)
{
    TColorTable colors;
    colors.AddColor(clRed);
    colors.LoadColors("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue999;\\blue7;}}");
    EXPECT_EQ(colors.GetText(), "{\\colortbl \\red255\\green0\\blue0;\\red0\\green0\\blue0;"
                                "\\red0\\green128\\blue255;\\red0\\green0\\blue7;}");
}

TEST(RTFTables, HeaderListsTablesAndViewKind)
{
    TRTFHeader header;
    header.FontTable()->AddFont("Arial");
    header.ColorTable()->AddColor(clWindow);
    EXPECT_EQ(header.GetText(), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil Arial;}}"
                                "{\\colortbl \\red255\\green255\\blue255;}\\viewkind4\\uc1");
}

} // namespace
