// Opening a popup menu to its first full paint: the styled popup (the grid's seven
// plain items, and 300 items with notes, pictures and a side bar) against the
// platform's plain popup of the same items, which is the baseline.
#include "menus/MenuSideBar.h"
#include "menus/MenuStyler.h"
#include "menus/QuillMenus.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

struct Window {
    Window()
    {
        static bool installed = (backend::InstallHeadlessBackend(), true);
        (void)installed;
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        form->Show();
        TBitmap icon(16, 16);
        icon.Canvas()->Brush()->SetColor(0xC06020);
        icon.Canvas()->FillRect(Rect(2, 2, 14, 14));
        images.AddMasked(&icon, clBlack);
    }
    std::unique_ptr<TForm> form;
    TImageList images;
};

void Fill(TPopupMenu& Menu, TImageList& Images, int Count)
{
    static const char* grid[] = {"Delete Row", "Delete Column", "Insert Row", "Insert Column",
                                 "CopyRow to Clipboard", "CopyColumn to Clipboard", "Paste From Clipboard"};
    const bool rich = Count > 7;
    if (rich) Menu.SetImages(&Images);
    for (int i = 0; i < Count; ++i) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(rich ? "Item " + std::to_string(i) + "\\nwith a notes line under it" : grid[i % 7]);
        if (rich) {
            item->SetImageIndex(i % 3 == 0 ? 0 : -1);
            item->SetChecked(i % 3 == 1);
            item->SetShortCut(static_cast<TShortCut>(scCtrl | ('A' + i % 26)));
        }
        Menu.Items()->Add(item);
    }
}

// Pops the menu up, waits for its first full paint and closes it.
void OpenAndPaint(TForm& Form, TPopupMenu& Menu)
{
    bool painted = false;
    Application->OnIdle = [&](TObject*, bool&) {
        if (painted) return;
        painted = true;
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->Popup() && Screen->Forms(i)->Visible()) benchmark::DoNotOptimize(&Screen->Forms(i)->Surface());
        backend::input::PressKey(Form, VK_ESCAPE);
    };
    Menu.Popup(20, 20);
    Application->OnIdle = nullptr;
}

template <class TMenuClass>
void BM_OpenPopup(benchmark::State& state)
{
    Window w;
    TMenuClass menu(w.form.get());
    Fill(menu, w.images, static_cast<int>(state.range(0)));
    if constexpr (std::is_same_v<TMenuClass, TQuillPopupMenu>) {
        if (state.range(0) > 7) {
            menu.CurrentMenuStyler()->SideBar()->SetVisible(true);
            menu.CurrentMenuStyler()->SideBar()->SetVisibleIn(viFirstLevel);
            menu.CurrentMenuStyler()->SideBar()->SetCaption("Vistra");
        }
    }
    for (auto _ : state) OpenAndPaint(*w.form, menu);
}

BENCHMARK_TEMPLATE(BM_OpenPopup, TPopupMenu)->Name("PlainPopup")->Arg(7)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenPopup, TQuillPopupMenu)->Name("StyledPopup")->Arg(7)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace
