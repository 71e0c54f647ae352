// The visual-settings file: what is saved loads back, and a bad file changes nothing.
#include "grid/files/VisualSettings.h"

#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

// A small grid of settings: a look preset that, like the grid's, sets the selection colour.
struct TLooks {
    TColor Selection = clHighlight;
    bool Banded = false;
    int Transparency = 0;
    int Look = 0;
    TFont Font;

    void SetLook(int Value)
    {
        Look = Value;
        Selection = Value == 1 ? 0x00AA00 : 0x0000AA;
    }

    std::vector<grid::TVisualSetting> Settings()
    {
        return {
            {"SelectionColor", grid::TColorValue{{[this] { return Selection; }, [this](TColor c) { Selection = c; }}}},
            {"Bands.Active", grid::TBoolValue{{[this] { return Banded; }, [this](bool b) { Banded = b; }}}},
            {"Balloon.Transparency",
             grid::TIntegerValue{{[this] { return Transparency; }, [this](int i) { Transparency = i; }}, 0, 255}},
            {"Font", grid::TFontValue{&Font}},
            {"Look", grid::TNameValue{{[this] { return Look; }, [this](int o) { SetLook(o); }}, {"glStandard", "glSoft"}},
             true},
        };
    }
};

void ChangeEverything(TLooks& L)
{
    L.SetLook(1);
    L.Selection = 0x123456;
    L.Banded = true;
    L.Transparency = 200;
    L.Font.SetName("Serif");
    L.Font.SetSize(14);
    L.Font.SetStyle({fsItalic, fsStrikeOut});
    L.Font.SetColor(clRed);
}

class VisualSettingsTest : public ::testing::Test {
protected:
    testsupport::TempFolder Dir{"gridvisual"};
    std::string File = Dir / "looks.txt";
    TLooks Looks;
};

} // namespace

TEST_F(VisualSettingsTest, LoadRestoresEverySavedValueAlsoWhereTheLookPresetWouldChangeIt)
{
    TLooks saved;
    ChangeEverything(saved);
    grid::SaveVisualSettings(saved.Settings(), File);
    EXPECT_EQ(ReadFile(File), "SelectionColor=$00123456\r\nBands.Active=true\r\nBalloon.Transparency=200\r\n"
                              "Font.Color=clRed\r\nFont.Style=fsItalic,fsStrikeOut\r\nFont.Size=14\r\n"
                              "Font.Name=Serif\r\nLook=glSoft\r\n");

    grid::LoadVisualSettings(Looks.Settings(), File);
    EXPECT_EQ(Looks.Selection, 0x123456) << "the stored look must not overwrite the stored colour";
    EXPECT_TRUE(Looks.Banded);
    EXPECT_EQ(Looks.Transparency, 200);
    EXPECT_EQ(Looks.Look, 1);
    EXPECT_EQ(Looks.Font.Name(), "Serif");
    EXPECT_EQ(Looks.Font.Size(), 14);
    EXPECT_EQ(Looks.Font.Style(), TFontStyles({fsItalic, fsStrikeOut}));
    EXPECT_EQ(Looks.Font.Color(), clRed);
}

TEST_F(VisualSettingsTest, KeysIgnoreCaseAndMissingValuesTakeTheirDefaults)
{
    WriteFile(File, "selectioncolor=\nBALLOON.TRANSPARENCY=7\nFont.Size=9\nLook=\n");
    ChangeEverything(Looks);
    grid::LoadVisualSettings(Looks.Settings(), File);
    EXPECT_EQ(Looks.Selection, clNone);
    EXPECT_FALSE(Looks.Banded);
    EXPECT_EQ(Looks.Transparency, 7);
    EXPECT_EQ(Looks.Look, 1) << "an empty look leaves it";
    EXPECT_TRUE(Looks.Font.Style().Empty());
    EXPECT_EQ(Looks.Font.Name(), "Serif");
}

TEST_F(VisualSettingsTest, MalformedValueIsReportedAndChangesNothing)
{
    const std::string valid = "SelectionColor=clBlack\r\nBalloon.Transparency=1\r\nFont.Size=9\r\n";
    for (const std::string bad : {"Bands.Active=yes", "Balloon.Transparency=256", "Font.Size=nine", "Look=glWobbly",
                                  "Font.Style=fsBold,fsHeavy", "Font.Color=notacolour"}) {
        WriteFile(File, bad + "\r\n" + valid);
        TLooks looks;
        ChangeEverything(looks);
        EXPECT_THROW(grid::LoadVisualSettings(looks.Settings(), File), EConvertError) << bad;
        EXPECT_EQ(looks.Selection, 0x123456) << bad;
        EXPECT_EQ(looks.Font.Size(), 14) << bad;
    }
    WriteFile(File, "SelectionColor=clBlack\r\n");
    EXPECT_THROW(grid::LoadVisualSettings(Looks.Settings(), File), EConvertError) << "a missing integer";
    EXPECT_EQ(Looks.Selection, clHighlight);
}

TEST_F(VisualSettingsTest, UnreadableFilesAreReportedAndLoadingNeverWrites)
{
    EXPECT_THROW(
        try { grid::LoadVisualSettings(Looks.Settings(), Dir / "absent.txt"); } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + (Dir / "absent.txt"));
            throw;
        },
        Exception);
    EXPECT_FALSE(std::filesystem::exists(Dir / "absent.txt"));

    grid::SaveVisualSettings(Looks.Settings(), File);
    const std::string before = ReadFile(File);
    std::filesystem::permissions(File, std::filesystem::perms::owner_read);
    grid::LoadVisualSettings(Looks.Settings(), File);
    EXPECT_EQ(ReadFile(File), before);

    EXPECT_THROW(grid::SaveVisualSettings(Looks.Settings(), Dir / "no/such/folder.txt"), Exception);
}
