// The content of a styled menu item: highlight, picture or check glyph,
// submenu arrow, caption and shortcut.
#include "menus/MenuItemDrawing.h"

#include "menus/MenuAppearance.h"
#include "menus/MenuBackground.h"
#include "menus/MenuDrawing.h"
#include "menus/MenuGlyphs.h"
#include "menus/MenuStyler.h"
#include "menus/MenuUtil.h"
#include "menus/QuillMenuBar.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollBars.h"

namespace {

// A one-bit glyph: its dark pixels in Color, its light ones left as they are.
void DrawMonochromeGlyph(TCanvas& Canvas, int X, int Y, const TBitmap& Glyph, TColor Color)
{
    const TColor ink = ColorToRGB(Color);
    // Any colour but the ink stands for the see-through pixels.
    const TColor clear = ink ^ 0x000001;
    TBitmap stamp(Glyph.Width(), Glyph.Height());
    const TColorBytes inkBytes = SplitColorBytes(ink), clearBytes = SplitColorBytes(clear);
    for (int y = 0; y < Glyph.Height(); ++y) {
        const TRGBQuad* from = Glyph.ScanLine(y);
        TRGBQuad* to = stamp.ScanLine(y);
        for (int x = 0; x < Glyph.Width(); ++x) {
            const bool dark = from[x].rgbRed + from[x].rgbGreen + from[x].rgbBlue < 3 * 128;
            const TColorBytes& c = dark ? inkBytes : clearBytes;
            to[x] = {c.B, c.G, c.R, 0xFF};
        }
    }
    stamp.SetTransparentColor(clear);
    stamp.SetTransparent(true);
    Canvas.Draw(X, Y, &stamp);
}

// The highlight's or the icon column's check and radio looks.
const TMarkBoxes& BoxLook(const TCustomQuillMenuStyler& S, TOwnerDrawState State)
{
    if (State.Contains(odSelected)) return *S.SelectedItem();
    return *S.IconBar();
}

void DrawBox(TCanvas& Canvas, const TRect& Cell, const TMarkBoxes& Look, bool Radio, TOwnerDrawState State)
{
    const bool fill = !State.Contains(odDisabled);
    if (Radio)
        DrawGradientBox(Canvas, Cell, Look.RadioColor(), Look.RadioColorTo(), Look.RadioGradientDirection(),
                        Look.RadioBorder(), fill);
    else
        DrawGradientBox(Canvas, Cell, Look.CheckColor(), Look.CheckColorTo(), Look.CheckGradientDirection(),
                        Look.CheckBorder(), fill);
}

void DrawCheckGlyph(const TCustomQuillMenuStyler& S, TMenuItem* Item, TCanvas& Canvas, const TRect& Cell,
                    const TRect& ItemRect, TOwnerDrawState State)
{
    const bool radio = Item->RadioItem();
    DrawBox(Canvas, Cell, BoxLook(S, State), radio, State);
    if (State.Contains(odSelected) && S.SelectedItem()->BorderColor() != clNone) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(S.SelectedItem()->BorderColor());
        Canvas.FrameRect(ItemRect);
    }
    const TBitmap& glyph = radio ? *S.Glyphs()->Radio() : *S.Glyphs()->Check();
    TRect at = Cell;
    CenterRectOn(at, glyph.Width(), glyph.Height());
    DrawMonochromeGlyph(Canvas, at.Left, at.Top, glyph, clBtnText);
}

void DrawSubMenuArrow(const TCustomQuillMenuStyler& S, TCanvas& Canvas, const TRect& R)
{
    const TBitmap& glyph = *S.Glyphs()->SubMenu();
    const int y = (R.Top + R.Bottom - 5) / 2;
    TRect at = Rect(R.Right - 8, y, R.Right - 5, y + 6);
    CenterRectOn(at, glyph.Width(), glyph.Height());
    DrawMonochromeGlyph(Canvas, at.Left, at.Top, glyph, clBlack);
}

// A bar item's slice of one gradient across the whole bar; the last item of
// its row also fills the bar to its right end, short of the caption buttons
// of a maximised MDI child.
void DrawBarSlice(const TRootItem& Root, TMenuItem* Item, TCanvas& Canvas, const TRect& R)
{
    TCustomForm* form = FormOfWindow(MenuWindow(Item->GetParentMenu()));
    if (!form) return;
    TRect full{0, R.Top, form->ClientWidth(), R.Bottom};
    TRect clip = R;
    if (IsLastBarItem(Item)) {
        clip.Right = full.Right;
        TCustomForm* child = form->ActiveMDIChild();
        if (child && child->WindowState() == wsMaximized) clip.Right -= 3 * GetSystemMetrics(SM_CXMENUSIZE);
    }
    // The bar is drawn on the form's own surface, so the gradient runs on past its end.
    full.Right += 100;
    DrawGradientSlice(Canvas, full, clip, Root.Color(), Root.ColorTo(), Root.GradientDirection());
}

void DrawRootHighlight(const TCustomQuillMenuStyler& S, TMenuItem* Item, TCanvas& Canvas, const TRect& R,
                       TOwnerDrawState State)
{
    const TRootItem& root = *S.RootItem();
    if (State.Contains(odSelected)) {
        if (root.SelectedColorMirror() == clNone)
            DrawGradientBox(Canvas, R, root.SelectedColor(), root.SelectedColorTo(), root.SelectedGradientDirection(),
                            root.SelectedBorderColor(), true);
        else
            DrawMirrorGradientBox(Canvas, R, root.SelectedColor(), root.SelectedColorTo(), root.SelectedColorMirror(),
                                  root.SelectedColorMirrorTo(), root.SelectedGradientDirection(),
                                  root.SelectedBorderColor(), true);
        if (Item->Count() > 0) {
            Canvas.Pen()->SetColor(S.Background()->Color());
            Canvas.MoveTo(R.Left, R.Bottom - 1);
            Canvas.LineTo(R.Right - 1, R.Bottom - 1);
        }
    } else if (State.Contains(odHotLight)) {
        if (root.HoverColorMirror() == clNone)
            DrawGradientBox(Canvas, R, root.HoverColor(), root.HoverColorTo(), root.HoverGradientDirection(),
                            root.HoverBorderColor(), true);
        else
            DrawMirrorGradientBox(Canvas, R, root.HoverColor(), root.HoverColorTo(), root.HoverColorMirror(),
                                  root.HoverColorMirrorTo(), root.HoverGradientDirection(), root.HoverBorderColor(),
                                  true);
    } else if (root.Color() != clNone) {
        DrawBarSlice(root, Item, Canvas, R);
    }
}

} // namespace

void DrawMenuItemContent(IQuillMenu* Intf, TMenuItem* Item, TCanvas* Canvas, TOwnerDrawState State, TRect Rect)
{
    if (!Item->GetParentMenu()) return;
    const TCustomQuillMenuStyler& S = *Intf->CurrentMenuStyler();
    const bool root = menus::IsRootItem(Item);
    TRect r = Rect;
    if (root) DrawRootHighlight(S, Item, *Canvas, r, State);
    else if (State.Contains(odSelected)) {
        const TSelectedItem& sel = *S.SelectedItem();
        DrawMirrorGradientBox(*Canvas, r, sel.Color(), sel.ColorTo(), sel.ColorMirror(), sel.ColorMirrorTo(),
                              sel.GradientDirection(), sel.BorderColor(), true);
    }

    TRect cell = ::Rect(r.Left, r.Top + 1, r.Left + S.IconBar()->Size(), r.Bottom - 1);
    const int side = MinOf(cell.Width(), cell.Height());
    CenterRectOn(cell, side, side);
    const TImageList* images = Item->GetImageList();
    const bool hasImage = images && Item->ImageIndex() >= 0 && Item->ImageIndex() < images->Count();
    const TBitmap* bitmap = Item->Bitmap();
    const bool hasBitmap = bitmap && !bitmap->Empty() && !hasImage;
    const bool checkGlyph = Item->Checked() && !root && !hasImage && !hasBitmap;
    // Menu-bar pictures start six pixels into the item.
    auto placeOnBar = [&](TRect& at) {
        if (root) OffsetRect(at, r.Left + 6 - at.Left, 0);
    };
    int pictureWidth = 0;
    if ((hasImage || hasBitmap || checkGlyph) && Item->Checked()) DrawBox(*Canvas, cell, BoxLook(S, State), false, State);
    if (hasImage) {
        // A disabled item draws from the menu's disabled images in their normal
        // form when it has them, else the platform greys the item's own image.
        const TImageList* disabledImages = nullptr;
        if (auto* source = dynamic_cast<const menus::TDisabledImagesSource*>(Item->GetParentMenu()))
            disabledImages = source->DisabledImages();
        const bool useDisabledList = !Item->Enabled() && disabledImages;
        const TImageList* list = useDisabledList ? disabledImages : images;
        TRect at = cell;
        CenterRectOn(at, list->Width(), list->Height());
        placeOnBar(at);
        list->Draw(Canvas, at.Left, at.Top, Item->ImageIndex(), Item->Enabled() || useDisabledList);
        pictureWidth = list->Width();
    } else if (checkGlyph) {
        DrawCheckGlyph(S, Item, *Canvas, cell, r, State);
    } else if (hasBitmap) {
        TBitmap picture;
        picture.Assign(bitmap);
        picture.SetTransparent(true);
        TRect at = cell;
        CenterRectOn(at, picture.Width(), picture.Height());
        placeOnBar(at);
        Canvas->Draw(at.Left, at.Top, &picture);
        pictureWidth = picture.Width();
    }
    if (!root && Item->Count() > 0) DrawSubMenuArrow(S, *Canvas, r);

    unsigned flags = DT_EXPANDTABS | DT_SINGLELINE;
    if (root) {
        r.Left += pictureWidth;
        flags |= DT_CENTER;
    } else {
        r.Left += S.IconBar()->Size() + 8;
        flags |= DT_LEFT;
    }
    TRect calcRect = r;
    DrawMenuItemText(Item, Canvas, Item->Caption(), flags | DT_CALCRECT | DT_NOCLIP, State, calcRect);
    OffsetRect(calcRect, 0, (r.Height() - calcRect.Height()) / 2);
    if (root) {
        calcRect.Left = r.Left;
        calcRect.Right = r.Right;
    }
    DrawMenuItemText(Item, Canvas, Item->Caption(), flags, State, calcRect);
    if (!root && Item->ShortCut() != 0) {
        calcRect.Right = r.Right - 10;
        DrawMenuItemText(Item, Canvas, ShortCutText(Item->ShortCut(), Intf->IntlKeybShortCuts()), DT_RIGHT, State,
                         calcRect);
    }
}
