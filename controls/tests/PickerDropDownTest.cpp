// The image and detail drop-downs: their items, their choice, the keys and
// the wheel with the popup open and closed, and the type-ahead.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillDetailDropDown.h"
#include "controls/pickers/QuillImagePickerDropDown.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/Forms.h"
#include "controls/tests/ControlShot.h"
#include "testsupport/GoldenImage.h"

using namespace controls;
namespace input = backend::input;
namespace fs = std::filesystem;

namespace {

// A square picture of one colour.
std::unique_ptr<TBitmap> Square(TColor Color, int Size = 16)
{
    auto b = std::make_unique<TBitmap>();
    b->SetSize(Size, Size);
    b->Canvas()->Brush()->SetColor(Color);
    b->Canvas()->FillRect({0, 0, Size, Size});
    return b;
}


class ImagePickerTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Images = std::make_unique<TImageList>(16, 16);
        for (TColor c : {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua}) Images->Add(Square(c).get(), nullptr);
        Pick = new TQuillImagePickerDropDown(Form);
        Pick->SetParent(Form);
        Pick->SetBounds(10, 20, 150, 24);
        Pick->SetImages(Images.get());
        Pick->OnSelect = [this](TObject*) { Selects.push_back(Pick->ItemIndex()); };
        Pick->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        Pick->SetFocus();
    }
    void TearDown() override { delete Form; }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }
    TQuillCustomItemSelector& List() const { return *Pick->ItemSelector(); }

    TForm* Form = nullptr;
    std::unique_ptr<TImageList> Images;
    TQuillImagePickerDropDown* Pick = nullptr;
    std::vector<int> Selects;
    int Changes = 0;
};

} // namespace

TEST_F(ImagePickerTest, ItemsComeFromAFolderOrTheImageList)
{
    const fs::path dir = fs::temp_directory_path() / "vistra-image-picker";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) Square(clGreen, 8)->SaveToFile((dir / name).string());
    std::ofstream(dir / "d.bmp") << "no picture";
    std::ofstream(dir / "e.txt") << "not matched";
    std::vector<std::string> listed;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().extension() == ".bmp") listed.push_back(e.path().filename().string());

    Pick->Items().Add()->SetCaption("kept");
    Pick->AddImagesFromFolder((dir / "*.bmp").string(), true);
    ASSERT_EQ(Pick->Items().Count(), 5);
    EXPECT_EQ(Pick->Items().Items(0)->Caption(), "kept");
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(listed[static_cast<size_t>(i)]);
        const TImageItem& item = *Pick->Items().Items(i + 1);
        const bool picture = listed[static_cast<size_t>(i)] != "d.bmp";
        EXPECT_EQ(item.Caption(), picture ? listed[static_cast<size_t>(i)] : "") << "in the order the folder lists them";
        EXPECT_EQ(item.Image().Width(), picture ? 8 : 0);
    }
    Pick->AddImagesFromFolder((dir / "*.png").string(), true);
    EXPECT_EQ(Pick->Items().Count(), 5) << "a mask matching nothing adds nothing";
    fs::remove_all(dir);

    Pick->Items().Clear();
    Pick->SetImages(nullptr);
    Pick->AddImagesFromImageList();
    EXPECT_EQ(Pick->Items().Count(), 0);
    Pick->SetImages(Images.get());
    Pick->AddImagesFromImageList();
    ASSERT_EQ(Pick->Items().Count(), 6);
    EXPECT_EQ(Pick->Items().Items(4)->ImageIndex(), 4);
}

TEST_F(ImagePickerTest, TheChoiceByIndexOrImage)
{
    Pick->AddImagesFromImageList();
    Pick->SetImageIndex(3);
    EXPECT_EQ(Pick->ItemIndex(), 3);
    Pick->SetItemIndex(3);
    Pick->SetItemIndex(6);
    EXPECT_EQ(Selects, std::vector<int>{3}) << "the same index and an index past the items fire nothing";
    Pick->SetImageIndex(99);
    EXPECT_EQ(Pick->ItemIndex(), -1);
    EXPECT_EQ(Pick->ImageIndex(), -1);
    EXPECT_EQ(Selects, (std::vector<int>{3, -1}));
    EXPECT_EQ(Changes, 2);
}

TEST_F(ImagePickerTest, KeysMoveTheChoiceOpenOrClosedAndEscReturnsToTheOldOne)
{
    Pick->AddImagesFromImageList();
    Pick->SetColumns(3);
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(Pick->ItemIndex(), 1) << "closed: one item at a time";
    Press(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Pick->DroppedDown());
    Press(VK_DOWN);
    EXPECT_EQ(Pick->ItemIndex(), 4) << "open: a row of three";
    EXPECT_TRUE(Pick->DroppedDown());
    Press(VK_END);
    EXPECT_EQ(Pick->ItemIndex(), 5);
    Press(VK_HOME);
    EXPECT_EQ(Pick->ItemIndex(), 0);
    Press(VK_RIGHT);
    EXPECT_EQ(Pick->ItemIndex(), 1) << "Right steps in an open face without editor";
    EXPECT_TRUE(Pick->DroppedDown());
    Press(VK_ESCAPE);
    EXPECT_FALSE(Pick->DroppedDown());
    EXPECT_EQ(Pick->ItemIndex(), 1) << "Esc returns to the choice of the opening";

    // Enter on a hot item chooses it and closes, with one OnSelect.
    Press(VK_F4);
    input::MouseMove(*List().SelectorPanel(), {List().SelectorPanel()->GetItemRect(5).Left + 3,
                                               List().SelectorPanel()->GetItemRect(5).Top + 3});
    ASSERT_EQ(List().ItemHot(), 5);
    Selects.clear();
    Press(VK_RETURN);
    EXPECT_FALSE(Pick->DroppedDown());
    EXPECT_EQ(Selects, std::vector<int>{5});
}

TEST_F(ImagePickerTest, AClickChoosesAndClosesAndTheWheelMovesTheChoice)
{
    Pick->AddImagesFromImageList();
    input::Click(*Pick, {5, 5});
    ASSERT_TRUE(Pick->DroppedDown()) << "a click on the face opens it";
    EXPECT_EQ(Pick->DropDownForm()->Width(), std::max(TQuillCustomDropDown::MinPopupWidth, List().GetSelectorPanelSize().cx + 2))
        << "the popup fits the grid";
    TCustomItemSelector& panel = *List().SelectorPanel();
    input::Click(panel, {panel.GetItemRect(2).Left + 3, panel.GetItemRect(2).Top + 3});
    EXPECT_FALSE(Pick->DroppedDown());
    EXPECT_EQ(Pick->ItemIndex(), 2);
    input::Wheel(*Pick, -120);
    EXPECT_EQ(Pick->ItemIndex(), 3) << "the wheel over the closed face steps the list it last showed";
}

TEST_F(ImagePickerTest, TypingLooksUpCaptionsWithinHalfASecond)
{
    for (const char* caption : {"Apple", "Blue", "Blush", "Lime"}) Pick->Items().Add()->SetCaption(caption);
    Press(VK_F4);
    Press('B');
    input::AdvanceTime(100);
    Press('L');
    EXPECT_EQ(Pick->ItemIndex(), 1) << "BL";
    input::AdvanceTime(600);
    EXPECT_EQ(Pick->SearchText(), "");
    Press('L');
    EXPECT_EQ(Pick->ItemIndex(), 3) << "a later L starts afresh";
    EXPECT_TRUE(Pick->DroppedDown());
    input::AdvanceTime(600);
    Press('B');
    // Shift pressed between the letters is no part of the search.
    input::KeyDown(*Form, VK_SHIFT);
    input::KeyUp(*Form, VK_SHIFT);
    Press('L');
    EXPECT_EQ(Pick->ItemIndex(), 1) << "B, Shift, L still finds BL";
}

TEST_F(ImagePickerTest, Looks)
{
    Pick->AddImagesFromImageList();
    for (int i = 0; i < Pick->Items().Count(); ++i) Pick->Items().Items(i)->SetCaption("image " + std::to_string(i));
    Pick->SetColumns(2);
    Pick->SetItemIndex(2);
    for (const auto& [style, name] : {std::pair{tsOffice2007Luna, "luna"}, std::pair{tsWindows7, "windows7"}}) {
        SCOPED_TRACE(name);
        Pick->SetComponentStyle(style);
        testsupport::ExpectMatchesGolden(*Shot(*Form, *Pick), std::string("imagepicker-face-") + name);
        Pick->ShowDropDown();
        input::MouseMove(*List().SelectorPanel(), {List().SelectorPanel()->GetItemRect(1).Left + 3, 8});
        input::Pump();
        testsupport::ExpectMatchesGolden(Pick->DropDownForm()->Surface(), std::string("imagepicker-popup-") + name);
        Pick->HideDropDown(true);
    }
}

// ---- The detail drop-down

namespace {

class DetailDropDownTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Drop = new TQuillDetailDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 20, 200, 21);
        const char* notes[] = {"A round <b>fruit</b>", "", "Long and <i>yellow</i>"};
        int i = 0;
        for (const char* caption : {"Apple", "Apricot", "Banana"}) {
            TDetailItem& item = *Drop->Items().Add();
            item.SetCaption(caption);
            item.SetNotes(notes[i++]);
        }
        Drop->OnSelect = [this](TObject*) { Selects.push_back(Drop->ItemIndex()); };
        Form->Show();
        Drop->SetFocus();
    }
    void TearDown() override { delete Form; }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }

    TForm* Form = nullptr;
    TQuillDetailDropDown* Drop = nullptr;
    std::vector<int> Selects;
};

} // namespace

TEST_F(DetailDropDownTest, TypingCompletesWithTheFirstCaptionThatBeginsWithIt)
{
    input::TypeText(*Form, "a");
    input::Pump();
    EXPECT_EQ(Drop->Text(), "apple") << "the typed case stays, the caption follows";
    EXPECT_EQ(Drop->SelStart(), 1);
    EXPECT_EQ(Drop->SelLength(), 4);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_TRUE(Selects.empty()) << "a completion is no choice";

    input::TypeText(*Form, "x");
    EXPECT_EQ(Drop->Text(), "ax") << "no caption begins with AX: the text is cut after the caret";
    Press(VK_BACK);
    EXPECT_EQ(Drop->Text(), "a") << "Backspace does not complete again";

    Drop->SetText("");
    Drop->SetMatchCase(true);
    input::TypeText(*Form, "a");
    EXPECT_EQ(Drop->Text(), "a");
}

TEST_F(DetailDropDownTest, EnterTakesACaptionTypedInFull)
{
    int changes = 0;
    Drop->OnChange = [&](TObject*) { ++changes; };
    Drop->SetFocus();
    Drop->SetText("banana");
    Press(VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), -1) << "letter case counts";
    Drop->SetText("Banana");
    changes = 0;
    Press(VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Selects, std::vector<int>{2});
    EXPECT_GE(changes, 1);
}

TEST_F(DetailDropDownTest, StepsOpenOrClosedAndEscReturns)
{
    Press(VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 0) << "from no choice the first";
    EXPECT_EQ(Drop->Text(), "Apple");
    Press(VK_DOWN);
    Press(VK_F4);
    ASSERT_TRUE(Drop->DroppedDown());
    Press(VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Banana");
    EXPECT_TRUE(Drop->DroppedDown());
    Press(VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 2) << "nothing past the last";
    Press(VK_ESCAPE);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Apricot");

    Drop->SetItemIndex(5);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    Selects.clear();
    Drop->SetItemIndex(-1);
    EXPECT_EQ(Drop->Text(), "");
    EXPECT_TRUE(Selects.empty());
}

TEST_F(DetailDropDownTest, RowsAreAsWideAsThePopupAndFollowItsSize)
{
    Drop->ShowDropDown();
    TQuillCustomItemSelector& list = *Drop->ItemSelector();
    const int popup = Drop->DropDownForm()->Width();
    EXPECT_EQ(list.SelectorPanel()->GetItemRect(0).Width(), popup - 2 - 4);
    EXPECT_EQ(list.SelectorPanel()->GetItemRect(0).Height(), 22);
    TCustomItemSelector& panel = *list.SelectorPanel();
    input::Click(panel, {10, panel.GetItemRect(2).Top + 5});
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Text(), "Banana");

    Drop->SetDropDownWidth(300);
    Drop->ShowDropDown();
    EXPECT_EQ(panel.GetItemRect(0).Width(), 300 - 2 - 4);
}

TEST_F(DetailDropDownTest, Looks)
{
    Drop->SetItemIndex(0);
    for (const auto& [style, name] : {std::pair{tsOffice2007Luna, "luna"}, std::pair{tsWindowsVista, "vista"}}) {
        SCOPED_TRACE(name);
        Drop->SetComponentStyle(style);
        Drop->ShowDropDown();
        input::Pump();
        testsupport::ExpectMatchesGolden(Drop->DropDownForm()->Surface(), std::string("detail-popup-") + name);
        Drop->HideDropDown(true);
    }
}
