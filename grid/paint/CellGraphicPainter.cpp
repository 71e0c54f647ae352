// The least drawing of every cell-graphic kind.
#include "grid/paint/CellGraphicPainter.h"

#include <algorithm>

#include "grid/base/AuxLists.h"
#include "grid/base/QuillUtilIndicators.h"
#include "grid/base/QuillUtilPaint.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Numbers.h"
#include "render/ThemeBinders.h"

namespace grid {

namespace {

constexpr int Margin = 2;
constexpr TColor MarkColor = clBlack;
// The face of a cell button under the pointer.
constexpr TColor HotButtonFace = static_cast<TColor>(0xFCE4CA);
constexpr int ExpandBoxSide = 9;

// The box of w x h the graphic's alignment gives inside R.
TRect Place(const TCellGraphic& g, const TRect& r, int w, int h)
{
    int x = r.Left + Margin;
    if (g.CellHAlign() == haRight || g.CellHAlign() == haAfterText) x = r.Right - w - Margin;
    else if (g.CellHAlign() == haCenter) x = (r.Left + r.Right - w) / 2;
    else if (g.CellHAlign() == haFull) w = r.Right - r.Left - 2 * Margin;
    int y = r.Top + Margin;
    if (g.CellVAlign() == vaBottom) y = r.Bottom - h - Margin;
    else if (g.CellVAlign() == vaCenter) y = (r.Top + r.Bottom - h) / 2;
    else if (g.CellVAlign() == vaFull) h = r.Bottom - r.Top - 2 * Margin;
    return {x, y, x + w, y + h};
}

void Frame(TCanvas& c, const TRect& r, TColor fill)
{
    c.Pen()->SetColor(MarkColor);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(fill);
    c.Rectangle(r);
}

void Tick(TCanvas& c, const TRect& r)
{
    c.Pen()->SetColor(MarkColor);
    c.MoveTo(r.Left + 3, r.Top + 7);
    c.LineTo(r.Left + 6, r.Top + 10);
    c.LineTo(r.Right - 3, r.Top + 3);
}

// The theme's check box or radio button; false when not themed.
bool ThemedBox(TCanvas& c, const TGraphicCell& cell, const TRect& r, int part, int state)
{
    return cell.Themed && render::ControlsThemeBinder().DrawPart(cell.Window, "button", part, state, c.Handle(), r);
}

bool ThemedCheckBox(TCanvas& c, const TGraphicCell& cell, const TRect& r, TCheckBoxState state)
{
    const int themeState = state == cbChecked ? CBS_CHECKEDNORMAL : state == cbGrayed ? CBS_MIXEDNORMAL
                                                                                       : CBS_UNCHECKEDNORMAL;
    return ThemedBox(c, cell, r, BP_CHECKBOX, themeState);
}

void CheckBox(TCanvas& c, const TRect& r, TCheckBoxState state)
{
    Frame(c, r, state == cbGrayed ? clSilver : clWhite);
    if (state == cbChecked) Tick(c, r);
}

void RadioCircle(TCanvas& c, const TRect& r, bool on)
{
    c.Pen()->SetColor(MarkColor);
    c.Brush()->SetColor(clWhite);
    c.Ellipse(r);
    if (!on) return;
    c.Brush()->SetColor(MarkColor);
    c.Ellipse(r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3);
}

void Caption(TCanvas& c, const TRect& r, const std::string& text)
{
    c.Brush()->SetStyle(bsClear);
    TRect box = r;
    std::string shown = text;
    c.TextRect(box, shown, {tfCenter, tfVerticalCenter, tfSingleLine, tfNoPrefix});
    c.Brush()->SetStyle(bsSolid);
}

} // namespace

TRect CellButtonBox(const TCellGraphic& Graphic, const TRect& Cell)
{
    switch (Graphic.CellType()) {
    case ctButton:
    case ctBitButton:
        return Place(Graphic, Cell, Graphic.ButtonWidth(), Graphic.ButtonHeight());
    case ctNode:
    case ctExpand: {
        TRect box = Place(Graphic, Cell, ExpandBoxSide, ExpandBoxSide);
        box.Top = (Cell.Top + Cell.Bottom - ExpandBoxSide) / 2;
        box.Bottom = box.Top + ExpandBoxSide;
        return box;
    }
    default:
        return {};
    }
}

TRect PaintCellGraphic(TCanvas& Canvas, const TCellGraphic& Graphic, const TGraphicCell& Cell)
{
    TCanvas& c = Canvas;
    const TRect& cell = Cell.Rect;
    const TCellGraphic& g = Graphic;
    TRect used{};
    switch (g.CellType()) {
    case ctBitmap:
        if (const auto* bitmap = dynamic_cast<const TBitmap*>(g.CellBitmap())) {
            used = Place(g, cell, bitmap->Width(), bitmap->Height());
            c.Draw(used.Left, used.Top, bitmap);
        }
        break;
    case ctCheckBox:
    case ctRowCheckBox:
        used = Place(g, cell, Cell.CheckSize, Cell.CheckSize);
        if (!ThemedCheckBox(c, Cell, used, g.CellBoolean() ? cbChecked : cbUnchecked))
            CheckBox(c, used, g.CellBoolean() ? cbChecked : cbUnchecked);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        used = Place(g, cell, Cell.CheckSize, Cell.CheckSize);
        // The text is the box's state, not a caption.
        if (!ThemedCheckBox(c, Cell, used, Cell.Text == Cell.CheckTrue ? cbChecked : cbUnchecked))
            CheckBox(c, used, Cell.Text == Cell.CheckTrue ? cbChecked : cbUnchecked);
        return {};
    case ctTriStateCheckBox:
        used = Place(g, cell, Cell.CheckSize, Cell.CheckSize);
        if (!ThemedCheckBox(c, Cell, used, g.CellCheckBoxState())) CheckBox(c, used, g.CellCheckBoxState());
        break;
    case ctRadioButton:
        used = Place(g, cell, Cell.RadioSize, Cell.RadioSize);
        if (!ThemedBox(c, Cell, used, BP_RADIOBUTTON, g.CellBoolean() ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL))
            RadioCircle(c, used, g.CellBoolean());
        break;
    case ctRadio:
        if (const auto* options = dynamic_cast<const TStrings*>(g.CellBitmap())) {
            int x = cell.Left + Margin, y = cell.Top + Margin;
            for (int i = 0; i < options->Count(); ++i) {
                const TRect circle{x, y + 2, x + Cell.RadioSize, y + 2 + Cell.RadioSize};
                if (!ThemedBox(c, Cell, circle, BP_RADIOBUTTON,
                               i == g.CellIndex() ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL))
                    RadioCircle(c, circle, i == g.CellIndex());
                c.Brush()->SetStyle(bsClear);
                c.TextOut(x + Cell.RadioSize + 2, y, options->Strings(i));
                c.Brush()->SetStyle(bsSolid);
                if (g.CellBoolean()) x += Cell.RadioSize + 6 + c.TextWidth(options->Strings(i));
                else y += 16;
            }
        }
        return {};
    case ctButton:
    case ctBitButton:
        used = CellButtonBox(g, cell);
        Frame(c, used, g.CellBoolean() ? clSilver : Cell.Hot ? HotButtonFace : clBtnFace);
        Caption(c, used, g.CellText());
        break;
    case ctNode:
    case ctExpand: {
        used = CellButtonBox(g, cell);
        Frame(c, used, g.CellType() == ctExpand && Cell.Hot ? HotButtonFace : clWhite);
        const int mid = (used.Top + used.Bottom) / 2;
        c.MoveTo(used.Left + 2, mid);
        c.LineTo(used.Right - 2, mid);
        const bool expanded = g.CellVar().VarType() == varBoolean && g.CellVar().AsBoolean();
        const bool collapsed = g.CellType() == ctNode ? g.CellBoolean() : !expanded;
        if (collapsed) {
            const int centre = (used.Left + used.Right) / 2;
            c.MoveTo(centre, used.Top + 2);
            c.LineTo(centre, used.Bottom - 2);
        }
        break;
    }
    case ctProgress:
    case ctXPProgress: {
        const TRect bar{cell.Left + Margin, cell.Top + Margin, cell.Right - Margin, cell.Bottom - Margin};
        const double value = StrToFloatDef(Cell.Text, 0);
        const TColor filled = g.CellType() == ctProgress && g.CellBitmapColor() != clNone ? g.CellBitmapColor() : clHighlight;
        const TColor empty = g.CellType() == ctProgress && g.CellIconColor() != clNone ? g.CellIconColor() : clWindow;
        DrawProgressBar(c, bar, filled, clHighlightText, empty, clWindowText, value, 0, 0, g.CellErrFrom(),
                        g.CellErrLen() > g.CellErrFrom() ? g.CellErrLen() : 100, "", clGray, false);
        return {};
    }
    case ctProgressPie:
        used = Place(g, cell, 20, 20);
        DrawPieProgress(c, used, g.CellBitmapColor(), g.CellAngle(), false);
        break;
    case ctRangeIndicator:
        DrawSignedBar(c, cell, StrToFloatDef(Cell.Text, 0), g.CellIndex(), g.CellBoolean(), g.CellBitmapColor(),
                      g.CellIconColor());
        return {};
    case ctComment: {
        const TPoint corner[] = {{cell.Right - 7, cell.Top}, {cell.Right - 1, cell.Top}, {cell.Right - 1, cell.Top + 6}};
        c.Pen()->SetColor(static_cast<TColor>(g.CellIndex()));
        c.Brush()->SetColor(static_cast<TColor>(g.CellIndex()));
        c.Polygon(corner);
        return cell;
    }
    case ctBalloon: {
        const TPoint corner[] = {{cell.Left, cell.Top}, {cell.Left + 6, cell.Top}, {cell.Left, cell.Top + 6}};
        c.Pen()->SetColor(clBlue);
        c.Brush()->SetColor(clBlue);
        c.Polygon(corner);
        return cell;
    }
    case ctShape: {
        const int side = std::max(0, cell.Bottom - cell.Top - 2 * Margin);
        used = Place(g, cell, side, side);
        DrawCellShape(c, used.Left, used.Top, side, side, static_cast<TCellShape>(g.CellAngle()),
                      static_cast<TColor>(g.CellIndex()), g.CellBitmapColor());
        break;
    }
    case ctRating: {
        const int filled = StrToIntDef(Cell.Text, 0);
        for (int i = 0; i < g.CellAngle(); ++i)
            DrawCellShape(c, cell.Left + Margin + i * 18, (cell.Top + cell.Bottom - 16) / 2, 16, 16, csStar,
                          i < filled ? static_cast<TColor>(g.CellIndex()) : g.CellBitmapColor(), MarkColor);
        return {};
    }
    case ctScrollbar: {
        const TRect track{cell.Right - 10, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
        Frame(c, track, clBtnFace);
        const int range = std::max(1, g.CellErrFrom());
        const int height = track.Bottom - track.Top;
        const int top = track.Top + height * std::clamp(g.CellIndex(), 0, range) / (range + 1);
        Frame(c, {track.Left, top, track.Right, top + std::max(4, height / 4)}, clGray);
        return {cell.Left, cell.Top, track.Left - Margin, cell.Bottom};
    }
    default:
        // Kinds without a drawing of their own (image lists, pictures, rotated
        // text, interfaced objects, marks) leave the cell to its text.
        return cell;
    }
    // The text takes what the graphic leaves beside it.
    TRect rest = cell;
    if (used.Right > used.Left) {
        if (g.CellHAlign() == haRight || g.CellHAlign() == haAfterText) rest.Right = used.Left - Margin;
        else if (g.CellHAlign() == haLeft || g.CellHAlign() == haBeforeText) rest.Left = used.Right + Margin;
        else return {};
    }
    return rest;
}

} // namespace grid
