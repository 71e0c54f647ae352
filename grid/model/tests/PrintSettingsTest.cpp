#include "grid/model/PrintSettings.h"

#include "DefaultsTable.h"
#include "grid/model/BehaviourSettings.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintSettingsTest, StartsAtItsDeclaredDefaults)
{
    TPrintSettings print;
    ExpectValues({
        {"FooterSize", print.FooterSize(), 0},
        {"HeaderSize", print.HeaderSize(), 0},
        {"LeftSize", print.LeftSize(), 0},
        {"RightSize", print.RightSize(), 0},
        {"Time", print.Time(), ppNone},
        {"Date", print.Date(), ppNone},
        {"PageNr", print.PageNr(), ppNone},
        {"Title", print.Title(), ppNone},
        {"Borders", print.Borders(), pbSingle},
        {"BorderStyle", print.BorderStyle(), psSolid},
        {"BorderColor", print.BorderColor(), clBlack},
        {"Centered", print.Centered(), true},
        {"RepeatFixedRows", print.RepeatFixedRows(), false},
        {"RepeatFixedCols", print.RepeatFixedCols(), false},
        {"ColumnSpacing", print.ColumnSpacing(), 0},
        {"RowSpacing", print.RowSpacing(), 0},
        {"TitleSpacing", print.TitleSpacing(), 0},
        {"Orientation", print.Orientation(), poPortrait},
        {"PageNumberOffset", print.PageNumberOffset(), 0},
        {"MaxPagesOffset", print.MaxPagesOffset(), 0},
        {"FixedWidth", print.FixedWidth(), 0},
        {"FixedHeight", print.FixedHeight(), 0},
        {"UseFixedHeight", print.UseFixedHeight(), false},
        {"UseFixedWidth", print.UseFixedWidth(), false},
        {"FitToPage", print.FitToPage(), fpNever},
        {"NoAutoSize", print.NoAutoSize(), false},
        {"NoAutoSizeRow", print.NoAutoSizeRow(), false},
        {"PrintGraphics", print.PrintGraphics(), false},
        {"UseDisplayFont", print.UseDisplayFont(), true},
        {"UseDefaultOrientation", print.UseDefaultOrientation(), false},
        {"FixedCellsAlways", print.FixedCellsAlways(), false},
        {"TitleLines", print.TitleLines()->Count(), 0},
    });
    EXPECT_EQ(print.DateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(print.PageNumSep(), "/");
    EXPECT_EQ(print.TitleText(), "");
    EXPECT_EQ(print.JobName(), "");
    EXPECT_EQ(print.Font()->Name(), DefFontName);
}

TEST(PrintSettingsTest, AssignCopiesStoredSettingsFontsAndTitleLines)
{
    TPrintSettings source;
    source.SetOrientation(poLandscape);
    source.SetFitToPage(fpShrink);
    source.SetBorders(pbAroundVertical);
    source.SetPageNr(ppBottomCenter);
    source.SetJobName("Report");
    source.SetDateFormat("yyyy-mm-dd");
    source.SetFixedCellsAlways(true);
    source.HeaderFont()->SetName("Courier New");
    source.TitleLines()->Add("First line");
    TPrintSettings target;

    target.Assign(&source);

    EXPECT_EQ(target.Orientation(), poLandscape);
    EXPECT_EQ(target.FitToPage(), fpShrink);
    EXPECT_EQ(target.Borders(), pbAroundVertical);
    EXPECT_EQ(target.PageNr(), ppBottomCenter);
    EXPECT_EQ(target.JobName(), "Report");
    EXPECT_EQ(target.DateFormat(), "yyyy-mm-dd");
    EXPECT_FALSE(target.FixedCellsAlways()) << "not part of the stored form";
    EXPECT_EQ(target.HeaderFont()->Name(), "Courier New");
    source.TitleLines()->Add("Second line");
    ASSERT_EQ(target.TitleLines()->Count(), 1) << "the title lines are a copy";
    EXPECT_EQ(target.TitleLines()->Strings(0), "First line");
}

TEST(PrintSettingsTest, AssignFromAnotherClassRaisesInvalidCast)
{
    TPrintSettings print;
    THTMLSettings html;
    EXPECT_THROW(print.Assign(&html), EInvalidCast);
    EXPECT_THROW(print.Assign(nullptr), EInvalidCast);
}

} // namespace
