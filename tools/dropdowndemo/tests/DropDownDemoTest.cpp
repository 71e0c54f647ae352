// The drop-down example window on a real display: the pointer and keyboard of
// the X server (driven by xdotool) open the popup below the edit and close it
// with Esc and with a click elsewhere; the screen shows what the popup painted.
#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <thread>

#include "controls/QuillDateTimePicker.h"
#include "controls/QuillDirectoryEdit.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/QuillListDropDown.h"
#include "controls/pickers/QuillColorPickerDropDown.h"
#include "controls/pickers/QuillDetailDropDown.h"
#include "controls/pickers/QuillImagePickerDropDown.h"
#include "platform/backend/Backends.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/PopupWatch.h"
#include "tools/DisplayTestLoops.h"
#include "platform/ui/EditControls.h"
#include "tools/dropdowndemo/DropDownDemoForm.h"
#include "tools/dropdowndemo/tests/DemoDisplay.h"

using namespace demo_display;

TEST_F(DropDownDemoTest, ARealClickOpensThePopupBelowTheEditAndEscOrAClickElsewhereClosesIt)
{
    controls::TQuillListDropDown& drop = *Form->DrpCity;
    ClickAt(ButtonOnScreen());
    SettleUntil([&] { return Open(); });
    ASSERT_TRUE(Open()) << "the click on the button opens the popup";
    controls::TDropDownForm& popup = *drop.DropDownForm();
    TPoint editTop = Form->ClientToScreen({drop.Left(), drop.Top()});
    EXPECT_EQ(popup.Left(), editTop.X);
    EXPECT_EQ(popup.Top(), editTop.Y + drop.Height() - 1);
    EXPECT_TRUE(drop.Focused()) << "the edit keeps the focus";
    Settle();

    // What the display shows of the popup is what the popup painted.
    const TBitmap& surface = popup.Surface();
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), Form->Left(), Form->Top(),
                                                 Form->Width(), Form->Height() + 120);
    ASSERT_NE(shot, nullptr);
    std::string path = (std::filesystem::current_path() / "dropdowndemo-screenshot.png").string();
    gdk_pixbuf_save(shot, path.c_str(), "png", nullptr, nullptr);
    std::cout << "screenshot of the open popup: " << path << "\n";
    TBitmap copy;
    copy.Assign(&surface);
    int channels = gdk_pixbuf_get_n_channels(shot), stride = gdk_pixbuf_get_rowstride(shot);
    const guchar* pixels = gdk_pixbuf_get_pixels(shot);
    long mismatches = 0;
    for (int y = 0; y < surface.Height(); y += 2)
        for (int x = 0; x < surface.Width(); x += 2) {
            const guchar* p = pixels + (popup.Top() - Form->Top() + y) * stride + (popup.Left() - Form->Left() + x) * channels;
            if ((copy.Canvas()->Pixels(x, y) & 0xFFFFFF) != RGB(p[0], p[1], p[2])) ++mismatches;
        }
    g_object_unref(shot);
    EXPECT_EQ(mismatches, 0) << "the screen shows the popup (screenshot: " << path << ")";

    XDo("key --clearmodifiers Down");
    SettleUntil([&] { return drop.Text() == "Dresden"; });
    EXPECT_EQ(drop.Text(), "Dresden");
    XDo("key --clearmodifiers Escape");
    SettleUntil([&] { return !Open(); });
    EXPECT_FALSE(Open()) << "Esc closes the popup";
    EXPECT_EQ(drop.Text(), "Cork") << "and cancels its choice";

    // Past the guard against the closing click opening it again.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ClickAt(ButtonOnScreen());
    SettleUntil([&] { return Open(); });
    ASSERT_TRUE(Open());
    ClickAt(Form->EdtNote->ClientToScreen({5, 5}));
    SettleUntil([&] { return !Open(); });
    EXPECT_FALSE(Open()) << "a click elsewhere closes the popup";
}

TEST_F(DropDownDemoTest, TypingShowsTheLookupListBelowTheEditAndTheButtonOfTheFolderEditOpensTheDialog)
{
    TQuillEdit& town = *Form->EdtTown;
    ClickAt(town.ClientToScreen({5, 5}));
    SettleUntil([&] { return town.Focused(); });
    ASSERT_TRUE(town.Focused());
    XDo("type --delay 30 Ha");
    TListHintWindow& popup = town.LookupList();
    SettleUntil([&] { return popup.Visible() && popup.ListControl().Count() == 3; });
    ASSERT_TRUE(popup.Visible()) << "two typed letters show the lookup list";
    EXPECT_EQ(popup.ListControl().Count(), 3);
    EXPECT_EQ(popup.Top(), town.ClientToScreen({0, 0}).Y + town.Height() - 6);
    EXPECT_TRUE(town.Focused()) << "the edit keeps the focus";
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-lookup.png");
    XDo("key --clearmodifiers Down Return");
    SettleUntil([&] { return town.Text() == "Hamburg"; });
    EXPECT_EQ(town.Text(), "Hamburg");
    EXPECT_FALSE(popup.Visible());

    // The dialog is answered here; the button is clicked for real.
    std::string asked;
    ui::DialogHook().FolderDialog = [&](const ui::TFolderDialogRequest& r) {
        asked = r.Title;
        return std::optional<std::string>("/tmp");
    };
    TQuillDirectoryEdit& folder = *Form->DirFolder;
    TEditButton& button = *folder.Button();
    ClickAt(button.ClientToScreen({button.Width() / 2, button.Height() / 2}));
    SettleUntil([&] { return folder.Text() == "/tmp"; });
    ui::DialogHook().FolderDialog = nullptr;
    EXPECT_EQ(asked, "Select Directory");
    EXPECT_EQ(folder.Text(), "/tmp");
    EXPECT_TRUE(folder.Modified());
}

TEST_F(DropDownDemoTest, TheDatePickersCalendarOpensOnTheDisplayAndChoosesByKeysAndClick)
{
    TQuillDateTimePicker& when = *Form->DtpWhen;
    auto buttonOnScreen = [&] { return when.ClientToScreen({when.ClientWidth() - 6, when.ClientHeight() / 2}); };
    ClickAt(buttonOnScreen());
    SettleUntil([&] { return when.DroppedDown(); });
    ASSERT_TRUE(when.DroppedDown()) << "the button drops the calendar";
    ASSERT_NE(ui::OpenPopup(), nullptr);
    const TCustomForm& calendar = *ui::OpenPopup()->PopupForm();
    EXPECT_EQ(calendar.Top(), when.ClientToScreen({0, when.ClientHeight()}).Y + 2) << "below the picker";
    EXPECT_TRUE(when.Focused()) << "the picker keeps the focus";
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-calendar.png");

    // Keys move the day; Enter takes it.
    XDo("key --clearmodifiers Right Down Return");
    SettleUntil([&] { return !when.DroppedDown(); });
    EXPECT_FALSE(when.DroppedDown());
    EXPECT_EQ(when.DisplayText(), "19/12/2026");

    // Esc leaves the date as it was.
    XDo("key --clearmodifiers F4");
    SettleUntil([&] { return when.DroppedDown(); });
    ASSERT_TRUE(when.DroppedDown());
    XDo("key --clearmodifiers Left Escape");
    SettleUntil([&] { return !when.DroppedDown(); });
    EXPECT_EQ(when.DisplayText(), "19/12/2026");

    // A click on a day takes it: December 2026 begins on a Tuesday, so the
    // first row shows 29 and 30 November, then 1 to 5 December.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ClickAt(buttonOnScreen());
    SettleUntil([&] { return when.DroppedDown(); });
    ASSERT_TRUE(when.DroppedDown());
    const TCustomForm& shown = *ui::OpenPopup()->PopupForm();
    ClickAt({shown.Left() + 1 + 4 * 24 + 12, shown.Top() + 20 + 16 + 8});
    SettleUntil([&] { return !when.DroppedDown(); });
    EXPECT_EQ(when.DisplayText(), "03/12/2026");
    EXPECT_NEAR(when.Time(), EncodeTime(9, 30, 0, 0), 1e-9) << "the time stays";
}

TEST_F(DropDownDemoTest, EachPickerOpensByItsButtonAndByAltDownChoosesByMouseAndKeysAndEscKeepsTheValue)
{
    using namespace controls;
    struct Picker {
        const char* name;
        TQuillCustomDropDown* drop;
        TLabel* value;
        // Where a click in the open popup chooses another value.
        std::function<TPoint()> choice;
        // Keys that move the choice in the open popup; none: the popup is worked by the mouse alone.
        const char* keys;
    };
    TDropDownDemoForm& f = *Form;
    auto listItem = [](TQuillCustomItemSelector* s, int i) {
        return [s, i] { return CentreOf(*s->SelectorPanel(), s->SelectorPanel()->GetItemRect(i)); };
    };
    const Picker pickers[] = {
        {"detail", f.DrpFruit, f.LblValues[0], listItem(f.DrpFruit->ItemSelector(), 2), "Down"},
        {"image", f.DrpShape, f.LblValues[1], listItem(f.DrpShape->ItemSelector(), 4), "Left"},
        {"colour-list", f.DrpColors[0], f.LblValues[2], listItem(f.DrpColors[0]->ItemSelector(), 12), "Left"},
        {"colour-palette", f.DrpColors[1], f.LblValues[3],
         [&] { return CentreOf(*f.DrpColors[1]->ColorSelector(), f.DrpColors[1]->ColorSelector()->BoxRect(25)); },
         "Right"},
        {"colour-honeycomb", f.DrpColors[2], f.LblValues[4],
         [&] {
             const TQuillColorCubePanel& c = *f.DrpColors[2]->ColorCubePanel();
             return c.ClientToScreen({c.Cell(30).X, c.Cell(30).Y});
         },
         nullptr},
        {"colour-spectrum", f.DrpColors[3], f.LblValues[4 + 1],
         [&] { return f.DrpColors[3]->SpectrumPanel()->SpectrumImage().ClientToScreen({100, 40}); }, nullptr},
    };
    for (const Picker& p : pickers) {
        SCOPED_TRACE(p.name);
        TQuillCustomDropDown& drop = *p.drop;
        const std::string before = p.value->Caption();
        // Past the guard against a closing click opening the popup again.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ClickAt(ButtonOf(drop));
        SettleUntil([&] { return drop.DroppedDown(); });
        ASSERT_TRUE(drop.DroppedDown()) << "the button opens the popup";
        Settle();
        SaveScreenshot(*Form, std::string("dropdowndemo-") + p.name + ".png");
        ClickAt(p.choice());
        SettleUntil([&] { return !drop.DroppedDown(); });
        EXPECT_FALSE(drop.DroppedDown()) << "a click chooses and closes";
        const std::string byMouse = p.value->Caption();
        EXPECT_NE(byMouse, before) << "the click chose another value";
        Settle();
        SaveScreenshot(*Form, std::string("dropdowndemo-") + p.name + "-chosen.png");

        // The pointer leaves the popup's place, so that no item becomes hot under it.
        XDo("mousemove " + std::to_string(Form->Left() + 20) + " " + std::to_string(Form->Top() + Form->Height() - 10));
        Settle();
        XDo("key --clearmodifiers alt+Down");
        SettleUntil([&] { return drop.DroppedDown(); });
        ASSERT_TRUE(drop.DroppedDown()) << "Alt+Down opens the popup";
        std::string byKeys = byMouse;
        if (p.keys) {
            XDo(std::string("key --clearmodifiers ") + p.keys + " Return");
            SettleUntil([&] { return !drop.DroppedDown(); });
            byKeys = p.value->Caption();
            EXPECT_NE(byKeys, byMouse) << "the keys chose another value";
            XDo("key --clearmodifiers alt+Down");
            SettleUntil([&] { return drop.DroppedDown(); });
            ASSERT_TRUE(drop.DroppedDown());
            XDo(std::string("key --clearmodifiers ") + p.keys);
            SettleUntil([&] { return p.value->Caption() != byKeys; });
            EXPECT_NE(p.value->Caption(), byKeys) << "the keys move the value while open";
        }
        XDo("key --clearmodifiers Escape");
        SettleUntil([&] { return !drop.DroppedDown(); });
        EXPECT_FALSE(drop.DroppedDown());
        SettleUntil([&] { return p.value->Caption() == byKeys; });
        EXPECT_EQ(p.value->Caption(), byKeys) << "Esc returns to the value before the opening";
        Settle();
        SaveScreenshot(*Form, std::string("dropdowndemo-") + p.name + "-esc.png");
    }
}

TEST_F(DropDownDemoTest, TabFromTheDateReachesTheHourOnTheDisplay)
{
    TQuillDateTimePicker& when = *Form->DtpWhen;
    ClickAt(when.ClientToScreen({8, when.ClientHeight() / 2}));
    SettleUntil([&] { return when.Focused(); });
    ASSERT_TRUE(when.Focused());
    ASSERT_NE(when.TimePicker(), nullptr);
    XDo("key --clearmodifiers Tab");
    SettleUntil([&] { return when.TimePicker()->Focused(); });
    EXPECT_TRUE(when.TimePicker()->Focused()) << "Tab from the date does not reach the hour";
    SaveScreenshot(*Form, "dropdowndemo-tab-to-hour.png");
    // Coming by Tab from the folder edit: the date first, then the hour.
    Form->DirFolder->SetFocus();
    SettleUntil([&] { return Form->DirFolder->Focused(); });
    XDo("key --clearmodifiers Tab");
    SettleUntil([&] { return when.Focused(); });
    EXPECT_TRUE(when.Focused()) << "Tab from the folder does not reach the date";
    XDo("key --clearmodifiers Tab");
    SettleUntil([&] { return when.TimePicker()->Focused(); });
    EXPECT_TRUE(when.TimePicker()->Focused()) << "the second Tab does not reach the hour";
}
