// Drives the whole program as a person does, through real X input on the
// display it runs on: opens every window from its menu item, types into its
// edits, presses its buttons and Esc, and checks what the screen shows.
//
//   CorvantaVistraXInput --data DIR [--shots DIR]
//
// DIR holds smoke.INI and smoke.csv (the settings and markers it starts with);
// --shots keeps screenshots of each step. Exits 0 when every check holds, 1
// with the failed checks on standard error; gives up after 140 seconds.
#include "app/SettingsStore.h"
#include "app/UAboutBox.h"
#include "app/UCustomPan.h"
#include "app/UEvent.h"
#include "app/UGrid1.h"
#include "app/ULanguages.h"
#include "app/UMain.h"
#include "app/UMarker.h"
#include "app/UMarkers.h"
#include "app/USettings.h"
#include "app/VistraMain.h"
#include "app/msg.h"
#include "app/tests/xinput/UiThread.h"
#include "app/tests/xinput/XSession.h"
#include "app/umerge.h"
#include "controls/QuillEdit.h"
#include "map/UGeolith.h"
#include "map/UGeolithControls.h"
#include "map/UGeolithMarkers.h"
#include "platform/classes/IniFiles.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/MenuWindow.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/ui/grids/StringGrid.h"
#include "platform/web/testing/MapStandinServer.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using xinput::TShot;

constexpr auto TimeLimit = 140s;

[[noreturn]] void Fail(const std::string& reason)
{
    std::cerr << "xinput: " << reason << "\n";
    std::cerr.flush();
    ::_exit(1);
}

// Everything the program reported as an error, for the final verdict.
std::mutex gReportedMutex;
std::vector<std::string> gReported;

class TDriver {
public:
    TDriver(xinput::TUiThread& ui, std::string shots) : FUi(ui), FShots(std::move(shots)) {}

    // The checks, in the order a person would try them. Returns the failures.
    std::vector<std::string> Run()
    {
        Step("the title names the marker file", [&] { TitleNamesTheMarkerFile(); });
        Step("a menu over the map leaves the map as it was", [&] { MenuOverTheMapIsRepainted(); });
        Step("window sizes and places", [&] { SizesAndPlaces(); });
        Step("settings window", [&] { SettingsWindow(); });
        Step("every menu by keyboard", [&] { MenusByKeyboard(); });
        Step("settings by keyboard: centred, checked, Enter saves", [&] { SettingsByKeyboard(); });
        Step("a click on the map closes an open menu and stops there", [&] { MapClickClosesMenu(); });
        Step("merge window", [&] { MergeWindow(); });
        Step("geocoding notes and grid windows", [&] { GeocodingWindows(); });
        Step("markers list leaves the mouse to the main window", [&] { MarkersList(); });
        Step("languages window", [&] { LanguagesWindow(); });
        Step("marker properties window", [&] { MarkerWindow(); });
        Step("custom pan window", [&] { CustomPanWindow(); });
        Step("about box", [&] { AboutBox(); });
        Step("event viewer follows its newest line", [&] { EventViewer(); });
        Step("the map and its markers answer the mouse", [&] { MapAnswersTheMouse(); });
        return FFailures;
    }

private:
    template <class F>
    void Step(const std::string& name, F body)
    {
        try {
            body();
            std::cerr << "xinput: ok   " << name << "\n";
        } catch (const std::exception& e) {
            std::cerr << "xinput: FAIL " << name << ": " << e.what() << "\n";
            FFailures.push_back(name + ": " + e.what());
            Shoot("failed-" + std::to_string(FFailures.size()));
            // Leave no modal window or menu behind for the next step.
            for (int i = 0; i < 3; ++i) FX.Key("Escape");
        }
    }

    static void Check(bool condition, const std::string& what)
    {
        if (!condition) throw std::runtime_error(what);
    }

    template <class F>
    void WaitUntil(const std::string& what, F condition, std::chrono::milliseconds limit = 5s)
    {
        auto deadline = std::chrono::steady_clock::now() + limit;
        while (!FUi.Ask(condition)) {
            if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("timed out waiting until " + what);
            std::this_thread::sleep_for(50ms);
        }
    }

    void Shoot(const std::string& name)
    {
        if (FShots.empty()) return;
        TPoint size = FX.ScreenSize();
        FX.Grab({0, 0, size.X, size.Y}).SavePng(FShots + "/" + name + ".png");
    }

    // The centre of a control on the screen.
    TPoint Centre(TControl* control)
    {
        return FUi.Ask([control] { return control->ClientToScreen({control->Width() / 2, control->Height() / 2}); });
    }
    TRect ScreenRect(TControl* control)
    {
        return FUi.Ask([control] {
            TPoint p = control->ClientToScreen({0, 0});
            return Bounds(p.X, p.Y, control->Width(), control->Height());
        });
    }

    // Opens a main-menu item as a person does: a click on the menu's title,
    // then Down to the item and Enter.
    void ChooseMenu(const std::string& menu, const std::string& item)
    {
        struct Where {
            TPoint Title;
            int Downs = -1;
        };
        Where where = FUi.Ask([&] {
            Where w;
            for (auto& [top, rect] : FrmMain->MenuBar()->Layout()) {
                if (StripHotkey(top->Caption()) != menu) continue;
                w.Title = FrmMain->ClientToScreen({(rect.Left + rect.Right) / 2, rect.Top + rect.Height() / 2 - FrmMain->MenuBarHeight()});
                int selectable = 0;
                for (int i = 0; i < top->Count(); ++i) {
                    TMenuItem* it = top->Items(i);
                    if (!it->Visible() || it->IsLine() || !it->Enabled()) continue;
                    ++selectable;
                    if (StripHotkey(it->Caption()) == item) w.Downs = selectable;
                }
            }
            return w;
        });
        Check(where.Downs > 0, "no menu item " + menu + " > " + item);
        FX.Click(where.Title);
        FX.Settle(150);
        for (int i = 0; i < where.Downs; ++i) FX.Key("Down");
        FX.Key("Return");
        FX.Settle(200);
    }

    // Types into an edit after a click into it; the caret goes to its end first.
    void TypeInto(TControl* edit, const std::string& text)
    {
        FX.Click(Centre(edit));
        FX.Key("End");
        FX.Type(text);
    }

    std::string TextOf(TControl* control)
    {
        return FUi.Ask([control] { return control->Text(); });
    }

    bool Showing(TCustomForm* const& form)
    {
        return FUi.Ask([&form] { return form && form->Visible(); });
    }

    std::optional<xinput::TXWindow> XWindowTitled(const std::string& title)
    {
        std::optional<xinput::TXWindow> found;
        for (auto& w : FX.TopLevelWindows())
            if (w.Title == title) found = w;
        return found;
    }

    void CheckCentred(const std::string& title)
    {
        auto window = XWindowTitled(title);
        Check(window.has_value(), "no " + title + " window on the screen");
        TPoint screen = FX.ScreenSize();
        Check(std::abs((window->Bounds.Left + window->Bounds.Right) / 2 - screen.X / 2) < 40 &&
                  std::abs((window->Bounds.Top + window->Bounds.Bottom) / 2 - screen.Y / 2) < 40,
              "the " + title + " window is not centred on the screen");
    }

    // ---- the checks

    void TitleNamesTheMarkerFile()
    {
        auto main = XWindowTitled("Corvanta Vistra - Markerfile: smoke.csv");
        std::string titles;
        for (auto& w : FX.TopLevelWindows()) titles += " \"" + w.Title + "\"";
        Check(main.has_value(), "no window titled \"Corvanta Vistra - Markerfile: smoke.csv\"; there are" + titles);
    }

    void MenuOverTheMapIsRepainted()
    {
        TRect map = ScreenRect(FrmMain->Geolith1);
        TRect area{map.Left, map.Top, map.Left + 220, map.Top + 200};
        TShot before = FX.Grab(area);
        Shoot("map-before-menu");
        Check(before.WhiteShare() < 0.9, "the map shows nothing before the menu opens");
        TPoint view = FUi.Ask([] {
            for (auto& [top, rect] : FrmMain->MenuBar()->Layout())
                if (StripHotkey(top->Caption()) == "View")
                    return FrmMain->ClientToScreen({rect.Left + 8, rect.Top + 8 - FrmMain->MenuBarHeight()});
            return TPoint{};
        });
        FX.Click(view);
        FX.Settle(300);
        Shoot("map-menu-open");
        Check(FX.Grab(area).DifferenceFrom(before) > 0.05, "the View menu did not open over the map");
        FX.Key("Escape");
        FX.Settle(300);
        TShot after = FX.Grab(area);
        Shoot("map-after-menu");
        Check(after.DifferenceFrom(before) < 0.02,
              "where the menu was the map is not back (" + std::to_string(after.WhiteShare() * 100) + "% white)");
    }

    void SizesAndPlaces()
    {
        auto main = XWindowTitled(FUi.Ask([] { return FrmMain->Caption(); }));
        Check(main.has_value(), "the main window is not on the screen");
        Check(main->MinSize && main->MinSize->X <= 590, "the main window cannot be made 590 wide");
        TPoint screen = FX.ScreenSize();
        int centreX = (main->Bounds.Left + main->Bounds.Right) / 2;
        Check(std::abs(centreX - screen.X / 2) < 40, "the main window is not centred: left " + std::to_string(main->Bounds.Left));
        // Narrowed to 600 pixels, the bottom bar still shows the address box and its button.
        FX.Resize(main->Id, 600 - 16, main->Bounds.Height());
        WaitUntil("the main window is narrower", [] { return FrmMain->Width() <= 600; });
        FX.Settle(300);
        Shoot("main-600-wide");
        TRect address = ScreenRect(FrmMain->EAddress);
        TRect go = ScreenRect(FrmMain->BGoToAddress);
        TRect client = ScreenRect(FrmMain);
        Check(go.Right <= client.Right && address.Right <= client.Right, "the address box or button is outside the window");
        Check(address.Width() >= 60, "the address box is too narrow to use");
        if (FUi.Ask([] { return FrmMain->ZoomPanel->Visible(); })) {
            TRect zoom = ScreenRect(FrmMain->ZoomPanel);
            Check(go.Right <= zoom.Left, "the zoom panel covers the address box or button");
        }
        FX.Resize(main->Id, main->Bounds.Width(), main->Bounds.Height());
        WaitUntil("the main window is wide again", [] { return FrmMain->Width() > 900; });
    }

    void SettingsWindow()
    {
        ChooseMenu("Options", "Settings");
        WaitUntil("the settings window shows", [] { return FrmSettings && FrmSettings->Visible() && FrmSettings->Modal(); });
        Shoot("settings");
        Check(FUi.Ask([] { return ui::ActiveMenuTracker() == nullptr; }), "the menu still tracks the keyboard");
        TypeInto(FrmSettings->ELatitude, "3");
        Check(TextOf(FrmSettings->ELatitude).ends_with("3"), "typing into Latitude did nothing");
        FX.Click(Centre(FrmSettings->Button1));  // Reset Defaults
        WaitUntil("Reset Defaults fills the edits", [] { return FrmSettings->ELatitude->Text() == "38.920346"; });
        TypeInto(FrmSettings->zoomlevel, "");
        FX.Key("BackSpace");
        FX.Key("BackSpace");
        FX.Type("11");
        FX.Click(Centre(FrmSettings->BSelectImage));  // Save Settings: a message box answers
        FX.Settle(600);
        Shoot("settings-saved-message");
        FX.Key("Return");
        FX.Settle(300);
        TIniFile ini(app::SettingsFileName());
        Check(ini.ReadString(app::SettingsSection, "opt5", "") == "11", "Save Settings wrote no zoom level 11");
        Check(ini.ReadString(app::SettingsSection, "opt1", "") == "38.920346", "Save Settings wrote no default latitude");
        FX.MoveTo(Centre(FrmSettings->Panel1));
        FX.Key("Escape");
        WaitUntil("Esc closes the settings window", [] { return !FrmSettings->Visible(); });
        // A new settings window each time; its Cancel/Close button closes it.
        ChooseMenu("Options", "Settings");
        WaitUntil("the settings window shows again", [] { return FrmSettings && FrmSettings->Visible() && FrmSettings->Modal(); });
        FX.Click(Centre(FrmSettings->BitBtn1));
        WaitUntil("Cancel/Close closes the settings window", [] { return !FrmSettings->Visible(); });
    }

    bool MenuOpen() { return FUi.Ask([] { return ui::ActiveMenuTracker() != nullptr; }); }

    // Alt and the menu's letter, as a person opens a menu without the mouse.
    void OpenMenuByKey(const std::string& letter, const std::string& name)
    {
        FX.Chord("Alt_L", letter);
        WaitUntil("Alt+" + letter + " opens " + name, [] { return ui::ActiveMenuTracker() != nullptr; });
        FX.Settle(200);
    }

    // Every menu of the bar by keyboard alone: Alt+letter opens it with its
    // first item chosen, so Enter runs that item; arrows move within and
    // across menus and into submenus; Esc closes.
    void MenusByKeyboard()
    {
        const TMapOptions* map = FrmMain->Geolith1->MapOptions();
        const TControlsOptions* controls = FrmMain->Geolith1->ControlsOptions();

        OpenMenuByKey("f", "File");
        Shoot("keys-file");
        FX.Key("Down");  // Exit: looked at, not chosen
        FX.Key("Right");  // on to View
        FX.Settle(200);
        Check(MenuOpen(), "Right did not move on to the View menu");
        Shoot("keys-file-right-view");
        FX.Key("Escape");
        WaitUntil("Esc closes the menu", [] { return ui::ActiveMenuTracker() == nullptr; });

        // View: Enter runs the first item; Down and Enter the second.
        OpenMenuByKey("v", "View");
        Shoot("keys-view");
        FX.Key("Down");
        FX.Key("Return");
        WaitUntil("Down, Enter chooses Satellite View", [map] { return map->MapType() == mtSatellite; });
        OpenMenuByKey("v", "View");
        FX.Key("Return");
        WaitUntil("Enter on the first item chooses Road Map", [map] { return map->MapType() == mtDefault; });

        // Markers: Enter pans to the position edits.
        OpenMenuByKey("m", "Markers");
        Shoot("keys-markers");
        FX.Key("Return");
        WaitUntil("Enter closes the Markers menu", [] { return ui::ActiveMenuTracker() == nullptr; });

        // Controls: Right opens the first item's submenu, its first item chosen.
        OpenMenuByKey("c", "Controls");
        FX.Key("Right");
        FX.Settle(200);
        Shoot("keys-controls-submenu");
        FX.Key("Down");
        FX.Key("Return");
        WaitUntil("Right, Down, Enter chooses the Android controls", [controls] { return controls->ControlsType() == ctAndroid; });
        OpenMenuByKey("c", "Controls");
        FX.Key("Return");  // the submenu opens on Default
        FX.Settle(200);
        FX.Key("Return");
        WaitUntil("Enter, Enter chooses the Default controls", [controls] { return controls->ControlsType() == ctDefault; });

        // Options: Enter opens Settings; Esc closes it.
        OpenMenuByKey("o", "Options");
        Shoot("keys-options");
        FX.Key("Return");
        WaitUntil("Alt+O, Enter opens Settings", [] { return FrmSettings && FrmSettings->Visible() && FrmSettings->Modal(); });
        FX.Key("Escape");
        WaitUntil("Esc closes Settings", [] { return !FrmSettings->Visible(); });

        // Tools: Enter opens the geocoding notes, then the grid window.
        OpenMenuByKey("t", "Tools");
        Shoot("keys-tools");
        FX.Key("Return");
        WaitUntil("Alt+T, Enter shows the notes", [] { return FrmMsg && FrmMsg->Visible() && FrmMsg->Modal(); });
        FX.Key("Escape");
        WaitUntil("the grid window follows the notes", [] { return FrmGrid1 && FrmGrid1->Visible(); });
        auto grid = XWindowTitled("SpreadGrid");
        Check(grid.has_value(), "no SpreadGrid window on the screen");
        FX.RequestClose(grid->Id);
        WaitUntil("closing the grid window", [] { return !FrmGrid1 || !FrmGrid1->Visible(); });

        // Help: Down to About, Enter; the about box's default button takes Enter.
        OpenMenuByKey("h", "Help");
        Shoot("keys-help");
        FX.Key("Down");
        FX.Key("Return");
        WaitUntil("Alt+H, Down, Enter shows the about box", [] { return FrmAboutBox->Visible(); });
        FX.Key("Return");
        WaitUntil("Enter closes the about box", [] { return !FrmAboutBox->Visible(); });
    }

    // Settings opened by keyboard sits over the main window; a zoom level the
    // next start could not use is refused by name; Enter saves what is good.
    void SettingsByKeyboard()
    {
        OpenMenuByKey("o", "Options");
        FX.Key("Return");
        WaitUntil("the settings window shows", [] { return FrmSettings && FrmSettings->Visible() && FrmSettings->Modal(); });
        FX.Settle(300);
        Shoot("settings-by-keyboard");
        auto settings = XWindowTitled("Settings");
        auto main = XWindowTitled(FUi.Ask([] { return FrmMain->Caption(); }));
        Check(settings && main, "the settings or the main window is not on the screen");
        const TPoint centre{(settings->Bounds.Left + settings->Bounds.Right) / 2, (settings->Bounds.Top + settings->Bounds.Bottom) / 2};
        const TPoint mainCentre{(main->Bounds.Left + main->Bounds.Right) / 2, (main->Bounds.Top + main->Bounds.Bottom) / 2};
        Check(std::abs(centre.X - mainCentre.X) < 40 && std::abs(centre.Y - mainCentre.Y) < 40,
              "the settings window is not centred on the main window");
        const std::string before = TIniFile(app::SettingsFileName()).ReadString(app::SettingsSection, "opt5", "");
        FX.Click(Centre(FrmSettings->zoomlevel));
        FX.Chord("Control_L", "a");
        FX.Type("abc");
        FX.Key("Return");
        FX.Settle(600);
        Shoot("settings-refused");
        FX.Key("Return");  // the message box
        FX.Settle(300);
        Check(FUi.Ask([] { return FrmSettings->Visible(); }), "the refusal closed the settings window");
        Check(TIniFile(app::SettingsFileName()).ReadString(app::SettingsSection, "opt5", "") == before,
              "a zoom level of abc was saved");
        FX.Click(Centre(FrmSettings->zoomlevel));
        FX.Chord("Control_L", "a");
        FX.Type("13");
        FX.Key("Return");
        FX.Settle(600);
        Shoot("settings-saved-by-enter");
        FX.Key("Return");
        FX.Settle(300);
        Check(TIniFile(app::SettingsFileName()).ReadString(app::SettingsSection, "opt5", "") == "13",
              "Enter in the zoom field did not save 13");
        FX.Key("Escape");
        WaitUntil("Esc closes the settings window", [] { return !FrmSettings->Visible(); });
    }

    // An open menu over the map: a click on the map closes it, and the map
    // does not take the click.
    void MapClickClosesMenu()
    {
        TRect map = ScreenRect(FrmMain->Geolith1);
        TPoint empty{map.Left + map.Width() / 3, map.Top + map.Height() * 2 / 3};
        const std::string latitude = TextOf(FrmMain->ELatitude);
        const int from = LogCount();
        OpenMenuByKey("v", "View");
        FX.Click(empty);
        WaitUntil("a click on the map closes the menu", [] { return ui::ActiveMenuTracker() == nullptr; });
        FX.Settle(500);
        Shoot("map-click-closed-menu");
        const bool reached = FUi.Ask([from] {
            TStrings& lines = FrmEvent->MmEvents->Lines();
            for (int i = from; i < lines.Count(); ++i)
                if (lines.Strings(i).starts_with("LeftClick")) return true;
            return false;
        });
        Check(!reached, "the click that closed the menu reached the map");
        Check(TextOf(FrmMain->ELatitude) == latitude, "the click that closed the menu moved the position edits");
        // The next click is the map's again.
        FX.Click(empty);
        WaitForLog(from, "LeftClick , Lat : ");
    }

    void MergeWindow()
    {
        ChooseMenu("Markers", "MergeMarkerFiles");
        WaitUntil("the merge window shows", [] { return frmmerge && frmmerge->Visible() && frmmerge->Modal(); });
        Shoot("merge");
        std::string lines = FUi.Ask([] { return frmmerge->Memo1->Text(); });
        Check(lines.find("c:\\") == std::string::npos, "the merge window proposes c:\\ paths: " + lines);
        TypeInto(frmmerge->QuillEdit1, "x");
        Check(TextOf(frmmerge->QuillEdit1).ends_with("x"), "typing into the output file name did nothing");
        FX.Click(Centre(frmmerge->Button1));  // Add File: a file dialog, cancelled
        FX.Settle(800);
        Shoot("merge-add-file");
        FX.Key("Escape");
        FX.Settle(400);
        Check(FUi.Ask([] { return frmmerge && frmmerge->Visible(); }), "cancelling Add File closed the merge window");
        FX.MoveTo(Centre(frmmerge->Label1));
        FX.Key("Escape");
        WaitUntil("Esc closes the merge window", [] { return !frmmerge->Visible(); });
    }

    void GeocodingWindows()
    {
        ChooseMenu("Tools", "Geocode");
        WaitUntil("the notes window shows", [] { return FrmMsg && FrmMsg->Visible() && FrmMsg->Modal(); });
        Shoot("geocoding-notes");
        CheckCentred("Info");
        FX.MoveTo(Centre(FrmMsg));
        FX.Key("Escape");
        WaitUntil("the grid window follows the notes", [] { return FrmGrid1 && FrmGrid1->Visible(); });
        Shoot("spreadsheet-grid");
        auto grid = XWindowTitled("SpreadGrid");
        Check(grid.has_value(), "no SpreadGrid window on the screen");
        FX.RequestClose(grid->Id);
        WaitUntil("closing the grid window", [] { return !FrmGrid1 || !FrmGrid1->Visible(); });
    }

    void MarkersList()
    {
        OpenToolWindow("Options", "Show Markers", FrmMarkers);
        TPoint row = FUi.Ask([] {
            TRect r = FrmMarkers->SGMarkers->CellRect(0, 1);
            return FrmMarkers->SGMarkers->ClientToScreen({r.Left + 20, (r.Top + r.Bottom) / 2});
        });
        FX.Click(row);
        WaitUntil("the row's position reaches the main window", [] { return FrmMain->ELatitude->Text() == "38.93"; });
        Shoot("markers-list");
        // The main window takes the mouse at once: its menu opens.
        ChooseMenu("Options", "Show Events");
        WaitUntil("the event viewer shows after a markers-list click", [] { return FrmEvent->Visible(); });
        CloseWindow(FrmMarkers);
    }

    void LanguagesWindow()
    {
        OpenToolWindow("Options", "Show Languages", FrmLanguages);
        Shoot("languages");
        TPoint english = FUi.Ask([] {
            TRect r = FrmLanguages->SGLanguages->CellRect(0, 10);
            return FrmLanguages->SGLanguages->ClientToScreen({r.Left + 20, (r.Top + r.Bottom) / 2});
        });
        FX.Click(english);
        WaitUntil("the clicked row is current", [] { return FrmLanguages->SGLanguages->Row() == 10; });
        ChooseMenu("Help", "About");
        WaitUntil("the main menu works after a languages click", [] { return FrmAboutBox->Visible(); });
        FX.Click(Centre(FrmAboutBox->OKButton));
        WaitUntil("OK closes the about box", [] { return !FrmAboutBox->Visible(); });
        CloseWindow(FrmLanguages);
    }

    void MarkerWindow()
    {
        OpenToolWindow("Markers", "Add marker at Lat/Lon", FrmMarker);
        int before = FUi.Ask([] { return FrmMain->Geolith1->Markers()->Count(); });
        TypeInto(FrmMarker->EMText, "Typed");
        Check(TextOf(FrmMarker->EMText) == "...Typed", "typing into the title did nothing: " + TextOf(FrmMarker->EMText));
        FX.Click(Centre(FrmMarker->BCreateMarker));
        WaitUntil("Create Marker adds a marker", [&] { return FrmMain->Geolith1->Markers()->Count() == before + 1; });
        Shoot("marker-properties");
        FX.Click(Centre(FrmMarker->BitBtn1));
        WaitUntil("the cancel button closes the marker properties", [] { return !FrmMarker->Visible(); });
    }

    void CustomPanWindow()
    {
        OpenToolWindow("Controls", "Custom Pan Control", FrmCustomPan);
        Shoot("custom-pan");
        FX.Click(Centre(FrmCustomPan->SB2[static_cast<std::size_t>(TPadPlace::Center)]));  // shows the marker properties
        WaitUntil("the centre button of the full-size pad shows the marker properties", [] { return FrmMarker->Visible(); });
        FX.Click(Centre(FrmMarker->BitBtn1));
        CloseWindow(FrmCustomPan);
    }

    void AboutBox()
    {
        ChooseMenu("Help", "About");
        WaitUntil("the about box shows", [] { return FrmAboutBox->Visible(); });
        Shoot("about");
        CheckCentred("About");
        FX.MoveTo(Centre(FrmAboutBox->OKButton));
        FX.Key("Return");
        WaitUntil("Enter presses the about box's default button", [] { return !FrmAboutBox->Visible(); });
    }

    void EventViewer()
    {
        OpenToolWindow("Options", "Show Events", FrmEvent);
        auto viewer = XWindowTitled("Event viewer");
        Check(viewer && viewer->MinSize && viewer->MinSize->X < viewer->Bounds.Width(),
              "the event viewer cannot be made smaller than its first size");
        // Each delete without a clicked marker logs one line; enough to scroll.
        for (int i = 0; i < 14; ++i) ChooseMenu("Markers", "Delete selected marker from View");
        Shoot("event-viewer");
        bool follows = FUi.Ask([] {
            TMemo* memo = FrmEvent->MmEvents;
            return memo->SelStart() == static_cast<int>(memo->Text().size());
        });
        Check(follows, "the event viewer does not follow its newest line");
        CloseWindow(FrmEvent);
    }

    // Opens a window that stays beside the main window, and moves it to the
    // screen's bottom right corner, off the main window's menu bar.
    void OpenToolWindow(const std::string& menu, const std::string& item, TCustomForm* form)
    {
        ChooseMenu(menu, item);
        WaitUntil(item + " shows its window", [form] { return form->Visible(); });
        auto window = XWindowTitled(FUi.Ask([form] { return form->Caption(); }));
        Check(window.has_value(), "no window for " + item);
        TPoint screen = FX.ScreenSize();
        FX.Move(window->Id, screen.X - window->Bounds.Width(), screen.Y - window->Bounds.Height());
        WaitUntil(item + " moves", [form, screen] { return form->BoundsRect().Right >= screen.X - 8; });
    }

    // The centre of the first marker drawn in a colour on the map, found in the screen's pixels.
    TPoint MarkerOnScreen(std::uint32_t colour)
    {
        TRect map = ScreenRect(FrmMain->Geolith1);
        TShot shot = FX.Grab(map);
        long sumX = 0, sumY = 0, count = 0;
        for (int y = 0; y < map.Height(); ++y)
            for (int x = 0; x < map.Width(); ++x)
                if (shot.Pixels[static_cast<std::size_t>(y * map.Width() + x)] == colour) {
                    sumX += x;
                    sumY += y;
                    ++count;
                }
        Check(count > 0, "no marker drawn in the colour looked for");
        return {map.Left + static_cast<int>(sumX / count), map.Top + static_cast<int>(sumY / count)};
    }

    int LogCount()
    {
        return FUi.Ask([] { return FrmEvent->MmEvents->Lines().Count(); });
    }

    // Waits for a line of the event log, after the first `from` lines, that starts with start.
    std::string WaitForLog(int from, const std::string& start)
    {
        std::string found;
        WaitUntil("the event viewer shows \"" + start + "\"", [&] {
            TStrings& lines = FrmEvent->MmEvents->Lines();
            for (int i = from; i < lines.Count(); ++i)
                if (lines.Strings(i).starts_with(start)) {
                    found = lines.Strings(i);
                    return true;
                }
            return false;
        });
        return found;
    }

    void MapAnswersTheMouse()
    {
        OpenToolWindow("Options", "Show Events", FrmEvent);
        TRect map = ScreenRect(FrmMain->Geolith1);
        TPoint empty{map.Left + map.Width() / 4, map.Top + map.Height() * 3 / 4};

        int from = LogCount();
        FX.Click(empty);
        std::string line = WaitForLog(from, "LeftClick , Lat : ");
        Check(FUi.Ask([] { return FrmMain->ELatitude->Text(); }) != "38.920346", "a map click did not fill the position edits");

        from = LogCount();
        FX.Click(empty, 3);
        WaitForLog(from, "RightClick , Lat : ");

        from = LogCount();
        FX.Drag(empty, {empty.X + 80, empty.Y - 40});
        WaitForLog(from, "MapMoveStart , Lat : ");
        WaitForLog(from, "MapMoveEnd , Lat : ");
        FX.Settle(300);
        Shoot("map-dragged");

        constexpr std::uint32_t HeadOfficeColour = 0xd93025;  // the first marker's colour on the map
        TPoint marker = MarkerOnScreen(HeadOfficeColour);
        from = LogCount();
        FX.Click(marker);
        WaitForLog(from, "MarkerLeftClick , Title :Head office, IdMarker :0");
        Check(FUi.Ask([] { return FrmMain->DeleteMarker; }) == 0, "a marker click did not select it for deleting");

        double before = FUi.Ask([] { return FrmMain->Geolith1->Markers()->Items(0)->Latitude(); });
        from = LogCount();
        FX.Drag(marker, {marker.X + 60, marker.Y + 50});
        WaitForLog(from, "MarkerDragStart , Lat : ");
        WaitForLog(from, "MarkerDragEnd , Lat : ");
        WaitUntil("the dragged marker keeps its new place",
                  [before] { return FrmMain->Geolith1->Markers()->Items(0)->Latitude() < before; });
        FX.Settle(300);
        Shoot("marker-dragged");
        TPoint moved = MarkerOnScreen(HeadOfficeColour);
        Check(std::abs(moved.X - (marker.X + 60)) <= 3 && std::abs(moved.Y - (marker.Y + 50)) <= 3,
              "the marker is not drawn where it was dropped");
        CloseWindow(FrmEvent);
    }

    void CloseWindow(TCustomForm* form)
    {
        auto window = XWindowTitled(FUi.Ask([form] { return form->Caption(); }));
        Check(window.has_value(), "no window for " + FUi.Ask([form] { return form->Caption(); }));
        FX.RequestClose(window->Id);
        WaitUntil("the window closes", [form] { return !form->Visible(); });
    }

    xinput::TUiThread& FUi;
    std::string FShots;
    xinput::TXSession FX;
    std::vector<std::string> FFailures;
};

std::string PrepareSettings(const std::string& data, const std::string& folder)
{
    const std::string copy = folder + "/CorvantaVistra.INI";
    std::filesystem::copy_file(data + "/smoke.INI", copy);
    std::filesystem::copy_file(data + "/smoke.csv", folder + "/smoke.csv");
    TIniFile(copy).WriteString(app::SettingsSection, "opt4", folder + "/smoke.csv");
    return copy;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string data, shots;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string name = argv[i];
        if (name == "--data") data = argv[i + 1];
        else if (name == "--shots") shots = argv[i + 1];
        else Fail("unknown option " + name);
    }
    if (data.empty()) Fail("--data DIR is required");
    if (!shots.empty()) std::filesystem::create_directories(shots);
    std::thread([] {
        std::this_thread::sleep_for(TimeLimit);
        Fail("not done after 140 seconds");
    }).detach();

    char folderTemplate[] = "/tmp/vistra-xinput-XXXXXX";
    if (!::mkdtemp(folderTemplate)) Fail("cannot make a temporary folder");
    const std::string folder = folderTemplate;
    std::vector<std::string> failures;
    try {
        web::testing::MapStandinServer standin;
        app::SetSettingsFileName(PrepareSettings(data, folder));
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->SetTitle("Corvanta Vistra");
        Application->OnException = [](TObject*, const Exception& e) {
            std::lock_guard lock(gReportedMutex);
            gReported.push_back(e.Message());
        };
        app::CreateWindows(*Application);
        xinput::TUiThread ui;

        std::atomic<bool> mapShown = false;
        TNotifyEvent logFinish = FrmMain->Geolith1->OnDownloadFinish;
        FrmMain->Geolith1->OnDownloadFinish = [&](TObject* sender) {
            if (logFinish) logFinish(sender);
            mapShown = true;
        };
        std::thread driver([&] {
            while (!mapShown) std::this_thread::sleep_for(50ms);
            std::this_thread::sleep_for(700ms);  // the first tiles settle
            try {
                TDriver d(ui, shots);
                failures = d.Run();
            } catch (const std::exception& e) {
                failures.push_back(e.what());
            }
            ui.Ask([] {
                FrmMain->Close();
                return true;
            });
        });
        Application->Run();
        driver.join();
        app::DestroyWindows();
    } catch (const std::exception& e) {
        failures.push_back(e.what());
    }
    std::filesystem::remove_all(folder);
    {
        std::lock_guard lock(gReportedMutex);
        for (auto& r : gReported) failures.push_back("the program reported: " + r);
    }
    for (auto& f : failures) std::cerr << "xinput: failed: " << f << "\n";
    return failures.empty() ? 0 : 1;
}
