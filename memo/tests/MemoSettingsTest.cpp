// The settings file: a round trip of every setting, what a sparse or damaged file does, and the save beside the old file.
#include "MemoFixture.h"

#include "platform/classes/IniFiles.h"
#include "platform/rtl/Exceptions.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

class MemoSettingsTest : public MemoTest {
public:
    void SetUp() override
    {
        MemoTest::SetUp();
        Dir = std::filesystem::temp_directory_path() / ("memo-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(Dir);
        File = (Dir / "memo.ini").string();
    }
    void TearDown() override
    {
        std::filesystem::remove_all(Dir);
        MemoTest::TearDown();
    }
    void Write(const std::string& Text) { std::ofstream(File, std::ios::binary) << Text; }
    std::filesystem::path Dir;
    std::string File;
};

} // namespace

TEST_F(MemoSettingsTest, EverySettingSurvivesARoundTrip)
{
    Write("[Other]\nkept=yes\n");
    Memo->ActiveLineSettings().SetActiveLineColor(clYellow);
    Memo->Gutter().SetDigitCount(6);
    Memo->Gutter().SetNumberSuffix(":");
    Memo->Gutter().Font().SetStyle({fsBold, fsItalic});
    Memo->AutoCompletion().SetDelay(250);
    Memo->AutoCompletion().ColorEvent = clGreen;
    Memo->AutoCompletion().Font().SetSize(13);
    Memo->SetAutoHintParameters(hpNone);
    Memo->SetAutoHintParameterPosition(hpAboveCode);
    Memo->SetBkColor(TColor(0x123456));
    Memo->SetTabSize(8);
    Memo->SetTrimTrailingSpaces(true);
    Memo->UrlStyle().Style = {fsStrikeOut};
    Memo->SetWordWrap(wwRightMargin);
    Memo->PrintOptions().PagePrefix = "Seite";
    Memo->PrintOptions().Title = "Title = with equals";
    Memo->MarkerList().SetDefaultMarkerImageIndex(3);
    Memo->SaveMemoSettingsToFile(File);

    TMemIniFile ini(File);
    EXPECT_EQ(ini.ReadString("Other", "kept", ""), "yes") << "other sections stay";
    EXPECT_EQ(ini.ReadString("Memo Settings", "GutterFontStyle", ""), "fsBoldfsItalic");
    EXPECT_EQ(ini.ReadString("Memo Settings", "AutoHintParameters", ""), "hpNone");
    EXPECT_EQ(ini.ReadString("Memo Setings", "PrintPagePrefix", ""), "Seite");
    EXPECT_TRUE(ini.ValueExists("Memo Settings", "TrimTralingSpaces"));

    auto* other = new TQuillMemo(Form);
    other->LoadMemoSettingsFromFile(File);
    EXPECT_EQ(other->ActiveLineSettings().ActiveLineColor(), clYellow);
    EXPECT_EQ(other->Gutter().DigitCount(), 6);
    EXPECT_EQ(other->Gutter().NumberSuffix(), ":");
    EXPECT_EQ(other->Gutter().Font().Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(other->AutoCompletion().Delay(), 250);
    EXPECT_EQ(other->AutoCompletion().ColorEvent, clGreen);
    EXPECT_EQ(other->AutoCompletion().Font().Size(), 13);
    EXPECT_EQ(other->AutoHintParameters(), hpNone);
    EXPECT_EQ(other->AutoHintParameterPosition(), hpAboveCode);
    EXPECT_EQ(other->BkColor(), TColor(0x123456));
    EXPECT_EQ(other->TabSize(), 8);
    EXPECT_TRUE(other->TrimTrailingSpaces());
    EXPECT_EQ(other->UrlStyle().Style, (TFontStyles{fsUnderline, fsStrikeOut})) << "named styles join the current ones";
    EXPECT_EQ(other->WordWrap(), wwRightMargin);
    EXPECT_EQ(other->PrintOptions().PagePrefix, "Seite");
    EXPECT_EQ(other->PrintOptions().Title, "Title = with equals");
    EXPECT_EQ(other->MarkerList().DefaultMarkerImageIndex(), 3);
}

TEST_F(MemoSettingsTest, SparseDamagedAndMissingFiles)
{
    Memo->SetAutoHintParameters(hpManual);
    Memo->SetTabSize(6);
    Memo->Font().SetStyle({fsBold});
    Memo->LoadMemoSettingsFromFile((Dir / "none.ini").string());
    EXPECT_EQ(Memo->AutoHintParameters(), hpManual) << "no file, no change";

    Write("[Memo Settings]\nFontStyle=fsItalic\nTabSize=999999999\nUndoLimit=-5\nGutterFontSize=x\n"
          "TrimTrailingSpaces=1\nPrintPagePrefix=wrong section\n");
    Memo->LoadMemoSettingsFromFile(File);
    EXPECT_EQ(Memo->AutoHintParameters(), hpAuto) << "a missing key sets the default mode";
    EXPECT_EQ(Memo->Font().Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(Memo->TabSize(), 6) << "a tab size no memo can use keeps the current one";
    EXPECT_EQ(Memo->UndoLimit(), 100);
    EXPECT_FALSE(Memo->TrimTrailingSpaces()) << "only the key as it has always been spelt is read";
    EXPECT_EQ(Memo->PrintOptions().PagePrefix, "");

    Write("[Memo Settings]\nShowGutter=0\nBkColor=not a colour\nBlockShow=0\n");
    EXPECT_THROW(Memo->LoadMemoSettingsFromFile(File), Exception);
    EXPECT_FALSE(Memo->Gutter().Visible()) << "what was read before the bad colour stays";
    EXPECT_TRUE(Memo->BlockShow());
}

TEST_F(MemoSettingsTest, ASaveThatCannotBeWrittenFailsAloud)
{
    // A folder that is a file: nothing can be written below it.
    Write("[Memo Settings]\nTabSize=3\n");
    const std::string below = File + "/memo.ini";
    EXPECT_THROW(Memo->SaveMemoSettingsToFile(below), Exception);
    EXPECT_FALSE(Memo->SaveToHTML(File + "/x.html", true));
    EXPECT_FALSE(Memo->SaveToRTF(File + "/x.rtf", true));
    std::ifstream in(File);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "[Memo Settings]\nTabSize=3\n");
}
