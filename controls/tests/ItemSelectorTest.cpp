// The pickers' item list: layout of equal cells, selection and hot item,
// lookup by caption, scrolling an item into view, and the pointer.
#include <gtest/gtest.h>

#include "controls/dropdown/ItemSelector.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"

using namespace controls;
namespace input = backend::input;

namespace {

class ItemSelectorTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Host = new TQuillCustomItemSelector(Form);
        Host->SetParent(Form);
        Host->SetBounds(10, 10, 200, 150);
        Host->OnItemSelect = [this](TObject* s) {
            if (s == Host) Selections.push_back(Host->ItemIndex());
        };
        Form->Show();
    }
    void TearDown() override { delete Form; }
    // Items of one cell size, 20 x 10, so that the layout is plain arithmetic.
    void AddItems(int Count)
    {
        Host->OnItemSize = [](TObject*, TSize& s) { s = {20, 10}; };
        for (int i = 0; i < Count; ++i) Host->Items().Add()->SetCaption("item " + std::to_string(i));
        Host->UpdateSelectorPanel();
    }
    TCustomItemSelector& Panel() const { return *Host->SelectorPanel(); }

    TForm* Form = nullptr;
    TQuillCustomItemSelector* Host = nullptr;
    std::vector<int> Selections;
};

} // namespace

TEST_F(ItemSelectorTest, AnEmptySelectorIsASmallPanelThatFindsNothing)
{
    EXPECT_EQ(Host->GetSelectorPanelSize(), (TSize{100, 50}));
    EXPECT_EQ(Host->GetVisibleItemCount(), 0);
    EXPECT_FALSE(Host->LookupItem("A"));
    EXPECT_THROW(TCustomItemSelector panel(Form), Exception) << "a panel needs a selector as its owner";
}

TEST_F(ItemSelectorTest, ItemsFillRowsOfColumnsCells)
{
    Host->SetColumns(3);
    AddItems(10);
    // Rows of 3, 3, 3 and 1, inside margins of 2.
    EXPECT_EQ(Host->GetSelectorPanelSize(), (TSize{2 + 3 * 20 + 2, 2 + 4 * 10 + 2}));
    EXPECT_EQ(Panel().GetItemRect(4), (TRect{22, 12, 42, 22}));
    EXPECT_EQ(Panel().GetItemRect(9), (TRect{2, 32, 22, 42}));
    EXPECT_EQ(Panel().GetItemRect(10), (TRect{-1, -1, -1, -1}));
    Host->SetColumns(0);
    EXPECT_EQ(Host->Columns(), 3) << "0 columns are ignored";
    Host->SetItemLayout(ilCaptionBottom);
    EXPECT_EQ(Panel().GetItemRect(9), (TRect{2, 32, 22, 42})) << "the layout alone lays nothing out";
    EXPECT_EQ(Host->GetVisibleItemCount(), 150 / 10 * 3);
}

TEST_F(ItemSelectorTest, TheBuiltInSizeHoldsTheLargestBoxAndTheLongestCaption)
{
    Host->SetSelectorType(stColor);
    Host->Items().Add()->SetCaption("a");
    Host->Items().Add()->SetCaption("a much longer caption");
    Host->UpdateSelectorPanel();
    const TRect a = Panel().GetItemRect(0), b = Panel().GetItemRect(1);
    EXPECT_EQ(a.Width(), b.Width()) << "one size for all cells";
    EXPECT_GT(a.Width(), 14 + 4 + 4 + 8 + 60);
    EXPECT_GE(a.Height(), 14 + 8);
    Host->SetItemLayout(ilCaptionTop);
    Host->UpdateSelectorPanel();
    EXPECT_GE(Panel().GetItemRect(0).Height(), 14 + 4 + 8 + 8) << "box and caption stacked";
}

TEST_F(ItemSelectorTest, SelectionHotItemAndNavigation)
{
    AddItems(4);
    Host->Items().Items(2)->SetEnabled(false);
    Host->SelectNext();
    EXPECT_EQ(Host->ItemIndex(), 0) << "from no selection the first";
    Host->SetItemIndex(2);
    EXPECT_EQ(Host->ItemIndex(), 0) << "a disabled item is refused";
    Host->SelectLast();
    Host->SelectNext();
    EXPECT_EQ(Host->ItemIndex(), 3) << "nothing past the last";
    Host->SetItemIndex(3);
    Host->SetItemIndex(-1);
    EXPECT_EQ(Selections, (std::vector<int>{0, 3, 3})) << "the same index selects again; -1 is silent";
    Host->HotNext();
    Host->HotNext();
    EXPECT_EQ(Host->ItemHot(), 1);
    Host->HotPrevious();
    Host->HotPrevious();
    EXPECT_EQ(Host->ItemHot(), 0);
}

TEST_F(ItemSelectorTest, LookupComparesPlainTrimmedUpperCaseCaptions)
{
    for (const char* caption : {"Black", "<b>Red</b>", " red"}) Host->Items().Add()->SetCaption(caption);
    Host->UpdateSelectorPanel();
    EXPECT_TRUE(Host->LookupItem("RE"));
    EXPECT_EQ(Host->ItemIndex(), 1);
    EXPECT_FALSE(Host->LookupItem("re")) << "the caller gives upper case";
    EXPECT_FALSE(Host->LookupItem(""));
    EXPECT_EQ(Host->ItemIndex(), 1);
}

TEST_F(ItemSelectorTest, ThePointerMakesItemsHotWithTheirHintAndAPressSelects)
{
    AddItems(3);
    Host->Items().Items(1)->SetHint("second");
    input::MouseMove(Panel(), {10, 17});
    EXPECT_EQ(Host->ItemHot(), 1);
    EXPECT_EQ(Panel().Hint(), "second");
    input::MouseMove(Panel(), {90, 45});
    EXPECT_EQ(Host->ItemHot(), -1);
    input::MouseDown(Panel(), {10, 27});
    EXPECT_EQ(Selections, std::vector<int>{2});
}

TEST_F(ItemSelectorTest, AnItemOutOfSightScrollsIntoView)
{
    Host->SetBounds(10, 10, 60, 50);
    AddItems(20);
    ASSERT_TRUE(Host->VertScrollBar().Visible());
    Host->SetItemIndex(15);
    const TRect cell = Panel().GetItemRect(15);
    EXPECT_EQ(Panel().Top() + cell.Bottom, Host->ClientHeight()) << "the item's bottom meets the bottom edge";
    Host->SetItemIndex(1);
    EXPECT_EQ(Panel().Top() + Panel().GetItemRect(1).Top, 0) << "the item's top meets the top edge";

    // An item taller than the view: its top comes to the top edge.
    Host->OnItemSize = [](TObject*, TSize& s) { s = {20, 80}; };
    Host->UpdateSelectorPanel();
    Host->SetItemIndex(5);
    EXPECT_EQ(Panel().Top() + Panel().GetItemRect(5).Top, 0);
}
