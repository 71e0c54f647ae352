// The scroll bar control and the scroll bars in a window's frame.
#include "UiFixture.h"

#include "platform/ui/ScrollBars.h"

using namespace backend;

namespace {
// A control that records the scroll messages its window scroll bars send.
class TScrolled : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::pair<unsigned, int>> Codes;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_VSCROLL) Codes.emplace_back(m.WParamLo(), static_cast<int>(m.WParamHi()));
        TCustomControl::WndProc(m);
    }
};
} // namespace

TEST_F(UiTest, WindowScrollBarTakesRoomAndReportsArrowsAndThumb)
{
    auto* c = new TScrolled(Form);
    c->SetParent(Form);
    c->SetBounds(10, 10, 200, 200);
    Form->Show();
    EXPECT_EQ(c->ClientWidth(), 200);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 500;
    EXPECT_EQ(SetScrollInfo(c->Handle(), SB_VERT, si, true), 90) << "the position stops a page before the end";
    EXPECT_EQ(c->ClientWidth(), 200 - GetSystemMetrics(SM_CXVSCROLL));
    SetScrollPos(c->Handle(), SB_VERT, 0, true);

    int right = c->ClientWidth() + 8;
    input::Click(*c, {right, 190});
    ASSERT_GE(c->Codes.size(), 2u);
    EXPECT_EQ(c->Codes[0].first, SB_LINEDOWN);
    EXPECT_EQ(c->Codes[1].first, SB_ENDSCROLL);
    c->Codes.clear();

    // Dragging the thumb (at the top) to the bottom tracks, then settles.
    input::MouseDown(*c, {right, 20});
    input::MouseMove(*c, {right, 400}, TShiftState{ssLeft});
    input::MouseUp(*c, {right, 400});
    ASSERT_EQ(c->Codes.size(), 3u);
    EXPECT_EQ(c->Codes[0], (std::pair<unsigned, int>{SB_THUMBTRACK, 90}));
    EXPECT_EQ(c->Codes[1], (std::pair<unsigned, int>{SB_THUMBPOSITION, 90}));
    EXPECT_EQ(c->Codes[2].first, SB_ENDSCROLL);

    si.fMask = SIF_RANGE;
    si.nMax = 5;
    SetScrollInfo(c->Handle(), SB_VERT, si, true);
    EXPECT_EQ(c->ClientWidth(), 200) << "a range within the page hides the bar";
}

TEST_F(UiTest, ScrollBarControlRaisesScrollWithItsCodes)
{
    auto* bar = new TScrollBar(Form);
    bar->SetParent(Form);
    bar->SetBounds(0, 0, 200, 17);
    bar->SetParams(0, 0, 50);
    bar->SetPageSize(11);
    bar->SetLargeChange(10);
    std::vector<TScrollCode> codes;
    bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
        codes.push_back(code);
        if (code == scPageDown) pos += 1; // a handler may change where it goes
    };
    Form->Show();
    input::Click(*bar, {150, 8});
    EXPECT_EQ(bar->Position(), 11);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scPageDown, scEndScroll}));
    bar->SetPosition(100);
    EXPECT_EQ(bar->Position(), 40) << "the last page starts at Max - PageSize + 1";
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
}
