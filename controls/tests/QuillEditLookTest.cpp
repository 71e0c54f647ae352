// The edit's look and label: label placement, colours of the focus, error
// and disabled states, the address look and its click, and a rendered image
// of the edit with its label in its main states.
#include <string>
#include <vector>

#include "QuillEditFixture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "testsupport/GoldenImage.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Shell.h"

TEST_F(QuillEditTest, LabelPlacement)
{
    Edit->SetBounds(120, 60, 121, 21);
    Edit->SetLabelCaption("Name");
    TLabel& label = *Edit->EditLabel();
    EXPECT_EQ(label.Parent(), Form);
    EXPECT_EQ(label.FocusControl(), Edit);

    Edit->SetLabelMargin(2);
    Edit->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(label.Top() + label.Height(), 60 - 2) << "bottom edge 2 pixels above the edit";
    EXPECT_EQ(label.Left(), 120);

    Edit->SetLabelPosition(lpLeftCenter);
    EXPECT_EQ(label.Top(), 60 + (21 - label.Height()) / 2);
    EXPECT_EQ(label.Left() + label.Width(), 120 - 2);

    Edit->SetLabelPosition(lpRightTop);
    EXPECT_EQ(label.Left(), 120 + 121 + 2);
    EXPECT_EQ(label.Top(), 60);

    // A centred label wider than the edit sticks out on both sides alike.
    Edit->SetLabelPosition(lpTopCenter);
    Edit->SetLabelCaption("A caption much wider than the edit is");
    ASSERT_GT(label.Width(), 121);
    EXPECT_LT(label.Left(), 120);
    EXPECT_LE(std::abs((120 - label.Left()) - (label.Left() + label.Width() - 241)), 1);

    // The label follows the edit's moves, visibility and enabled state.
    Edit->SetLabelPosition(lpBottomLeft);
    Edit->SetBounds(30, 20, 121, 21);
    EXPECT_EQ(label.Top(), 20 + 21 + 2);
    EXPECT_EQ(label.Left(), 30);
    Edit->SetVisible(false);
    EXPECT_FALSE(label.Visible());
    Edit->SetVisible(true);
    Edit->SetEnabled(false);
    EXPECT_FALSE(label.Enabled());
    Edit->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label.Enabled());
}

TEST_F(QuillEditTest, LabelIsFreedWithTheEdit)
{
    Edit->SetLabelCaption("Name");
    const int controls = Form->ControlCount();
    delete Edit;
    Edit = nullptr;
    EXPECT_EQ(Form->ControlCount(), controls - 2);
}

TEST_F(QuillEditTest, ErrorAndDisabledColours)
{
    Edit->SetColor(clAqua);
    Edit->SetShowError(true);
    Edit->OnValueValidate = [](TObject*, const std::string& value, bool& valid) { valid = value != "bad"; };
    Edit->SetText("bad");
    EXPECT_TRUE(Edit->IsError());
    EXPECT_EQ(Edit->Color(), clRed);
    EXPECT_EQ(Edit->Font().Color(), clWhite);

    Edit->SetEnabled(false);
    EXPECT_EQ(Edit->Color(), clSilver);
    Edit->SetEnabled(true);
    EXPECT_EQ(Edit->Color(), clAqua) << "re-enabling restores the colour before the error look";

    Edit->SetText("good");
    EXPECT_FALSE(Edit->IsError());
    EXPECT_EQ(Edit->Color(), clAqua);
}

TEST_F(QuillEditTest, AddressLookAndClick)
{
    std::vector<std::string> opened;
    ui::SetShellOpenHandler([&](const std::string& target) {
        opened.push_back(target);
        return true;
    });
    Edit->SetShowURL(true);
    Edit->SetText("@home");
    EXPECT_FALSE(Edit->Font().Style().Contains(fsUnderline)) << "an @ in front is no address";
    Edit->SetText("www.example.org");
    EXPECT_TRUE(Edit->Font().Style().Contains(fsUnderline));
    EXPECT_EQ(Edit->Font().Color(), clBlue);

    Focus();
    backend::input::Click(*Edit, {5, 5});
    EXPECT_EQ(opened, (std::vector<std::string>{"http://www.example.org"}));

    bool offered = false;
    Edit->OnURLClick = [&](TObject*, const std::string&, bool& show) {
        offered = true;
        show = false;
    };
    backend::input::Click(*Edit, {5, 5});
    EXPECT_TRUE(offered);
    EXPECT_EQ(opened.size(), 1u) << "the event may keep the address from opening";

    // Addresses of local files and programs look like links but never open.
    Edit->OnURLClick = nullptr;
    Edit->SetText("file:///usr/bin/env");
    backend::input::Click(*Edit, {5, 5});
    Edit->SetText("ann@example.org");
    backend::input::Click(*Edit, {5, 5});
    EXPECT_EQ(opened, (std::vector<std::string>{"http://www.example.org", "mailto:ann@example.org"}));

    Edit->SetText("plain");
    EXPECT_FALSE(Edit->Font().Style().Contains(fsUnderline));
    ui::SetShellOpenHandler(nullptr);
}

TEST_F(QuillEditTest, RenderedStates)
{
    Form->SetBounds(100, 100, 360, 240);
    delete Before;
    delete After;
    Before = After = nullptr;
    auto add = [&](int left, int top, const char* caption) {
        auto* e = new TQuillEdit(Form);
        e->SetParent(Form);
        e->SetBounds(left, top, 150, 21);
        e->SetLabelMargin(2);
        e->SetLabelPosition(lpTopLeft);
        e->SetLabelCaption(caption);
        return e;
    };
    Edit->SetParent(nullptr);

    TQuillEdit* plain = add(10, 30, "Plain");
    plain->SetText("Corvanta");
    TQuillEdit* empty = add(190, 30, "Empty");
    empty->SetEmptyText("type here");
    TQuillEdit* marked = add(10, 90, "Error marker");
    marked->SetText("mispelled word");
    marked->SetErrorMarkerPos(0);
    marked->SetErrorMarkerLen(9);
    TQuillEdit* error = add(190, 90, "Error look");
    error->SetShowError(true);
    error->OnValueValidate = [](TObject*, const std::string&, bool& valid) { valid = false; };
    error->SetText("bad");
    TQuillEdit* disabled = add(10, 150, "Disabled");
    disabled->SetText("12.50");
    disabled->SetEnabled(false);
    TQuillEdit* flat = add(190, 150, "Flat, focused");
    flat->SetFlat(true);
    flat->SetFocusColor(clInfoBk);
    flat->SetText("focus");
    flat->SetFocus();
    flat->SetAutoSelect(false);

    backend::input::Pump();
    testsupport::ExpectMatchesGolden(Form->Surface(), "quill-edit-states");
}

namespace {

// How many pixels of the edit's client area show the grey of the empty text.
int GreyPixels(TForm& form, TQuillEdit& edit)
{
    backend::input::Pump();
    const TBitmap& surface = form.Surface();
    const TPoint origin = edit.ClientToParent({0, 0}, &form);
    int count = 0;
    for (int y = origin.Y; y < origin.Y + edit.ClientHeight(); ++y)
        for (int x = origin.X; x < origin.X + edit.ClientWidth(); ++x) {
            const TRGBQuad& p = surface.ScanLine(y)[x];
            count += p.rgbRed < 0xA0 && p.rgbRed > 0x60 && p.rgbRed == p.rgbGreen && p.rgbGreen == p.rgbBlue;
        }
    return count;
}

} // namespace

TEST_F(QuillEditTest, FocusLook)
{
    Edit->SetEmptyText("hint");
    Edit->SetLabelCaption("Name");
    Edit->SetFocusLabel(true);
    Edit->SetFocusWidthInc(20);
    Edit->SetFocusFontColor(clNavy);
    EXPECT_GT(GreyPixels(*Form, *Edit), 0) << "the empty text shows while unfocused";

    Focus();
    EXPECT_EQ(GreyPixels(*Form, *Edit), 0) << "and hides on focus";
    EXPECT_TRUE(Edit->EditLabel()->Font().Style().Contains(fsBold));
    EXPECT_EQ(Edit->Width(), 170);
    EXPECT_EQ(Edit->Font().Color(), clNavy);

    After->SetFocus();
    EXPECT_FALSE(Edit->EditLabel()->Font().Style().Contains(fsBold));
    EXPECT_EQ(Edit->Width(), 150);
    EXPECT_EQ(Edit->Font().Color(), clWindowText);

    Edit->SetEmptyTextFocused(true);
    Focus();
    EXPECT_GT(GreyPixels(*Form, *Edit), 0) << "unless it is asked for while focused";
}

TEST_F(QuillEditTest, FocusSelectsAnAddressAfterItsScheme)
{
    Edit->SetShowURL(true);
    Edit->SetText("https://example.org");
    Focus();
    EXPECT_EQ(Edit->SelText(), "example.org");
}

TEST_F(QuillEditTest, ModifiedLook)
{
    Edit->SetShowModified(true);
    Edit->SetText("abc");
    Focus();
    Caret(3);
    Type("d");
    EXPECT_EQ(Edit->Font().Color(), clHighlight);
    Edit->SetText("fresh");
    EXPECT_EQ(Edit->Font().Color(), clWindowText);
    EXPECT_FALSE(Edit->Modified());
}
