// The edit with a button and the directory edit: the typing lock, F4 and the
// click on release, button placement and minimum height, the disabled button,
// the folder dialog and its place, folder validation, and the looks.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "controls/QuillDirectoryEdit.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "testsupport/GoldenImage.h"
#include "testsupport/TempFolder.h"

namespace input = backend::input;

namespace {

class QuillEdBtnTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 320, 240);
        Edit = new TQuillEditBtn(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Edit->OnClickBtn = [this](TObject*) { ++Clicks; };
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 200, 100, 21);
        Form->Show();
        Edit->SetFocus();
    }
    void TearDown() override
    {
        delete Form;
        ui::DialogHook().FolderDialog = nullptr;
    }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }
    TSpeedButton& InnerButton() { return Edit->Button()->Button(); }
    TRect FormattingRect()
    {
        TRect r;
        Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }

    TForm* Form = nullptr;
    TQuillEditBtn* Edit = nullptr;
    TEdit* Other = nullptr;
    int Clicks = 0;
};

TEST_F(QuillEdBtnTest, WithTheEditorLockedOnlyTheButtonChangesTheValue)
{
    Edit->SetText("abc");
    Edit->SetEditorEnabled(false);
    Clipboard()->SetAsText("pasted");
    struct Step {
        const char* name;
        unsigned short key;
        TShiftState shift;
    };
    const Step steps[] = {{"letter", 'X', {}},       {"Backspace", VK_BACK, {}}, {"Delete", VK_DELETE, {}},
                          {"Ctrl+V", 'V', {ssCtrl}}, {"Ctrl+X", 'X', {ssCtrl}}, {"Shift+Delete", VK_DELETE, {ssShift}}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        Edit->SelectAll();
        Press(s.key, s.shift);
        EXPECT_EQ(Edit->Text(), "abc");
    }
    Edit->SelectAll();
    Press('C', {ssCtrl});
    EXPECT_EQ(Clipboard()->AsText(), "abc");

    Edit->SetEditType(etPassword);
    Edit->SetText("secret");
    Edit->SelectAll();
    Press('C', {ssCtrl});
    EXPECT_EQ(Clipboard()->AsText(), "abc");

    Press(VK_F4);
    input::Click(InnerButton(), {3, 3});
    EXPECT_EQ(Clicks, 2);
}

TEST_F(QuillEdBtnTest, F4ClicksOnlyWithoutCtrlAndAlt)
{
    Press(VK_F4, {ssCtrl});
    Press(VK_F4, {ssAlt});
    EXPECT_EQ(Clicks, 0);
    Press(VK_F4);
    EXPECT_EQ(Clicks, 1);
    // Typing still works with the editor enabled.
    Edit->SetText("");
    input::TypeText(*Form, "ok");
    EXPECT_EQ(Edit->Text(), "ok");
}

TEST_F(QuillEdBtnTest, TheButtonClicksOnReleaseAndHandsTheFocusToTheEdit)
{
    Other->SetFocus();
    input::MouseDown(InnerButton(), {3, 3});
    EXPECT_EQ(Clicks, 0);
    input::MouseUp(InnerButton(), {3, 3});
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(Edit->Focused());
    // A right release does nothing.
    input::MouseDown(InnerButton(), {3, 3}, 1);
    input::MouseUp(InnerButton(), {3, 3}, 1);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(QuillEdBtnTest, AReadOnlyOrDisabledEditRefusesButtonClicks)
{
    Edit->SetReadOnly(true);
    EXPECT_FALSE(Edit->Button()->Enabled());
    input::Click(InnerButton(), {3, 3});
    EXPECT_EQ(Clicks, 0);
    Edit->SetReadOnly(false);
    EXPECT_TRUE(Edit->Button()->Enabled());
    Edit->SetEnabled(false);
    EXPECT_FALSE(Edit->Button()->Enabled());
}

TEST_F(QuillEdBtnTest, TheButtonSitsInTheRightEndAndTheTextStopsBeforeIt)
{
    EXPECT_EQ(Edit->Button()->Width(), 16);
    Edit->SetButtonWidth(30);
    EXPECT_EQ(Edit->Button()->Width(), 30);
    EXPECT_EQ(Edit->Button()->Left(), Edit->Width() - 30 - 4);
    EXPECT_EQ(Edit->Button()->Height(), Edit->Height() - 4);
    EXPECT_EQ(FormattingRect().Right, Edit->ClientWidth() - 33);

    Edit->SetFlat(true);
    EXPECT_EQ(Edit->Button()->Left(), Edit->Width() - 30 - 3);
    EXPECT_EQ(Edit->Button()->Top(), 2);

    // Too low for its font: raised to the font's height and a quarter.
    Edit->SetHeight(6);
    EXPECT_GT(Edit->Height(), Edit->Font().Size());
    const int raised = Edit->Height();
    Edit->SetHeight(40);
    EXPECT_EQ(Edit->Height(), 40);
    Edit->SetHeight(1);
    EXPECT_EQ(Edit->Height(), raised);
}

TEST_F(QuillEdBtnTest, Looks)
{
    Form->SetBounds(100, 100, 200, 160);
    Edit->SetText("push");
    Edit->SetButtonCaption("...");
    Edit->SetButtonWidth(26);
    auto* arrow = new TQuillEditBtn(Form);
    arrow->SetParent(Form);
    arrow->SetBounds(10, 40, 150, 21);
    arrow->SetButtonStyle(bsDropDown);
    arrow->SetText("arrow");
    auto* custom = new TQuillEditBtn(Form);
    custom->SetParent(Form);
    custom->SetBounds(10, 70, 150, 21);
    custom->SetButtonStyle(bsDropDown);
    custom->SetBorderColor(clNavy);
    custom->Button()->ButtonColor = TColor(0xF0D0B0);
    custom->Button()->ButtonTextColor = clNavy;
    custom->SetText("colours");
    auto* folder = new TQuillDirectoryEdit(Form);
    folder->SetParent(Form);
    folder->SetBounds(10, 100, 150, 21);
    folder->SetText("/tmp");
    folder->SetEnabled(false);
    Other->SetFocus();
    input::Pump();
    testsupport::ExpectMatchesGolden(Form->Surface(), "edit-buttons");
}

class QuillDirectoryEditTest : public QuillEdBtnTest {
protected:
    void SetUp() override
    {
        QuillEdBtnTest::SetUp();
        Dir = new TQuillDirectoryEdit(Form);
        Dir->SetParent(Form);
        Dir->SetBounds(10, 60, 200, 21);
        Dir->OnDialogClose = [this](TObject*, const std::string& path, bool ok) { Closed.push_back({path, ok}); };
        ui::DialogHook().FolderDialog = [this](const ui::TFolderDialogRequest& r) {
            Request = r;
            ++Dialogs;
            return Answer;
        };
        Dir->SetFocus();
    }
    TQuillDirectoryEdit* Dir = nullptr;
    testsupport::TempFolder Folder{"direction"};
    std::optional<std::string> Answer;
    ui::TFolderDialogRequest Request;
    int Dialogs = 0;
    std::vector<std::pair<std::string, bool>> Closed;
};

TEST_F(QuillDirectoryEditTest, TheDialogStartsAtTheValueOrTheCurrentFolder)
{
    Dir->ClickButton();
    EXPECT_EQ(Request.InitialDir, std::filesystem::current_path().string());
    EXPECT_EQ(Request.Title, "Select Directory");
    EXPECT_FALSE(Request.AllowNewFolder);
    Dir->SetText(Folder.Path());
    Dir->OnShowDirectoryDialog = [](TObject*, std::string& path) { path += "inner/"; };
    Press(VK_F4);
    EXPECT_EQ(Dialogs, 2);
    EXPECT_EQ(Request.InitialDir, Folder / "inner");
    EXPECT_TRUE(Closed.empty());
    EXPECT_EQ(Dir->Text(), Folder.Path());
}

TEST_F(QuillDirectoryEditTest, AChosenFolderBecomesTheValue)
{
    Dir->SetText(Folder.Path());
    Answer = Folder.Path();
    Dir->ClickButton();
    EXPECT_FALSE(Dir->Modified());
    ASSERT_EQ(Closed.size(), 1u);
    EXPECT_TRUE(Closed[0].second);

    Answer = "/";
    Dir->ClickButton();
    EXPECT_EQ(Dir->Text(), "/");
    EXPECT_TRUE(Dir->Modified());

    // A dialog that fails changes nothing.
    ui::DialogHook().FolderDialog = nullptr;
    Dir->ClickButton();
    EXPECT_EQ(Dir->Text(), "/");
    EXPECT_EQ(Closed.size(), 2u);
}

TEST_F(QuillDirectoryEditTest, TheValueIsValidWhenTheFolderExists)
{
    Dir->SetText(Folder.Path());
    EXPECT_TRUE(Dir->IsValidDirectory());
    EXPECT_FALSE(Dir->IsError());
    Dir->SetText(Folder / "missing");
    EXPECT_FALSE(Dir->IsValidDirectory());
    EXPECT_TRUE(Dir->IsError());
    EXPECT_FALSE(Dir->ValidateValue(Folder / "missing"));
    EXPECT_EQ(Dir->EditType(), etString);
}

TEST(QuillDirectoryEditPlacement, TheDialogStaysInsideTheWorkArea)
{
    const TRect work{0, 0, 1280, 1000};
    struct Case {
        const char* name;
        TPoint below;
        TPoint expected;
    };
    const Case cases[] = {
        {"room below and right", {100, 200}, {100, 200}},
        {"crosses the right edge", {1000, 200}, {600, 200}},
        {"crosses the bottom", {100, 800}, {100, 1000 - 300 - 64}},
        {"touches the bottom", {100, 700}, {100, 1000 - 300 - 64}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPoint p = TQuillDirectoryEdit::PlaceDialog(c.below, 400, 300, work);
        EXPECT_EQ(p.X, c.expected.X);
        EXPECT_EQ(p.Y, c.expected.Y);
    }
}

} // namespace
