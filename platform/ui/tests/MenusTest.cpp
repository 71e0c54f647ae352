// Menus: auto-check, radio groups, shortcuts, and popups by keyboard.
#include "UiFixture.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/MenuWindow.h"
#include "platform/ui/Menus.h"

using namespace backend;

namespace {
TMenuItem* Item(TComponent* owner, TMenuItem* parent, const std::string& caption)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}
} // namespace

TEST_F(UiTest, AutoCheckTogglesAndRadioItemsKeepOneChecked)
{
    TMainMenu menu(Form);
    TMenuItem* view = Item(Form, menu.Items(), "&View");
    TMenuItem* road = Item(Form, view, "&Road Map");
    TMenuItem* sat = Item(Form, view, "&Satellite View");
    TMenuItem* traffic = Item(Form, view, "Show &Traffic");
    for (TMenuItem* radio : {road, sat}) {
        radio->SetRadioItem(true);
        radio->SetAutoCheck(true);
    }
    road->SetChecked(true);
    traffic->SetAutoCheck(true);

    sat->Click();
    EXPECT_TRUE(sat->Checked());
    EXPECT_FALSE(road->Checked());
    sat->Click();
    EXPECT_TRUE(sat->Checked()) << "choosing the checked radio item keeps it checked";
    traffic->Click();
    EXPECT_TRUE(traffic->Checked());
    traffic->Click();
    EXPECT_FALSE(traffic->Checked());
    EXPECT_FALSE(road->Checked()) << "toggles are outside the radio group";
    EXPECT_EQ(menu.FindItem(sat->Command(), fkCommand), sat);
}

TEST_F(UiTest, ShortcutOfTheMainMenuRunsBeforeTheControlSeesTheKey)
{
    TMainMenu menu(Form);
    Form->SetMenu(&menu);
    TMenuItem* file = Item(Form, menu.Items(), "&File");
    TMenuItem* save = Item(Form, file, "&Save");
    save->SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
    int saves = 0;
    save->OnClick = [&](TObject*) { ++saves; };
    auto* edit = AddControl("edit");
    bool editSaw = false;
    edit->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { editSaw |= key == 'S'; };
    Form->Show();
    edit->SetFocus();
    input::PressKey(*Form, 'S', TShiftState{ssCtrl});
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(editSaw);
    EXPECT_EQ(ShortCutToText(save->ShortCut()), "Ctrl+S");
}

TEST_F(UiTest, PopupMenuWorksByKeyboard)
{
    TPopupMenu popup(Form);
    Item(Form, popup.Items(), "&Cut");
    TMenuItem* sep = Item(Form, popup.Items(), "-");
    (void)sep;
    TMenuItem* paste = Item(Form, popup.Items(), "&Paste");
    TMenuItem* more = Item(Form, popup.Items(), "&More");
    TMenuItem* deep = Item(Form, more, "&Deep");
    int pastes = 0, deeps = 0;
    paste->OnClick = [&](TObject*) { ++pastes; };
    deep->OnClick = [&](TObject*) { ++deeps; };
    Form->Show();

    // Down twice skips the separator and lands on Paste.
    int step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) {
            input::PressKey(*Form, VK_DOWN);
            input::PressKey(*Form, VK_DOWN);
            input::PressKey(*Form, VK_RETURN);
        }
    };
    popup.Popup(200, 200);
    EXPECT_EQ(pastes, 1);

    // An access key inside a submenu, reached with Right.
    step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) {
            input::PressKey(*Form, VK_UP);
            input::PressKey(*Form, VK_RIGHT);
            input::PressKey(*Form, 'D');
        }
    };
    popup.Popup(200, 200);
    EXPECT_EQ(deeps, 1);

    // Esc dismisses without choosing.
    step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) input::PressKey(*Form, VK_ESCAPE);
    };
    popup.Popup(200, 200);
    EXPECT_EQ(pastes + deeps, 2);
}

TEST_F(UiTest, MenuBarOpensByMouseAndByAccessKey)
{
    TMainMenu menu(Form);
    TMenuItem* file = Item(Form, menu.Items(), "&File");
    TMenuItem* open = Item(Form, file, "&Open");
    TMenuItem* exit = Item(Form, file, "E&xit");
    Item(Form, menu.Items(), "&Help");
    int opens = 0, exits = 0;
    open->OnClick = [&](TObject*) { ++opens; };
    exit->OnClick = [&](TObject*) { ++exits; };
    auto* edit = AddControl("edit");
    Form->SetMenu(&menu);
    Form->Show();
    EXPECT_GT(Form->MenuBarHeight(), 0);
    int clientTop = Form->ClientOrigin().Y;
    EXPECT_EQ(edit->ClientOrigin().Y, clientTop) << "controls start below the menu bar";

    int step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) {
            input::PressKey(*Form, VK_DOWN);
            input::PressKey(*Form, VK_RETURN);
        }
    };
    input::SurfaceMouse(*Form, WM_LBUTTONDOWN, {5, 5});
    EXPECT_EQ(opens, 1);

    step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) input::PressKey(*Form, 'X');
    };
    edit->SetFocus();
    input::PressKey(*Form, 'F', TShiftState{ssAlt});
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(Log.end(), std::find(Log.begin(), Log.end(), "edit:WM_CHAR")) << "menu keys make no characters";
}

// A command chosen from the menu bar runs after the menu has closed: the modal
// window it opens takes typed text, button clicks and Esc.
TEST_F(UiTest, ModalWindowOpenedFromTheMenuBarTakesKeysAndClicks)
{
    TMainMenu menu(Form);
    TMenuItem* options = Item(Form, menu.Items(), "&Options");
    TMenuItem* settings = Item(Form, options, "&Settings");
    Form->SetMenu(&menu);
    Form->Show();

    TForm dialog(nullptr);
    dialog.SetBounds(150, 150, 200, 120);
    auto* edit = new TEdit(&dialog);
    edit->SetParent(&dialog);
    edit->SetBounds(10, 10, 100, 21);
    auto* save = new TButton(&dialog);
    save->SetParent(&dialog);
    save->SetBounds(10, 50, 75, 25);
    int saves = 0;
    save->OnClick = [&](TObject*) { ++saves; };
    auto* cancel = new TButton(&dialog);
    cancel->SetParent(&dialog);
    cancel->SetBounds(100, 50, 75, 25);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);

    TModalResult result = mrNone;
    bool trackerGone = false;
    settings->OnClick = [&](TObject*) {
        trackerGone = ui::ActiveMenuTracker() == nullptr;
        int step = 0;
        Application->OnIdle = [&](TObject*, bool&) {
            if (step++ != 0) return;
            input::Click(*edit);
            input::TypeText(dialog, "3");
            input::Click(*save);
            input::PressKey(dialog, VK_ESCAPE);
        };
        result = dialog.ShowModal();
    };
    int step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) {
            input::PressKey(*Form, VK_DOWN);
            input::PressKey(*Form, VK_RETURN);
        }
    };
    input::SurfaceMouse(*Form, WM_LBUTTONDOWN, {5, 5});
    EXPECT_TRUE(trackerGone) << "the menu still tracked while its command ran";
    EXPECT_EQ(edit->Text(), "3");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(result, mrCancel) << "Esc closes the modal window";
}

// A capture left behind by a control of another window (its release went
// elsewhere) does not keep the menu bar from opening on a press here.
TEST_F(UiTest, LeftoverCaptureOfAnotherWindowDoesNotBlockTheMenuBar)
{
    TMainMenu menu(Form);
    TMenuItem* file = Item(Form, menu.Items(), "&File");
    TMenuItem* open = Item(Form, file, "&Open");
    int opens = 0;
    open->OnClick = [&](TObject*) { ++opens; };
    Form->SetMenu(&menu);
    Form->Show();
    TForm list(nullptr);
    list.SetBounds(600, 100, 200, 200);
    auto* row = new TEdit(&list);
    row->SetParent(&list);
    list.Show();
    ui::SetCaptureControl(row);

    int step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) {
            input::PressKey(*Form, VK_DOWN);
            input::PressKey(*Form, VK_RETURN);
        }
    };
    input::SurfaceMouse(*Form, WM_LBUTTONDOWN, {5, 5});
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(ui::CaptureControl(), nullptr);
}

// Opened by keyboard, a menu of the bar starts on its first command, so Enter
// runs it; opened by the mouse it starts with nothing chosen.
TEST_F(UiTest, MenuOpenedByKeyboardStartsOnItsFirstItem)
{
    TMainMenu menu(Form);
    TMenuItem* file = Item(Form, menu.Items(), "&File");
    TMenuItem* exit = Item(Form, file, "E&xit");
    TMenuItem* options = Item(Form, menu.Items(), "&Options");
    Item(Form, options, "-");
    TMenuItem* disabled = Item(Form, options, "&Locked");
    disabled->SetEnabled(false);
    TMenuItem* settings = Item(Form, options, "&Settings");
    Item(Form, options, "&Draggable");
    std::vector<std::string> ran;
    for (TMenuItem* item : {exit, settings}) item->OnClick = [&, item](TObject*) { ran.push_back(item->Caption()); };
    Form->SetMenu(&menu);
    Form->Show();

    struct Case {
        const char* how;
        std::function<void()> open;
        std::vector<unsigned short> keys;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Alt+O, Enter", [&] { input::PressKey(*Form, 'O', TShiftState{ssAlt}); }, {VK_RETURN}, {"&Settings"}},
        {"F10, Enter", [&] { input::PressKey(*Form, VK_F10, TShiftState{}); }, {VK_RETURN}, {"E&xit"}},
        {"Alt+F, Right, Enter", [&] { input::PressKey(*Form, 'F', TShiftState{ssAlt}); }, {VK_RIGHT, VK_RETURN},
         {"&Settings"}},
        {"Alt+O, Esc", [&] { input::PressKey(*Form, 'O', TShiftState{ssAlt}); }, {VK_ESCAPE}, {}},
        {"mouse, Enter", [&] { input::SurfaceMouse(*Form, WM_LBUTTONDOWN, {5, 5}); }, {VK_RETURN}, {}},
    };
    for (const Case& c : cases) {
        ran.clear();
        // One key per turn of the loop, as a person types them.
        std::size_t next = 0;
        Application->OnIdle = [&](TObject*, bool& done) {
            if (next < c.keys.size()) input::PressKey(*Form, c.keys[next++]);
            else if (ui::ActiveMenuTracker()) input::PressKey(*Form, VK_ESCAPE);
            done = false;
        };
        c.open();
        EXPECT_EQ(ran, c.expected) << c.how;
        EXPECT_EQ(ui::ActiveMenuTracker(), nullptr) << c.how;
    }
}

// A press on a native view in the window (the browser) while a menu is open
// closes the menu and is kept from the view; with no menu the view has it.
TEST_F(UiTest, PressOnAnEmbeddedViewClosesAnOpenMenuAndStopsThere)
{
    TPopupMenu popup(Form);
    TMenuItem* cut = Item(Form, popup.Items(), "&Cut");
    int cuts = 0;
    cut->OnClick = [&](TObject*) { ++cuts; };
    Form->Show();
    auto& events = dynamic_cast<THeadlessWindow*>(Form->NativeWindow())->Events();
    bool taken = true;
    int step = 0;
    Application->OnIdle = [&](TObject*, bool& done) {
        if (step++ == 0) taken = events.NativeViewPress({150, 150});
        done = false;
    };
    popup.Popup(200, 200);
    EXPECT_TRUE(taken) << "the press closed the menu and stays away from the view";
    EXPECT_EQ(ui::ActiveMenuTracker(), nullptr);
    EXPECT_EQ(cuts, 0);
    Application->OnIdle = nullptr;
    EXPECT_FALSE(events.NativeViewPress({150, 150})) << "with nothing open, the view has the press";
}
