// The regions behind a styled menu item: side bar with its rotated caption,
// the slice of the icon column and of the background, and separator bands.
#include "menus/MenuItemDrawing.h"

#include "menus/MenuAppearance.h"
#include "menus/MenuBackground.h"
#include "menus/MenuDrawing.h"
#include "menus/MenuSideBar.h"
#include "menus/MenuStyler.h"
#include "menus/MenuUtil.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Menus.h"
#include "platform/ui/WindowManager.h"

#include <cmath>

namespace {

bool IsFirstVisibleChild(const TMenuItem* Item)
{
    const TMenuItem* parent = Item->Parent();
    if (!parent) return false;
    for (int i = 0; i < parent->Count(); ++i)
        if (parent->Items(i)->Visible()) return parent->Items(i) == Item;
    return false;
}

// Nearest whole number, halves to the even neighbour.
int RoundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

void DrawSideBarCaption(const TCustomQuillMenuStyler& S, TCanvas& Canvas, const TRect& BarRect)
{
    const TSideBar& bar = *S.SideBar();
    Canvas.Font()->Assign(bar.Font());
    const TSize extent = Canvas.TextExtent(bar.Caption());
    const int cx = extent.cx, cy = extent.cy;
    HDC dc = Canvas.Handle();
    HFONT rotated = CreateRotatedFont(*bar.Font(), bar.Direction() == dUpToDown ? -90 : 90);
    HGDIOBJ previous = SelectObject(dc, rotated);
    SetBkMode(dc, TRANSPARENT);
    rtl::ScopeExit restore([&] {
        SelectObject(dc, previous);
        DeleteObject(rotated);
        SetBkMode(dc, OPAQUE);
    });

    int x = BarRect.Left + RoundHalfEven((bar.Size() - cy) / 2.0 - 0.5);
    const int H = BarRect.Height();
    const bool downToUp = bar.Direction() == dDownToUp;
    int y = 0;
    if (bar.Alignment() == taCenter) y = RoundHalfEven((H + cx) / 2.0 - 0.5);
    else if ((bar.Alignment() == taRightJustify) == downToUp) y = bar.OffsetY() + cx;
    else {
        y = H - bar.OffsetY();
        TBackground& image = *bar.Image();
        if (image.HasPicture() && (image.Position() == bpBottomLeft || image.Position() == bpBottomRight))
            y -= image.Image()->Height();
    }
    y += BarRect.Top;
    if (!downToUp) {
        y -= cx;
        x += cy + 1;
    }
    TRect clip = BarRect;
    clip.Bottom += 1;
    auto output = [&](TColor colour, int atX, int atY) {
        SetTextColor(dc, ColorToRGB(colour));
        ExtTextOut(dc, atX, atY, ETO_CLIPPED, &clip, bar.Caption());
    };
    if (bar.HighlightColor() != clNone) output(bar.HighlightColor(), x - bar.Depth(), y + bar.Depth());
    if (bar.ShadowColor() != clNone) output(bar.ShadowColor(), x + bar.Depth(), y - bar.Depth());
    output(bar.Font()->Color(), x, y);
}

void DrawSideBarBorderAndSplitter(const TSideBar& Bar, TCanvas& Canvas, const TRect& BarRect)
{
    if (Bar.BorderColor() != clNone) {
        TRect frame = BarRect;
        frame.Right -= Bar.SplitterWidth();
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(Bar.BorderColor());
        Canvas.FrameRect(frame);
    }
    if (Bar.SplitterColor() != clNone) {
        const TRect splitter = Rect(BarRect.Right - Bar.SplitterWidth(), BarRect.Top, BarRect.Right, BarRect.Bottom);
        DrawGradientBar(Canvas, splitter, Bar.SplitterColor(), Bar.SplitterColorTo(), gdVertical,
                        Bar.SplitterGradientType(), Bar.SplitterGradientWidth(), Bar.SplitterMargin());
    }
}

void DrawSideBar(const TCustomQuillMenuStyler& S, TCanvas& Canvas, const TRect& Popup)
{
    TSideBar& bar = *S.SideBar();
    TRect barRect = Popup;
    barRect.Right = Popup.Left + bar.Size() + bar.SplitterWidth();
    bar.SetPopupHeight(Popup.Height());
    PaintMenuBackground(Canvas, barRect, *bar.Background(), true);
    if (bar.Image()->Color() != clNone && bar.Image()->HasPicture())
        PaintMenuBackground(Canvas, barRect, *bar.Image(), true);
    DrawSideBarCaption(S, Canvas, barRect);
    DrawSideBarBorderAndSplitter(bar, Canvas, barRect);
}

// The item's part of the background picture, rendered once per popup size.
void CopyBackgroundPicture(const TCustomQuillMenuStyler& S, TCanvas& Canvas, const TRect& Popup, const TRect& Part)
{
    TBitmap& cache = S.BackgroundBitmap();
    if (cache.Width() != Popup.Width() || cache.Height() != Popup.Height()) {
        cache.SetSize(Popup.Width(), Popup.Height());
        PaintMenuBackground(*cache.Canvas(), Rect(0, 0, Popup.Width(), Popup.Height()), *S.Background(), false);
    }
    Canvas.SetCopyMode(SRCCOPY);
    TRect source = Part;
    OffsetRect(source, -Popup.Left, -Popup.Top);
    Canvas.CopyRect(Part, *cache.Canvas(), source);
}

} // namespace

void DrawMenuItemBackground(TMenuItem* Item, TCanvas* Canvas, TRect Rect, bool ShowSideBar, TOwnerDrawState State)
{
    IQuillMenu* intf = ItemMenuInterface(Item);
    if (!intf || !Canvas) return;
    const TCustomQuillMenuStyler& S = *intf->CurrentMenuStyler();
    const bool bar = ShowSideBar && !menus::InBreakColumn(Item);
    TRect itemRect = Rect;
    if (bar) itemRect.Left += S.SideBar()->Size() + S.SideBar()->SplitterWidth();

    if (!menus::IsRootItem(Item)) {
        const TRect popup = menus::PopupArea(Item, WindowFromDC(Canvas->Handle()), Rect);
        if (bar && IsFirstVisibleChild(Item)) DrawSideBar(S, *Canvas, popup);

        const TIconBar& icons = *S.IconBar();
        const TRect iconRect = ::Rect(itemRect.Left, popup.Top, itemRect.Left + icons.Size(), popup.Bottom);
        DrawGradientSlice(*Canvas, iconRect, itemRect, icons.Color(), icons.ColorTo(), icons.GradientDirection());
        if (icons.SeparatorColor() != clNone) {
            Canvas->Pen()->SetColor(icons.SeparatorColor());
            Canvas->MoveTo(iconRect.Right - 1, iconRect.Top);
            Canvas->LineTo(iconRect.Right - 1, iconRect.Bottom);
        }

        TBackground& background = *S.Background();
        TRect bgRect = itemRect;
        bgRect.Left = iconRect.Right;
        const TRect bgFull = ::Rect(bgRect.Left, popup.Top, itemRect.Right, popup.Bottom);
        if (background.MarginX() > 0 || background.MarginY() > 0) {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(background.Color());
            Canvas->FillRect(bgRect);
            InflateRect(bgRect, -background.MarginX(), -background.MarginY());
        }
        DrawGradientSlice(*Canvas, bgFull, bgRect, background.Color(), background.ColorTo(),
                          background.GradientDirection());
        if (background.HasPicture()) CopyBackgroundPicture(S, *Canvas, popup, bgRect);
    }
    DrawMenuItemOrLine(intf, Item, Canvas, State, itemRect);
    FramePopupWindow(Item, Canvas);
}

void DrawMenuItemOrLine(IQuillMenu* Intf, TMenuItem* Item, TCanvas* Canvas, TOwnerDrawState State, TRect Rect)
{
    if (!Item->IsLine()) {
        DrawMenuItemContent(Intf, Item, Canvas, State, Rect);
        return;
    }
    const TCustomQuillMenuStyler& S = *Intf->CurrentMenuStyler();
    const TSeparator& separator = *S.Separator();
    TRect r = Rect;
    r.Left += S.IconBar()->Size();
    const int mid = r.Top + r.Height() / 2;
    const TRect band = ::Rect(r.Left, mid - separator.Width() / 2, r.Right, mid + (separator.Width() + 1) / 2);
    DrawGradientBar(*Canvas, band, separator.Color(), separator.ColorTo(), separator.GradientDirection(),
                    separator.GradientType(), separator.GradientWidth(), separator.Margin());
}
