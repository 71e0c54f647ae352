// The colour drop-down in its four styles, and the honeycomb, spectrum and
// palette panels it hosts.
#include <gtest/gtest.h>

#include <array>

#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillColorPickerDropDown.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Forms.h"
#include "controls/tests/ControlShot.h"
#include "testsupport/GoldenImage.h"

using namespace controls;
namespace input = backend::input;

namespace {

class ColorPickerTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 400);
        Pick = new TQuillColorPickerDropDown(Form);
        Pick->SetParent(Form);
        Pick->SetBounds(10, 20, 160, 21);
        Pick->AddDefaultColors();
        Pick->OnSelect = [this](TObject*) { Selects.push_back(Pick->ItemIndex()); };
        Form->Show();
        Pick->SetFocus();
    }
    void TearDown() override { delete Form; }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }
    int IndexOf(const char* caption) const
    {
        for (int i = 0; i < Pick->Colors().Count(); ++i)
            if (Pick->Colors().Items(i)->Caption() == caption) return i;
        return -1;
    }

    TForm* Form = nullptr;
    TQuillColorPickerDropDown* Pick = nullptr;
    std::vector<int> Selects;
};

} // namespace

TEST_F(ColorPickerTest, TheFaceTextOfAColour)
{
    Pick->SetColorSelectionStyle(csDiscrete);
    struct Case {
        TColorValueText form;
        TColor color;
        const char* text;
    };
    const Case cases[] = {
        {cvtNone, clRed, ""},
        {cvtHex, clRed, "0000FF"},
        {cvtHex, clBtnFace, "FF00000F"},
        {cvtHTML, clRed, "#FF0000"},
        {cvtRGB, clRed, "Red:255,Green:0,Blue:0"},
        {cvtWebName, clRed, "clWebRed"},
        {cvtWebName, TColor(0xFAFAFF), "clWebSnow"},
        {cvtWebName, TColor(0x663399), "#993366"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Pick->SetColorValueText(c.form);
        Pick->SetSelectedColor(c.color);
        Pick->SetItemIndex(-1);
        EXPECT_EQ(Pick->SelectedColorText(), c.text);
    }
    Pick->SetColorSelectionStyle(csList);
    Pick->SetItemIndex(IndexOf("Navy"));
    EXPECT_EQ(Pick->SelectedColorText(), "Navy") << "a named colour of the list shows its caption";
}

TEST_F(ColorPickerTest, TheChoiceByIndexOrColour)
{
    EXPECT_EQ(Pick->Colors().Count(), 16);
    Pick->SetItemIndex(2);
    EXPECT_EQ(Pick->SelectedColor(), TColor(0x008000));
    Pick->SetSelectedColor(TColor(0x663399));
    EXPECT_EQ(Pick->ItemIndex(), 2) << "a colour of no item keeps the item";
    EXPECT_EQ(Pick->SelectedColorText(), "Green");
    Pick->SetSelectedColor(clBlue);
    EXPECT_EQ(Pick->ItemIndex(), IndexOf("Blue"));
    Pick->SetItemIndex(16);
    EXPECT_EQ(Pick->ItemIndex(), IndexOf("Blue")) << "past the colours: ignored";
    Pick->SetItemIndex(-1);
    EXPECT_EQ(Pick->SelectedColor(), clBlue);
    EXPECT_EQ(Selects, (std::vector<int>{2, 12, -1}));
}

TEST_F(ColorPickerTest, TheListMovesByRowsAndEscReturnsToTheOldColour)
{
    Pick->SetColumns(4);
    Pick->SetItemIndex(IndexOf("Red"));
    Press(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Pick->DroppedDown());
    Press(VK_DOWN);
    EXPECT_EQ(Pick->ItemIndex(), IndexOf("Red") + 4);
    Press(VK_RIGHT);
    EXPECT_EQ(Pick->ItemIndex(), IndexOf("Red") + 5) << "Right steps on a face without editor";
    EXPECT_TRUE(Pick->DroppedDown());
    Press(VK_ESCAPE);
    EXPECT_EQ(Pick->ItemIndex(), IndexOf("Red"));
    EXPECT_EQ(Pick->SelectedColor(), clRed);

    // The wheel over the closed face steps the named colours.
    Selects.clear();
    input::Wheel(*Pick, -120);
    EXPECT_EQ(Pick->ItemIndex(), IndexOf("Red") + 1);
    EXPECT_EQ(Selects.size(), 1u);
    EXPECT_TRUE(Pick->DropDownForm()->Sizeable()) << "the list may be resized";
}

TEST_F(ColorPickerTest, TheCubeAndTheSpectrumChooseOnAClickAndClose)
{
    Pick->SetItemIndex(3);
    Pick->SetColorSelectionStyle(csColorCube);
    Pick->ShowDropDown();
    TQuillColorCubePanel& cube = *Pick->ColorCubePanel();
    EXPECT_EQ(Pick->DropDownForm()->Width(), 182 + 2) << "the popup fits the panel";
    EXPECT_FALSE(Pick->DropDownForm()->Sizeable());
    input::Click(cube, {cube.Cell(64).X, cube.Cell(64).Y});
    EXPECT_FALSE(Pick->DroppedDown());
    EXPECT_EQ(Pick->SelectedColor(), clWhite);
    EXPECT_EQ(Pick->ItemIndex(), -1);

    Pick->SetColorSelectionStyle(csSpectrum);
    Pick->ShowDropDown();
    TQuillColorSpectrumPanel& spectrum = *Pick->SpectrumPanel();
    EXPECT_EQ(spectrum.Width(), 150);
    EXPECT_EQ(spectrum.SpectrumImage().Left(), 11);
    input::MouseMove(spectrum.SpectrumImage(), {0, 64});
    input::Click(spectrum.SpectrumImage(), {0, 64});
    EXPECT_FALSE(Pick->DroppedDown());
    EXPECT_EQ(Pick->SelectedColor(), clRed) << "the full red at the left of the middle row";
}

TEST_F(ColorPickerTest, ThePaletteKeysAndEsc)
{
    Pick->SetColorSelectionStyle(csDiscrete);
    Pick->SetSelectedColor(TColor(0x7D491F));
    Press(VK_F4);
    ASSERT_TRUE(Pick->DroppedDown());
    TCustomColorSelector& boxes = *Pick->ColorSelector();
    EXPECT_EQ(boxes.ItemIndex(), 3);
    Press(VK_DOWN);
    EXPECT_EQ(boxes.ItemIndex(), 13);
    EXPECT_EQ(Pick->SelectedColor(), TColor(0xDACEC2));
    EXPECT_TRUE(Pick->DroppedDown()) << "keys move the choice without closing";
    Press(VK_ESCAPE);
    EXPECT_EQ(Pick->SelectedColor(), TColor(0x7D491F));
    Press(VK_F4);
    TCustomColorSelector& shown = *Pick->ColorSelector();
    input::MouseMove(shown, {shown.BoxRect(9).Left + 2, shown.BoxRect(9).Top + 2});
    Press(VK_RETURN);
    EXPECT_FALSE(Pick->DroppedDown());
    EXPECT_EQ(Pick->SelectedColor(), TColor(0x4696F7)) << "Enter takes the hot box";
}

TEST(ColorCube, HoneycombGeometryHitsAndHint)
{
    backend::InstallHeadlessBackend();
    TForm form(nullptr);
    auto* cube = new TQuillColorCubePanel(&form);
    cube->SetParent(&form);
    cube->ResetHot();
    EXPECT_EQ(cube->Width(), 182);
    EXPECT_EQ((TPoint{cube->Cell(1).X, cube->Cell(1).Y}), (TPoint{55, 20}));
    EXPECT_EQ((TPoint{cube->Cell(58).X, cube->Cell(58).Y}), (TPoint{19, 80}));
    EXPECT_EQ((TPoint{cube->Cell(127).X, cube->Cell(127).Y}), (TPoint{127, 140}));
    EXPECT_EQ(cube->Cell(64).Color, clWhite);
    EXPECT_EQ(cube->CellAtPos(55 + 6, 20), 1) << "6 pixels right of the centre";
    EXPECT_EQ(cube->CellAtPos(61, 23), -1) << "between three cells, farther than 6 from each";
    input::MouseMove(*cube, {cube->Cell(64).X, cube->Cell(64).Y});
    EXPECT_EQ(cube->Hint(), "Red: 255,  Green: 255,  Blue: 255");
    cube->SetSelectedColor(clWhite);
    EXPECT_EQ(cube->SelectedIndex(), 64);
    cube->SetSelectedColor(TColor(0x123456));
    EXPECT_EQ(cube->SelectedIndex(), -1);
    EXPECT_EQ(cube->SelectedColor(), TColor(0x123456));
}

TEST(ColorSpectrum, TheFirstClickWithoutAMoveChoosesNoColour)
{
    backend::InstallHeadlessBackend();
    TForm form(nullptr);
    auto* spectrum = new TQuillColorSpectrumPanel(&form);
    spectrum->SetParent(&form);
    spectrum->ArrangeSpectrum();
    EXPECT_EQ(spectrum->SelectedRect(), (TRect{10, 146, 73, 166}));
    EXPECT_EQ(spectrum->HotRect(), (TRect{77, 146, 140, 166}));
    int selects = 0;
    spectrum->OnSelect = [&](TObject*) { ++selects; };
    input::MouseDown(spectrum->SpectrumImage(), {40, 40});
    EXPECT_EQ(spectrum->SelectedColor(), clNone);
    EXPECT_EQ(TQuillColorSpectrumPanel::SpectrumColor(5, 0), clWhite);
    EXPECT_EQ(TQuillColorSpectrumPanel::SpectrumColor(5, 127), clBlack);
    EXPECT_EQ(selects, 1);
}

TEST(ColorPalette, BoxesLayoutSelectionAndKeys)
{
    backend::InstallHeadlessBackend();
    TForm form(nullptr);
    auto* boxes = new TCustomColorSelector(&form);
    boxes->SetParent(&form);
    boxes->AddDefaultBoxes();
    boxes->ArrangeBoxes();
    EXPECT_EQ((TSize{boxes->Width(), boxes->Height()}), (TSize{165, 84}));
    const std::array<int, 6> rowTops{4, 20, 32, 44, 56, 68};
    for (int row = 0; row < 6; ++row) EXPECT_EQ(boxes->BoxRect(row * 10).Top, rowTops[static_cast<size_t>(row)]);
    EXPECT_EQ(boxes->BoxRect(9).Left, 148);

    int selects = 0;
    boxes->OnItemSelect = [&](TObject*) { ++selects; };
    boxes->SetSelectedColor(TColor(0x7F7F7F));
    EXPECT_EQ(boxes->ItemIndex(), 11) << "the first of the two greys";
    boxes->SetSelectedColor(TColor(0x123456));
    EXPECT_EQ(boxes->ItemIndex(), -1);
    EXPECT_EQ(selects, 1);
    boxes->SelectPreviousBox();
    EXPECT_EQ(boxes->ItemIndex(), -1);
    boxes->SelectNextBox();
    EXPECT_EQ(boxes->ItemIndex(), 0);
    boxes->SelectPreviousBox();
    EXPECT_EQ(boxes->ItemIndex(), 0) << "the first box stays chosen";

    struct KeyCase {
        int from;
        unsigned short key;
        bool editor, open;
        int to;
    };
    const KeyCase keys[] = {
        {3, VK_DOWN, false, true, 13}, {55, VK_DOWN, false, true, 55}, {3, VK_LEFT, true, false, 3},
        {3, VK_RIGHT, true, false, 3}, {3, VK_DOWN, true, false, 4},   {3, VK_UP, true, false, 2},
        {3, VK_END, true, false, 59},  {3, VK_PRIOR, false, true, 0},
    };
    for (const KeyCase& k : keys) {
        SCOPED_TRACE(k.key);
        boxes->SetItemIndex(k.from);
        boxes->HandleKey(k.key, k.editor, k.open);
        EXPECT_EQ(boxes->ItemIndex(), k.to);
    }
}

TEST_F(ColorPickerTest, Looks)
{
    Pick->SetColumns(2);
    Pick->SetItemIndex(IndexOf("Teal"));
    const std::pair<TQORStyle, const char*> styles[] = {{tsOffice2007Luna, "luna"}, {tsWindows7, "windows7"}};
    const char* kinds[] = {"list", "palette", "honeycomb", "spectrum"};
    for (const auto& [style, styleName] : styles) {
        Pick->SetComponentStyle(style);
        Pick->SetColorSelectionStyle(csList);
        Pick->SetColorValueText(cvtHTML);
        testsupport::ExpectMatchesGolden(*Shot(*Form, *Pick), std::string("colorpicker-face-") + styleName);
        for (TColorSelectionStyle kind : {csList, csDiscrete, csColorCube, csSpectrum}) {
            const std::string name = std::string(kinds[kind]) + "-" + styleName;
            SCOPED_TRACE(name);
            Pick->SetColorSelectionStyle(kind);
            Pick->ShowDropDown();
            input::Pump();
            testsupport::ExpectMatchesGolden(Pick->DropDownForm()->Surface(), "colorpicker-popup-" + name);
            Pick->HideDropDown(true);
        }
    }
}
