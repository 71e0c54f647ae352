// The styled menu bar: its window list and its look with a drop-down open.
#include "menus/MenuAppearance.h"
#include "menus/MenuStyler.h"
#include "menus/QuillMenuBar.h"
#include "menus/tests/PopupFixture.h"
#include "testsupport/GoldenImage.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"

#include <algorithm>
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

TMenuItem* ItemCaptioned(TMenuItem* Menu, const std::string& Caption)
{
    for (int i = 0; i < Menu->Count(); ++i)
        if (Menu->Items(i)->Caption() == Caption) return Menu->Items(i);
    return nullptr;
}

TEST_F(PopupTest, WindowListFollowsTheMDIChildrenAndActivatesOne)
{
    Form->SetCaption("Corvanta Vistra");
    Form->SetFormStyle(fsMDIForm);
    TQuillMainMenu bar(Form);
    TMenuItem* window = AddItem(bar.Items(), "&Window");
    AddItem(window, "&Arrange");
    Form->SetWindowMenu(window);
    Form->SetMenu(&bar);
    bar.UpdateItems();
    EXPECT_EQ(bar.HookedClient(), Form->ClientHandle());
    EXPECT_EQ(MDIClientOfMenu(&bar), Form->ClientHandle());
    EXPECT_EQ(FormOfWindow(Form->Handle()), Form);

    // Two children of the same caption both appear, numbered in sorted order.
    std::vector<std::unique_ptr<TForm>> children;
    for (const char* caption : {"Markers", "Events", "Events"}) {
        children.push_back(std::make_unique<TForm>(Form));
        children.back()->SetFormStyle(fsMDIChild);
        children.back()->SetCaption(caption);
        children.back()->SetBounds(10 * static_cast<int>(children.size()), 10, 200, 120);
        children.back()->Show();
    }
    EXPECT_EQ(Form->MDIChildCount(), 3);
    EXPECT_EQ(Form->ActiveMDIChild(), children[2].get()) << "the child shown last is active";
    const std::vector<std::string> expected{"&Arrange", "-", "1 Events", "2 Events", "3 Markers"};
    EXPECT_EQ(Captions(window), expected);
    TMenuItem* marker = window->Items(1);
    EXPECT_EQ(marker->ShortCut(), WindowListMarkerShortCut);
    EXPECT_EQ(window->Items(4)->GroupIndex(), WindowListGroupIndex);
    EXPECT_TRUE(window->Items(4)->RadioItem());
    EXPECT_EQ(std::count_if(expected.begin(), expected.end(),
                            [&](const std::string& c) { auto* i = ItemCaptioned(window, c); return i && i->Checked(); }),
              1);

    // Choosing an item activates that child; the list is rebuilt after the marker only.
    ItemCaptioned(window, "3 Markers")->Click();
    EXPECT_EQ(Form->ActiveMDIChild(), children[0].get());
    EXPECT_EQ(window->Items(1), marker);
    EXPECT_TRUE(ItemCaptioned(window, "3 Markers")->Checked());

    // A child that goes leaves the list; the next one on top becomes active.
    children[0].reset();
    EXPECT_EQ(Captions(window), (std::vector<std::string>{"&Arrange", "-", "1 Events", "2 Events"}));
    EXPECT_NE(Form->ActiveMDIChild(), nullptr);
    children.clear();
    EXPECT_EQ(Captions(window), (std::vector<std::string>{"&Arrange"})) << "no children: the marker hides";
    Form->SetMenu(nullptr);
}

TEST_F(PopupTest, MDIChildWithoutAFrameCannotBeShown)
{
    TForm child(nullptr);
    child.SetFormStyle(fsMDIChild);
    EXPECT_THROW(child.Show(), EInvalidOperation);
}

TEST_F(PopupTest, BarItemsKnowTheLastOfTheirRowAndTheChildIconNeedsRoom)
{
    Form->SetFormStyle(fsMDIForm);
    TQuillMainMenu bar(Form);
    TMenuItem* file = AddItem(bar.Items(), "&File");
    TMenuItem* window = AddItem(bar.Items(), "&Window");
    AddItem(file, "&Open");
    Form->SetMenu(&bar);
    EXPECT_FALSE(IsLastBarItem(file));
    EXPECT_TRUE(IsLastBarItem(window));
    EXPECT_FALSE(IsLastBarItem(file->Items(0))) << "only bar items";

    TForm child(Form);
    child.SetFormStyle(fsMDIChild);
    child.Show();
    TBitmap glyph;
    glyph.SetSize(16, 16);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({0, 0, 16, 16});
    child.Icon()->Assign(&glyph);
    const TWindowIcon small = WindowIcon(child.Handle(), false);
    ASSERT_NE(small.Icon, nullptr);
    EXPECT_EQ(small.Size, (TSize{16, 16}));
    EXPECT_EQ(WindowIcon(child.Handle(), true).Size, (TSize{32, 32}));
    EXPECT_EQ(WindowIcon(Form->Handle(), false).Icon, nullptr) << "the frame has no icon";

    // Drawn into the gap left of the first item, and only when the gap holds it.
    auto pixelAt = [&](int x, int y) { return const_cast<TBitmap&>(Form->Surface()).Canvas()->Pixels(x, y); };
    DrawMDIChildIcon(file, {4, 0, 40, 18});
    EXPECT_NE(pixelAt(30, 8), clRed) << "a first item at 4 pixels or less leaves no gap";
    DrawMDIChildIcon(file, {12, 0, 40, 18});
    EXPECT_NE(pixelAt(8, 8), clRed) << "a gap narrower than the icon stays empty";
    DrawMDIChildIcon(file, {24, 0, 60, 18});
    EXPECT_EQ(pixelAt(16, 8), clRed);
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
