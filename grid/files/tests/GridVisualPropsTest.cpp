// The grid's visual properties and print settings: what a grid saves, another
// grid loads exactly, whatever look it had, and loading never writes.
#include "grid/files/tests/GridFileFixture.h"
#include "grid/paint/GridLooks.h"

#include "grid/base/GridSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AppearanceSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/ControlLook.h"
#include "grid/model/PrintSettings.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Exceptions.h"

#include <filesystem>

using namespace gridfiles_test;
using testsupport::ReadFile;

namespace {

class GridVisualPropsTest : public GridFileTest {
protected:
    GridVisualPropsTest() : GridFileTest("gridvisualprops") {}

    // Changes settings of every kind: a look whose preset would change the
    // colours set after it, fonts, owned settings objects and enumerations.
    static void ChangeSettings(TQuillStringGrid& G)
    {
        G.SetLook(glOffice2007);
        G.SetSelectionColor(0x123456);
        G.LookColors().ActiveCellColor = 0x00ABCD;
        G.SetColor(clInfoBk);
        G.SetURLShowInText(true);
        G.Font().SetName("Serif");
        G.Font().SetStyle({fsBold, fsUnderline});
        G.FixedFont().SetSize(13);
        G.Balloon().SetBackgroundColor(clLime);
        G.Balloon().SetTransparency(128);
        G.Bands().SetActive(true);
        G.Bands().SetPrimaryColor(0x0F0F0F);
        G.ControlLook().SetControlStyle(grid::csFlat);
        G.ControlLook().SetCheckSize(21);
        G.SearchFooter().SetColorTo(clAqua);
        G.Grouping().SetSummaryLineWidth(5);
        G.BackGround().SetDisplay(bdGradientVert);
        G.BackGround().SetTop(-3);
    }
};

} // namespace

TEST_F(GridVisualPropsTest, AnotherGridLoadsExactlyWhatWasSavedAndLoadingNeverWrites)
{
    auto saved = NewGrid();
    ChangeSettings(*saved);
    const std::string file = Dir / "visual.txt";
    saved->SaveVisualProps(file);
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("Look=glOffice2007\r\n"), std::string::npos);
    EXPECT_NE(text.find("Balloon.BackgroundColor=clLime\r\n"), std::string::npos);

    auto loaded = NewGrid();
    const auto stamp = std::filesystem::last_write_time(file);
    loaded->LoadVisualProps(file);
    EXPECT_EQ(ReadFile(file), text);
    EXPECT_EQ(std::filesystem::last_write_time(file), stamp) << "loading never writes";
    EXPECT_EQ(loaded->Look(), glOffice2007);
    EXPECT_EQ(loaded->SelectionColor(), 0x123456) << "the stored look does not overwrite the stored colours";
    EXPECT_EQ(loaded->LookColors().ActiveCellColor, 0x00ABCD);
    EXPECT_EQ(loaded->Font().Name(), "Serif");
    EXPECT_EQ(loaded->Balloon().Transparency(), 128);
    EXPECT_EQ(loaded->ControlLook().ControlStyle(), grid::csFlat);
    EXPECT_EQ(loaded->BackGround().Top(), -3);

    // Every value, also those not checked one by one: the loaded grid saves the same file.
    const std::string again = Dir / "again.txt";
    loaded->SaveVisualProps(again);
    EXPECT_EQ(ReadFile(again), text);

    auto untouched = NewGrid();
    testsupport::WriteFile(file, "Color=clRed\r\nBalloon.Transparency=999\r\n");
    EXPECT_THROW(untouched->LoadVisualProps(file), EConvertError);
    EXPECT_NE(untouched->Color(), clRed) << "a malformed value changes nothing";
}

TEST_F(GridVisualPropsTest, PrintSettingsLoadExactlyFromTheirSectionAndLoadingNeverWrites)
{
    auto saved = NewGrid();
    TPrintSettings& print = saved->PrintSettings();
    print.SetLeftSize(250);
    print.SetCentered(false);
    print.SetTitleText(" padded ");
    print.Font()->SetStyle({fsBold});
    TStringList lines;
    lines.Add("first");
    lines.Add("second");
    print.SetTitleLines(&lines);
    const std::string ini = Dir / "print.ini";
    saved->SavePrintSettings(ini, "Printing");

    auto loaded = NewGrid();
    loaded->PrintSettings().HeaderFont()->SetStyle({fsItalic});
    loaded->LoadPrintSettings(ini, "Printing");
    EXPECT_EQ(loaded->PrintSettings().LeftSize(), 250);
    EXPECT_FALSE(loaded->PrintSettings().Centered());
    EXPECT_EQ(loaded->PrintSettings().TitleText(), " padded ");
    EXPECT_EQ(loaded->PrintSettings().TitleLines()->Count(), 2);
    EXPECT_TRUE(loaded->PrintSettings().HeaderFont()->Style().Empty()) << "the stored styles exactly";
    const std::string again = Dir / "again.ini";
    loaded->SavePrintSettings(again, "Printing");
    EXPECT_EQ(ReadFile(again), ReadFile(ini));

    const std::string missing = Dir / "missing.ini";
    loaded->LoadPrintSettings(missing, "Printing");
    EXPECT_FALSE(std::filesystem::exists(missing)) << "loading never writes";
    EXPECT_EQ(loaded->PrintSettings().LeftSize(), 100) << "a missing key takes its default";
    EXPECT_EQ(loaded->PrintSettings().Font()->Name(), "Arial");
}
