// The edit with a button and the unit edit: where the button and the text
// go, using the button by mouse and F4, the typing lock, the value and unit
// split, the unit menu, the button colours, and the rendered look.
#include <string>
#include <vector>

#include "EditorsFixture.h"
#include "grid/base/SarnEditBtn.h"
#include "platform/graphics/Bitmap.h"
#include "testsupport/GoldenImage.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Menus.h"

using namespace backend;

namespace {

TRect FormattingRect(TCustomEdit& edit)
{
    TRect r;
    edit.Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

} // namespace

TEST_F(EditorsTest, ButtonAndTextRectangleSitInsideTheRightEdge)
{
    struct Case {
        const char* name;
        TBorderStyle border;
        bool unitEdit;
        int buttonLeftFromRight, heightLess, textRightFromClientRight;
    };
    const Case cases[] = {
        {"framed", bsSingle, false, 18 + 5, 5, 18 + 5},
        {"borderless", bsNone, false, 18 + 1, 1, 18 + 5},
        {"framed with unit space", bsSingle, true, 18 + 5, 5, 18 + 20 + 5 + 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSarnEditBtn* edit = c.unitEdit ? Add<TSarnUnitEditBtn>(10, 40, 150, 24) : Add<TSarnEditBtn>(10, 40, 150, 24);
        edit->SetBorderStyle(c.border);
        edit->SetBounds(10, 40, 150, 24);
        const TSarnEditButton& button = edit->Button();
        EXPECT_EQ(button.Parent(), edit);
        EXPECT_EQ(button.Width(), 18);
        EXPECT_EQ(button.Left(), 150 - c.buttonLeftFromRight);
        EXPECT_EQ(button.Top(), 0);
        EXPECT_EQ(button.Height(), 24 - c.heightLess);
        EXPECT_EQ(button.Button().BoundsRect(), TRect(0, 0, 18, 24 - c.heightLess)) << "the speed button fills it";
        EXPECT_EQ(FormattingRect(*edit).Right, edit->ClientWidth() - c.textRightFromClientRight);
        delete edit;
    }
}

TEST_F(EditorsTest, ButtonWidthAndHeightFollowTheEdit)
{
    auto* edit = Add<TSarnEditBtn>(10, 40, 150, 24);
    edit->SetButtonWidth(30);
    EXPECT_EQ(edit->Button().Width(), 30);
    EXPECT_EQ(edit->Button().Left(), 150 - 30 - 5);
    edit->SetWidth(200);
    EXPECT_EQ(edit->Button().Left(), 200 - 30 - 5) << "the button stays at the right edge";

    edit->SetHeight(4);
    EXPECT_GT(edit->Height(), 4) << "a height below the font's is raised";
    const int minimum = edit->Height();
    edit->SetHeight(minimum + 10);
    EXPECT_EQ(edit->Height(), minimum + 10);
}

TEST_F(EditorsTest, ButtonClicksOnReleaseAndHandsTheFocusToTheEdit)
{
    auto* edit = Add<TSarnEditBtn>(10, 40, 150, 24);
    int clicks = 0;
    edit->OnClickBtn = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        ++clicks;
    };
    Form->Show();
    Other->SetFocus();
    TControl& face = edit->Button().Button();
    input::MouseDown(face, {5, 5});
    EXPECT_EQ(clicks, 0) << "nothing happens on the press";
    input::MouseUp(face, {5, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused()) << "the release moves the focus to the edit";

    // F4 uses the button from the keyboard, but not with Ctrl or Alt held.
    Press(VK_F4);
    EXPECT_EQ(clicks, 2);
    Press(VK_F4, TShiftState{ssCtrl});
    Press(VK_F4, TShiftState{ssAlt});
    EXPECT_EQ(clicks, 2);
}

TEST_F(EditorsTest, StandaloneEditButtonOnlyMovesTheFocus)
{
    auto* button = Add<TSarnEditButton>(200, 40, 20, 25);
    EXPECT_FALSE(button->TabStop());
    button->SetFocusControl(Other);
    auto* elsewhere = Add<TEdit>(10, 100, 100, 21);
    Form->Show();
    elsewhere->SetFocus();
    input::Click(button->Button(), {5, 5});
    EXPECT_TRUE(Other->Focused());
}

TEST_F(EditorsTest, EditorDisabledLocksTypingButNotTheButtonOrCode)
{
    auto* edit = Add<TSarnEditBtn>(10, 40, 150, 24);
    int clicks = 0;
    edit->OnClickBtn = [&](TObject*) { ++clicks; };
    Form->Show();
    edit->SetFocus();
    edit->SetText("abc");
    edit->SetEditorEnabled(false);
    edit->SetSelStart(1);
    input::TypeText(*Form, "xy");
    Press(VK_BACK);
    Press(VK_DELETE);
    Clipboard()->SetAsText("pasted");
    Press('V', TShiftState{ssCtrl});
    Press(VK_INSERT, TShiftState{ssShift});
    edit->SelectAll();
    Press(VK_DELETE, TShiftState{ssShift});
    EXPECT_EQ(edit->Text(), "abc");
    Press(VK_F4);
    EXPECT_EQ(clicks, 1);
    edit->SetText("by code");
    EXPECT_EQ(edit->Text(), "by code");

    edit->SetEditorEnabled(true);
    edit->SetReadOnly(true);
    edit->SelectAll();
    edit->CutToClipboard();
    EXPECT_EQ(edit->Text(), "by code") << "a read-only edit cuts nothing";
    edit->SetReadOnly(false);
    edit->SetSelStart(7);
    input::TypeText(*Form, "!");
    EXPECT_EQ(edit->Text(), "by code!");
}

TEST_F(EditorsTest, TextAndUnitSplitsAtTheFirstUnitThatEndsTheString)
{
    struct Case {
        const char* name;
        std::vector<std::string> units;
        std::string value, text, unit;
    };
    const Case cases[] = {
        {"unit found", {"mm", "cm", "m"}, "12.5 cm", "12.5 ", "cm"},
        {"earlier unit in list order wins", {"m", "cm"}, "12.5 cm", "12.5 c", "m"},
        {"no unit ends the string", {"mm", "cm", "m"}, "12.5 in", "0", ""},
        {"first occurrence is not at the end", {"m"}, "5 m to 7 m", "0", ""},
        {"empty unit matches nothing", {"", "kg"}, "3 kg", "3 ", "kg"},
        {"unit alone", {"kg"}, "kg", "", "kg"},
        {"multi-byte unit", {"µm"}, "4 µm", "4 ", "µm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* edit = Add<TSarnUnitEditBtn>(10, 40, 150, 24);
        for (const auto& u : c.units) edit->Units().Add(u);
        edit->SetTextAndUnit(c.value);
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(edit->UnitID(), c.unit);
        EXPECT_EQ(edit->TextAndUnit(), c.text + c.unit);
        delete edit;
    }
}

TEST_F(EditorsTest, UnitMenuOffersTheUnitsUnderTheButton)
{
    auto* edit = Add<TSarnUnitEditBtn>(10, 40, 150, 24);
    EXPECT_TRUE(edit->RightAlign());
    EXPECT_EQ(edit->UnitSpace(), 20);
    TStringList units;
    for (const char* u : {"mm", "cm", "m"}) units.Add(u);
    edit->SetUnits(&units);
    edit->SetUnits(nullptr);
    ASSERT_EQ(edit->Units().Count(), 3) << "a null list leaves the units";
    edit->SetUnitID("mm");

    std::vector<std::string> events;
    int clickBtn = 0;
    edit->OnUnitChanged = [&](TObject*, const std::string& unit) { events.push_back(unit); };
    edit->OnClickBtn = [&](TObject*) { ++clickBtn; };
    int choose = 1;
    std::vector<std::string> captions;
    TPoint shownAt;
    ui::SetPopupMenuHook([&](TPopupMenu& menu) -> TMenuItem* {
        EXPECT_EQ(clickBtn, 1 + static_cast<int>(captions.size()) / 3) << "OnClickBtn fires before the menu shows";
        for (int i = 0; i < menu.Items()->Count(); ++i) captions.push_back(menu.Items()->Items(i)->Caption());
        shownAt = menu.PopupPoint();
        return menu.Items()->Items(choose);
    });
    Form->Show();
    input::Click(edit->Button().Button(), {5, 5});
    EXPECT_EQ(captions, (std::vector<std::string>{"mm", "cm", "m"}));
    EXPECT_EQ(shownAt, edit->ClientToScreen({edit->ClientWidth() - 15, edit->ClientHeight()}));
    EXPECT_EQ(edit->UnitID(), "cm");
    EXPECT_EQ(events, std::vector<std::string>{"cm"});

    // The current unit chosen again is set without an event; F4 opens the menu too.
    Press(VK_F4);
    EXPECT_EQ(edit->UnitID(), "cm");
    EXPECT_EQ(events.size(), 1u);
    ui::SetPopupMenuHook(nullptr);

    // Commands that are edit notifications or name no unit are ignored.
    edit->Perform(WM_COMMAND, MakeWParam(3, EN_CHANGE), 0);
    edit->Perform(WM_COMMAND, 0, 0);
    edit->Perform(WM_COMMAND, 4, 0);
    EXPECT_EQ(edit->UnitID(), "cm");
    edit->Perform(WM_COMMAND, 3, 0);
    EXPECT_EQ(edit->UnitID(), "m");
    EXPECT_EQ(events, (std::vector<std::string>{"cm", "m"}));
}

TEST(ButtonColorSet, FaceFollowsTheStateAndFallsBackToThePlainColour)
{
    const grid::TButtonColorSet both{.Face = clNavy, .FaceHot = clBlue, .FaceDown = clMaroon};
    const grid::TButtonColorSet plainOnly{.Face = clNavy};
    struct Case {
        const grid::TButtonColorSet& colors;
        bool pressed, hot;
        TColor face;
    } const cases[] = {
        {both, false, false, clNavy},
        {both, false, true, clBlue},
        {both, true, false, clMaroon},
        {both, true, true, clMaroon},
        {plainOnly, false, true, clNavy},
        {plainOnly, true, true, clNavy},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.colors.FaceFor(c.pressed, c.hot), c.face) << "pressed " << c.pressed << ", hot " << c.hot;
    EXPECT_TRUE(plainOnly.Custom());
    EXPECT_FALSE(grid::TButtonColorSet{.FaceHot = clBlue}.Custom()) << "only the plain face switches the look";
}

TEST_F(EditorsTest, EachButtonColourPropertyKeepsItsOwnColour)
{
    auto* button = Add<TSarnEditButton>(200, 40, 20, 25);
    button->SetButtonColor(0x000001);
    button->SetButtonColorHot(0x000002);
    button->SetButtonColorDown(0x000003);
    button->SetButtonTextColor(0x000004);
    button->SetButtonTextColorHot(0x000005);
    button->SetButtonTextColorDown(0x000006);
    button->SetButtonBorderColor(0x000007);
    const grid::TButtonColorSet& set = button->ButtonColors();
    const TColor kept[] = {set.Face, set.FaceHot, set.FaceDown, set.Text, set.TextHot, set.TextDown, set.Border};
    const TColor read[] = {button->ButtonColor(), button->ButtonColorHot(), button->ButtonColorDown(),
        button->ButtonTextColor(), button->ButtonTextColorHot(), button->ButtonTextColorDown(), button->ButtonBorderColor()};
    for (TColor i = 0; i < 7; ++i) {
        EXPECT_EQ(kept[i], i + 1) << "slot " << i;
        EXPECT_EQ(read[i], i + 1) << "property " << i;
    }
}

TEST_F(EditorsTest, EditWithButtonLooks)
{
    // Three dots on a background of the bottom-left pixel's colour, which drawing leaves out.
    TBitmap dots(8, 4);
    dots.Canvas()->Brush()->SetColor(clFuchsia);
    dots.Canvas()->FillRect({0, 0, 8, 4});
    dots.Canvas()->Brush()->SetColor(clBlack);
    for (int x : {0, 3, 6}) dots.Canvas()->FillRect({x, 1, x + 2, 3});

    auto* plain = Add<TSarnEditBtn>(10, 40, 150, 24);
    plain->SetText("C:\\maps");
    plain->SetGlyph(dots);
    auto* caption = Add<TSarnEditBtn>(180, 40, 150, 24);
    caption->SetButtonCaption("...");
    caption->Button().SetFlat(true);
    caption->SetText("flat button");
    auto* coloured = Add<TSarnEditBtn>(10, 90, 150, 24);
    coloured->Button().SetButtonColor(clNavy);
    coloured->SetButtonWidth(24);
    coloured->SetText("coloured");
    auto* unit = Add<TSarnUnitEditBtn>(180, 90, 150, 24);
    unit->Units().Add("cm");
    unit->SetTextAndUnit("12.5cm");
    auto* borderless = Add<TSarnUnitEditBtn>(10, 140, 150, 24);
    borderless->SetBorderStyle(bsNone);
    borderless->Units().Add("kg");
    borderless->SetTextAndUnit("3kg");
    auto* disabled = Add<TSarnEditBtn>(180, 140, 150, 24);
    disabled->SetText("disabled");
    disabled->SetEnabled(false);
    Form->Show();
    input::Pump();
    testsupport::ExpectMatchesGolden(Form->Surface(), "sarn-edit-buttons");
}
