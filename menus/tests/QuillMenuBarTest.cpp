// The styled menu bar: its window list and its look with a drop-down open.
#include "menus/MenuAppearance.h"
#include "menus/MenuStyler.h"
#include "menus/QuillMenuBar.h"
#include "menus/tests/PopupFixture.h"
#include "testsupport/GoldenImage.h"

#include <memory>
#include <vector>

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption, TShortCut Key = 0)
{
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(Caption);
    item->SetShortCut(Key);
    Parent->Add(item);
    return item;
}

std::vector<std::string> Captions(const TMenuItem* Menu)
{
    std::vector<std::string> captions;
    for (int i = 0; i < Menu->Count(); ++i)
        if (Menu->Items(i)->Visible()) captions.push_back(Menu->Items(i)->Caption());
    return captions;
}

} // namespace

TEST_F(PopupTest, WindowListNamesTheShownFormsInOrderAndBringsOneForward)
{
    Form->SetCaption("Corvanta Vistra");
    TQuillMainMenu bar(Form);
    TMenuItem* window = AddItem(bar.Items(), "&Window");
    AddItem(window, "&Arrange");
    bar.SetWindowMenu(window);
    Form->SetMenu(&bar);

    std::vector<std::unique_ptr<TForm>> others;
    for (const char* caption : {"Markers", "Events", "Events", "Hidden"}) {
        others.push_back(std::make_unique<TForm>(nullptr));
        others.back()->SetCaption(caption);
        if (std::string(caption) != "Hidden") others.back()->Show();
    }
    Form->BringToFrontAndActivate();

    bar.RefreshWindowList();
    const std::vector<std::string> expected{"&Arrange", "-", "1 Corvanta Vistra", "2 Events", "3 Events", "4 Markers"};
    EXPECT_EQ(Captions(window), expected);
    TMenuItem* marker = window->Items(1);
    EXPECT_EQ(marker->ShortCut(), WindowListMarkerShortCut);
    EXPECT_TRUE(window->Items(2)->Checked()) << "the active form is checked";
    EXPECT_EQ(window->Items(5)->GroupIndex(), WindowListGroupIndex);

    // A second refresh keeps the marker and rebuilds only what follows it.
    others[0]->Hide();
    bar.RefreshWindowList();
    EXPECT_EQ(window->Items(1), marker);
    EXPECT_EQ(Captions(window), (std::vector<std::string>{"&Arrange", "-", "1 Corvanta Vistra", "2 Events", "3 Events"}));

    window->Items(4)->Click();
    ASSERT_NE(ui::ActiveForm(), nullptr);
    EXPECT_EQ(static_cast<std::intptr_t>(ui::ActiveForm()->Handle()), window->Items(4)->Tag());
    EXPECT_EQ(ui::ActiveForm()->Caption(), "Events");
    EXPECT_TRUE(window->Items(4)->Checked());
    EXPECT_FALSE(window->Items(2)->Checked());
    Form->SetMenu(nullptr);
}

TEST_F(PopupTest, MenuBarWithItsDropDownOpenMatchesItsReference)
{
    TQuillMainMenu bar(Form);
    TMenuItem* file = AddItem(bar.Items(), "&File");
    AddItem(bar.Items(), "&Markers");
    AddItem(file, "&Open", scCtrl | 'O');
    AddItem(file, "&Save", scCtrl | 'S')->SetChecked(true);
    AddItem(file, "-");
    AddItem(file, "E&xit");
    bar.CurrentMenuStyler()->RootItem()->SetColor(0xF0E0D0);
    bar.CurrentMenuStyler()->RootItem()->SetColorTo(0xD0B090);
    Form->SetMenu(&bar);
    Form->Surface();

    bool seen = false;
    Application->OnIdle = [&](TObject*, bool&) {
        if (seen) return;
        seen = true;
        std::vector<TCustomForm*> popups = OpenPopups();
        ASSERT_EQ(popups.size(), 1u);
        const TBitmap& surface = Form->Surface();
        TBitmap top(surface.Width(), 24);
        top.Canvas()->CopyRect(Rect(0, 0, top.Width(), 24), *const_cast<TBitmap&>(surface).Canvas(),
                               Rect(0, 0, top.Width(), 24));
        testsupport::ExpectMatchesGolden(top, "menubar-open");
        testsupport::ExpectMatchesGolden(*Shot(*popups.front()), "menubar-dropdown");
        backend::input::PressKey(*Form, VK_ESCAPE);
    };
    backend::input::SurfaceMouse(*Form, WM_LBUTTONDOWN, {10, 8});
    Application->OnIdle = nullptr;
    EXPECT_TRUE(seen);
    Form->SetMenu(nullptr);
}
