// Hint content copying and emptiness, and the base cell checker.
#include <gtest/gtest.h>

#include "grid/base/QuillHintInfo.h"
#include "grid/base/StringGridCheck.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "render/GDIPicture.h"

namespace {

void PutPicture(TQuillHintInfo& Info)
{
    TBitmap bitmap(3, 2);
    TGDIPPicture picture;
    picture.Assign(&bitmap);
    Info.SetPicture(picture);
}

} // namespace

TEST(HintInfoTest, AssignCopiesEveryPartAndIgnoresOtherSources)
{
    TQuillHintInfo source;
    source.SetTitle("Total");
    source.Notes().Add("line one");
    source.Notes().Add("line two");
    source.SetShowHelp(true);
    source.SetWideTitle(u"T\u00e9");
    source.SetWideNotes(u"n\u00f6tes");
    PutPicture(source);

    TQuillHintInfo copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Title(), "Total");
    EXPECT_EQ(copy.Notes().Text(), source.Notes().Text());
    EXPECT_TRUE(copy.ShowHelp());
    EXPECT_EQ(copy.WideTitle(), u"T\u00e9");
    EXPECT_EQ(copy.WideNotes(), u"n\u00f6tes");
    EXPECT_FALSE(copy.Picture().Empty());
    EXPECT_EQ(copy.Picture().Width(), 3);

    // The copy owns its own notes and picture.
    source.Notes().Clear();
    EXPECT_EQ(copy.Notes().Count(), 2);

    TStringList other;
    other.Add("x");
    copy.Assign(&other);
    EXPECT_EQ(copy.Title(), "Total");

    // An empty source empties the copy's picture too.
    TQuillHintInfo blank;
    copy.Assign(&blank);
    EXPECT_TRUE(copy.Picture().Empty());
    EXPECT_TRUE(copy.IsEmpty());
}

TEST(HintInfoTest, EmptinessLooksOnlyAtTitleAndNotes)
{
    TQuillHintInfo info;
    EXPECT_TRUE(info.IsEmpty());
    PutPicture(info);
    info.SetWideTitle(u"wide");
    EXPECT_TRUE(info.IsEmpty());
    info.Notes().Add("note");
    EXPECT_FALSE(info.IsEmpty());
    info.Notes().Clear();
    info.SetTitle("t");
    EXPECT_FALSE(info.IsEmpty());
}

TEST(StringGridCheckTest, BaseCheckerLeavesTextsUnchanged)
{
    TQuillStringGridCheck checker(nullptr);
    EXPECT_FALSE(checker.GotoCell() || checker.AutoCorrect() || checker.AutoMarkError() || checker.UseCorrect() ||
                 checker.UseMarkError());
    checker.StartCheck();
    EXPECT_EQ(checker.Correct(1, 2, "teh cat"), "teh cat");
    EXPECT_EQ(checker.MarkError(1, 2, "<b>x"), "<b>x");
    checker.StopCheck();
}
