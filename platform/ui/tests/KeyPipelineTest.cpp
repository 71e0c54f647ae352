// The key pipeline: the order of its stages and what each stage may consume.
#include "UiFixture.h"

using namespace backend;

namespace {

std::vector<std::string> Filter(const std::vector<std::string>& log, std::initializer_list<std::string> keep)
{
    std::vector<std::string> out;
    for (const auto& e : log)
        for (const auto& k : keep)
            if (e.find(k) != std::string::npos) out.push_back(e);
    return out;
}

} // namespace

TEST_F(UiTest, KeyDownRunsDialogStageThenPreviewThenControlThenCharacter)
{
    std::vector<std::string> order;
    auto* edit = AddControl("edit");
    edit->OnKeyDown = [&](TObject*, unsigned short&, TShiftState) { order.push_back("control KeyDown"); };
    edit->OnKeyPress = [&](TObject*, char32_t& ch) { order.push_back(std::string("control KeyPress ") + char(ch)); };
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [&](TObject*, unsigned short&, TShiftState) { order.push_back("form KeyDown"); };
    Form->OnKeyPress = [&](TObject*, char32_t&) { order.push_back("form KeyPress"); };
    Form->Show();
    edit->SetFocus();
    Log.clear();

    input::PressKey(*Form, 'A');

    EXPECT_EQ(Filter(Log, {"CN_KEYDOWN", "WM_KEYDOWN", "CN_CHAR", "WM_CHAR", "WM_KEYUP"}),
              (std::vector<std::string>{"edit:CN_KEYDOWN", "edit:WM_KEYDOWN", "edit:CN_CHAR", "edit:WM_CHAR",
                                        "edit:WM_KEYUP"}));
    EXPECT_EQ(order, (std::vector<std::string>{"form KeyDown", "control KeyDown", "form KeyPress",
                                               "control KeyPress a"}));
}

TEST_F(UiTest, SpecialKeysAreOfferedToTheControlBeforeTheForm)
{
    struct Case {
        const char* name;
        unsigned short key;
        LRESULT dlgCode;
        bool wantSpecial;
        bool reachesControl;
    } cases[] = {
        {"Tab, not wanted: form moves focus", VK_TAB, 0, false, false},
        {"Tab wanted by WM_GETDLGCODE", VK_TAB, DLGC_WANTTAB, false, true},
        {"Arrow wanted through CM_WANTSPECIALKEY", VK_LEFT, 0, true, true},
        {"Arrow wanted by WM_GETDLGCODE", VK_DOWN, DLGC_WANTARROWS, false, true},
        {"Esc with all keys wanted", VK_ESCAPE, DLGC_WANTALLKEYS, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* first = AddControl("first");
        auto* second = AddControl("second", 60);
        first->DlgCode = c.dlgCode;
        first->WantSpecial = c.wantSpecial;
        bool sawKey = false, sawChar = false;
        first->OnKeyDown = [&](TObject*, unsigned short&, TShiftState) { sawKey = true; };
        first->OnKeyPress = [&](TObject*, char32_t&) { sawChar = true; };
        Form->Show();
        first->SetFocus();
        input::PressKey(*Form, c.key);
        EXPECT_EQ(sawKey, c.reachesControl);
        if (!c.reachesControl) {
            EXPECT_FALSE(sawChar) << "a key consumed by the dialog stage makes no character";
        }
        if (c.key == VK_TAB && !c.reachesControl) {
            EXPECT_TRUE(second->Focused());
        }
        delete first;
        delete second;
    }
}

TEST_F(UiTest, ClearedKeyStopsDefaultProcessingButNotTheCharacter)
{
    auto* edit = AddControl("edit");
    edit->OnKeyDown = [](TObject*, unsigned short& key, TShiftState) { key = 0; };
    std::vector<char32_t> chars;
    edit->OnKeyPress = [&](TObject*, char32_t& ch) { chars.push_back(ch); };
    Form->Show();
    edit->SetFocus();
    input::PressKey(*Form, 'B', TShiftState{ssShift});
    EXPECT_EQ(chars, std::vector<char32_t>{U'B'});
}

TEST_F(UiTest, AltKeysArriveAsSystemKeysWithTheAltBit)
{
    auto* edit = AddControl("edit");
    TShiftState seen;
    edit->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState shift) {
        if (key == 'X') seen = shift;
    };
    Form->Show();
    edit->SetFocus();
    Log.clear();
    input::PressKey(*Form, 'X', TShiftState{ssAlt});
    EXPECT_TRUE(seen.Contains(ssAlt));
    EXPECT_FALSE(Filter(Log, {"edit:WM_SYSKEYDOWN"}).empty());
}
