// The main window on the headless backend: creation, first showing, the event log, marker clicks and commands.
#include "app/tests/AppFixture.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Clipboard.h"

#include "app/UAboutBox.h"
#include "app/UMarkers.h"
#include "app/USettings.h"
#include "app/msg.h"
#include "map/UGeolithControls.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Screen.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Menus.h"
#include "platform/ui/grids/StringGrid.h"
#include "platform/web/ScriptText.h"

#include <filesystem>
#include <functional>

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class UMainTest : public app::testing::AppFixture {};

TMenuItem* FindMenuItem(TMenuItem* parent, const std::string& caption)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (item->Caption() == caption) return item;
        if (TMenuItem* found = FindMenuItem(item, caption)) return found;
    }
    return nullptr;
}

TEST_F(UMainTest, CreationPreparesTheWindowBeforeAnySettingIsRead)
{
    EXPECT_EQ(FrmMain->Caption(), "Corvanta Vistra - Markerfile: ");
    // The zoom slider and its label show the zoom the map opens with.
    EXPECT_EQ(FrmMain->Label4->Caption(), "12");
    EXPECT_EQ(FrmMain->TrbZoom->Position(), FrmMain->Geolith1->MapOptions()->ZoomMap());
    EXPECT_EQ(FrmMain->ELatitude->Text(), "0");
    EXPECT_EQ(FrmMain->ELongitude->Text(), "0");
    EXPECT_EQ(FrmMain->DeleteMarker, -1);
    EXPECT_EQ(FormatSettings().DecimalSeparator, '.');
    EXPECT_EQ(ui::ParseFilter(FrmMain->SavePictureDialog1->Filter()).size(), 3u);
    EXPECT_EQ(FrmMain->OpenTextFileDialog1->InitialDir(), FrmMain->GlobalPath() + "Files/MarkerFiles");
    EXPECT_EQ(FrmMain->MainMenu1->Items()->Count(), 7);
    EXPECT_EQ(Application->MainForm(), FrmMain);
    // The markers list is as wide as its three columns and a margin.
    EXPECT_EQ(FrmMarkers->Width(), 484);
}

TEST_F(UMainTest, FirstShowingReadsSettingsLoadsMarkersAndLaunchesThePage)
{
    WriteFile(dir / "m.csv", "A;38.5;-94.25;rc.png;-1;-1;-1;0;-1;3;\r\nB;1;2;;0;-1;0;0;0;0;\r\nC;3;4;;0;-1;0;0;0;0;\r\n");
    WriteSettings(dir / "m.csv", "14");
    FrmMain->Show();
    EXPECT_EQ(FrmMain->Caption(), "Corvanta Vistra - Markerfile: m.csv");
    EXPECT_EQ(FrmMain->Geolith1->MapOptions()->ZoomMap(), 14);
    EXPECT_DOUBLE_EQ(FrmMain->Geolith1->MapOptions()->DefaultLatitude(), 38.920346);
    EXPECT_DOUBLE_EQ(FrmMain->Geolith1->MapOptions()->DefaultLongitude(), -94.854674);
    // The edits show the stored texts, not the first marker's position.
    EXPECT_EQ(FrmMain->ELatitude->Text(), "38.920346");
    EXPECT_EQ(FrmMain->ELongitude->Text(), "-94.854674");
    EXPECT_EQ(Engine().Documents().size(), 1u);
    ASSERT_EQ(Markers().Count(), 3);
    EXPECT_EQ(Markers().Items(0)->Icon(), "file://" + dir.Path() + "rc.png");
    EXPECT_EQ(FrmMarkers->SGMarkers->RowCount(), 3);
    EXPECT_EQ(FrmMarkers->SGMarkers->Cells(0, 2), "3 - C");
    EXPECT_EQ(FrmMarkers->SGMarkers->Cells(1, 0), "38.5");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(LogLines().front(), "DownloadStart");
}

// A first start has no settings file, and a hand-made one may lack keys: what
// is missing takes the defaults, and the map opens.
TEST_F(UMainTest, MissingSettingsTakeTheDefaults)
{
    const std::string defaultFolder = FrmMain->GlobalPath() + "Files/MarkerFiles/";
    struct Case {
        const char* file;  // null: no settings file at all
        const char* latitude;
        int zoom;
    };
    const Case cases[] = {
        {nullptr, "38.920346", 12},
        {"[Settings]\r\nopt1=10.5\r\nopt5=\r\n", "10.5", 12},
        {"[Settings]\r\nopt5=7\r\n", "38.920346", 7},
    };
    for (const Case& c : cases) {
        Settings() = {};
        std::filesystem::remove(dir / "Vistra.INI");
        if (c.file) WriteFile(dir / "Vistra.INI", c.file);
        messages.clear();
        FrmMain->FormShow(FrmMain);
        EXPECT_TRUE(messages.empty()) << (c.file ? c.file : "no file");
        EXPECT_EQ(FrmMain->ELatitude->Text(), c.latitude);
        EXPECT_EQ(FrmMain->ELongitude->Text(), "-94.854674");
        EXPECT_EQ(FrmMain->Geolith1->MapOptions()->ZoomMap(), c.zoom);
        EXPECT_EQ(FrmMain->Label4->Caption(), std::to_string(c.zoom));
        EXPECT_EQ(Settings().opt3, defaultFolder);
    }
    EXPECT_FALSE(Engine().Documents().empty()) << "the page is launched";
}

TEST_F(UMainTest, EveryMapEventWritesItsLine)
{
    WriteSettings("");
    ShowAndGoLive();
    TGeolith& g = *FrmMain->Geolith1;
    struct Case {
        std::function<void()> raise;
        const char* line;
    } cases[] = {
        {[&] { g.OnDownloadStart(&g); }, "DownloadStart"},
        {[&] { g.OnDownloadFinish(&g); }, "DownloadFinish"},
        {[&] { g.OnDownloadProgress(&g, 40, 100); }, "DownloadProgress : Max :100, Current : 40"},
        {[&] { g.OnMapIdle(&g); }, "MapIdle"},
        {[&] { g.OnMapClick(38.5, -94.25, 10, 20, mbLeft); }, "LeftClick , Lat : 38.5, Long :-94.25, X :10, Y :20"},
        {[&] { g.OnMapClick(38.5, -94.25, 10, 20, mbRight); }, "RightClick , Lat : 38.5, Long :-94.25, X :10, Y :20"},
        {[&] { g.OnMapDblClick(1.5, 2, 3, 4); }, "DblClick , Lat : 1.5, Long :2, X :3, Y :4"},
        {[&] { g.OnMapMouseEnter(1.5, 2, 3, 4); }, "MouseEnter , Lat : 1.5, Long :2, X :3, Y :4"},
        {[&] { g.OnMapMouseExit(1.5, 2, 3, 4); }, "MouseExit , Lat : 1.5, Long :2, X :3, Y :4"},
        {[&] { g.OnMapMouseMove(1.5, 2, 3, 4); }, "MouseMove , Lat : 1.5, Long :2, X :3, Y :4"},
        {[&] { g.OnMapMove(1.5, 2, 3, 4); }, "MapMove , Lat : 1.5, Long :2, X :3, Y :4"},
        {[&] { g.OnMapMoveEnd(1.5, 2, 3, 4); }, "MapMoveEnd , Lat : 1.5, Long :2, X :3, Y :4"},
        {[&] { g.OnMapMoveStart(1.5, 2, 3, 4); }, "MapMoveStart , Lat : 1.5, Long :2, X :3, Y :4"},
        {[&] { g.OnStreetViewMove(0.00001, 2, 3, 4); }, "StreetViewMove , Lat : 1E-5, Long :2, X :3, Y :4"},
        {[&] { g.OnMapTypeChange(mtDefault); }, "MapTypeChanged : Default"},
        {[&] { g.OnMapTypeChange(mtSatellite); }, "MapTypeChanged : Satellite"},
        {[&] { g.OnMapTypeChange(mtHybrid); }, "MapTypeChanged : Hybrid"},
        {[&] { g.OnMapTypeChange(mtTerrain); }, "MapTypeChanged : Terrain"},
        {[&] { g.OnMapZoomChange(14); }, "ZoomChange : 14"},
        {[&] { g.OnMarkerClick("T", 7, 1, 2, mbRight); }, "MarkerRightClick , Title :T, IdMarker :7"},
        {[&] { g.OnMarkerClick("T", 7, 1, 2, mbLeft); }, "MarkerLeftClick , Title :T, IdMarker :7"},
        {[&] { g.OnMarkerDblClick("T", 7, 1, 2); }, "MarkerDblClick , Title :T, IdMarker :7"},
        {[&] { g.OnMarkerDrag("T", 7, 1.25, -2); }, "MarkerDrag , Lat : 1.25, Long :-2, IdMarker :7, TitleMarker :T"},
        {[&] { g.OnMarkerDragEnd("T", 7, 1.25, -2); }, "MarkerDragEnd , Lat : 1.25, Long :-2, IdMarker :7, TitleMarker :T"},
        {[&] { g.OnMarkerDragStart("T", 7, 1.25, -2); }, "MarkerDragStart , Lat : 1.25, Long :-2, IdMarker :7, TitleMarker :T"},
        {[&] { g.OnMarkerMouseDown("T", 7, 1.25, -2); }, "MarkerMouseDown , Lat : 1.25, Long :-2, IdMarker :7, TitleMarker :T"},
        {[&] { g.OnMarkerMouseEnter("T", 7, 1.25, -2); }, "MarkerMouseEnter , Lat : 1.25, Long :-2, IdMarker :7, TitleMarker :T"},
        {[&] { g.OnMarkerMouseExit("T", 7, 1.25, -2); }, "MarkerMouseExit , Lat : 1.25, Long :-2, IdMarker :7, TitleMarker :T"},
        {[&] { g.OnMarkerMouseUp("T", 7, 1.25, -2); }, "MarkerMouseUp , Lat : 1.25, Long :-2, IdMarker :7, TitleMarker :T"},
        {[&] { g.OnMarkerInfoWindowCloseClick(7); }, "MarkerInfoWindowCloseClick , , IdMarker :7"},
    };
    for (const auto& c : cases) {
        const size_t before = LogLines().size();
        c.raise();
        EXPECT_EQ(LogLines().size(), before + 1) << c.line;
        EXPECT_EQ(LastLogLine(), c.line);
    }
    EXPECT_FALSE(g.OnGeolithError) << "the map's error event stays unconnected";
}

TEST_F(UMainTest, PageCallbacksReachTheLogThroughTheBrowser)
{
    WriteSettings("");
    ShowAndGoLive();
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapClick", {38.5, -94.25, 0}));
    EXPECT_TRUE(LastLogLine().starts_with("LeftClick , Lat : 38.5, Long :-94.25, X :")) << LastLogLine();
    EXPECT_EQ(FrmMain->ELatitude->Text(), "38.5");
    EXPECT_EQ(FrmMain->ELongitude->Text(), "-94.25");
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapZoomChange", {14}));
    EXPECT_EQ(LastLogLine(), "ZoomChange : 14");
    EXPECT_EQ(FrmMain->TrbZoom->Position(), 14);
    EXPECT_EQ(FrmMain->Label4->Caption(), "14");
}

TEST_F(UMainTest, LeftClickOnAMarkerRaisesItOpensItsInfoAndChoosesItForDeletion)
{
    WriteSettings("");
    ShowAndGoLive();
    Markers().Add(1, 1, "A", "", true, true, true, false, false, 0);
    Markers().Add(2, 2, "B", "", true, true, true, false, false, 5);
    Markers().Add(3, 3, "<i>C</i>", "", true, true, true, false, false, 3);
    Engine().ClearScripts();
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMarkerClick", {"<i>C</i>", 2, 3.5, -4.25, 0}));
    EXPECT_EQ(LastLogLine(), "MarkerLeftClick , Title :<i>C</i>, IdMarker :2");
    EXPECT_EQ(Markers().Items(2)->Zindex(), 6);
    const std::string infoWindow = "<b><font face=arial size=1>&lt;i&gt;C&lt;/i&gt;<br />Lat : 3.5<br />Lon : -4.25</b><br />";
    EXPECT_EQ(Scripts(), (std::vector<std::string>{"allmarkers[2].setZIndex(6);",
                                                   "openMarkerInfoWindowHtml(2," + web::ScriptStringLiteral(infoWindow) + ");"}));
    EXPECT_EQ(FrmMain->ELatitude->Text(), "3.5");
    EXPECT_EQ(FrmMain->DeleteMarker, 2);

    // A second click counts the marker's own raised z-index.
    FrmMain->Geolith1MarkerClick("C", 2, 3.5, -4.25, mbLeft);
    EXPECT_EQ(Markers().Items(2)->Zindex(), 7);

    // Clicks that name no marker of ours, and right clicks, change nothing.
    for (int id : {-1, 3}) FrmMain->Geolith1MarkerClick("?", id, 0, 0, mbLeft);
    FrmMain->Geolith1MarkerClick("A", 0, 0, 0, mbRight);
    EXPECT_EQ(FrmMain->DeleteMarker, 2);
    EXPECT_EQ(Markers().Items(0)->Zindex(), 0);

    FrmMain->Deleteselectedmarker1Click(nullptr);
    EXPECT_EQ(LastLogLine(), "DeleteMarker , ID :2");
    ASSERT_EQ(Markers().Count(), 2);
    EXPECT_EQ(Markers().Items(1)->Title(), "B");
}

TEST_F(UMainTest, DeleteReachesOnlyTheClickedMarker)
{
    WriteSettings("");
    ShowAndGoLive();
    FrmMain->Deleteselectedmarker1Click(nullptr);
    EXPECT_EQ(LastLogLine(), "DeleteMarker , ID :-1");

    for (const char* title : {"A", "B", "C"}) Markers().Add(1, 1, title, "", true, true, true, false, false, 0);
    FrmMain->Geolith1MarkerClick("B", 1, 1, 1, mbLeft);
    // Another marker goes first: the clicked one moves to index 0 and is still the one deleted.
    Markers().Delete(0);
    FrmMain->Deleteselectedmarker1Click(nullptr);
    ASSERT_EQ(Markers().Count(), 1);
    EXPECT_EQ(Markers().Items(0)->Title(), "C");
    // Once it is gone, the command deletes nothing else, even when a marker now has that index.
    Markers().Add(1, 1, "D", "", true, true, true, false, false, 0);
    FrmMain->Deleteselectedmarker1Click(nullptr);
    EXPECT_EQ(LastLogLine(), "DeleteMarker , ID :1");
    EXPECT_EQ(Markers().Count(), 2);
}

// The position edits as a person uses them: letters are not typed, editing
// keys work, leaving pans only after a change, a bad number is reported once
// with its field named, and a left field shows the number's start.
TEST_F(UMainTest, PositionEditsTakeNumbersAndEditingKeysAndPanOnlyAfterAChange)
{
    WriteSettings("");
    ShowAndGoLive();
    TEdit& latitude = *FrmMain->ELatitude;
    latitude.SetFocus();
    backend::input::PressKey(*FrmMain, 'A', TShiftState{ssCtrl});
    EXPECT_EQ(latitude.SelLength(), static_cast<int>(latitude.Text().size())) << "Ctrl+A selects all";
    backend::input::TypeText(*FrmMain, "a,e 1-.5");
    EXPECT_EQ(latitude.Text(), "1-.5") << "only digits, '.' and '-' are typed";
    Clipboard()->SetAsText("12.5");
    backend::input::PressKey(*FrmMain, 'A', TShiftState{ssCtrl});
    backend::input::PressKey(*FrmMain, 'V', TShiftState{ssCtrl});
    EXPECT_EQ(latitude.Text(), "12.5") << "Ctrl+V pastes";
    backend::input::PressKey(*FrmMain, VK_TAB);
    ASSERT_FALSE(Scripts().empty());
    EXPECT_EQ(Scripts().back(), "map.panTo(new google.maps.LatLng(12.5, -94.854674));");

    // Passing through the fields without a change moves nothing.
    const size_t scripts = Scripts().size();
    backend::input::PressKey(*FrmMain, VK_TAB, TShiftState{ssShift});
    backend::input::PressKey(*FrmMain, VK_TAB);
    backend::input::PressKey(*FrmMain, VK_TAB);
    EXPECT_EQ(Scripts().size(), scripts);

    // A long number in the narrow field: once left, its start shows.
    latitude.SetFocus();
    Clipboard()->SetAsText("38.9203482211914");
    backend::input::PressKey(*FrmMain, 'A', TShiftState{ssCtrl});
    backend::input::PressKey(*FrmMain, 'V', TShiftState{ssCtrl});
    backend::input::PressKey(*FrmMain, VK_TAB);
    EXPECT_EQ(latitude.SelStart(), 0);
    EXPECT_TRUE(messages.empty());

    // Text that is no number: one message naming the field, and the map stays.
    latitude.SetFocus();
    Clipboard()->SetAsText("12.5abc");
    backend::input::PressKey(*FrmMain, 'A', TShiftState{ssCtrl});
    backend::input::PressKey(*FrmMain, 'V', TShiftState{ssCtrl});
    const size_t before = Scripts().size();
    backend::input::PressKey(*FrmMain, VK_TAB);
    EXPECT_EQ(messages, (std::vector<std::string>{"Latitude: \"12.5abc\" is not a number."}));
    EXPECT_EQ(Scripts().size(), before);
    FrmMain->ELongitude->SetText("-");
    EXPECT_THROW(FrmMain->Pantopostition1Click(nullptr), EConvertError);
}

TEST_F(UMainTest, ScreenshotIsSavedInTheChosenTypeOrRefusedWithoutAPicture)
{
    // Before a page exists the map has no picture: a message, no file, no crash.
    AnswerFileDialog(dir / "none.png");
    FrmMain->ExportScreenShot1Click(nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The map has no picture to save yet.");
    EXPECT_TRUE(ReadFile(dir / "none.png").empty());

    WriteSettings("");
    ShowAndGoLive();
    AnswerFileDialog(dir / "shot.jpg", 2);
    FrmMain->ExportScreenShot1Click(nullptr);
    EXPECT_TRUE(ReadFile(dir / "shot.jpg").starts_with("\xFF\xD8"));
    AnswerFileDialog(dir / "shot.png", 1);
    FrmMain->ExportScreenShot1Click(nullptr);
    EXPECT_TRUE(ReadFile(dir / "shot.png").starts_with("\x89PNG"));
    // The dialog gave the name its default extension, or none: the
    // extension follows the chosen type.
    AnswerFileDialog(dir / "export2.bmp", 1);
    FrmMain->ExportScreenShot1Click(nullptr);
    EXPECT_TRUE(ReadFile(dir / "export2.png").starts_with("\x89PNG"));
    EXPECT_TRUE(ReadFile(dir / "export2.bmp").empty());
    AnswerFileDialog(dir / "plain", 2);
    FrmMain->ExportScreenShot1Click(nullptr);
    EXPECT_TRUE(ReadFile(dir / "plain.jpg").starts_with("\xFF\xD8"));
    AnswerFileDialog(dir / "shot.JPEG", 2);
    FrmMain->ExportScreenShot1Click(nullptr);
    EXPECT_TRUE(ReadFile(dir / "shot.JPEG").starts_with("\xFF\xD8"));
    EXPECT_EQ(opened, (std::vector<std::string>{dir / "shot.jpg", dir / "shot.png", dir / "export2.png",
                                                dir / "plain.jpg", dir / "shot.JPEG"}));

    FrmMain->SavePictureDialog1->SetFilterIndex(2);
    FrmMain->SavePictureDialog1TypeChange(nullptr);
    EXPECT_EQ(FrmMain->SavePictureDialog1->DefaultExt(), "jpg");
}

TEST_F(UMainTest, MarkersSavedAndLoadedThroughTheMenu)
{
    WriteSettings("");
    ShowAndGoLive();
    Markers().Add(38.92, -94.85, "A; B", "file:///x/rc.png", true, true, true, false, false, 3);
    AnswerFileDialog(dir / "saved.csv");
    FrmMain->Savemarkers1Click(nullptr);
    EXPECT_EQ(FrmMain->MarkerFileName(), dir / "saved.csv");
    EXPECT_EQ(ReadFile(dir / "saved.csv"), "A%3B B;38.92;-94.85;file:///x/rc.png;-1;-1;-1;0;0;3;\r\n");

    FrmMain->DeleteAllMarkers1Click(nullptr);
    EXPECT_EQ(Markers().Count(), 0);
    AnswerFileDialog(dir / "saved.csv");
    FrmMain->Loadmarkers1Click(nullptr);
    ASSERT_EQ(Markers().Count(), 1);
    EXPECT_EQ(Markers().Items(0)->Title(), "A; B");
    EXPECT_EQ(Markers().Items(0)->Icon(), "file:///x/rc.png");
    EXPECT_EQ(FrmMain->ELatitude->Text(), "38.92");
    EXPECT_EQ(Scripts().back(), "map.panTo(new google.maps.LatLng(38.92, -94.85));");

    // Choosing a file that does not exist says so and changes nothing.
    AnswerFileDialog(dir / "missing.csv");
    FrmMain->Loadmarkers1Click(nullptr);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "The marker file " + (dir / "missing.csv") + " does not exist.");
    EXPECT_EQ(FrmMain->MarkerFileName(), dir / "saved.csv");
    EXPECT_EQ(Markers().Count(), 1);

    // A file that no longer exists clears the map, and the list with it.
    FrmMain->SetMarkerFileName(dir / "gone.csv");
    FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    EXPECT_EQ(Markers().Count(), 0);
    EXPECT_EQ(FrmMarkers->SGMarkers->Cells(0, 0), "");
}

TEST_F(UMainTest, AFileThatFailsLeavesTheMarkersTheListAndThePageAsTheyWere)
{
    WriteSettings("");
    ShowAndGoLive();
    WriteFile(dir / "good.csv", "Kept;1;2;;-1;-1;-1;0;-1;0;\r\n");
    FrmMain->SetMarkerFileName(dir / "good.csv");
    FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    const size_t scriptsBefore = Scripts().size();
    for (const char* text : {"Bad;x;2;;-1;-1;-1;0;-1;0;\r\n", "A;1;2;;-1;-1;-1;0;-1;0;\r\nB;1;NaN;;-1;-1;-1;0;-1;0;\r\n"}) {
        WriteFile(dir / "bad.csv", text);
        FrmMain->SetMarkerFileName(dir / "bad.csv");
        EXPECT_THROW(FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName()), EConvertError);
        ASSERT_EQ(Markers().Count(), 1);
        EXPECT_EQ(Markers().Items(0)->Title(), "Kept");
        EXPECT_EQ(FrmMarkers->SGMarkers->Cells(0, 0), "1 - Kept");
        EXPECT_EQ(FrmMarkers->SGMarkers->RowCount(), 1);
    }
    std::string sent;
    for (size_t i = scriptsBefore; i < Scripts().size(); ++i) sent += Scripts()[i];
    EXPECT_EQ(sent.find("deleteMapMarker"), std::string::npos) << sent;
    EXPECT_EQ(sent.find("deleteAllMapMarker"), std::string::npos) << sent;
}

TEST_F(UMainTest, SavedIconsInTheIconFolderKeepTheirNamesAndSemicolonsSurvive)
{
    WriteSettings("");
    ShowAndGoLive();
    WriteFile(dir / "in.csv", "A;1;2;rc.png;-1;-1;-1;0;-1;0;\r\n");
    FrmMain->SetMarkerFileName(dir / "in.csv");
    FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    ASSERT_EQ(Markers().Count(), 1);
    EXPECT_EQ(Markers().Items(0)->Icon(), "file://" + dir.Path() + "rc.png");
    Markers().Add(3, 4, "B", "file:///x/a;b.png", false, true, true, false, false, 0);
    AnswerFileDialog(dir / "out.csv");
    FrmMain->Savemarkers1Click(nullptr);
    EXPECT_EQ(ReadFile(dir / "out.csv"), "A;1;2;rc.png;-1;-1;-1;0;-1;0;\r\nB;3;4;file:///x/a%3Bb.png;0;-1;-1;0;0;0;\r\n");
    FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    ASSERT_EQ(Markers().Count(), 2);
    EXPECT_EQ(Markers().Items(1)->Icon(), "file:///x/a;b.png");
}

TEST_F(UMainTest, ALargeFileReachesThePageInPartsShowingProgressAndTheWindowAnswersMeanwhile)
{
    WriteSettings("");
    ShowAndGoLive();
    Markers().Add(1, 1, "old");
    std::string text;
    for (int i = 0; i < 45000; ++i) text += "M" + std::to_string(i) + ";1;2;;-1;-1;-1;0;0;0;\r\n";
    WriteFile(dir / "large.csv", text);
    WriteFile(dir / "small.csv", "Small;3;4;;-1;-1;-1;0;0;0;\r\n");

    // A message posted before the load is answered while it runs.
    const unsigned probe = RegisterWindowMessage("UMainTestProbe");
    std::vector<std::string> seen;
    Application->OnMessage = [&](TMessage& m, bool& handled) {
        if (m.Msg != probe) return;
        handled = true;
        seen.push_back(FrmMain->PnlLoading->Caption() + " / " + std::to_string(Markers().Count()));
    };
    Engine().ClearScripts();
    PostMessage(0, probe, 0, 0);
    FrmMain->SetMarkerFileName(dir / "large.csv");
    FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    EXPECT_EQ(seen, std::vector<std::string>{"Loading markers: 0% / 1"});
    EXPECT_FALSE(FrmMain->PnlLoading->Visible());
    ASSERT_EQ(Markers().Count(), 45000);
    EXPECT_EQ(Markers().Items(44999)->Title(), "M44999");
    // The old markers go in one call; then one script a part.
    ASSERT_EQ(Scripts().size(), 4u);
    EXPECT_TRUE(Scripts()[0].starts_with("deleteAllMapMarker();createMapMarker(")) << Scripts()[0].substr(0, 80);
    EXPECT_TRUE(Scripts()[2].starts_with("createMapMarker(\"1\", \"2\", \"M40000\""));
    EXPECT_TRUE(Markers().PageInStep());

    // A load started while another lets the window answer takes over.
    PostMessage(0, probe, 0, 0);
    Application->OnMessage = [&](TMessage& m, bool& handled) {
        if (m.Msg != probe) return;
        handled = true;
        FrmMain->SetMarkerFileName(dir / "small.csv");
        FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    };
    FrmMain->LoadCSVMarkers(dir / "large.csv");
    Application->OnMessage = nullptr;
    ASSERT_EQ(Markers().Count(), 1);
    EXPECT_EQ(Markers().Items(0)->Title(), "Small");
    EXPECT_EQ(FrmMarkers->SGMarkers->RowCount(), 1);
}

TEST_F(UMainTest, MenuTogglesSendTheirNewState)
{
    WriteSettings("");
    ShowAndGoLive();
    TMenuItem* traffic = FindMenuItem(FrmMain->MainMenu1->Items(), "Show &Traffic");
    ASSERT_NE(traffic, nullptr);
    traffic->Click();
    EXPECT_TRUE(FrmMain->Geolith1->MapOptions()->ShowTraffic());
    TMenuItem* hybrid = FindMenuItem(FrmMain->MainMenu1->Items(), "&Hybrid View");
    hybrid->Click();
    EXPECT_EQ(FrmMain->Geolith1->MapOptions()->MapType(), mtHybrid);
    EXPECT_FALSE(FindMenuItem(FrmMain->MainMenu1->Items(), "&Road Map")->Checked());
    TMenuItem* disableControls = FindMenuItem(FrmMain->MainMenu1->Items(), "DisableControls");
    disableControls->Click();
    EXPECT_TRUE(FrmMain->Geolith1->MapOptions()->DisableControls());

    FindMenuItem(FrmMain->MainMenu1->Items(), "&About")->Click();
    EXPECT_TRUE(FrmAboutBox->Visible());
    FindMenuItem(FrmMain->MainMenu1->Items(), "&Operations")->Click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].starts_with("https://"));
    EXPECT_TRUE(messages.empty());
    // Without a browser to start, the command says so.
    ui::SetShellOpenHandler([](const std::string&) { return false; });
    FindMenuItem(FrmMain->MainMenu1->Items(), "&Operations")->Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("No web browser could be started")) << messages[0];
}

// Every check mark of the menu starts as the map's own state.
TEST_F(UMainTest, CheckMarksStartAsTheMapIs)
{
    WriteSettings("");
    ShowAndGoLive();
    const TMapOptions& map = *FrmMain->Geolith1->MapOptions();
    const TControlsOptions& ctl = *FrmMain->Geolith1->ControlsOptions();
    TMenuItem* root = FrmMain->MainMenu1->Items();
    auto checked = [&](const char* caption) {
        TMenuItem* item = FindMenuItem(root, caption);
        EXPECT_NE(item, nullptr) << caption;
        return item && item->Checked();
    };
    const std::pair<const char*, bool> toggles[] = {
        {"Draggable", map.Draggable()},
        {"DisableControls", map.DisableControls()},
        {"DisableDoubleClickZoom", map.DisableDoubleClickZoom()},
        {"ScrollWheel", map.ScrollWheel()},
        {"EnableKeyboard", map.EnableKeyboard()},
        {"Show &Traffic", map.ShowTraffic()},
        {"Show &Bicycling", map.ShowBicycling()},
        {"&Road Map", map.MapType() == mtDefault},
        {"Open", ctl.OverviewMapControl()->Open()},
    };
    for (auto [caption, state] : toggles) EXPECT_EQ(checked(caption), state) << caption;
    // Each control's position submenu checks the control's place.
    TMenuItem* scale = FindMenuItem(root, "&Scale Control");
    ASSERT_NE(scale, nullptr);
    TMenuItem* positions = scale->Items(0);
    for (int i = 0; i < positions->Count(); ++i)
        EXPECT_EQ(positions->Items(i)->Checked(), positions->Items(i)->Tag() == ctl.ScaleControl()->Position())
            << positions->Items(i)->Caption();
}

// The markers list shows the map's markers whatever added or removed them.
TEST_F(UMainTest, MarkersListFollowsTheMarkers)
{
    WriteFile(dir / "m.csv", "A;38.5;-94.25;;0;-1;0;0;0;0;\r\nB;1;2;;0;-1;0;0;0;0;\r\n");
    WriteSettings(dir / "m.csv");
    ShowAndGoLive();
    TStringGrid& list = *FrmMarkers->SGMarkers;
    auto rows = [&] {
        std::vector<std::string> out;
        for (int r = 0; r < list.RowCount(); ++r) out.push_back(list.Cells(0, r) + "|" + list.Cells(1, r) + "|" + list.Cells(2, r));
        return out;
    };
    FrmMarkers->Show();
    EXPECT_EQ(rows(), (std::vector<std::string>{"1 - A|38.5|-94.25", "2 - B|1|2"}));
    Markers().Add(3.5, 4, "C", "", true, true, true, false, false, 0);
    EXPECT_EQ(rows().back(), "3 - C|3.5|4");
    Engine().InjectExternalCall("ExternalMarkerDragEnd", {std::string("C"), 2, 5.25, 6});
    EXPECT_EQ(rows().back(), "3 - C|5.25|6") << "a dragged marker's row follows it";
    Markers().Delete(0);
    EXPECT_EQ(rows(), (std::vector<std::string>{"1 - B|1|2", "2 - C|5.25|6"}));
    FrmMain->DeleteAllMarkers1Click(nullptr);
    EXPECT_EQ(rows(), (std::vector<std::string>{"||"}));
    // The empty row of an empty list pans nowhere and reports nothing.
    const size_t scripts = Scripts().size();
    FrmMarkers->SGMarkersClick(nullptr);
    EXPECT_EQ(Scripts().size(), scripts);
    EXPECT_TRUE(messages.empty());
}

TEST_F(UMainTest, ShowEventsChecksItsItemAndClosingTheViewerClearsIt)
{
    FrmMain->ShowEvents1->Click();
    EXPECT_TRUE(FrmMain->ShowEvents1->Checked());
    EXPECT_TRUE(FrmEvent->Visible());
    FrmEvent->Close();
    EXPECT_FALSE(FrmEvent->Visible());
    EXPECT_FALSE(FrmMain->ShowEvents1->Checked());
}

}  // namespace

namespace {

// The windows the main window opens modally, each closed by the next idle moment.
class UMainModalTest : public app::testing::AppFixture {
protected:
    // Each modal window is recorded and answered as soon as it becomes active;
    // a posted message lets its modal loop see the answer.
    void CloseModalWindowsWhenIdle(const std::function<void(TCustomForm&)>& seen)
    {
        Screen->OnActiveFormChange = [seen](TObject*) {
            TCustomForm* form = Screen->ActiveForm();
            if (!form || !form->Modal() || form->ModalResult() != mrNone) return;
            seen(*form);
            form->SetModalResult(mrOk);
            PostMessage(form->Handle(), WM_NULL, 0, 0);
        };
    }
    void TearDown() override
    {
        Screen->OnActiveFormChange = nullptr;
        AppFixture::TearDown();
    }
};

TEST_F(UMainModalTest, GeocodeShowsItsNotesThenTheGridWindow)
{
    std::vector<std::string> shown;
    std::vector<std::string> notes;
    CloseModalWindowsWhenIdle([&](TCustomForm& form) {
        shown.push_back(form.Caption());
        if (&form == FrmMsg)
            for (int i = 0; i < FrmMsg->Memo1->Lines().Count(); ++i) notes.push_back(FrmMsg->Memo1->Lines().Strings(i));
    });
    TFrmMsg* first = FrmMsg;
    FrmMain->Geocode1Click(nullptr);
    EXPECT_EQ(shown, (std::vector<std::string>{"Info", "SpreadGrid"}));
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0], "Notes about using Geocoder ...");
    EXPECT_EQ(notes[1], "Google Terms of Service limits geocoding to 2,500 addresses per day.");
    EXPECT_EQ(notes[3], "Close this form; proceed with geocoding.");
    EXPECT_NE(FrmMsg, first) << "a new info window each time";
    EXPECT_EQ(FrmMsg->Owner(), FrmMain);
}

TEST_F(UMainModalTest, SettingsAndMergeOpenANewWindowEachTime)
{
    std::vector<std::string> shown;
    CloseModalWindowsWhenIdle([&](TCustomForm& form) { shown.push_back(form.Caption()); });
    TFrmSettings* created = FrmSettings;
    FrmMain->Settings1Click(nullptr);
    FrmMain->MergeFiles1Click(nullptr);
    EXPECT_EQ(shown, (std::vector<std::string>{"Settings", "Merge Marker Files"}));
    EXPECT_NE(FrmSettings, created);
    EXPECT_EQ(FrmSettings->Owner(), FrmMain);
}

}  // namespace
