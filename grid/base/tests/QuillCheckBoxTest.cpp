// The grid check box: toggling by mouse, Space and accelerator, read-only and
// grayed boxes, and its drawing.
#include "ButtonsFixture.h"

#include "grid/base/QuillCheckBox.h"
#include "testsupport/GoldenImage.h"

using namespace backend;

namespace {

class CheckBoxTest : public ButtonsTest {
protected:
    TQuillCheckBox* AddBox(int Top, const std::string& Caption = "Match case")
    {
        auto* box = new TQuillCheckBox(Form.get());
        box->SetParent(Form.get());
        box->SetBounds(10, Top, 120, 22);
        box->SetTabStop(true);
        box->SetCaption(Caption);
        box->OnClick = [this](TObject*) { ++Clicks; };
        return box;
    }
    int Clicks = 0;
};

} // namespace

TEST_F(CheckBoxTest, ConstructorDefaults)
{
    TQuillCheckBox box(nullptr);
    EXPECT_EQ(box.Width(), 98);
    EXPECT_EQ(box.Height(), 20);
    EXPECT_EQ(box.Caption(), "TQuillCheckBox");
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_EQ(box.ButtonVertAlign(), tlTop);
    EXPECT_FALSE(box.ControlStyle().Contains(csClickEvents));
}

TEST_F(CheckBoxTest, ClickTogglesAndClicksOnce)
{
    TQuillCheckBox* box = AddBox(10);
    input::Click(*box, {5, 5});
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    EXPECT_FALSE(box->Down());
    EXPECT_EQ(Clicks, 1);
    input::Click(*box, {5, 5});
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Clicks, 2);

    // Pressed and dragged off: down only while inside, no toggle on release outside.
    input::MouseDown(*box, {5, 5});
    EXPECT_TRUE(box->Down());
    input::MouseMove(*box, {300, 5}, {ssLeft});
    EXPECT_FALSE(box->Down());
    input::MouseUp(*box, {300, 5});
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CheckBoxTest, SpaceTogglesOnRelease)
{
    TQuillCheckBox* box = AddBox(10);
    box->SetFocus();
    input::KeyDown(*Form, VK_SPACE);
    EXPECT_TRUE(box->Down());
    EXPECT_FALSE(box->Checked());
    input::KeyUp(*Form, VK_SPACE);
    EXPECT_FALSE(box->Down());
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(Clicks, 1);
}

TEST_F(CheckBoxTest, ReadOnlyBoxKeepsItsStateButStillClicks)
{
    TQuillCheckBox* box = AddBox(10);
    box->SetReadOnly(true);
    input::Click(*box, {5, 5});
    input::PressKey(*Form, VK_SPACE);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CheckBoxTest, GrayedBoxIsNotCheckedAndTogglesToChecked)
{
    TQuillCheckBox* box = AddBox(10);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    box->Toggle();
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(CheckBoxTest, AcceleratorTogglesAndFocuses)
{
    AddBox(10, "First");
    TQuillCheckBox* box = AddBox(40, "&Match case");
    input::PressKey(*Form, 'M', {ssAlt});
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
}

TEST_F(CheckBoxTest, StatesMatchTheirReference)
{
    TQuillCheckBox* unchecked = AddBox(10, "Plain");
    TQuillCheckBox* checked = AddBox(34, "Checked");
    checked->SetChecked(true);
    TQuillCheckBox* grayed = AddBox(58, "Grayed");
    grayed->SetState(cbGrayed);
    TQuillCheckBox* disabled = AddBox(82, "Disabled");
    disabled->SetEnabled(false);
    TQuillCheckBox* right = AddBox(106, "A long caption that ends early");
    right->SetAlignment(taRightJustify);
    right->SetEllipsis(true);
    right->SetChecked(true);
    unchecked->SetFocus();
    testsupport::ExpectMatchesGolden(*Snapshot({0, 0, 140, 134}), "quill-check-box");
}

TEST_F(CheckBoxTest, ReturnMovesOnLikeTabWhenAsked)
{
    TQuillCheckBox* first = AddBox(10, "First");
    TQuillCheckBox* second = AddBox(40, "Second");
    first->SetFocus();
    input::PressKey(*Form, VK_RETURN);
    EXPECT_TRUE(first->Focused());
    first->SetReturnIsTab(true);
    input::PressKey(*Form, VK_RETURN);
    input::Pump();
    EXPECT_TRUE(second->Focused());
    EXPECT_FALSE(first->Checked());
}
