// The popup's header and footer strips, its size grip and its look.
#include <gtest/gtest.h>

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/DropDownPanels.h"
#include "controls/dropdown/QuillListDropDown.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "testsupport/GoldenImage.h"

using namespace controls;
namespace input = backend::input;

namespace {

class DropDownPopupTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Drop = new TQuillListDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 20, 150, 21);
        for (const char* s : {"alpha", "beta", "gamma"}) Drop->Items().Add(s);
        Form->Show();
        Drop->SetFocus();
    }
    void TearDown() override { delete Form; }

    TDropDownForm& Popup() const { return *Drop->DropDownForm(); }
    TColor PopupPixel(TPoint p)
    {
        input::Pump();
        const TRGBQuad& q = Popup().Surface().ScanLine(p.Y)[p.X];
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }

    TForm* Form = nullptr;
    TQuillListDropDown* Drop = nullptr;
};

} // namespace

TEST_F(DropDownPopupTest, HeaderControlAndFooterStackInsideTheBorder)
{
    Drop->ShowDropDown();
    TDropDownPanel* header = Popup().Header();
    TDropDownPanel* footer = Popup().Footer();
    ASSERT_TRUE(header && footer);
    EXPECT_EQ(header->BoundsRect(), (TRect{1, 1, Popup().Width() - 1, 23}));
    EXPECT_EQ(Drop->List().Top(), 23);
    EXPECT_EQ(footer->Top(), Drop->List().Top() + Drop->List().Height());
    EXPECT_EQ(footer->Top() + footer->Height(), Popup().Height() - 1);
    EXPECT_EQ(Popup().Height(), 2 + 22 + 22 + Drop->List().Height());
    Drop->HideDropDown(true);

    Drop->DropDownHeader().SetVisible(false);
    Drop->DropDownFooter().SetVisible(false);
    Drop->SetDropDownHeight(0);
    Drop->SetDropDownHeight(-1); // forgets the size the popup closed with
    Drop->ShowDropDown();
    EXPECT_FALSE(Popup().Header()->Visible());
    EXPECT_EQ(Popup().Height(), std::max(TQuillCustomDropDown::MinPopupHeight, 2 + Drop->List().Height()));
}

TEST_F(DropDownPopupTest, TheGripResizesThePopupAndTheNextOpeningKeepsTheSize)
{
    Drop->ShowDropDown();
    int sizings = 0;
    Popup().OnSizing = [&](TObject*) { ++sizings; };
    TDropDownPanel& footer = *Popup().Footer();
    const int w = Popup().Width(), h = Popup().Height();
    TPoint grip{footer.Width() - 5, footer.Height() - 5};
    input::MouseDown(footer, grip);
    input::MouseMove(footer, {grip.X + 40, grip.Y + 30});
    input::MouseUp(footer, {grip.X + 40, grip.Y + 30});
    EXPECT_EQ(Popup().Width(), w + 40);
    EXPECT_EQ(Popup().Height(), h + 30);
    EXPECT_GE(sizings, 1) << "the sizing is reported while it runs";
    EXPECT_TRUE(Drop->DroppedDown()) << "pressing the grip is a press inside the popup";
    // The popup cannot shrink below its smallest size.
    input::MouseDown(*Popup().Footer(), {Popup().Footer()->Width() - 5, Popup().Footer()->Height() - 5});
    input::MouseMove(*Popup().Footer(), {-500, -500});
    input::MouseUp(*Popup().Footer(), {-500, -500});
    EXPECT_EQ(Popup().Width(), TQuillCustomDropDown::MinPopupWidth);
    EXPECT_EQ(Popup().Height(), TQuillCustomDropDown::MinPopupHeight);
    Drop->HideDropDown(false);
    Drop->ShowDropDown();
    EXPECT_EQ(Popup().Width(), TQuillCustomDropDown::MinPopupWidth);

    // Without a sizeable popup the footer shows no grip and a press there resizes nothing.
    Drop->HideDropDown(false);
    Drop->SetDropDownSizeable(false);
    Drop->ShowDropDown();
    const int w2 = Popup().Width();
    input::MouseDown(*Popup().Footer(), {Popup().Footer()->Width() - 5, Popup().Footer()->Height() - 5});
    input::MouseMove(*Popup().Footer(), {Popup().Footer()->Width() + 40, 5});
    EXPECT_EQ(Popup().Width(), w2);
}

TEST_F(DropDownPopupTest, Look)
{
    // Captions take markup.
    Drop->DropDownHeader().Caption = "Choose a <b>name</b>";
    Drop->DropDownFooter().Caption = "3 names";
    Drop->SetText("beta");
    Drop->ShowDropDown();
    input::Pump();
    testsupport::ExpectMatchesGolden(Popup().Surface(), "dropdown-popup");
}

TEST_F(DropDownPopupTest, AnOwnerDrawnStripReplacesCaptionAndGrip)
{
    Drop->DropDownFooter().Caption = "never drawn";
    Drop->OnDrawFooter = [](TObject*, TCanvas& canvas, const TRect& r) {
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(r);
    };
    std::string asked;
    Drop->DropDownHeader().Caption = "plain";
    Drop->OnGetHeaderText = [&](TObject*, std::string& text) {
        asked = text;
        text = "replaced";
    };
    Drop->ShowDropDown();
    TDropDownPanel& footer = *Popup().Footer();
    for (TPoint p : {TPoint{5, 5}, TPoint{footer.Width() - 4, footer.Height() - 4}})
        EXPECT_EQ(PopupPixel({footer.Left() + p.X, footer.Top() + p.Y}), clRed);
    EXPECT_EQ(asked, "plain");
}

TEST_F(DropDownPopupTest, AStripShowsItsPictureBeforeTheCaption)
{
    TBitmap red(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 16, 16});
    TImageList images;
    images.AddMasked(&red, clFuchsia);
    Drop->SetImages(&images);
    Drop->DropDownHeader().ImageIndex = 0;
    Drop->DropDownHeader().Caption = "With a picture";
    Drop->ShowDropDown();
    input::Pump();
    TBitmap shot;
    shot.Assign(&Popup().Surface());
    const TDropDownPanel& header = *Popup().Header();
    const int border = Drop->DropDownHeader().BorderWidth;
    const TPoint middle{header.Left() + border + 4 + 8, header.Top() + header.Height() / 2};
    EXPECT_EQ(shot.Canvas()->Pixels(middle.X, middle.Y) & 0xFFFFFF, clRed);
    Drop->HideDropDown(false);
    Drop->SetImages(nullptr);
}

TEST_F(DropDownPopupTest, StripButtonsLineUpAndClickAndFooterButtonsDecide)
{
    for (const char* caption : {"One", "Two", "Three"}) Drop->DropDownHeader().Buttons.push_back({caption});
    TStripButton ok{"OK"}, cancel{"Cancel"};
    ok.ModalResult = mrOk;
    cancel.ModalResult = mrCancel;
    Drop->DropDownFooter().Buttons = {ok, cancel};
    std::vector<int> headerClicks, footerClicks;
    Drop->OnDropDownHeaderButtonClick = [&](TObject*, int index) { headerClicks.push_back(index); };
    Drop->OnDropDownFooterButtonClick = [&](TObject*, int index) { footerClicks.push_back(index); };
    Drop->SetText("alpha");
    Drop->ShowDropDown();
    const auto& header = Popup().Header()->ButtonList();
    ASSERT_EQ(header.size(), 3u);
    // Right aligned: the first is the rightmost, and they touch.
    EXPECT_EQ(header[0]->Left() + header[0]->Width(), Popup().Header()->ClientWidth() - 2);
    EXPECT_EQ(header[1]->Left() + header[1]->Width(), header[0]->Left());
    EXPECT_EQ(header[2]->Left() + header[2]->Width(), header[1]->Left());
    input::Click(*header[1], {3, 3});
    EXPECT_EQ(headerClicks, std::vector<int>{1});
    EXPECT_TRUE(Drop->DroppedDown()) << "a header button keeps the popup open";

    input::PressKey(*Form, VK_DOWN);
    ASSERT_EQ(Drop->Text(), "beta");
    const auto& footer = Popup().Footer()->ButtonList();
    ASSERT_EQ(footer.size(), 2u);
    input::Click(*footer[1], {3, 3});
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Text(), "alpha") << "Cancel closes and cancels";
    EXPECT_EQ(footerClicks, std::vector<int>{1});

    Drop->ShowDropDown();
    input::Click(*Popup().Footer()->ButtonList()[0], {3, 3});
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(footerClicks, (std::vector<int>{1, 0}));
}
