// The multi-column drop-down: completion while typing in the edit, the open
// list's search, choosing and cancelling, and the columns scaled to the popup.
#include <gtest/gtest.h>

#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillMultiColumnDropDown.h"
#include "controls/tests/ControlShot.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/classes/StringList.h"
#include "platform/ui/Forms.h"
#include "testsupport/GoldenImage.h"

using namespace controls;
namespace input = backend::input;

namespace {

class MultiColumnTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 500, 400);
        Drop = new TQuillMultiColumnDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 20, 200, 24);
        for (const char* h : {"City", "Country", "People"}) Drop->Columns().Add()->Header = h;
        const char* rows[][3] = {{"Hamburg", "Germany", "1,900,000"}, {"Hannover", "Germany", "540,000"},
                                 {"Haarlem", "Netherlands", "160,000"}, {"Bergen", "Norway", "285,000"},
                                 {"Cork", "Ireland", "210,000"}};
        for (const auto& r : rows) {
            TDropDownItem& item = *Drop->Items().Add();
            for (const char* t : r) item.Text().Add(t);
        }
        Drop->EndUpdate();
        Drop->OnSelect = [this](TObject*) { ++Selects; };
        Form->Show();
        Drop->SetFocus();
    }
    void TearDown() override { delete Form; }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }

    TForm* Form = nullptr;
    TQuillMultiColumnDropDown* Drop = nullptr;
    int Selects = 0;
};

} // namespace

TEST_F(MultiColumnTest, TypingCompletesFromTheLookupColumnAndEnterTakesTheItem)
{
    input::TypeText(*Form, "ha");
    EXPECT_EQ(Drop->Text(), "Hamburg") << "after the key's release the entry's own spelling";
    EXPECT_EQ(Drop->SelStart(), 2);
    EXPECT_EQ(Drop->SelLength(), 5);
    EXPECT_EQ(Drop->ItemIndex(), 0) << "the earlier of two matching entries wins";
    input::TypeText(*Form, "nn");
    EXPECT_EQ(Drop->Text(), "Hannover");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    Press(VK_RETURN);
    EXPECT_EQ(Drop->Text(), "Hannover");

    Drop->SetText("");
    input::TypeText(*Form, "hx");
    EXPECT_EQ(Drop->Text(), "Hx") << "a letter no entry continues cuts the text at the caret";

    Drop->SetItemIndex(5);
    EXPECT_EQ(Drop->Text(), "Hx") << "an index past the items is ignored";
    Drop->SetItemIndex(-1);
    EXPECT_EQ(Drop->Text(), "");
    EXPECT_EQ(Drop->GetItemIndex("Cork"), 4);
    EXPECT_EQ(Drop->Items().IndexInColumn(1, "Norway"), 3);
    EXPECT_EQ(Drop->Items().IndexInColumn(1, "norway"), -1);

    // Closed, the arrows step through the items.
    Drop->SetItemIndex(0);
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(Drop->Text(), "Haarlem");
    Press(VK_NEXT);
    EXPECT_EQ(Drop->Text(), "Cork") << "a page stops at the last item";
}

TEST_F(MultiColumnTest, TheOpenListSearchesChoosesAndEscRestores)
{
    Drop->SetItemIndex(4);
    Drop->ShowDropDown();
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Grid()->Row(), 5);
    input::TypeText(*Form, "be");
    EXPECT_EQ(Drop->Grid()->Row(), 4);
    EXPECT_EQ(Drop->Text(), "Bergen");
    Press(VK_ESCAPE);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 4) << "Esc restores the item from before the opening";
    EXPECT_EQ(Drop->Text(), "Cork");

    Drop->ShowDropDown();
    Press(VK_UP);
    Press(VK_UP);
    Press(VK_RETURN);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Text(), "Haarlem");

    // A click on a row chooses it and fires OnSelect.
    Drop->ShowDropDown();
    TQuillColGrid& g = *Drop->Grid();
    const TRect r = g.CellRect(1, 1);
    input::Click(g, {r.Left + 5, r.Top + 5});
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Text(), "Hamburg");
    EXPECT_EQ(Selects, 1);
}

TEST_F(MultiColumnTest, ColumnsScaleToThePopupCarryingTheRoundingError)
{
    EXPECT_EQ(TQuillMultiColumnDropDown::ScaledWidths(std::vector<int>(10, 80), 403),
              (std::vector<int>{40, 40, 40, 40, 41, 40, 40, 40, 41, 40}));
    EXPECT_EQ(TQuillMultiColumnDropDown::ScaledWidths(std::vector<int>(3, 80), 400), (std::vector<int>{133, 133, 133}));

    TQuillMultiColumnDropDown copy(Form);
    copy.Assign(Drop);
    ASSERT_EQ(copy.Items().Count(), 5);
    EXPECT_EQ(copy.Items().Items(3)->Text().Strings(1), "Norway");
    EXPECT_EQ(copy.Columns().Items(2)->Header, "People");
}

TEST_F(MultiColumnTest, TheListLooksAsItsGoldenImage)
{
    Drop->SetComponentStyle(tsOffice2007Luna);
    Drop->SetItemIndex(1);
    Drop->ShowDropDown();
    input::Pump();
    testsupport::ExpectMatchesGolden(Drop->DropDownForm()->Surface(), "multicolumn-popup");
    Drop->HideDropDown(false);
    testsupport::ExpectMatchesGolden(*Shot(*Form, *Drop), "multicolumn-face");
}
