// Print settings kept in an INI section.
#include "grid/files/GridSettingsStore.h"

#include "grid/model/PrintSettings.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class GridPrintSettingsStoreTest : public ::testing::Test {
protected:
    testsupport::TempFolder Dir{"gridprint"};
    std::string Ini = Dir / "print.ini";

    // Every stored setting away from both the class's and the loader's defaults.
    static void ChangeEverything(TPrintSettings& S)
    {
        S.SetColumnSpacing(7); S.SetRowSpacing(8); S.SetTitleSpacing(9);
        S.SetFixedHeight(11); S.SetFixedWidth(12); S.SetCentered(false);
        S.SetNoAutoSize(true); S.SetUseFixedHeight(true); S.SetUseFixedWidth(true);
        S.SetRepeatFixedRows(true); S.SetRepeatFixedCols(true);
        S.SetUseDisplayFont(true); S.SetUseDefaultOrientation(true);
        S.SetBorders(pbAroundVertical); S.SetBorderColor(0x123456); S.SetBorderStyle(psDashDot);
        S.SetDate(ppTopRight); S.SetPageNr(ppBottomCenter); S.SetTitle(ppTopCenter); S.SetTime(ppBottomLeft);
        S.SetDateFormat("yyyy-mm-dd"); S.SetTitleText("\"Quarter\" ");
        S.SetFooterSize(31); S.SetHeaderSize(32); S.SetLeftSize(33); S.SetRightSize(34);
        S.SetFitToPage(fpShrink);
        int n = 0;
        for (TFont* font : {S.Font(), S.HeaderFont(), S.FooterFont()}) {
            font->SetName("Serif " + std::to_string(++n));
            font->SetSize(12 + n);
            font->SetStyle({fsBold, fsStrikeOut});
            font->SetColor(0x010203 * n);
        }
        S.SetPageNumSep(" of "); S.SetPageSuffix("]"); S.SetPagePrefix("[");
        S.SetOrientation(poLandscape);
        S.TitleLines()->SetText(" first\nsecond\n");
        S.SetPrintGraphics(true);
    }

    static void ExpectSame(TPrintSettings& A, TPrintSettings& B)
    {
#define EXPECT_SAME_OPTION(Type, Name, Initial) EXPECT_EQ(A.Name(), B.Name()) << #Name;
        VISTRA_PRINT_OPTIONS(EXPECT_SAME_OPTION)
        VISTRA_PRINT_TEXTS(EXPECT_SAME_OPTION)
#undef EXPECT_SAME_OPTION
        for (auto font : {&TPrintSettings::Font, &TPrintSettings::HeaderFont, &TPrintSettings::FooterFont}) {
            EXPECT_EQ((A.*font)()->Name(), (B.*font)()->Name());
            EXPECT_EQ((A.*font)()->Size(), (B.*font)()->Size());
            EXPECT_EQ((A.*font)()->Style(), (B.*font)()->Style());
            EXPECT_EQ((A.*font)()->Color(), (B.*font)()->Color());
        }
        EXPECT_EQ(A.TitleLines()->Text(), B.TitleLines()->Text());
    }
};

} // namespace

TEST_F(GridPrintSettingsStoreTest, LoadRestoresEverySavedValue)
{
    TPrintSettings saved;
    ChangeEverything(saved);
    saved.SetJobName("not stored");
    grid::SavePrintSettings(saved, Ini, "Print");

    TPrintSettings loaded;
    grid::LoadPrintSettings(loaded, Ini, "Print");
    loaded.SetJobName("not stored");
    ExpectSame(saved, loaded);
    EXPECT_NE(ReadFile(Ini).find("TitleLines=\" first\\nsecond\\n\""), std::string::npos);
}

TEST_F(GridPrintSettingsStoreTest, TitleLinesWithBackslashesComeBackLineForLine)
{
    TPrintSettings saved, loaded;
    for (const char* line : {"C:\\new", "ends in \\", "\\\\server\\share", "\\n", "plain"}) saved.TitleLines()->Add(line);
    grid::SavePrintSettings(saved, Ini, "Print");
    grid::LoadPrintSettings(loaded, Ini, "Print");
    EXPECT_EQ(loaded.TitleLines()->Text(), saved.TitleLines()->Text());

    WriteFile(Ini, "[Print]\r\nTitleLines=C:\\temp\\nTotal\\n\r\n");
    grid::LoadPrintSettings(loaded, Ini, "Print");
    ASSERT_EQ(loaded.TitleLines()->Count(), 2);
    EXPECT_EQ(loaded.TitleLines()->Strings(0), "C:\\temp") << "a single backslash stays as stored files have it";
}

TEST_F(GridPrintSettingsStoreTest, EmptySectionGivesTheLoaderDefaults)
{
    TPrintSettings settings;
    ChangeEverything(settings);
    settings.SetBorders(pbSingle);
    grid::LoadPrintSettings(settings, Ini, "Print");

    EXPECT_EQ(settings.ColumnSpacing(), 20);
    EXPECT_EQ(settings.TitleSpacing(), 20);
    EXPECT_EQ(settings.LeftSize(), 100);
    EXPECT_EQ(settings.FooterSize(), 100);
    EXPECT_EQ(settings.Font()->Name(), "Arial");
    EXPECT_EQ(settings.HeaderFont()->Size(), 10);
    EXPECT_TRUE(settings.FooterFont()->Style().Empty()) << "a stored style of none clears bold";
    EXPECT_EQ(settings.DateFormat(), "");
    EXPECT_TRUE(settings.Centered());
    EXPECT_FALSE(settings.PrintGraphics());
    EXPECT_EQ(settings.Borders(), pbNoborder);
    EXPECT_EQ(settings.TitleLines()->Count(), 0);
}

TEST_F(GridPrintSettingsStoreTest, OutOfRangeOrdinalsLeaveTheSettingAndPositionsBecomeNone)
{
    WriteFile(Ini, "[Print]\r\nBorders=9\r\nBorderStyle=-1\r\nFitToPage=5\r\nOrientation=2\r\nDate=7\r\nTitle=3\r\n");
    TPrintSettings settings;
    ChangeEverything(settings);
    grid::LoadPrintSettings(settings, Ini, "Print");
    EXPECT_EQ(settings.Borders(), pbAroundVertical);
    EXPECT_EQ(settings.BorderStyle(), psDashDot);
    EXPECT_EQ(settings.FitToPage(), fpShrink);
    EXPECT_EQ(settings.Orientation(), poLandscape);
    EXPECT_EQ(settings.Date(), ppNone);
    EXPECT_EQ(settings.Title(), ppTopCenter);
}

TEST_F(GridPrintSettingsStoreTest, MalformedValueIsReportedAndChangesNothing)
{
    for (const char* line : {"RowSpacing=twenty", "Centered=yes", "FontStyle=16", "HeaderFontSize=", "Borders=1x"}) {
        WriteFile(Ini, std::string("[Print]\r\nColumnSpacing=3\r\n") + line + "\r\n");
        TPrintSettings settings, before;
        ChangeEverything(settings);
        ChangeEverything(before);
        EXPECT_THROW(grid::LoadPrintSettings(settings, Ini, "Print"), EConvertError) << line;
        ExpectSame(settings, before);
    }
}

TEST_F(GridPrintSettingsStoreTest, LoadingNeverWritesTheFile)
{
    TPrintSettings settings;
    ChangeEverything(settings);
    grid::SavePrintSettings(settings, Ini, "Print");
    WriteFile(Ini, ReadFile(Ini) + "; a comment the user wrote\r\n");
    const std::string before = ReadFile(Ini);
    std::filesystem::permissions(Ini, std::filesystem::perms::owner_read);

    grid::LoadPrintSettings(settings, Ini, "Print");
    EXPECT_EQ(ReadFile(Ini), before);

    grid::LoadPrintSettings(settings, Dir / "absent.ini", "Print");
    EXPECT_FALSE(std::filesystem::exists(Dir / "absent.ini"));
}
