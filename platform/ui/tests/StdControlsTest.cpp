// Buttons, check boxes, radio buttons, labels and the track bar.
#include "UiFixture.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"

using namespace backend;

TEST_F(UiTest, EnterAndEscClickTheDefaultAndCancelButtons)
{
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    auto* ok = new TButton(Form);
    ok->SetParent(Form);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TButton(Form);
    cancel->SetParent(Form);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    int okClicks = 0, cancelClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    cancel->OnClick = [&](TObject*) { ++cancelClicks; };
    Form->Show();
    edit->SetFocus();
    input::PressKey(*Form, VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_EQ(edit->Text(), "") << "Enter taken by the default button makes no character";
    input::PressKey(*Form, VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    // With the focus on another button, Enter clicks that one.
    cancel->SetFocus();
    input::PressKey(*Form, VK_RETURN);
    EXPECT_EQ(cancelClicks, 2);
    EXPECT_EQ(okClicks, 1);
    // Space clicks the focused button on release.
    input::PressKey(*Form, VK_SPACE);
    EXPECT_EQ(cancelClicks, 3);
}

TEST_F(UiTest, CheckBoxTogglesAndRadioButtonsExcludeEachOther)
{
    auto* check = new TCheckBox(Form);
    check->SetParent(Form);
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    auto* r1 = new TRadioButton(Form);
    r1->SetParent(Form);
    r1->SetTop(30);
    auto* r2 = new TRadioButton(Form);
    r2->SetParent(Form);
    r2->SetTop(60);
    Form->Show();
    input::Click(*check);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(clicks, 1);
    check->SetAllowGrayed(true);
    input::Click(*check);
    input::Click(*check);
    EXPECT_EQ(check->State(), cbGrayed) << "checked, unchecked, grayed";
    EXPECT_EQ(clicks, 3);

    r1->SetChecked(true);
    input::Click(*r2);
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    input::Click(*r2);
    EXPECT_TRUE(r2->Checked()) << "clicking a checked radio button keeps it checked";
}

TEST_F(UiTest, LabelAccessKeyFocusesItsControl)
{
    auto* label = new TLabel(Form);
    label->SetParent(Form);
    label->SetCaption("&Name:");
    auto* first = new TEdit(Form);
    first->SetParent(Form);
    auto* target = new TEdit(Form);
    target->SetParent(Form);
    label->SetFocusControl(target);
    Form->Show();
    EXPECT_TRUE(first->Focused());
    input::PressKey(*Form, 'N', TShiftState{ssAlt});
    EXPECT_TRUE(target->Focused());
    EXPECT_EQ(target->Text(), "") << "the access key makes no character";
    EXPECT_GT(label->Width(), 0) << "the label sizes itself to its caption";
}

TEST_F(UiTest, TrackBarClampsAndMovesByLineAndPage)
{
    auto* bar = new TTrackBar(Form);
    bar->SetParent(Form);
    bar->SetRange(1, 21);
    bar->SetPageSize(5);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->SetPosition(11);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(40);
    EXPECT_EQ(bar->Position(), 21) << "set it and take back the bar's value";
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 1);
    bar->SetPosition(1);
    EXPECT_EQ(changes, 3) << "no change, no event";
    bar->SetMin(5);
    EXPECT_EQ(bar->Position(), 5);

    Form->Show();
    bar->SetFocus();
    input::PressKey(*Form, VK_RIGHT);
    EXPECT_EQ(bar->Position(), 6);
    input::PressKey(*Form, VK_NEXT);
    EXPECT_EQ(bar->Position(), 11);
    input::PressKey(*Form, VK_END);
    EXPECT_EQ(bar->Position(), 21);
    TRect thumb = bar->ThumbRect();
    input::MouseDown(*bar, {thumb.Left + 5, thumb.Top + 5});
    input::MouseMove(*bar, {8, thumb.Top + 5}, TShiftState{ssLeft});
    input::MouseUp(*bar, {8, thumb.Top + 5});
    EXPECT_EQ(bar->Position(), 5) << "dragging the thumb to the start";
}
