// The cell graphic's ownership, copying, angles and picture sizes.
#include <gtest/gtest.h>

#include "grid/model/CellGraphic.h"
#include "platform/graphics/Bitmap.h"

namespace {

// Counts its own destruction, to tell freed from kept.
struct TCountedObject : TObject {
    explicit TCountedObject(int& counter) : Counter(counter) {}
    ~TCountedObject() override { ++Counter; }
    int& Counter;
};

} // namespace

TEST(CellGraphicTest, FreesOnlyWhatTheGridMade)
{
    int freed = 0;
    {
        TCellGraphic borrowed;
        TCountedObject object(freed);
        borrowed.SetCellType(ctImages);
        borrowed.SetCellBitmap(&object);
        // The object outlives the graphic: a borrowed one is never freed.
        {
            TCellGraphic inner;
            inner.SetCellType(ctBalloon);
            inner.SetCellBitmap(&object);
        }
        EXPECT_EQ(freed, 0);
        borrowed.SetCellBitmap(nullptr);
    }
    freed = 0;
    {
        TCellGraphic owning;
        owning.SetCellType(ctPicture);
        owning.SetCellBitmap(new TCountedObject(freed));
        owning.SetCellCreated(true);
    }
    EXPECT_EQ(freed, 1);
}

TEST(CellGraphicTest, AssignCopiesValuesButNotObjectsOrOwnership)
{
    int freed = 0;
    TCellGraphic source;
    source.SetCellType(ctPicture);
    source.SetCellBitmap(new TCountedObject(freed));
    source.SetCellCreated(true);
    source.SetCellText("caption");
    source.SetCellIndex(7);
    {
        TCellGraphic target;
        TBitmap mine;
        target.SetBitmap(&mine, false, haLeft, vaTop);
        target.Assign(&source);
        EXPECT_EQ(target.CellType(), ctPicture);
        EXPECT_EQ(target.CellText(), "caption");
        EXPECT_EQ(target.CellIndex(), 7);
        EXPECT_EQ(target.CellBitmap(), &mine);
        EXPECT_FALSE(target.CellCreated()) << "the copy must not free the bitmap it borrowed";
    }
    EXPECT_EQ(freed, 0);
}

TEST(CellGraphicTest, AnglesComeIntoRange)
{
    struct TCase {
        int Given, Stored;
    } cases[] = {{-90, 270}, {720, 360}, {360, 360}, {0, 0}, {-360, 0}, {450, 90}, {-450, 270}};
    for (const TCase& c : cases) {
        TCellGraphic g;
        g.SetAngle(c.Given);
        EXPECT_EQ(g.CellAngle(), c.Stored) << c.Given;
        EXPECT_EQ(g.CellType(), ctRotated);
    }
}

TEST(CellGraphicTest, PictureSizesFollowTheStretchMode)
{
    struct TCase {
        TStretchMode Mode;
        int W, H;
        TPoint Size;
    } cases[] = {
        {StretchWithAspectRatio, 200, 100, {100, 50}}, {Shrink, 200, 100, {100, 50}},
        {ShrinkWithAspectRatio, 50, 20, {50, 20}},     {noStretch, 200, 100, {200, 100}},
        {Stretch, 20, 10, {100, 50}},                  {ShrinkWithAspectRatio, 400, 100, {100, 25}},
    };
    for (const TCase& c : cases) {
        TCellGraphic g;
        g.SetCellType(ctPicture);
        g.SetCellAngle(c.Mode);
        g.SetCellIndex(10);
        const TPoint size = g.PictureSizeIn(c.W, c.H, 110, 60);
        EXPECT_EQ(size.X, c.Size.X) << c.Mode;
        EXPECT_EQ(size.Y, c.Size.Y) << c.Mode;
    }
}

TEST(CellGraphicTest, ButtonSizesArePacked)
{
    TCellGraphic g;
    g.SetButton(80, 24, "Go", haLeft, vaTop);
    EXPECT_EQ(g.ButtonWidth(), 80);
    EXPECT_EQ(g.ButtonHeight(), 24);
    EXPECT_EQ(g.CellType(), ctButton);
}
