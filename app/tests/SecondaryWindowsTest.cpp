// The settings, marker-properties, custom-pan, languages and merge windows on the headless backend.
#include "app/tests/AppFixture.h"
#include "platform/backend/headless/HeadlessInput.h"

#include "app/UCustomPan.h"
#include "app/ULanguages.h"
#include "app/UMarker.h"
#include "app/USettings.h"
#include "app/umerge.h"
#include "controls/QuillEdit.h"
#include "platform/ui/Buttons.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/grids/StringGrid.h"

#include <set>

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class SecondaryWindowsTest : public app::testing::AppFixture {};

TEST_F(SecondaryWindowsTest, OpeningAndSavingSettingsKeepsTheStoredPositionAndZoom)
{
    WriteSettings("", "15");
    ShowAndGoLive();
    // The map has moved since: the main window's edits show the new place.
    FrmMain->Geolith1MapClick(38.5, -94.25, 1, 1, mbLeft);
    FrmSettings->Show();
    EXPECT_EQ(FrmSettings->ELatitude->Text(), "38.920346");
    EXPECT_EQ(FrmSettings->zoomlevel->Text(), "15");
    EXPECT_EQ(FrmSettings->Path1->Text(), dir.Path());
    FrmSettings->BSelectImageClick(nullptr);
    EXPECT_EQ(messages.back(), "Settings saved.");
    TSettingsStore back;
    app::ReadSettingsFile(dir / "Vistra.INI", back);
    EXPECT_EQ(back.opt1, "38.920346");
    EXPECT_EQ(back.opt2, "-94.854674");
    EXPECT_EQ(back.opt5, "15");

    FrmSettings->ELatitude->SetText("10.25");
    FrmSettings->BSelectImageClick(nullptr);
    app::ReadSettingsFile(dir / "Vistra.INI", back);
    EXPECT_EQ(back.opt1, "10.25");
}

TEST_F(SecondaryWindowsTest, ResetDefaultsThenSaveWritesTheDefaults)
{
    WriteSettings("");
    ShowAndGoLive();
    FrmSettings->Show();
    FrmSettings->Button1Click(nullptr);
    // The folder and zoom reach the store at once, the file only on saving.
    EXPECT_EQ(Settings().opt3, FrmMain->GlobalPath() + "Files/MarkerFiles/");
    EXPECT_EQ(ReadFile(dir / "Vistra.INI").find("MarkerFiles"), std::string::npos);
    FrmSettings->BSelectImageClick(nullptr);
    TSettingsStore back;
    app::ReadSettingsFile(dir / "Vistra.INI", back);
    EXPECT_EQ(back.opt1, "38.920346");
    EXPECT_EQ(back.opt2, "-94.854674");
    EXPECT_EQ(back.opt3, FrmMain->GlobalPath() + "Files/MarkerFiles/");
    EXPECT_EQ(back.opt4, FrmMain->GlobalPath() + "Files/MarkerFiles/vistra091.csv");
    EXPECT_EQ(back.opt5, "12");
}

// Values the next start could not use are refused with their field named, and
// the file keeps what it had; Enter in a field saves.
TEST_F(SecondaryWindowsTest, SaveSettingsRefusesValuesTheNextStartCannotUse)
{
    WriteSettings("");
    ShowAndGoLive();
    FrmSettings->Show();
    const std::string before = ReadFile(dir / "Vistra.INI");
    struct Case {
        const char *latitude, *longitude, *zoom;
        const char* message;  // empty: saved
    };
    const Case cases[] = {
        {"38.5", "-94.25", "abc", "ZoomLevel: \"abc\" is not a whole number from 0 to 21."},
        {"38.5", "-94.25", "22", "ZoomLevel: \"22\" is not a whole number from 0 to 21."},
        {"38,5", "-94.25", "12", "Latitude: \"38,5\" is not a number from -90 to 90."},
        {"91", "-94.25", "12", "Latitude: \"91\" is not a number from -90 to 90."},
        {"38.5", "", "12", "Longitude: \"\" is not a number from -180 to 180."},
    };
    for (const Case& c : cases) {
        messages.clear();
        FrmSettings->ELatitude->SetText(c.latitude);
        FrmSettings->ELongitude->SetText(c.longitude);
        FrmSettings->zoomlevel->SetText(c.zoom);
        FrmSettings->BSelectImageClick(nullptr);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], c.message);
        EXPECT_EQ(ReadFile(dir / "Vistra.INI"), before) << c.message;
    }
    // Enter in a field presses the window's default button, "Save Settings".
    messages.clear();
    FrmSettings->ELatitude->SetText("-33.75");
    FrmSettings->ELongitude->SetText("151.5");
    FrmSettings->zoomlevel->SetText("9");
    FrmSettings->ELatitude->SetFocus();
    backend::input::PressKey(*FrmSettings, VK_RETURN);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Settings saved.");
    TSettingsStore back;
    app::ReadSettingsFile(dir / "Vistra.INI", back);
    EXPECT_EQ(back.opt1 + " " + back.opt2 + " " + back.opt5, "-33.75 151.5 9");
}

TEST_F(SecondaryWindowsTest, AFolderTypedAndCancelledHoldsForTheRunButNotTheFile)
{
    WriteSettings("");
    ShowAndGoLive();
    FrmSettings->Show();
    FrmSettings->Path1->SetText("/elsewhere/");
    FrmSettings->BitBtn1->Click();
    EXPECT_EQ(Settings().opt3, "/elsewhere/");
    TSettingsStore back;
    app::ReadSettingsFile(dir / "Vistra.INI", back);
    EXPECT_EQ(back.opt3, dir.Path());
}

TEST_F(SecondaryWindowsTest, CreateMarkerFromTheTypedValues)
{
    WriteSettings("");
    ShowAndGoLive();
    FrmMain->ELatitude->SetText("12.5");
    FrmMain->ELongitude->SetText("-7");
    FrmMarker->Show();
    EXPECT_EQ(FrmMarker->ELatitude->Text(), "12.5");
    AnswerFileDialog("/icons/pin.png");
    FrmMarker->BSelectImageClick(nullptr);
    FrmMarker->EIconExit(nullptr);
    EXPECT_EQ(FrmMarker->EIcon->Text(), "file:///icons/pin.png");
    FrmMarker->BCreateMarkerClick(nullptr);
    ASSERT_EQ(Markers().Count(), 1);
    const TMarker& m = *Markers().Items(0);
    EXPECT_EQ(m.Title(), "...");
    EXPECT_EQ(m.Icon(), "file:///icons/pin.png");
    EXPECT_EQ(m.Zindex(), 11);
    EXPECT_DOUBLE_EQ(m.Longitude(), -7);

    FrmMarker->ELatitude->SetText("");
    EXPECT_THROW(FrmMarker->BCreateMarkerClick(nullptr), EConvertError);
    EXPECT_EQ(Markers().Count(), 1);
}

TEST_F(SecondaryWindowsTest, CustomPanStepsAreASixthOfTheMap)
{
    WriteSettings("");
    ShowAndGoLive();
    FrmMain->Geolith1->SetAlign(alNone);
    FrmMain->Geolith1->SetBounds(0, 0, 600, 400);
    FrmCustomPan->Show();
    Engine().ClearScripts();
    FrmCustomPan->PadClick(TPadPlace::TopLeft, false);
    FrmCustomPan->PadClick(TPadPlace::BottomRight, true);
    FrmCustomPan->PadClick(TPadPlace::CenterRight, false);
    EXPECT_EQ(Scripts(), (std::vector<std::string>{"map.panBy(-100, -66);", "map.panBy(600, 400);", "map.panBy(100, 0);"}));
    FrmCustomPan->PadClick(TPadPlace::Center, true);
    EXPECT_TRUE(FrmMarker->Visible());
}

TEST_F(SecondaryWindowsTest, EveryCustomPanButtonShowsItsOwnPicture)
{
    // The picture's pixels, row by row, to tell pictures apart.
    auto pixels = [](TSpeedButton* button) {
        TBitmap& glyph = button->Glyph();
        std::string bytes;
        for (int row = 0; row < glyph.Height(); ++row)
            bytes.append(reinterpret_cast<const char*>(glyph.ScanLine(row)), glyph.Width() * sizeof(TRGBQuad));
        return bytes;
    };
    std::set<std::string> pictures;
    for (const auto* pad : {&FrmCustomPan->SB1, &FrmCustomPan->SB2}) {
        for (TSpeedButton* button : *pad) {
            ASSERT_FALSE(button->Glyph().Empty());
            EXPECT_EQ(button->Glyph().Width(), 24);
            EXPECT_EQ(button->Glyph().Height(), 24);
            pictures.insert(pixels(button));
        }
    }
    EXPECT_EQ(pictures.size(), 18u) << "eight directions and a centre, different on the two pads";
}

TEST_F(SecondaryWindowsTest, LanguagesListAndChoice)
{
    TStringGrid& grid = *FrmLanguages->SGLanguages;
    EXPECT_EQ(grid.RowCount(), 54);
    EXPECT_EQ(grid.Cells(0, 53), "Chinese_Tradtional");
    EXPECT_EQ(FrmMain->Geolith1->MapOptions()->Language(), lnEnglish);
    for (auto [row, language] : {std::pair{0, lnDefault}, {10, lnEnglish}, {17, lnFrench}}) {
        grid.SetRow(row);
        FrmLanguages->SGLanguagesClick(nullptr);
        EXPECT_EQ(FrmMain->Geolith1->MapOptions()->Language(), language);
    }
}

TEST_F(SecondaryWindowsTest, MergeWindowReportsAndClosesOnlyWhenDone)
{
    WriteFile(dir / "a.csv", "A;1;2;;-1;-1;-1;0;-1;0;\r\n");
    WriteFile(dir / "b.csv", "B;1;2;;-1;-1;-1;0;-1;0;\r\n");
    frmmerge->Show();
    frmmerge->Memo1->Lines().Clear();
    frmmerge->Memo1->Lines().Add(dir / "a.csv");
    frmmerge->Memo1->Lines().Add(dir / "missing.csv");
    frmmerge->QuillEdit1->SetText(dir / "out.csv");
    frmmerge->Button2Click(nullptr);
    EXPECT_EQ(messages.back(), dir / "missing.csv" + " not found. Exiting merge; no changes made.");
    EXPECT_TRUE(frmmerge->Visible());

    frmmerge->Memo1->Lines().Delete(1);
    AnswerFileDialog(dir / "b.csv");
    frmmerge->Button1Click(nullptr);
    frmmerge->Button2Click(nullptr);
    EXPECT_EQ(messages.back(), "Merge complete.");
    EXPECT_EQ(ReadFile(dir / "out.csv"), "A;1;2;;-1;-1;-1;0;-1;0;\r\nB;1;2;;-1;-1;-1;0;-1;0;\r\n");
    EXPECT_FALSE(frmmerge->Visible());
}

}  // namespace
