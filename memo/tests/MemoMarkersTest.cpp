// Markers and numbered bookmarks: the memo's operations, their errors, and marks following line edits.
#include "MemoFixture.h"

#include "memo/MemoLineAttributes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exceptions.h"

namespace {

std::vector<int> MarkerLines(const TQuillMemo& memo)
{
    std::vector<int> lines;
    for (int i = 0; i < memo.MarkerCount(); ++i) lines.push_back(memo.MarkerList().Markers().Items(i)->LineNumber());
    return lines;
}

void ExpectMessage(const std::function<void()>& call, const std::string& message)
{
    try {
        call();
        ADD_FAILURE() << "no exception, expected " << message;
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
}

} // namespace

TEST_F(MemoTest, MarkersAddOncePerLineAndNavigate)
{
    SetText({"a", "b", "c", "d", "e", "f"});
    int added = 0;
    Memo->OnMarkerAdded = [&](int, const std::string&) { ++added; };
    Memo->AddMarker(3, 0);
    Memo->AddMarker(3, 0);
    EXPECT_EQ(Memo->MarkerCount(), 1);
    EXPECT_EQ(added, 2) << "the event fires for every call";
    Memo->AddMarker(5, 2, "five");
    Memo->GoToMarkerName("five");
    EXPECT_EQ(Caret(), std::make_pair(0, 5));
    Memo->GoToMarker(0);
    EXPECT_EQ(Caret(), std::make_pair(0, 3));
    ExpectMessage([&] { Memo->GoToMarker(-1); }, "Invalid marker index");
    ExpectMessage([&] { Memo->GoToMarker(2); }, "Invalid marker index");
    ExpectMessage([&] { Memo->GoToMarkerName("six"); }, "Marker name not found");
    TQuillMarkers copy(nullptr);
    EXPECT_TRUE(Memo->GetMarkers(copy));
    EXPECT_EQ(copy.Count(), 2);
    Memo->RemoveMarker(3);
    EXPECT_EQ(MarkerLines(*Memo), std::vector<int>{5});
    Memo->ClearAllMarkers();
    EXPECT_FALSE(Memo->HasMarkers());
}

TEST_F(MemoTest, MarksFollowTheirLinesThroughEdits)
{
    SetText({"l0", "l1", "l2", "l3", "l4", "l5", "l6"});
    Memo->AddMarker(2, 0);
    Memo->AddMarker(5, 0);
    Memo->SetBookmarks(1, 5);
    Memo->SetCurY(2);
    Memo->SetCurX(2);
    Press(VK_RETURN);
    EXPECT_EQ(MarkerLines(*Memo), (std::vector<int>{2, 6})) << "the line after the break moves down";
    EXPECT_EQ(Memo->Bookmarks(1), 6);
    Press(VK_BACK);
    EXPECT_EQ(MarkerLines(*Memo), (std::vector<int>{2, 5})) << "joining the line back moves them up";
    EXPECT_EQ(Memo->Bookmarks(1), 5);
    // A pasted block and a deleted block of lines move the marks below them.
    Memo->SetCurY(0);
    Memo->SetCurX(0);
    Memo->ClearSelection();
    Memo->InsertText("x\r\ny\r\n");
    EXPECT_EQ(MarkerLines(*Memo), (std::vector<int>{4, 7}));
    EXPECT_EQ(Memo->Bookmarks(1), 7);
    EXPECT_EQ(Memo->Lines().Strings(7), "l5");
    Memo->Undo();
    EXPECT_EQ(MarkerLines(*Memo), (std::vector<int>{2, 5}));
    // Deleting the marked line removes its marker; the one below moves up.
    Memo->SetCurY(2);
    Memo->DeleteLine();
    EXPECT_EQ(MarkerLines(*Memo), std::vector<int>{4});
    EXPECT_EQ(Memo->Lines().Strings(4), "l5");
}

TEST_F(MemoTest, BookmarkSlotsAndFlags)
{
    SetText({"a", "b", "c", "d", "e", "f", "g", "h"});
    Memo->SetBookmarks(2, 5);
    Memo->SetBookmarks(2, 7);
    EXPECT_FALSE(memo::Bookmark(Memo->Lines(), 5));
    EXPECT_TRUE(memo::Bookmark(Memo->Lines(), 7));
    ExpectMessage([&] { Memo->Bookmarks(10); }, "Invalid bookmark index");
    ExpectMessage([&] { Memo->SetBookmarks(-1, 0); }, "Invalid bookmark index");
    Memo->GotoBookmark(3);
    EXPECT_EQ(Caret(), std::make_pair(0, 0)) << "an unset slot goes nowhere";
    Memo->GotoBookmark(2);
    EXPECT_EQ(Caret(), std::make_pair(0, 7));
    EXPECT_TRUE(Memo->HasBookmarks());
    Memo->ClearBookmarks();
    EXPECT_FALSE(Memo->HasBookmarks());
    EXPECT_FALSE(memo::Bookmark(Memo->Lines(), 7));
}

TEST_F(MemoTest, MarkerImagesDrawInTheGutter)
{
    SetText({"a", "b"});
    TImageList images(8, 8);
    TBitmap red;
    red.SetSize(8, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 8, 8});
    images.AddMasked(&red, clWhite);
    Memo->MarkerList().SetMarkerImageList(&images);
    Memo->AddMarker(1, 0);
    backend::input::Pump();
    Form->Update();
    const TBitmap& surface = Form->Surface();
    TPoint origin = Memo->ClientToParent({0, 0}, Form);
    auto isRed = [&](int x, int y) {
        const TRGBQuad& p = surface.ScanLine(origin.Y + y)[origin.X + x];
        return p.rgbRed > 200 && p.rgbGreen < 60 && p.rgbBlue < 60;
    };
    int x = Memo->Gutter().Left() + 3, top = Memo->TextAreaRect().Top;
    EXPECT_TRUE(isRed(x, top + Memo->CellSize().H + 4)) << "the marker's image on its row";
    EXPECT_FALSE(isRed(x, top + 4));
}

TEST_F(MemoTest, BlockMarksPaintTheirWordAndUnderline)
{
    SetText({"begin x", "end"});
    Memo->SetCurY(1);
    Memo->SetBlockStartMark(0, 0, 5);
    Memo->SetBlockLineColor(clRed);
    backend::input::Pump();
    Form->Update();
    const TBitmap& surface = Form->Surface();
    TPoint origin = Memo->ClientToParent({0, 0}, Form);
    auto pixel = [&](int x, int y) {
        const TRGBQuad& p = surface.ScanLine(origin.Y + y)[origin.X + x];
        return TColor(p.rgbRed | p.rgbGreen << 8 | p.rgbBlue << 16);
    };
    TRect area = Memo->TextAreaRect();
    TCellSize cell = Memo->CellSize();
    EXPECT_EQ(pixel(area.Left + 5 * cell.W + cell.W / 2, area.Top + 3), clAqua) << "the block word's background";
    EXPECT_EQ(pixel(area.Left + 2 * cell.W, area.Top + 1 + cell.H - 2), clRed) << "the line under the mark";
    EXPECT_NE(pixel(area.Left + 5 * cell.W + cell.W / 2, area.Top + cell.H + 3), clAqua) << "the next line is plain";
    Memo->SetBlockShow(false);
    Memo->Invalidate();
    backend::input::Pump();
    Form->Update();
    EXPECT_NE(pixel(area.Left + 5 * cell.W + cell.W / 2, area.Top + 3), clAqua);
}
