// Popup menu windows with their tracking loop, and the form's menu bar.
#include "platform/ui/MenuWindow.h"

#include <algorithm>
#include <memory>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

namespace ui {

namespace {

constexpr int CheckStrip = 17;
constexpr int BarHeight = 20;
constexpr int PopupInset = 2;
// Owner-drawn menus frame their popups themselves, two pixels deep inside a
// one-pixel margin, the way a native menu border lies around its items.
constexpr int OwnerDrawPopupInset = 3;
TMenuTracker* gTracker = nullptr;

bool Selectable(const TMenuItem* item) { return item->Visible() && !item->IsLine() && item->Enabled(); }

std::string ShortCutText(const TMenuItem& item) { return ShortCutToText(item.ShortCut()); }

// One level of an open popup menu.
class TPopupLevel final : public TCustomForm {
public:
    explicit TPopupLevel(TMenuItem& parent) : TCustomForm(nullptr), FParentItem(parent)
    {
        SetPopup(true);
        SetBorderStyle(bsNone);
        SetFormStyle(fsStayOnTop);
        FColor = clMenu;
        Measure();
    }

    TMenuItem& ParentItem() const { return FParentItem; }
    int Hot() const { return FHot; }
    int Count() const { return static_cast<int>(FRects.size()); }
    TMenuItem* ItemAt(int i) const { return FItemsShown[static_cast<std::size_t>(i)]; }
    TRect ItemRect(int i) const { return FRects[static_cast<std::size_t>(i)]; }

    void SetHot(int index)
    {
        if (index == FHot) return;
        FHot = index;
        Invalidate();
    }

    // The next selectable item from the hot one in a direction, wrapping.
    void MoveHot(int step)
    {
        int n = Count();
        if (n == 0) return;
        // With nothing hot, Down starts at the first item and Up at the last.
        int i = FHot >= 0 ? FHot : (step > 0 ? -1 : n);
        for (int k = 0; k < n; ++k) {
            i = ((i + step) % n + n) % n;
            if (Selectable(ItemAt(i))) {
                SetHot(i);
                return;
            }
        }
    }

    int IndexAt(TPoint client) const
    {
        for (int i = 0; i < Count(); ++i)
            if (FRects[static_cast<std::size_t>(i)].Contains(client)) return i;
        return -1;
    }

    std::function<void(int index)> OnHover;
    std::function<void(int index)> OnChoose;

protected:
    void Paint() override
    {
        TCanvas* c = Canvas();
        c->Brush()->SetColor(clMenu);
        c->FillRect(ClientRect());
        c->Pen()->SetColor(clBtnShadow);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(ClientRect());
        for (int i = 0; i < Count(); ++i) {
            TMenuItem* item = ItemAt(i);
            TOwnerDrawState state;
            if (i == FHot) state.Include(odSelected);
            if (!item->Enabled()) state.Include(odDisabled);
            if (item->Default()) state.Include(odDefault);
            if (item->Checked()) state.Include(odChecked);
            c->Font()->Assign(&Font());
            c->Brush()->SetStyle(bsSolid);
            item->AdvancedDrawItem(c, ItemRect(i), state, false);
        }
    }

    void MouseMove(TShiftState Shift, int X, int Y) override
    {
        TCustomForm::MouseMove(Shift, X, Y);
        int i = IndexAt({X, Y});
        if (i >= 0 && i != FHot) {
            SetHot(i);
            if (OnHover) OnHover(i);
        }
    }

    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TCustomForm::MouseUp(Button, Shift, X, Y);
        int i = IndexAt({X, Y});
        if (i >= 0 && OnChoose) OnChoose(i);
    }

private:
    void Measure()
    {
        TBitmap probe(1, 1);
        TCanvas* c = probe.Canvas();
        c->Font()->Assign(&Font());
        std::vector<std::pair<int, int>> sizes;
        for (int i = 0; i < FParentItem.Count(); ++i) {
            TMenuItem* item = FParentItem.Items(i);
            if (!item->Visible()) continue;
            int w = 0, h = 0;
            item->MeasureItem(c, w, h);
            if (w == 0 && h == 0) continue;
            FItemsShown.push_back(item);
            sizes.emplace_back(w, h);
        }
        // Columns start at items with Break; each column is as wide as its widest item.
        TMenu* menu = FParentItem.GetParentMenu();
        const int inset = menu && menu->OwnerDraw() ? OwnerDrawPopupInset : PopupInset;
        int x = inset, y = inset, colWidth = 0, maxBottom = inset;
        std::size_t colStart = 0;
        auto closeColumn = [&](std::size_t end) {
            for (std::size_t k = colStart; k < end; ++k) FRects[k].Right = FRects[k].Left + colWidth;
            x += colWidth;
            colWidth = 0;
            colStart = end;
        };
        for (std::size_t k = 0; k < FItemsShown.size(); ++k) {
            if (k > 0 && FItemsShown[k]->Break()) {
                closeColumn(k);
                y = inset;
            }
            auto [w, h] = sizes[k];
            colWidth = std::max(colWidth, w);
            FRects.push_back(Bounds(x, y, std::max(w, 0), h));
            y += h;
            maxBottom = std::max(maxBottom, y);
        }
        closeColumn(FItemsShown.size());
        SetBounds(0, 0, x + inset, maxBottom + inset);
    }

    TMenuItem& FParentItem;
    std::vector<TMenuItem*> FItemsShown;
    std::vector<TRect> FRects;
    int FHot = -1;
};

// Tracks one popup menu and its open submenus.
class TPopupTracker final : public TMenuTracker {
public:
    // A menu opened by keyboard starts with its first item chosen, so Enter
    // runs it; one opened by the mouse starts with nothing chosen.
    TPopupTracker(TMenuItem& root, TPoint at, TPopupAlignment alignment, bool chooseFirst = false)
    {
        FPrevious = gTracker;
        gTracker = this;
        Open(root, at, alignment);
        if (chooseFirst) FLevels.back()->MoveHot(1);
    }
    ~TPopupTracker() override { gTracker = FPrevious; }

    TMenuItem* Run()
    {
        while (!FDone && Application && !Application->Terminated()) Application->HandleMessage();
        return FChosen;
    }

    bool HandleKey(unsigned msg, unsigned short vk) override
    {
        // Keys that arrive after the menu closed, before its loop ends, are swallowed.
        if (FLevels.empty() || (msg != WM_KEYDOWN && msg != WM_SYSKEYDOWN)) return true;
        TPopupLevel& top = *FLevels.back();
        switch (vk) {
        case VK_UP: top.MoveHot(-1); break;
        case VK_DOWN: top.MoveHot(1); break;
        case VK_RIGHT:
            if (top.Hot() >= 0 && top.ItemAt(top.Hot())->Count() > 0) OpenSub(top.Hot(), true);
            else if (OnSideways) Finish(nullptr, 1);
            break;
        case VK_LEFT:
            if (FLevels.size() > 1) CloseTop();
            else if (OnSideways) Finish(nullptr, -1);
            break;
        case VK_ESCAPE:
            if (FLevels.size() > 1) CloseTop();
            else Finish(nullptr);
            break;
        case VK_RETURN:
            if (top.Hot() >= 0) Choose(top, top.Hot());
            break;
        case VK_MENU: case VK_F10: Finish(nullptr); break;
        default: break;
        }
        return true;
    }

    bool HandleChar(char32_t ch) override
    {
        if (FLevels.empty()) return true;
        TPopupLevel& top = *FLevels.back();
        char32_t lower = ch < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
        for (int i = 0; i < top.Count(); ++i)
            if (Selectable(top.ItemAt(i)) && top.ItemAt(i)->AccessKey() == lower) {
                top.SetHot(i);
                Choose(top, i);
                return true;
            }
        return true;
    }

    void OutsidePress() override { Finish(nullptr); }

    bool Owns(const TCustomForm* form) const override
    {
        return std::any_of(FLevels.begin(), FLevels.end(), [&](const auto& l) { return l.get() == form; });
    }

    // The screen rectangle of an item in one of the open levels.
    bool ItemScreenRect(const TMenuItem& item, TRect& rect) const
    {
        for (const auto& level : FLevels)
            for (int i = 0; i < level->Count(); ++i) {
                if (level->ItemAt(i) != &item) continue;
                TRect r = level->ItemRect(i);
                TPoint p = level->ClientToScreen({r.Left, r.Top});
                rect = Bounds(p.X, p.Y, r.Width(), r.Height());
                return true;
            }
        return false;
    }

    // The screen rectangles of the items of the open level that shows parent's submenu.
    std::vector<TRect> LevelScreenRects(const TMenuItem& parent) const
    {
        std::vector<TRect> rects;
        for (const auto& level : FLevels) {
            if (&level->ParentItem() != &parent) continue;
            for (int i = 0; i < level->Count(); ++i) {
                TRect r = level->ItemRect(i);
                TPoint p = level->ClientToScreen({r.Left, r.Top});
                rects.push_back(Bounds(p.X, p.Y, r.Width(), r.Height()));
            }
            break;
        }
        return rects;
    }

    // Set by the menu bar: Left/Right at the first level move to a neighbour.
    bool OnSideways = false;
    int Sideways() const { return FSideways; }

private:
    // Returns the left edge the level was placed at; an owner-drawn level may
    // move itself once it shows.
    int Open(TMenuItem& parent, TPoint at, TPopupAlignment alignment)
    {
        auto level = std::make_unique<TPopupLevel>(parent);
        TPopupLevel* raw = level.get();
        TRect work = Screen ? Screen->WorkAreaRect() : TRect{0, 0, 1920, 1080};
        int x = at.X, y = at.Y;
        if (alignment == paRight) x -= raw->Width();
        else if (alignment == paCenter) x -= raw->Width() / 2;
        if (x + raw->Width() > work.Right) x = std::max(work.Left, work.Right - raw->Width());
        if (y + raw->Height() > work.Bottom) y = std::max(work.Top, work.Bottom - raw->Height());
        const int placedLeft = std::max(work.Left, x);
        raw->SetBounds(placedLeft, y, raw->Width(), raw->Height());
        std::size_t depth = FLevels.size();
        raw->OnHover = [this, depth](int i) {
            while (FLevels.size() > depth + 1) CloseTop();
            TPopupLevel& l = *FLevels[depth];
            if (l.ItemAt(i)->Count() > 0 && l.ItemAt(i)->Enabled()) OpenSub(i, false);
        };
        raw->OnChoose = [this, depth](int i) { Choose(*FLevels[depth], i); };
        FLevels.push_back(std::move(level));
        raw->Show();
        return placedLeft;
    }

    void OpenSub(int index, bool selectFirst)
    {
        TPopupLevel& top = *FLevels.back();
        TMenuItem* item = top.ItemAt(index);
        TRect r = top.ItemRect(index);
        TPoint at = top.ClientToScreen({r.Right, r.Top});
        const int placedLeft = Open(*item, at, paLeft);
        // Near the screen's right edge a submenu opens to the left of its parent.
        TPopupLevel& sub = *FLevels.back();
        if (placedLeft < at.X) sub.SetLeft(std::max(0, top.Left() - sub.Width()));
        if (selectFirst) sub.MoveHot(1);
    }

    void CloseTop()
    {
        FLevels.back()->Hide();
        FLevels.pop_back();
    }

    void Choose(TPopupLevel& level, int index)
    {
        TMenuItem* item = level.ItemAt(index);
        if (!Selectable(item)) return;
        if (item->Count() > 0) {
            OpenSub(index, true);
            return;
        }
        Finish(item);
    }

    void Finish(TMenuItem* chosen, int sideways = 0)
    {
        FChosen = chosen;
        FSideways = sideways;
        FDone = true;
        while (!FLevels.empty()) CloseTop();
    }

    TMenuTracker* FPrevious = nullptr;
    std::vector<std::unique_ptr<TPopupLevel>> FLevels;
    TMenuItem* FChosen = nullptr;
    bool FDone = false;
    int FSideways = 0;
};

} // namespace

TMenuTracker* ActiveMenuTracker() { return gTracker; }

std::vector<TRect> GetMenuPopupItemRects(const TMenuItem& parent)
{
    auto* tracker = dynamic_cast<const TPopupTracker*>(gTracker);
    return tracker ? tracker->LevelScreenRects(parent) : std::vector<TRect>{};
}

bool GetMenuItemRect(const TMenuItem& item, TRect& rect)
{
    auto* tracker = dynamic_cast<const TPopupTracker*>(gTracker);
    return tracker && tracker->ItemScreenRect(item, rect);
}

void DefaultMeasureMenuItem(const TMenuItem& item, TCanvas* canvas, int& width, int& height)
{
    if (item.IsLine()) {
        width = -2;
        height = 8;
        return;
    }
    std::string text = StripHotkey(item.Caption());
    std::string shortcut = ShortCutText(item);
    int textWidth = canvas ? canvas->TextWidth(text) : static_cast<int>(text.size()) * 6;
    int shortWidth = shortcut.empty() ? 0 : (canvas ? canvas->TextWidth(shortcut) : static_cast<int>(shortcut.size()) * 6) + 16;
    int lineHeight = canvas ? canvas->TextHeight("Wg") : 13;
    width = CheckStrip + textWidth + shortWidth + 24;
    height = lineHeight + 6;
}

void DefaultDrawMenuItem(const TMenuItem& item, TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel)
{
    bool selected = state.Contains(odSelected);
    canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
    canvas->FillRect(rect);
    if (item.IsLine()) {
        int y = rect.Top + rect.Height() / 2;
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(rect.Left + 2, y);
        canvas->LineTo(rect.Right - 2, y);
        return;
    }
    canvas->Font()->SetColor(state.Contains(odDisabled) ? clGrayText : selected ? clHighlightText : clMenuText);
    canvas->Brush()->SetStyle(bsClear);
    TRect textRect = rect;
    textRect.Left += topLevel ? 6 : CheckStrip + 4;
    std::string caption = item.Caption();
    canvas->TextRect(textRect, caption, TTextFormat{tfSingleLine, tfVerticalCenter, tfLeft});
    if (!topLevel) {
        const TImageList* images = item.GetImageList();
        bool hasImage = images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
        if (hasImage) {
            // The picture takes the place of the check mark; a checked one sits in a sunken square.
            int y = rect.Top + (rect.Height() - images->Height()) / 2;
            if (item.Checked()) {
                TRect box = Bounds(rect.Left, y - 1, images->Width() + 2, images->Height() + 2);
                DrawEdge(canvas->Handle(), box, BDR_SUNKENOUTER, BF_RECT);
            }
            images->Draw(canvas, rect.Left + 1, y, item.ImageIndex(), !state.Contains(odDisabled));
        } else if (item.Checked()) {
            int cy = rect.Top + rect.Height() / 2;
            canvas->Pen()->SetColor(canvas->Font()->Color());
            if (item.RadioItem()) {
                canvas->Brush()->SetColor(canvas->Font()->Color());
                canvas->Ellipse(rect.Left + 5, cy - 3, rect.Left + 11, cy + 3);
            } else {
                TPoint tick[] = {{rect.Left + 4, cy}, {rect.Left + 7, cy + 3}, {rect.Left + 12, cy - 3}};
                canvas->Polyline(tick);
            }
            canvas->Brush()->SetStyle(bsClear);
        }
        std::string shortcut = ShortCutText(item);
        if (!shortcut.empty()) {
            TRect r = rect;
            r.Right -= 12;
            canvas->TextRect(r, shortcut, TTextFormat{tfSingleLine, tfVerticalCenter, tfRight});
        }
        if (item.Count() > 0) {
            int cy = rect.Top + rect.Height() / 2;
            TPoint arrow[] = {{rect.Right - 9, cy - 4}, {rect.Right - 5, cy}, {rect.Right - 9, cy + 4}};
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(canvas->Font()->Color());
            canvas->Polygon(arrow);
        }
    }
}

TMenuItem* TrackPopup(TMenuItem& root, TPoint screenPos, TPopupAlignment alignment)
{
    TPopupTracker tracker(root, screenPos, alignment);
    return tracker.Run();
}

// ---- TMenuBar

TMenuBar::TMenuBar(TCustomForm& form) : FForm(form) {}

int TMenuBar::Height() const
{
    TMainMenu* menu = FForm.Menu();
    if (!menu) return 0;
    for (int i = 0; i < menu->Items()->Count(); ++i)
        if (menu->Items()->Items(i)->Visible()) return BarHeight;
    return 0;
}

std::vector<std::pair<TMenuItem*, TRect>> TMenuBar::Layout() const
{
    std::vector<std::pair<TMenuItem*, TRect>> out;
    TMainMenu* menu = FForm.Menu();
    if (!menu) return out;
    TBitmap probe(1, 1);
    TCanvas* c = probe.Canvas();
    c->Font()->Assign(&FForm.Font());
    int x = 0;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        TMenuItem* item = menu->Items()->Items(i);
        if (!item->Visible()) continue;
        int w = c->TextWidth(StripHotkey(item->Caption())) + 12;
        // An owner-drawn bar's items say how wide they are; the bar keeps its
        // usual spacing around them.
        if (menu->OwnerDraw()) {
            int h = BarHeight;
            item->MeasureItem(c, w, h);
            w += 12;
        }
        out.emplace_back(item, Bounds(x, 0, w, BarHeight));
        x += w;
    }
    return out;
}

void TMenuBar::Paint(HDC dc, int width)
{
    TCanvas c;
    c.SetHandle(dc);
    c.Brush()->SetColor(clMenu);
    c.FillRect({0, 0, width, Height()});
    auto layout = Layout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        TOwnerDrawState state;
        if (static_cast<int>(i) == FHot) state.Include(odSelected);
        if (!layout[i].first->Enabled()) state.Include(odDisabled);
        c.Font()->Assign(&FForm.Font());
        c.Brush()->SetStyle(bsSolid);
        layout[i].first->AdvancedDrawItem(&c, layout[i].second, state, true);
    }
    c.SetHandle(nullptr);
}

void TMenuBar::HandleMouse(unsigned msg, TPoint pos)
{
    auto layout = Layout();
    int index = -1;
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (layout[i].second.Contains(pos)) index = static_cast<int>(i);
    if (msg == WM_MOUSEMOVE) {
        if (index != FHot) {
            FHot = index;
            FForm.InvalidateFormArea({0, -Height(), FForm.ClientWidth(), 0}, false);
        }
        return;
    }
    if (msg == WM_LBUTTONDOWN && index >= 0) OpenItem(index);
}

void TMenuBar::MouseLeft()
{
    if (FHot < 0) return;
    FHot = -1;
    FForm.InvalidateFormArea({0, -Height(), FForm.ClientWidth(), 0}, false);
}

void TMenuBar::OpenItem(int index, bool byKeyboard)
{
    auto layout = Layout();
    while (index >= 0 && index < static_cast<int>(layout.size())) {
        TMenuItem* top = layout[static_cast<std::size_t>(index)].first;
        if (!top->Enabled()) return;
        FHot = index;
        FForm.InvalidateFormArea({0, -Height(), FForm.ClientWidth(), 0}, false);
        if (top->Count() == 0) {
            FHot = -1;
            top->Click();
            return;
        }
        TRect r = layout[static_cast<std::size_t>(index)].second;
        TPoint at = FForm.ClientToScreen({r.Left, 0});
        TMenuItem* chosen = nullptr;
        int sideways = 0;
        {
            // The menu is closed and its tracking over before the command runs:
            // a command may open a modal window that takes keys and clicks.
            TPopupTracker tracker(*top, at, paLeft, byKeyboard);
            tracker.OnSideways = true;
            chosen = tracker.Run();
            sideways = tracker.Sideways();
        }
        FHot = -1;
        FForm.InvalidateFormArea({0, -Height(), FForm.ClientWidth(), 0}, false);
        if (chosen) {
            chosen->Click();
            return;
        }
        if (sideways == 0) return;
        int n = static_cast<int>(layout.size());
        index = (index + sideways + n) % n;
        byKeyboard = true;
    }
}

bool TMenuBar::HandleKey(unsigned msg, unsigned short vk)
{
    if (TMenuTracker* t = ActiveMenuTracker()) return t->HandleKey(msg, vk);
    if (msg == WM_SYSKEYDOWN && vk == VK_F10) {
        if (Height() > 0) OpenItem(0, true);
        return Height() > 0;
    }
    return false;
}

bool TMenuBar::OpenByAccelerator(char32_t ch)
{
    char32_t lower = ch < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
    auto layout = Layout();
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (layout[i].first->AccessKey() == lower) {
            OpenItem(static_cast<int>(i), true);
            return true;
        }
    return false;
}

} // namespace ui
