// Forms and the application: running and closing, hints, cursors, owner-drawn
// menu items and animated pictures.
#include "UiFixture.h"

#include "platform/graphics/GifImage.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"

using namespace backend;

namespace {
class TMainWindow : public TForm {
public:
    explicit TMainWindow(TComponent* owner) : TForm(owner) { OnCreate = [this](TObject*) { Created = true; }; }
    bool Created = false;
};
} // namespace

TEST_F(UiTest, RunEndsWhenTheMainFormClosesAndCloseQueryCanRefuse)
{
    TMainWindow* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    EXPECT_TRUE(main->Created) << "OnCreate runs when the form is created";
    int queries = 0;
    main->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    int step = 0;
    Application->OnIdle = [&](TObject*, bool& done) {
        ++step;
        main->Close();
        done = false; // did something: look at the queue again before waiting
    };
    Application->Run();
    EXPECT_EQ(queries, 2) << "the first close was refused";
    EXPECT_TRUE(Application->Terminated());
    delete main;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(UiTest, CaptionChangesReachTheHostWindowTitle)
{
    Form->SetCaption("First");
    Form->Show();
    auto* window = dynamic_cast<THeadlessWindow*>(Form->NativeWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Params().Caption, "First");
    Form->SetCaption("Corvanta Vistra - Markerfile: a.csv");
    EXPECT_EQ(window->Params().Caption, "Corvanta Vistra - Markerfile: a.csv");
}

TEST_F(UiTest, HostWindowFollowsMovesAndKeepsTheMinimumSizeOnly)
{
    Form->Constraints().SetMinWidth(300);
    Form->Show();
    auto* window = dynamic_cast<THeadlessWindow*>(Form->NativeWindow());
    ASSERT_NE(window, nullptr);
    int frameWidth = Form->Width() - window->Params().Bounds.Width();
    EXPECT_EQ(window->MinSize().X, 300 - frameWidth) << "the constraint, not the first size, is the minimum";
    EXPECT_EQ(window->MinSize().Y, 0);
    int leftBefore = window->Params().Bounds.Left;
    Form->SetLeft(Form->Left() + 50);
    EXPECT_EQ(window->Params().Bounds.Left, leftBefore + 50) << "a move alone reaches the host window";
}

TEST_F(UiTest, CloseActionsHideOrFreeASecondaryForm)
{
    auto* other = new TForm(nullptr);
    other->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    bool destroyed = false;
    other->OnDestroy = [&](TObject*) { destroyed = true; };
    other->Show();
    other->Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(destroyed) << "freed only after the messages being handled";
    input::Pump();
    EXPECT_TRUE(destroyed);
}

TEST_F(UiTest, HintShowsAfterThePauseAndGoesOnAPress)
{
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetHint("Type a latitude");
    edit->SetShowHint(true);
    Form->Show();
    input::MouseMove(*edit, {5, 5});
    input::AdvanceTime(Application->HintPause() - 1);
    EXPECT_TRUE(!Application->HintWindow() || !Application->HintWindow()->Visible());
    input::AdvanceTime(1);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->Visible());
    EXPECT_EQ(Application->HintWindow()->Caption(), "Type a latitude");
    EXPECT_EQ(Screen->ActiveForm(), Form) << "the hint window never takes the activation";
    input::MouseDown(*edit, {5, 5});
    EXPECT_FALSE(Application->HintWindow()->Visible());
}

TEST_F(UiTest, PointerShowsTheCursorOfTheControlUnderIt)
{
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    Form->Show();
    auto* window = dynamic_cast<THeadlessWindow*>(Form->NativeWindow());
    ASSERT_NE(window, nullptr);
    input::MouseMove(*edit, {3, 3});
    EXPECT_EQ(window->Cursor(), ui::TNativeCursor::IBeam);
    Screen->SetCursor(crHourGlass);
    input::MouseMove(*edit, {4, 3});
    EXPECT_EQ(window->Cursor(), ui::TNativeCursor::Wait);
    Screen->SetCursor(crDefault);
}

TEST_F(UiTest, OwnerDrawnItemsAreMeasuredAndDrawnThroughTheirEvents)
{
    TPopupMenu popup(Form);
    popup.SetOwnerDraw(true);
    std::vector<std::string> drawn;
    for (const char* caption : {"&One", "-", "&Two"}) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        item->OnMeasureItem = [](TObject* s, TCanvas*, int& w, int& h) {
            if (static_cast<TMenuItem*>(s)->IsLine()) return;
            w = 150;
            h = 30;
        };
        item->OnAdvancedDrawItem = [&drawn](TObject* s, TCanvas*, TRect r, TOwnerDrawState state) {
            auto* it = static_cast<TMenuItem*>(s);
            drawn.push_back(StripHotkey(it->Caption()) + (state.Contains(odSelected) ? "*" : "") + " " +
                            std::to_string(r.Width()) + "x" + std::to_string(r.Height()));
        };
        popup.Items()->Add(item);
    }
    Form->Show();
    int step = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (step++ == 0) {
            input::PressKey(*Form, VK_DOWN);
            input::Pump();
            input::PressKey(*Form, VK_ESCAPE);
        }
    };
    popup.Popup(100, 100);
    auto has = [&](const std::string& s) { return std::find(drawn.begin(), drawn.end(), s) != drawn.end(); };
    EXPECT_TRUE(has("One 150x30")) << "the measured size is used";
    EXPECT_TRUE(has("One* 150x30")) << "the hot item is drawn selected";
    EXPECT_TRUE(has("- 150x8")) << "a separator spans the popup's width at its default height";
}

TEST_F(UiTest, AnimatedGifStepsItsFramesOnTheTimer)
{
    TGIFImage gif;
    TBitmap red(4, 4), blue(4, 4);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 4, 4});
    blue.Canvas()->Brush()->SetColor(clBlue);
    blue.Canvas()->FillRect({0, 0, 4, 4});
    gif.AddFrame(red, 100);
    gif.AddFrame(blue, 200);
    auto* image = new TImage(Form);
    image->SetParent(Form);
    image->Picture().SetGraphic(&gif);
    Form->Show();
    auto* shown = dynamic_cast<TGIFImage*>(image->Picture().Graphic());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->CurrentFrame(), 0);
    input::AdvanceTime(100);
    EXPECT_EQ(shown->CurrentFrame(), 1);
    input::AdvanceTime(199);
    EXPECT_EQ(shown->CurrentFrame(), 1) << "the second frame stays its own delay";
    input::AdvanceTime(1);
    EXPECT_EQ(shown->CurrentFrame(), 0);
    image->SetAnimate(false);
    input::AdvanceTime(1000);
    EXPECT_EQ(shown->CurrentFrame(), 0);
}

// A modal window nobody placed opens centred over its owner (or, owned by no
// window, over the active one); a placed or centred-on-screen one keeps its place.
TEST_F(UiTest, UnplacedModalWindowOpensCentredOnItsOwner)
{
    Form->SetBounds(300, 200, 600, 400);
    Form->Show();
    struct Case {
        const char* what;
        TComponent* owner;
        TPosition position;
        TPoint designed;
        TPoint expected;
    };
    const Case cases[] = {
        {"owned by the window", Form, poDesigned, {0, 0}, {300 + (600 - 200) / 2, 200 + (400 - 100) / 2}},
        {"owned by nobody: the active window", nullptr, poDesigned, {0, 0}, {500, 350}},
        {"placed by its maker", Form, poDesigned, {40, 30}, {40, 30}},
    };
    for (const Case& c : cases) {
        TForm dialog(c.owner);
        dialog.SetPosition(c.position);
        dialog.SetBounds(c.designed.X, c.designed.Y, 200, 100);
        TPoint shown{-1, -1};
        Application->OnIdle = [&](TObject*, bool& done) {
            shown = {dialog.Left(), dialog.Top()};
            dialog.SetModalResult(mrOk);
            done = false;
        };
        dialog.ShowModal();
        EXPECT_EQ(shown.X, c.expected.X) << c.what;
        EXPECT_EQ(shown.Y, c.expected.Y) << c.what;
    }
    TForm shown(nullptr);
    shown.SetBounds(0, 0, 200, 100);
    shown.Show();
    EXPECT_EQ(shown.Left(), 0) << "a window shown modelessly keeps its designed place";
}

// A wheel turned over a hint scrolls the control beneath, as it would with no
// hint there, and the hint goes.
TEST_F(UiTest, WheelOverAHintReachesTheFocusedControl)
{
    auto* edit = AddControl("edit");
    edit->SetHint("a long text cut off by its cell");
    edit->SetShowHint(true);
    int wheels = 0;
    edit->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& handled) {
        ++wheels;
        handled = true;
    };
    Form->Show();
    edit->SetFocus();
    input::MouseMove(*edit, {5, 5});
    input::AdvanceTime(Application->HintPause());
    ASSERT_NE(Application->HintWindow(), nullptr);
    ASSERT_TRUE(Application->HintWindow()->Visible());
    auto& hint = dynamic_cast<THeadlessWindow*>(Application->HintWindow()->NativeWindow())->Events();
    hint.NativeWheel(-120, {4, 4}, {});
    EXPECT_EQ(wheels, 1);
    EXPECT_FALSE(Application->HintWindow()->Visible());
}
