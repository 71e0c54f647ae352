// The theme-library bindings: binding rules against a library we control, and
// the desktop's GTK theme (Adwaita, set for the test) drawn through them.
#include "render/HTMLRenderer.h"
#include "render/ThemeBinders.h"
#include "testsupport/GoldenImage.h"

#include "platform/backend/Backends.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/ui/Backend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>

using render::TThemeLibraryBinder;

namespace {

void AnyEntry() {}

// Offers every name except those it is told to lack.
class TFakeThemeLibrary final : public ui::TThemeLibrary {
public:
    explicit TFakeThemeLibrary(std::set<std::string> lacking) : FLacking(std::move(lacking)) {}
    ui::TThemeProc ProcAddress(std::string_view Name) const override
    {
        return FLacking.count(std::string(Name)) ? nullptr : &AnyEntry;
    }

private:
    std::set<std::string> FLacking;
};

// The headless host, with a theme library of the test's making.
class TThemedHeadlessBackend final : public ui::TBackend {
public:
    std::function<std::unique_ptr<ui::TThemeLibrary>()> Make;
    int Loads = 0;

    std::string Name() const override { return FHost->Name(); }
    std::unique_ptr<ui::TNativeWindow> CreateNativeWindow(const ui::TNativeWindowParams& p,
                                                         ui::TNativeWindowEvents& e) override
    {
        return FHost->CreateNativeWindow(p, e);
    }
    std::uint64_t NowMs() override { return FHost->NowMs(); }
    void PollEvents() override { FHost->PollEvents(); }
    void WaitForEvents(std::optional<std::uint64_t> d) override { FHost->WaitForEvents(d); }
    void Wake() override { FHost->Wake(); }
    ui::TNativeClipboard& Clipboard() override { return FHost->Clipboard(); }
    ui::TNativeDialogs& Dialogs() override { return FHost->Dialogs(); }
    ui::TScreenMetrics ScreenMetrics() override { return FHost->ScreenMetrics(); }
    TPoint CursorPos() override { return FHost->CursorPos(); }
    bool OpenDocument(const std::string& t) override { return FHost->OpenDocument(t); }
    std::unique_ptr<ui::TThemeLibrary> LoadThemeLibrary() override
    {
        ++Loads;
        return Make();
    }

private:
    std::unique_ptr<ui::TBackend> FHost = backend::CreateHeadlessBackend();
};

TThemedHeadlessBackend& InstallFakeHost(std::set<std::string> lacking)
{
    auto host = std::make_unique<TThemedHeadlessBackend>();
    host->Make = [lacking] { return std::make_unique<TFakeThemeLibrary>(lacking); };
    TThemedHeadlessBackend& ref = *host;
    ui::SetBackend(std::move(host));
    return ref;
}

TEST(ThemeLibraryBinding, BindsEveryEntryPointOnceAndUnbinds)
{
    TThemedHeadlessBackend& host = InstallFakeHost({});
    TThemeLibraryBinder binder;
    binder.BindThemeLibrary();
    binder.BindThemeLibrary();
    EXPECT_TRUE(binder.Loaded());
    EXPECT_EQ(host.Loads, 1);
    EXPECT_NE(binder.OpenThemeData, nullptr);
    EXPECT_NE(binder.GetCurrentThemeName, nullptr);
    EXPECT_NE(binder.EnableTheming, nullptr);
    binder.UnbindThemeLibrary();
    EXPECT_FALSE(binder.Loaded());
    // The entry points keep their values after unbinding.
    EXPECT_NE(binder.OpenThemeData, nullptr);
    ui::SetBackend(backend::CreateHeadlessBackend());
}

TEST(ThemeLibraryBinding, ALibraryLackingAnEntryPointIsNotUsed)
{
    for (const char* lacking : {"OpenThemeData", "GetThemeSysColorBrush", "EnableTheming"}) {
        SCOPED_TRACE(lacking);
        InstallFakeHost({lacking});
        TThemeLibraryBinder binder;
        binder.BindThemeLibrary();
        EXPECT_FALSE(binder.Loaded());
        TBitmap target;
        target.SetSize(20, 20);
        EXPECT_FALSE(binder.DrawPart(0, "button", BP_PUSHBUTTON, PBS_NORMAL, target.Canvas()->Handle(), {0, 0, 20, 20}));
    }
    ui::SetBackend(backend::CreateHeadlessBackend());
}

// The GTK host with the Adwaita theme, and the controls' binder bound to it.
class AdwaitaTheme : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        setenv("GTK_THEME", "Adwaita", 1);
        auto gtk = backend::CreateGtkBackend();
        if (!gtk) GTEST_SKIP() << "GTK cannot open the display";
        ui::SetBackend(std::move(gtk));
        binder.BindThemeLibrary();
        ASSERT_TRUE(binder.Loaded());
    }

    void TearDown() override { binder.UnbindThemeLibrary(); }

    TThemeLibraryBinder binder;
};

TEST_F(AdwaitaTheme, ReportsTheThemeAndRefusesWhatItLacks)
{
    EXPECT_TRUE(binder.IsThemeActive());
    char name[255], color[255], size[255];
    ASSERT_EQ(binder.GetCurrentThemeName(name, 255, color, 255, size, 255), S_OK);
    EXPECT_STREQ(name, "Adwaita");
    char small[4];
    EXPECT_EQ(binder.GetCurrentThemeName(small, 4, nullptr, 0, nullptr, 0), E_NOT_SUFFICIENT_BUFFER);
    EXPECT_STREQ(small, "Adw");

    EXPECT_EQ(binder.OpenThemeData(0, "nosuchclass"), nullptr);
    HTHEME theme = binder.OpenThemeData(7, "NoSuchClass; BUTTON");
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(binder.GetWindowTheme(7), theme);
    EXPECT_TRUE(binder.IsThemePartDefined(theme, BP_CHECKBOX, CBS_MIXEDNORMAL));
    EXPECT_FALSE(binder.IsThemePartDefined(theme, 99, 1));
    TBitmap target;
    target.SetSize(30, 30);
    const TRect r{0, 0, 30, 30};
    EXPECT_EQ(binder.DrawThemeBackground(theme, target.Canvas()->Handle(), 99, 1, &r, nullptr), E_INVALIDARG);
    TColorRef text = 0, fill = 0;
    EXPECT_EQ(binder.GetThemeColor(theme, BP_PUSHBUTTON, PBS_NORMAL, TMT_TEXTCOLOR, &text), S_OK);
    EXPECT_EQ(binder.GetThemeColor(theme, BP_PUSHBUTTON, PBS_DISABLED, TMT_TEXTCOLOR, &fill), S_OK);
    EXPECT_NE(text, fill) << "disabled text is drawn in another colour";
    EXPECT_EQ(binder.GetThemeColor(theme, BP_PUSHBUTTON, PBS_NORMAL, 1, &fill), E_PROP_ID_UNSUPPORTED);
    TRect content;
    ASSERT_EQ(binder.GetThemeBackgroundContentRect(theme, nullptr, BP_PUSHBUTTON, PBS_NORMAL, &r, &content), S_OK);
    EXPECT_GT(content.Left, r.Left);
    EXPECT_LT(content.Right, r.Right);
    EXPECT_EQ(binder.CloseThemeData(theme), S_OK);
    EXPECT_EQ(binder.CloseThemeData(theme), E_INVALIDARG);
    EXPECT_EQ(binder.GetWindowTheme(7), nullptr);

    // A window whose theme is switched off gets none.
    EXPECT_EQ(binder.SetWindowTheme(8, " ", " "), S_OK);
    EXPECT_EQ(binder.OpenThemeData(8, "button"), nullptr);
    EXPECT_EQ(binder.SetWindowTheme(8, "", ""), S_OK);
    theme = binder.OpenThemeData(8, "button");
    EXPECT_NE(theme, nullptr);
    binder.CloseThemeData(theme);
}

struct TPartCase {
    const char* ThemeClass;
    int Part;
    int State;
    unsigned FrameType;  // the plain path's frame control
    unsigned FrameState;
};

// Header items, check boxes, radio buttons, drop-down and push buttons, in
// their states, as the theme draws them and as the plain frame controls do.
const TPartCase PartCases[] = {
    {"header", HP_HEADERITEM, HIS_NORMAL, DFC_BUTTON, DFCS_BUTTONPUSH},
    {"header", HP_HEADERITEM, HIS_HOT, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_HOT},
    {"header", HP_HEADERITEM, HIS_PRESSED, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED},
    {"button", BP_CHECKBOX, CBS_UNCHECKEDNORMAL, DFC_BUTTON, DFCS_BUTTONCHECK},
    {"button", BP_CHECKBOX, CBS_CHECKEDNORMAL, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
    {"button", BP_CHECKBOX, CBS_MIXEDNORMAL, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED},
    {"button", BP_CHECKBOX, CBS_CHECKEDDISABLED, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE},
    {"button", BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, DFC_BUTTON, DFCS_BUTTONRADIO},
    {"button", BP_RADIOBUTTON, RBS_CHECKEDNORMAL, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
    {"combobox", CP_DROPDOWNBUTTON, CBXS_NORMAL, DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
    {"combobox", CP_DROPDOWNBUTTON, CBXS_HOT, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_HOT},
    {"combobox", CP_DROPDOWNBUTTON, CBXS_PRESSED, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED},
    {"combobox", CP_DROPDOWNBUTTON, CBXS_DISABLED, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE},
    {"button", BP_PUSHBUTTON, PBS_NORMAL, DFC_BUTTON, DFCS_BUTTONPUSH},
    {"spin", SPNP_UP, 1, DFC_SCROLL, DFCS_SCROLLUP},
    {"spin", SPNP_DOWN, 1, DFC_SCROLL, DFCS_SCROLLDOWN},
};

constexpr int Cell = 24;
constexpr int Gap = 4;

TRect CellRect(std::size_t i)
{
    const int x = Gap + static_cast<int>(i) * (Cell + Gap);
    return {x, Gap, x + Cell, Gap + Cell};
}

std::unique_ptr<TBitmap> Strip(const std::function<void(TCanvas&, const TPartCase&, const TRect&)>& draw)
{
    auto strip = std::make_unique<TBitmap>();
    strip->SetSize(Gap + static_cast<int>(std::size(PartCases)) * (Cell + Gap), Cell + 2 * Gap);
    TCanvas& c = *strip->Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect({0, 0, strip->Width(), strip->Height()});
    for (std::size_t i = 0; i < std::size(PartCases); ++i) draw(c, PartCases[i], CellRect(i));
    return strip;
}

bool SameCell(TBitmap& a, TBitmap& b, const TRect& r)
{
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y)) return false;
    return true;
}

TEST_F(AdwaitaTheme, PartsLookLikeTheDesktopAndUnlikeThePlainControls)
{
    auto themed = Strip([&](TCanvas& c, const TPartCase& p, const TRect& r) {
        EXPECT_TRUE(binder.DrawPart(0, p.ThemeClass, p.Part, p.State, c.Handle(), r)) << p.ThemeClass << p.Part;
    });
    auto plain = Strip([](TCanvas& c, const TPartCase& p, const TRect& r) {
        TRect box = r;
        DrawFrameControl(c.Handle(), box, p.FrameType, p.FrameState);
    });
    testsupport::ExpectMatchesGolden(*themed, "theme-parts-adwaita");
    testsupport::ExpectMatchesGolden(*plain, "theme-parts-plain");
    for (std::size_t i = 0; i < std::size(PartCases); ++i)
        EXPECT_FALSE(SameCell(*themed, *plain, CellRect(i))) << "part " << i << " is drawn the plain way";
    // Checked and unchecked are told apart by the theme too.
    auto shifted = Strip([&](TCanvas& c, const TPartCase& p, const TRect& r) {
        const int state = p.ThemeClass == std::string("button") && p.Part == BP_CHECKBOX ? CBS_UNCHECKEDNORMAL : p.State;
        binder.DrawPart(0, p.ThemeClass, p.Part, state, c.Handle(), r);
    });
    EXPECT_FALSE(SameCell(*themed, *shifted, CellRect(4))) << "a checked box looks unchecked";
}

TEST_F(AdwaitaTheme, MarkupFormControlsDrawThroughTheControlsBinding)
{
    const std::string markup = "<CONTROL TYPE=\"CHECK\" WIDTH=\"20\" ID=\"c\" VALUE=\"TRUE\">"
                               "<CONTROL TYPE=\"COMBO\" WIDTH=\"80\" ID=\"d\" VALUE=\"x\">"
                               "<CONTROL TYPE=\"BUTTON\" WIDTH=\"60\" ID=\"b\" VALUE=\"Go\">";
    auto render = [&] {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(180, 30);
        TCanvas& c = *bitmap->Canvas();
        c.Font()->SetName("DejaVu Sans");
        c.Font()->SetSize(8);
        c.Brush()->SetColor(clWhite);
        c.FillRect({0, 0, 180, 30});
        THTMLRenderParams params;
        params.XPos = -100;
        params.YPos = -100;
        THTMLRenderResult result;
        RenderHTMLText(&c, markup, {0, 0, 180, 30}, params, result);
        return bitmap;
    };
    render::ControlsThemeBinder().UnbindThemeLibrary();
    auto plain = render();
    render::ControlsThemeBinder().BindThemeLibrary();
    ASSERT_TRUE(render::ControlsThemeBinder().Loaded());
    auto themed = render();
    EXPECT_FALSE(SameCell(*plain, *themed, {0, 0, 180, 30}));
    testsupport::ExpectMatchesGolden(*themed, "theme-html-controls-adwaita");
}

} // namespace
