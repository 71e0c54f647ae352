// The combo box: its label at every position and in step with the combo,
// focus colours, button width, list width, list notifications, the flat
// look's colours, and the rendered looks.
#include <string>

#include "EditorsFixture.h"
#include "grid/base/SarnComboBox.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "testsupport/GoldenImage.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Screen.h"

using namespace backend;

namespace {

// The popup form holding the dropped list, or null.
TCustomForm* DroppedListForm(const TCustomForm& owner)
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        TCustomForm* form = Screen->Forms(i);
        if (form != &owner && form->Visible()) return form;
    }
    return nullptr;
}

} // namespace

TEST_F(EditorsTest, ComboLabelStandsAtEachPosition)
{
    auto* combo = Add<TSarnComboBox>(120, 80, 121, 21);
    combo->SetLabelCaption("Country");
    TLabel& label = *combo->ComboLabel();
    EXPECT_EQ(label.Parent(), Form);
    EXPECT_EQ(label.FocusControl(), combo);
    const int L = 120, T = 80, W = 121, H = 21, M = combo->LabelMargin();
    ASSERT_EQ(M, 4);
    const int lw = label.Width(), lh = label.Height();
    struct Case {
        TLabelPosition position;
        const char* name;
        int top, left;
    };
    const Case cases[] = {
        {lpLeftTop, "lpLeftTop", T, L - lw - M},
        {lpLeftCenter, "lpLeftCenter", T + (H - lh) / 2, L - lw - M},
        {lpLeftBottom, "lpLeftBottom", T + H - lh, L - lw - M},
        {lpTopLeft, "lpTopLeft", T - lh - M, L},
        {lpBottomLeft, "lpBottomLeft", T + H + M, L},
        {lpLeftTopLeft, "lpLeftTopLeft", T, L - M},
        {lpLeftCenterLeft, "lpLeftCenterLeft", T + (H - lh) / 2, L - M},
        {lpLeftBottomLeft, "lpLeftBottomLeft", T + H - lh, L - M},
        {lpTopCenter, "lpTopCenter", T - lh - M, L + (W - lw) / 2},
        {lpBottomCenter, "lpBottomCenter", T + H + M, L + (W - lw) / 2},
        {lpRightTop, "lpRightTop", T, L + W + M},
        {lpRightCenter, "lpRightCenter", T + (H - lh) / 2, L + W + M},
        {lpRighBottom, "lpRighBottom", T + H - lh, L + W + M},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        combo->SetLabelPosition(c.position);
        EXPECT_EQ(label.Top(), c.top);
        EXPECT_EQ(label.Left(), c.left);
    }

    // A centred label wider than the combo sticks out on both sides; halves round towards zero.
    combo->SetLabelCaption("A caption much wider than the combo box is");
    combo->SetLabelPosition(lpTopCenter);
    ASSERT_GT(label.Width(), W);
    EXPECT_EQ(label.Left(), L + (W - label.Width()) / 2);
    EXPECT_LT(label.Left(), L);

    // The label moves with the combo and with a new margin.
    combo->SetLabelPosition(lpBottomLeft);
    combo->SetLabelMargin(2);
    combo->SetBounds(30, 20, 121, 21);
    EXPECT_EQ(label.Top(), 20 + 21 + 2);
    EXPECT_EQ(label.Left(), 30);
}

TEST_F(EditorsTest, ComboLabelFollowsVisibilityEnabledStateAndFocus)
{
    auto* combo = Add<TSarnComboBox>(120, 80, 121, 21);
    combo->SetLabelCaption("Country");
    TLabel& label = *combo->ComboLabel();
    combo->SetVisible(false);
    EXPECT_FALSE(label.Visible());
    combo->SetVisible(true);
    EXPECT_TRUE(label.Visible());
    combo->SetEnabled(false);
    EXPECT_FALSE(label.Enabled());
    combo->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label.Enabled());
    combo->SetEnabled(true);
    combo->SetLabelAlwaysEnabled(false);
    combo->SetEnabled(false);
    combo->SetEnabled(true);
    EXPECT_TRUE(label.Enabled());

    combo->SetFocusLabel(true);
    Form->Show();
    combo->SetFocus();
    EXPECT_TRUE(label.Font().Style().Contains(fsBold));
    Other->SetFocus();
    EXPECT_FALSE(label.Font().Style().Contains(fsBold));

    const int controls = Form->ControlCount();
    delete combo;
    EXPECT_EQ(Form->ControlCount(), controls - 2) << "the label goes with the combo";
}

TEST_F(EditorsTest, ComboFocusColourComesAndGoes)
{
    for (bool initialised : {true, false}) {
        SCOPED_TRACE(initialised ? "after Init" : "made in code without Init");
        auto* combo = Add<TSarnComboBox>(120, 80, 121, 21);
        combo->SetColor(clWhite);
        combo->SetFocusColor(clRed);
        if (initialised) combo->Init();
        Form->Show();
        combo->SetFocus();
        EXPECT_EQ(combo->Color(), clRed);
        Other->SetFocus();
        EXPECT_EQ(combo->Color(), clWhite);
        delete combo;
    }
}

TEST_F(EditorsTest, ComboWithAutoFocusTakesTheFocusWhenTheMouseEnters)
{
    auto* plain = Add<TSarnComboBox>(120, 40, 121, 21);
    auto* autoFocus = Add<TSarnComboBox>(120, 80, 121, 21);
    autoFocus->SetAutoFocus(true);
    Form->Show();
    Other->SetFocus();
    input::MouseMove(*plain, {5, 5});
    EXPECT_TRUE(Other->Focused());
    input::MouseMove(*autoFocus, {5, 5});
    EXPECT_TRUE(autoFocus->Focused());
}

TEST_F(EditorsTest, ComboButtonWidthTakesOnly14To32)
{
    auto* combo = Add<TSarnComboBox>(120, 80, 121, 21);
    EXPECT_EQ(combo->ButtonWidth(), 19);
    const int clientAt19 = combo->ClientWidth();
    struct Case {
        int value, expected;
    };
    for (const Case c : {Case{13, 19}, Case{33, 19}, Case{14, 14}, Case{32, 32}}) {
        SCOPED_TRACE(c.value);
        combo->SetButtonWidth(c.value);
        EXPECT_EQ(combo->ButtonWidth(), c.expected);
        EXPECT_EQ(combo->ClientWidth(), clientAt19 - (c.expected - 19)) << "the text area gives way to the button";
    }
}

TEST_F(EditorsTest, ComboDropWidthAndListNotifications)
{
    auto* combo = Add<TSarnComboBox>(120, 80, 121, 21);
    for (const char* s : {"Belgium", "Canada"}) combo->Items().Add(s);
    int dropUps = 0;
    combo->OnDropUp = [&](TObject*) { ++dropUps; };
    Form->Show();

    combo->SetDroppedDown(true);
    ASSERT_NE(DroppedListForm(*Form), nullptr);
    EXPECT_EQ(DroppedListForm(*Form)->Width(), 121) << "no drop width: as wide as the combo";
    EXPECT_EQ(dropUps, 0) << "opening fires nothing";
    combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 1);
    input::Pump();

    combo->SetDropWidth(300);
    combo->SetDroppedDown(true);
    EXPECT_EQ(DroppedListForm(*Form)->Width(), 300);
    combo->SetDroppedDown(false);
    input::Pump();

    combo->SetDropWidth(0);
    combo->SetDroppedDown(true);
    EXPECT_EQ(DroppedListForm(*Form)->Width(), 121) << "0 gives the combo's width back";
    combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 3);
    input::Pump();

    // A width loaded with the combo applies once loading ends.
    auto* loaded = new TSarnComboBox(nullptr);
    loaded->BeginLoading();
    loaded->SetParent(Form);
    loaded->SetBounds(120, 120, 121, 21);
    loaded->SetDropWidth(250);
    loaded->EndLoading();
    loaded->SetDroppedDown(true);
    EXPECT_EQ(DroppedListForm(*Form)->Width(), 250);
    loaded->SetDroppedDown(false);
    input::Pump();
    delete loaded;
}

TEST_F(EditorsTest, ComboSelectItemAndFlatColours)
{
    auto* combo = Add<TSarnComboBox>(120, 80, 121, 21);
    for (const char* s : {"Belgium", "Canada"}) combo->Items().Add(s);
    combo->SelectItem("Canada");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SelectItem("Chile");
    EXPECT_EQ(combo->ItemIndex(), 1) << "a text not in the list changes nothing";

    Form->SetColor(clSilver);
    combo->SetFlat(true);
    EXPECT_EQ(combo->Color(), clSilver) << "a flat combo takes its parent's colour";
    combo->SetColor(clYellow);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), clSilver);
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), clYellow) << "enabling brings back the colour it had";
    combo->SetFlat(false);
    EXPECT_EQ(combo->Color(), clWindow);
}

TEST_F(EditorsTest, ComboLooks)
{
    auto add = [&](int left, int top, const char* caption) {
        auto* combo = Add<TSarnComboBox>(left, top, 150, 21);
        combo->SetLabelPosition(lpTopLeft);
        combo->SetLabelMargin(2);
        combo->SetLabelCaption(caption);
        combo->SetText(caption);
        return combo;
    };
    Other->SetVisible(false);
    add(10, 25, "Platform look");
    add(190, 25, "Flat")->SetFlat(true);
    auto* line = add(10, 80, "Flat with line");
    line->SetFlat(true);
    line->SetFlatLineColor(clBlue);
    add(190, 80, "Border colour")->SetBorderColor(clGreen);
    auto* button = add(10, 135, "Button colours");
    button->SetButtonColor(clNavy);
    button->SetButtonTextColor(clWhite);
    button->SetButtonBorderColor(clBlack);
    auto* disabled = add(190, 135, "Flat, disabled");
    disabled->SetFlat(true);
    disabled->SetEnabled(false);
    auto* focused = add(10, 190, "Focused");
    focused->SetFocusColor(clInfoBk);
    focused->SetFocusBorderColor(clRed);
    focused->SetFocusLabel(true);
    focused->SetAutoSelect(false);
    Form->Show();
    focused->SetFocus();
    input::Pump();
    testsupport::ExpectMatchesGolden(Form->Surface(), "sarn-combo-boxes");
}
