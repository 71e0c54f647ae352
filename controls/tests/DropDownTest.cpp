// The drop-down's open, accept and cancel routes, driven through the headless
// backend's key and mouse pipeline with a list as the hosted control.
#include <gtest/gtest.h>

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/QuillListDropDown.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Forms.h"

using namespace controls;
namespace input = backend::input;

namespace {

class DropDownTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Drop = new TQuillListDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 20, 150, 21);
        Drop->Items().Add("alpha");
        Drop->Items().Add("beta");
        Drop->Items().Add("gamma");
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 200, 100, 21);
        Drop->OnDropUp = [this](TObject*, bool cancelled) { DropUps.push_back(cancelled); };
        Form->Show();
        Drop->SetFocus();
    }
    void TearDown() override { delete Form; }

    bool Open() const { return Drop->DroppedDown() && Drop->DropDownForm()->Visible(); }
    TPoint ButtonPoint() const { return {Drop->ClientWidth() + 3, 5}; }
    void ClickButton() { input::Click(*Drop, ButtonPoint()); }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }

    TForm* Form = nullptr;
    TQuillListDropDown* Drop = nullptr;
    TEdit* Other = nullptr;
    std::vector<bool> DropUps;
};

} // namespace

TEST_F(DropDownTest, TheButtonOpensThePopupBelowTheEditAndTheEditKeepsTheFocus)
{
    ClickButton();
    ASSERT_TRUE(Open());
    TPoint edit = Form->ClientToScreen({10, 20});
    TRect popup = Drop->DropDownForm()->BoundsRect();
    EXPECT_EQ(popup.Left, edit.X);
    EXPECT_EQ(popup.Top, edit.Y + Drop->Height() - 1);
    EXPECT_GE(popup.Width(), TQuillCustomDropDown::MinPopupWidth);
    EXPECT_GE(popup.Height(), TQuillCustomDropDown::MinPopupHeight);
    EXPECT_TRUE(Drop->Focused());
    EXPECT_EQ(ui::ActiveForm(), Form);
    // A click inside the popup keeps both the popup and the focus.
    input::MouseDown(Drop->List(), {2, 200});
    EXPECT_TRUE(Open());
    EXPECT_TRUE(Drop->Focused());
}

TEST_F(DropDownTest, KeysOpenMoveAcceptAndCancel)
{
    struct Route {
        const char* what;
        unsigned short open;
        TShiftState openShift;
        unsigned short close;
        std::string text;
        bool cancelled;
    };
    const Route routes[] = {
        {"F4 then Enter takes the entry", VK_F4, {}, VK_RETURN, "beta", false},
        {"Alt+Down then Esc returns to the text before", VK_DOWN, {ssAlt}, VK_ESCAPE, "alpha", true},
        {"Alt+Down then F4 keeps the entry", VK_DOWN, {ssAlt}, VK_F4, "beta", false},
        {"F4 then Alt+Up keeps the entry", VK_F4, {}, VK_UP, "beta", false},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.what);
        Drop->SetText("alpha");
        DropUps.clear();
        Press(r.open, r.openShift);
        ASSERT_TRUE(Open());
        Press(VK_DOWN);
        EXPECT_EQ(Drop->Text(), "beta") << "the edit follows the list while open";
        Press(r.close, r.close == VK_UP ? TShiftState{ssAlt} : TShiftState{});
        EXPECT_FALSE(Open());
        EXPECT_EQ(Drop->Text(), r.text);
        EXPECT_EQ(DropUps, std::vector<bool>{r.cancelled});
        EXPECT_TRUE(Drop->Focused());
    }
}

TEST_F(DropDownTest, AClickOnAnEntryTakesIt)
{
    ClickButton();
    TListBox& list = Drop->List();
    input::Click(list, {5, list.ItemHeight() * 2 + 2});
    EXPECT_FALSE(Open());
    EXPECT_EQ(Drop->Text(), "gamma");
    EXPECT_EQ(DropUps, std::vector<bool>{false});
}

TEST_F(DropDownTest, AClickElsewhereCancelsAndTheButtonOfAnOpenPopupClosesIt)
{
    Drop->SetText("alpha");
    ClickButton();
    Press(VK_DOWN);
    input::Click(*Other);
    EXPECT_FALSE(Open());
    EXPECT_EQ(Drop->Text(), "alpha");
    EXPECT_EQ(DropUps, std::vector<bool>{true});

    input::AdvanceTime(TQuillCustomDropDown::ReopenGuardMs + 1);
    Drop->SetFocus();
    ClickButton();
    ASSERT_TRUE(Open());
    // The press closes it; the release must not open it again.
    ClickButton();
    EXPECT_FALSE(Open());
    input::AdvanceTime(TQuillCustomDropDown::ReopenGuardMs + 1);
    ClickButton();
    EXPECT_TRUE(Open());
}

TEST_F(DropDownTest, ABlockedPopupStaysOpenWhenTheActivationGoesElsewhere)
{
    Drop->SetDropDownShadow(false);
    ClickButton();
    ASSERT_TRUE(Open());
    EXPECT_FALSE(Drop->DropDownForm()->Shadow()) << "the popup takes the shadow setting at each opening";
    Drop->DropDownForm()->SetBlockActivate(true);
    input::Click(*Other);
    EXPECT_TRUE(Open());
    EXPECT_EQ(Drop->DropDownForm()->DeActivateTime(), 0u) << "no closing time is recorded";
    Drop->DropDownForm()->SetBlockActivate(false);
    Drop->SetFocus();
    input::Click(*Other);
    EXPECT_FALSE(Open());
}

TEST_F(DropDownTest, TheFocusLeavingTheFormLosingTheActivationOrMovingCloses)
{
    Press(VK_F4);
    ASSERT_TRUE(Open());
    Other->SetFocus();
    EXPECT_FALSE(Open());

    Drop->SetFocus();
    Press(VK_F4);
    ASSERT_TRUE(Open());
    ui::ActivateForm(nullptr);
    EXPECT_FALSE(Open());

    ui::ActivateForm(Form);
    Press(VK_F4);
    ASSERT_TRUE(Open());
    auto* window = static_cast<backend::THeadlessWindow*>(Form->NativeWindow());
    window->Events().NativeMoved({Form->Left() + 30, Form->Top() + 30});
    EXPECT_FALSE(Open()) << "the form moving leaves no popup behind";
}

TEST_F(DropDownTest, RefusedOpenings)
{
    bool before = false;
    Drop->OnBeforeDropDown = [&](TObject*) { before = true; };
    Drop->OnDropDown = [](TObject*, bool& accept) { accept = false; };
    Press(VK_F4);
    EXPECT_TRUE(before);
    EXPECT_FALSE(Open());
    EXPECT_FALSE(Drop->DroppedDown());
    Drop->OnDropDown = nullptr;

    Drop->SetReadOnly(true);
    Press(VK_F4);
    ClickButton();
    Drop->ShowDropDown();
    EXPECT_FALSE(Open());
    Drop->SetReadOnly(false);
    Drop->SetEnabled(false);
    Drop->ShowDropDown();
    EXPECT_FALSE(Open());
}

TEST_F(DropDownTest, EscKeepsWhatTheUserTypedBeforeOpening)
{
    Drop->SetText("alpha");
    Drop->SelectAll();
    input::TypeText(*Form, "typed");
    Press(VK_F4);
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_EQ(Drop->Text(), "typed");
}

TEST_F(DropDownTest, TheWheelMovesTheSelectionOpenOrClosed)
{
    Drop->SetText("alpha");
    input::Wheel(*Drop, -120);
    EXPECT_EQ(Drop->Text(), "beta");
    ClickButton();
    input::Wheel(*Drop, 120);
    EXPECT_EQ(Drop->Text(), "alpha");
    EXPECT_TRUE(Open());
}

TEST_F(DropDownTest, AFaceWithoutEditorOpensOnAClickAndTakesOnlyEnterAndEsc)
{
    Drop->SetEditorEnabled(false);
    Drop->SetText("alpha");
    input::TypeText(*Form, "x");
    Press(VK_BACK);
    EXPECT_EQ(Drop->Text(), "alpha");
    input::Click(*Drop, {5, 5});
    ASSERT_TRUE(Open());
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_FALSE(Open());
    EXPECT_EQ(Drop->Text(), "beta");
}

TEST_F(DropDownTest, TheRememberedSizeHoldsUntilANewSizeIsAsked)
{
    Press(VK_F4);
    Drop->DropDownForm()->SetBounds(Drop->DropDownForm()->Left(), Drop->DropDownForm()->Top(), 250, 120);
    Press(VK_ESCAPE);
    Press(VK_F4);
    EXPECT_EQ(Drop->DropDownForm()->Width(), 250);
    EXPECT_EQ(Drop->DropDownForm()->Height(), 120);
    Press(VK_ESCAPE);
    Drop->SetDropDownWidth(300);
    Press(VK_F4);
    EXPECT_EQ(Drop->DropDownForm()->Width(), 300);
    EXPECT_EQ(Drop->DropDownForm()->Height(), 120);
}
