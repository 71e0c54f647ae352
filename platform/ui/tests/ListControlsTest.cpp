// The list box and the combo box by keyboard and mouse.
#include "UiFixture.h"

#include "platform/ui/ScrollBars.h"

#include "platform/ui/ListControls.h"
#include "platform/ui/ListPopupForm.h"
#include "platform/ui/Screen.h"

using namespace backend;

TEST_F(UiTest, ListBoxChoosesByArrowsLettersAndClicks)
{
    auto* list = new TListBox(Form);
    list->SetParent(Form);
    for (const char* s : {"apple", "banana", "blueberry", "cherry"}) list->Items().Add(s);
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    Form->Show();
    EXPECT_EQ(list->ItemIndex(), -1);
    input::PressKey(*Form, VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 0);
    input::PressKey(*Form, 'B');
    EXPECT_EQ(list->ItemIndex(), 1);
    input::PressKey(*Form, 'B');
    EXPECT_EQ(list->ItemIndex(), 2) << "the next item with that letter";
    input::PressKey(*Form, VK_END);
    EXPECT_EQ(list->ItemIndex(), 3);
    TRect second = list->ItemRect(1);
    input::Click(*list, {second.Left + 3, second.Top + 2});
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 5);
    list->SetItemIndex(1);
    EXPECT_EQ(clicks, 5) << "setting the index in code raises no click";
    list->Items().Delete(3);
    list->Items().Delete(2);
    list->Items().Delete(1);
    EXPECT_EQ(list->ItemIndex(), -1) << "an index past the end is dropped";
}

TEST_F(UiTest, ComboBoxSelectsFromItsListAndDropsDown)
{
    auto* combo = new TComboBox(Form);
    combo->SetParent(Form);
    combo->SetStyle(csDropDownList);
    for (const char* s : {"Default", "Android", "Small"}) combo->Items().Add(s);
    int selects = 0;
    combo->OnSelect = [&](TObject*) { ++selects; };
    Form->Show();
    input::PressKey(*Form, VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "Default");
    input::PressKey(*Form, 'S');
    EXPECT_EQ(combo->Text(), "Small");
    EXPECT_EQ(selects, 2);

    input::PressKey(*Form, VK_DOWN, TShiftState{ssAlt});
    ASSERT_TRUE(combo->DroppedDown());
    input::PressKey(*Form, VK_UP);
    input::PressKey(*Form, VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Android");

    input::Click(*combo, {combo->ClientWidth() + 5, 5});
    EXPECT_TRUE(combo->DroppedDown()) << "the button drops the list";
    input::PressKey(*Form, VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Android");

    // A click in the dropped list chooses; the combo box keeps the focus.
    input::PressKey(*Form, VK_DOWN, TShiftState{ssAlt});
    TListBox* list = nullptr;
    for (int i = 0; i < Screen->FormCount() && !list; ++i)
        if (auto* popup = dynamic_cast<TListPopupForm*>(Screen->Forms(i)); popup && popup->Visible()) list = popup->List;
    ASSERT_NE(list, nullptr);
    const TRect small = list->ItemRect(2);
    input::Click(*list, {small.Left + 5, small.Top + 3});
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Small");
    EXPECT_TRUE(combo->Focused());
    input::Pump();
}

// A dropped list longer than its rows shows a scroll bar that scrolls it; a
// short one shows none.
TEST_F(UiTest, DroppedListLongerThanItsRowsShowsAScrollBar)
{
    auto* combo = new TComboBox(Form);
    combo->SetParent(Form);
    combo->SetStyle(csDropDownList);
    Form->Show();
    auto droppedList = [&]() -> TListBox* {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* popup = dynamic_cast<TListPopupForm*>(Screen->Forms(i)); popup && popup->Visible()) return popup->List;
        return nullptr;
    };
    for (int items : {3, 8, 11}) {
        combo->Items().Clear();
        for (int i = 0; i < items; ++i) combo->Items().Add("Item " + std::to_string(i));
        combo->SetFocus();
        input::PressKey(*Form, VK_DOWN, TShiftState{ssAlt});
        TListBox* list = droppedList();
        ASSERT_NE(list, nullptr);
        const bool bar = ui::WindowScrollBarSpace(*list).cx > 0;
        EXPECT_EQ(bar, items > 8) << items << " items";
        if (bar) {
            // A click on the bar's lower arrow brings the next item in.
            input::Click(*list, {list->ClientWidth() + 4, list->ClientHeight() - 4});
            EXPECT_EQ(list->TopIndex(), 1);
            EXPECT_TRUE(combo->DroppedDown()) << "scrolling keeps the list down";
        }
        input::PressKey(*Form, VK_ESCAPE);
        input::Pump();
    }
}
