// The message loop: posted messages, timers, modal loops and exceptions.
#include "UiFixture.h"

#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timer.h"

using namespace backend;

TEST_F(UiTest, PostedMessagesArriveInOrderThroughTheLoop)
{
    auto* a = AddControl("a");
    unsigned custom = RegisterWindowMessage("VistraTestMessage");
    EXPECT_EQ(custom, RegisterWindowMessage("vistratestmessage"));
    EXPECT_GE(custom, FirstRegisteredMessage);
    a->HandleNeeded();
    Log.clear();
    PostMessage(a->Handle(), custom, 1, 0);
    PostMessage(a->Handle(), WM_USER + 1, 2, 0);
    EXPECT_TRUE(Log.empty()) << "posting does not deliver";
    input::Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"a:" + ui::MessageName(custom), "a:0x0401"}));
}

TEST_F(UiTest, TimerFiresOncePerIntervalOnTheHeadlessClock)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(100);
    input::AdvanceTime(99);
    EXPECT_EQ(ticks, 0);
    input::AdvanceTime(1);
    EXPECT_EQ(ticks, 1);
    input::AdvanceTime(350);
    EXPECT_EQ(ticks, 2) << "a late loop fires a timer once, not once per missed interval";
    timer.SetEnabled(false);
    input::AdvanceTime(500);
    EXPECT_EQ(ticks, 2);
}

TEST_F(UiTest, ModalLoopEndsWithTheModalResult)
{
    TForm dialog(nullptr);
    auto* ok = new TRecordingControl(&dialog, Log, "ok");
    ok->SetParent(&dialog);
    ok->OnClick = [&](TObject*) { dialog.SetModalResult(mrOk); };
    Form->Show();
    int idles = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (++idles == 1) input::Click(*ok);
    };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(Screen->ActiveForm(), Form) << "the form that was active gets the activation back";
}

TEST_F(UiTest, ModalLoopThatNoTestAnswersFailsInsteadOfHanging)
{
    TForm dialog(nullptr);
    EXPECT_THROW(dialog.ShowModal(), EInvalidOperation);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.Modal());
}

TEST_F(UiTest, ExceptionInAHandlerReachesTheApplicationAndTheLoopGoesOn)
{
    auto* a = AddControl("a");
    a->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    std::vector<std::string> reported;
    Application->OnException = [&](TObject*, const Exception& e) { reported.push_back(e.Message()); };
    Form->Show();
    input::Click(*a);
    input::Click(*a);
    EXPECT_EQ(reported, (std::vector<std::string>{"'x' is not a valid integer value", "'x' is not a valid integer value"}));

    // Without OnException the default handler shows the message in a box.
    Application->OnException = nullptr;
    std::string shown;
    ui::DialogHook().MessageBox = [&](const ui::TMessageBoxRequest& r) {
        shown = r.Text;
        return IDOK;
    };
    input::Click(*a);
    EXPECT_EQ(shown, "'x' is not a valid integer value.");
}

TEST_F(UiTest, DialogNobodyAnswersFailsLoudly)
{
    EXPECT_THROW(ShowMessage("hello"), EDialogUnanswered);
    TOpenDialog open(nullptr);
    EXPECT_THROW(open.Execute(), EDialogUnanswered);
}

TEST_F(UiTest, FileDialogPassesFilterAndReportsTypeChange)
{
    TSaveDialog save(nullptr);
    save.SetFilter("Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp");
    save.SetDefaultExt("bmp");
    int typeChanges = 0;
    save.OnTypeChange = [&](TObject*) { ++typeChanges; };
    ui::DialogHook().FileDialog = [](const ui::TFileDialogRequest& r) {
        EXPECT_EQ(r.Filters.size(), 3u);
        EXPECT_EQ(r.Filters[1].second, "*.jpg");
        EXPECT_EQ(r.DefaultExt, "bmp");
        return std::optional<ui::TFileDialogAnswer>({{"/tmp/shot.jpg"}, 2});
    };
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), "/tmp/shot.jpg");
    EXPECT_EQ(save.FilterIndex(), 2);
    EXPECT_EQ(typeChanges, 1);
}
