// Focus and activation: messages that name the other window, tab order, capture.
#include "UiFixture.h"

#include "platform/ui/Screen.h"

using namespace backend;

TEST_F(UiTest, FocusMessagesNameTheOtherWindowAndEnterExitFollow)
{
    auto* a = AddControl("a");
    auto* b = AddControl("b", 60);
    HWND killedFor = 0, setFrom = 0;
    std::vector<std::string> order;
    a->OnExit = [&](TObject*) { order.push_back("a exit"); };
    b->OnEnter = [&](TObject*) { order.push_back("b enter"); };
    Form->Show();
    a->SetFocus();
    a->WindowProc = [&, a](TMessage& m) {
        if (m.Msg == WM_KILLFOCUS) killedFor = m.WParam;
        a->WndProc(m);
    };
    b->WindowProc = [&, b](TMessage& m) {
        if (m.Msg == WM_SETFOCUS) setFrom = m.WParam;
        b->WndProc(m);
    };
    b->SetFocus();
    EXPECT_EQ(killedFor, b->Handle());
    EXPECT_EQ(setFrom, a->Handle());
    EXPECT_EQ(order, (std::vector<std::string>{"a exit", "b enter"}));
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(Form->ActiveControl(), b);
}

TEST_F(UiTest, TabFollowsTabOrderSkippingWhatCannotTakeFocus)
{
    auto* a = AddControl("a");
    auto* b = AddControl("b", 60);
    auto* c = AddControl("c", 120);
    auto* d = AddControl("d", 180);
    c->SetTabOrder(0);     // order now: c a b d
    b->SetEnabled(false);  // skipped
    d->SetTabStop(false);  // skipped
    Form->Show();
    EXPECT_TRUE(c->Focused()) << "activation focuses the first control in tab order";
    input::PressKey(*Form, VK_TAB);
    EXPECT_TRUE(a->Focused());
    input::PressKey(*Form, VK_TAB);
    EXPECT_TRUE(c->Focused()) << "wraps round";
    input::PressKey(*Form, VK_TAB, TShiftState{ssShift});
    EXPECT_TRUE(a->Focused()) << "Shift+Tab goes back";
}

TEST_F(UiTest, ActivationTellsBothFormsAndPopupsNeverTakeIt)
{
    TForm second(nullptr);
    std::vector<std::string> events;
    Form->OnDeactivate = [&](TObject*) { events.push_back("first deactivate"); };
    second.OnActivate = [&](TObject*) { events.push_back("second activate"); };
    Form->Show();
    EXPECT_EQ(Screen->ActiveForm(), Form);
    second.Show();
    EXPECT_EQ(events, (std::vector<std::string>{"first deactivate", "second activate"}));

    TForm popup(nullptr);
    popup.SetPopup(true);
    popup.Show();
    input::Click(popup);
    EXPECT_EQ(Screen->ActiveForm(), &second);
}

TEST_F(UiTest, CaptureKeepsMouseMessagesComingAfterThePointerLeaves)
{
    auto* a = AddControl("a");
    auto* b = AddControl("b", 100);
    std::vector<TPoint> moves;
    a->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    Form->Show();
    input::MouseDown(*a, {5, 5});
    EXPECT_EQ(ui::CaptureControl(), a);
    input::MouseMove(*b, {10, 5}, TShiftState{ssLeft});
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), (TPoint{110, 5})) << "in the capturing control's coordinates";
    input::MouseUp(*b, {10, 5});
    EXPECT_EQ(ui::CaptureControl(), nullptr);
    EXPECT_EQ(clicks, 0) << "released outside: no click";
    input::Click(*a);
    EXPECT_EQ(clicks, 1);
}

TEST_F(UiTest, SecondPressInTimeIsADoubleClick)
{
    auto* a = AddControl("a");
    int doubles = 0;
    a->OnDblClick = [&](TObject*) { ++doubles; };
    Form->Show();
    input::DoubleClick(*a);
    EXPECT_EQ(doubles, 1);
    input::Click(*a);
    HeadlessBackend().AdvanceClock(1000);
    input::Click(*a);
    EXPECT_EQ(doubles, 1) << "presses too far apart are two clicks";
}

TEST_F(UiTest, MouseEnterAndLeaveFollowThePointer)
{
    auto* a = AddControl("a");
    auto* b = AddControl("b", 100);
    std::vector<std::string> events;
    a->OnMouseEnter = [&](TObject*) { events.push_back("enter a"); };
    a->OnMouseLeave = [&](TObject*) { events.push_back("leave a"); };
    b->OnMouseEnter = [&](TObject*) { events.push_back("enter b"); };
    Form->Show();
    input::MouseMove(*a, {1, 1});
    input::MouseMove(*a, {2, 2});
    input::MouseMove(*b, {1, 1});
    EXPECT_EQ(events, (std::vector<std::string>{"enter a", "leave a", "enter b"}));
}
