// The date-time picker: its value and typed text, and its metro button, flat
// border and frame painting.
#include "ButtonsFixture.h"

#include "grid/base/SarnDateTimePicker.h"
#include "grid/base/tests/LocaleScope.h"
#include "testsupport/GoldenImage.h"
#include "render/QuillStyleIF.h"

using namespace backend;
using grid::test::LocaleScope;

namespace {

constexpr TRect kPickerArea{20, 20, 140, 41};

class PickerTest : public ButtonsTest {
protected:
    template <class Picker>
    Picker* AddPicker()
    {
        auto* picker = new Picker(Form.get());
        picker->SetParent(Form.get());
        picker->SetBoundsRect(kPickerArea);
        picker->SetDate(EncodeDate(2024, 3, 9));
        return picker;
    }

    // Whether two renderings of the picker's place are the same, pixel for pixel.
    static bool SamePixels(TBitmap& A, TBitmap& B)
    {
        for (int y = 0; y < A.Height(); ++y)
            for (int x = 0; x < A.Width(); ++x)
                if (A.Canvas()->Pixels(x, y) != B.Canvas()->Pixels(x, y)) return false;
        return true;
    }

    const LocaleScope Locale{'.', ',', '/', ':', "dd/mm/yyyy"};
};

// The platform facts for one test.
class OperatingSystemScope {
public:
    explicit OperatingSystemScope(int CommonControlsMajor)
    {
        render::TOperatingSystemFacts facts = render::OperatingSystem();
        facts.CommonControlsMajorVersion = CommonControlsMajor;
        FSaved = render::SetOperatingSystemForTesting(facts);
    }
    ~OperatingSystemScope() { render::SetOperatingSystemForTesting(FSaved); }

private:
    render::TOperatingSystemFacts FSaved;
};

} // namespace

TEST_F(PickerTest, VersionIsFixed)
{
    TSarnDateTimePicker picker(nullptr);
    picker.SetVersion("2.0");
    EXPECT_EQ(picker.Version(), "1.0.0.0");
    EXPECT_EQ(picker.BorderStyle(), bsNone);
    EXPECT_TRUE(picker.Ctl3D());
}

TEST_F(PickerTest, TypedDateIsTakenOnEnterAndBadTextGivesTheValueBack)
{
    auto* picker = AddPicker<TSarnDateTimePicker>();
    auto* other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetTop(80);
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(picker->Text(), "09/03/2024");

    picker->SetFocus();
    picker->SetText("17/05/2025");
    changes = 0;
    input::PressKey(*Form, VK_RETURN);
    EXPECT_EQ(picker->Date(), EncodeDate(2025, 5, 17));
    EXPECT_GE(changes, 1);

    picker->SetText("not a date");
    other->SetFocus();
    EXPECT_EQ(picker->Date(), EncodeDate(2025, 5, 17));
    EXPECT_EQ(picker->Text(), "17/05/2025");
}

TEST_F(PickerTest, WithoutMetroAndWithTheThreeDLookItPaintsLikeThePlainPicker)
{
    auto* plain = AddPicker<grid::TPlainDateTimePicker>();
    const auto expected = Snapshot(kPickerArea);
    delete plain;
    AddPicker<TSarnDateTimePicker>()->SetBorderColor(clRed);
    const auto actual = Snapshot(kPickerArea);
    EXPECT_TRUE(SamePixels(*expected, *actual));
}

TEST_F(PickerTest, FlatBorderTakesBorderColourThemedColourOrParentColour)
{
    struct Case {
        int CommonControls;
        TBorderStyle Style;
        TColor Outer;
    };
    const Case cases[] = {
        {5, bsSingle, clRed},
        {6, bsSingle, 0xB99D7F},
        {5, bsNone, clBtnFace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "common controls " << c.CommonControls << " style " << c.Style);
        OperatingSystemScope system(c.CommonControls);
        auto* picker = AddPicker<TSarnDateTimePicker>();
        picker->SetCtl3D(false);
        picker->SetBorderColor(clRed);
        picker->ApplyBorderStyle(c.Style);
        EXPECT_EQ(PixelAt(kPickerArea.Left, kPickerArea.Top + 5), ColorToRGB(c.Outer));
        EXPECT_EQ(PixelAt(kPickerArea.Left + 1, kPickerArea.Top + 5), ColorToRGB(clBtnFace));
        EXPECT_EQ(PixelAt(kPickerArea.Left + 5, kPickerArea.Top + 1), ColorToRGB(clBtnFace));
        delete picker;
    }
}

TEST_F(PickerTest, MetroButtonTakesItsColoursByHoverAndPress)
{
    auto* picker = AddPicker<TSarnDateTimePicker>();
    picker->SetMetroStyle(true);
    picker->SetButtonColor(clBlue);
    picker->SetButtonColorHot(clLime);
    picker->SetButtonColorDown(clRed);
    picker->SetButtonTextColor(clWhite);
    // The button's middle, right of the arrow, in form coordinates.
    const int x = kPickerArea.Right - 4, y = kPickerArea.Top + 4;
    EXPECT_EQ(PixelAt(x, y), ColorToRGB(clBlue));
    const TPoint overButton{picker->Width() - 5, 5};
    input::MouseMove(*picker, overButton);
    EXPECT_TRUE(picker->ButtonHover());
    EXPECT_EQ(PixelAt(x, y), ColorToRGB(clLime));
    input::MouseDown(*picker, overButton);
    EXPECT_EQ(PixelAt(x, y), ColorToRGB(clRed));
    input::MouseUp(*picker, overButton);
    input::MouseMove(*picker, {5, 5});
    EXPECT_FALSE(picker->ButtonHover());
    EXPECT_EQ(PixelAt(x, y), ColorToRGB(clBlue));

    // Without hot and down colours the button keeps its own colour.
    picker->SetButtonColorHot(clNone);
    picker->SetButtonColorDown(clNone);
    input::MouseMove(*picker, overButton);
    input::MouseDown(*picker, overButton);
    EXPECT_EQ(PixelAt(x, y), ColorToRGB(clBlue));
    input::MouseUp(*picker, overButton);
}

TEST_F(PickerTest, MetroTimePickerKeepsItsUpDownAndGetsOnlyTheFrame)
{
    auto* plain = AddPicker<grid::TPlainDateTimePicker>();
    plain->SetKind(dtkTime);
    const auto expected = Snapshot({kPickerArea.Left + 2, kPickerArea.Top + 2, kPickerArea.Right - 2, kPickerArea.Bottom - 2});
    delete plain;

    auto* picker = AddPicker<TSarnDateTimePicker>();
    picker->SetKind(dtkTime);
    picker->SetMetroStyle(true);
    picker->SetBorderColor(clRed);
    const auto client = Snapshot({kPickerArea.Left + 2, kPickerArea.Top + 2, kPickerArea.Right - 2, kPickerArea.Bottom - 2});
    EXPECT_TRUE(SamePixels(*expected, *client));
    EXPECT_EQ(PixelAt(kPickerArea.Left, kPickerArea.Top + 5), ColorToRGB(clRed));
}

TEST_F(PickerTest, MetroLooksMatchTheirReference)
{
    auto* plainButton = AddPicker<TSarnDateTimePicker>();
    plainButton->SetMetroStyle(true);
    plainButton->SetBorderColor(clGray);
    auto* coloured = AddPicker<TSarnDateTimePicker>();
    coloured->SetTop(kPickerArea.Top + 30);
    coloured->SetMetroStyle(true);
    coloured->SetBorderColor(clNavy);
    coloured->SetButtonColor(0xE0C080);
    coloured->SetButtonBorderColor(clNavy);
    coloured->SetButtonTextColor(clNavy);
    testsupport::ExpectMatchesGolden(
        *Snapshot({kPickerArea.Left - 4, kPickerArea.Top - 4, kPickerArea.Right + 4, kPickerArea.Bottom + 34}),
        "sarn-date-time-picker-metro");
}
