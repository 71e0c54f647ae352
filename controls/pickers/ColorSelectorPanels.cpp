#include "controls/pickers/ColorSelectorPanels.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Format.h"
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Screen.h"

namespace controls {

void TQuillCustomColorSelectorPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (OnShouldHide) OnShouldHide(this);
}

// ---- The honeycomb

namespace {

// Row by row, left to right: rows of 7 to 13 and back to 7 cells.
constexpr std::array<std::uint32_t, TQuillColorCubePanel::CellCount> CubeColors{
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC,
    0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC,
    0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5};

constexpr TColor HotFrame = TColor(0x0000FF);

} // namespace

TQuillColorCubePanel::TQuillColorCubePanel(TComponent* AOwner) : TQuillCustomColorSelectorPanel(AOwner)
{
    BuildCells();
    SetShowRGBHint(true);
}

void TQuillColorCubePanel::BuildCells()
{
    FCubeSize = {6, 3};
    const int w = FCubeSize.X;
    int cell = 0;
    for (int r = 1; r <= 13; ++r) {
        const int count = r <= 7 ? r + 6 : 20 - r;
        const int firstX = r <= 7 ? 55 - w * (r - 1) : w * (r - 7) + 19;
        for (int i = 0; i < count; ++i, ++cell)
            FCubeCells[static_cast<size_t>(cell)] = {firstX + 2 * w * i, 20 + 10 * (r - 1), TColor(CubeColors[static_cast<size_t>(cell)])};
    }
}

void TQuillColorCubePanel::ResetHot()
{
    FHotIndex = -1;
    SetBounds(Left(), Top(), 182, 160);
}

void TQuillColorCubePanel::SetShowRGBHint(bool Value)
{
    FShowRGBHint = Value;
    SetShowHint(Value);
}

void TQuillColorCubePanel::SetSelectedColor(TColor Value)
{
    FSelectedColor = Value;
    FSelectedIndex = -1;
    for (int i = 1; i <= CellCount; ++i)
        if (Cell(i).Color == Value) {
            FSelectedIndex = i;
            break;
        }
}

int TQuillColorCubePanel::CellAtPos(int X, int Y) const
{
    const int w = FCubeSize.X;
    for (int i = 1; i <= CellCount; ++i) {
        const int dx = X - Cell(i).X, dy = Y - Cell(i).Y;
        if (dx * dx + dy * dy <= w * w) return i;
    }
    return -1;
}

void TQuillColorCubePanel::DrawHexagon(TCanvas& Canvas, TPoint Centre, int W, int H)
{
    const int x = Centre.X, y = Centre.Y;
    const std::array<TPoint, 6> points{TPoint{x - W, y - H}, TPoint{x, y - 2 * H}, TPoint{x + W, y - H},
                                       TPoint{x + W, y + H}, TPoint{x, y + 2 * H}, TPoint{x - W, y + H}};
    Canvas.Polygon(points);
}

void TQuillColorCubePanel::DrawCell(TCanvas& Canvas, int I)
{
    if (I < 1 || I > CellCount) return;
    const TCubeCell& c = Cell(I);
    const int w = FCubeSize.X, h = FCubeSize.Y;
    Canvas.Pen()->SetColor(c.Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(c.Color);
    DrawHexagon(Canvas, {c.X, c.Y}, w, h);
    auto frame = [&](TColor Outer) {
        Canvas.Brush()->SetStyle(bsClear);
        Canvas.Pen()->SetColor(Outer);
        DrawHexagon(Canvas, {c.X, c.Y}, w - 1, h);
        Canvas.Pen()->SetColor(clWhite);
        DrawHexagon(Canvas, {c.X, c.Y}, w - 2, h - 1);
    };
    if (I == FHotIndex) frame(HotFrame);
    if (I == FSelectedIndex) frame(clBlack);
}

void TQuillColorCubePanel::RedrawCell(int I)
{
    if (I < 1 || I > CellCount) return;
    const TCubeCell& c = Cell(I);
    const TRect r{c.X - FCubeSize.X - 1, c.Y - 2 * FCubeSize.Y - 1, c.X + FCubeSize.X + 2, c.Y + 2 * FCubeSize.Y + 2};
    InvalidateRect(&r, false);
}

void TQuillColorCubePanel::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    for (int i = 1; i <= CellCount; ++i) DrawCell(canvas, i);
    // The frames lie over the neighbours' edges: drawn again on top.
    if (FHotIndex > 0) DrawCell(canvas, FHotIndex);
    if (FSelectedIndex > 0) DrawCell(canvas, FSelectedIndex);
}

void TQuillColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TQuillCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = CellAtPos(X, Y);
    if (i < 1) return;
    const int old = FSelectedIndex;
    FSelectedColor = Cell(i).Color;
    FSelectedIndex = i;
    RedrawCell(old);
    RedrawCell(i);
    if (OnSelect) OnSelect(this);
}

void TQuillColorCubePanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TQuillCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = CellAtPos(X, Y);
    if (i > 0 && i != FHotIndex) {
        const int old = FHotIndex;
        FHotIndex = i;
        RedrawCell(old);
        RedrawCell(i);
        if (FShowRGBHint) {
            const TColor c = Cell(i).Color;
            SetHint(Format("Red: %d,  Green: %d,  Blue: %d",
                                {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                                 static_cast<int>((c >> 16) & 0xFF)}));
            if (Application) Application->CancelHint();
        }
    } else if (i < 1 && FShowRGBHint) {
        SetHint("");
        if (Application) Application->CancelHint();
    }
}

// ---- The spectrum

TColor TQuillColorSpectrumPanel::SpectrumColor(int X, int Y)
{
    // Hue from red round to red across the 128 columns.
    const double hue = std::clamp(X, 0, 127) * 6.0 / 128.0;
    const double f = hue - std::floor(hue);
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hue)) {
    case 0: r = 1, g = f; break;
    case 1: r = 1 - f, g = 1; break;
    case 2: g = 1, b = f; break;
    case 3: g = 1 - f, b = 1; break;
    case 4: r = f, b = 1; break;
    default: r = 1, b = 1 - f; break;
    }
    // White at the top, the full hue at row 64, black at the bottom.
    const int y = std::clamp(Y, 0, 127);
    auto channel = [y](double c) {
        const double v = y < 64 ? 1 + (c - 1) * y / 64.0 : c * (127 - y) / 63.0;
        return static_cast<std::uint8_t>(std::lround(v * 255));
    };
    return RGB(channel(r), channel(g), channel(b));
}

TQuillColorSpectrumPanel::TQuillColorSpectrumPanel(TComponent* AOwner)
    : TQuillCustomColorSelectorPanel(AOwner), FSpectrumImage(new TImage(this))
{
    FSpectrumImage->SetParent(this);
    FSpectrumImage->SetBounds(0, 0, 128, 128);
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) picture.Canvas()->SetPixels(x, y, SpectrumColor(x, y));
    FSpectrumImage->Picture().Assign(&picture);
    FSpectrumImage->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) {
        FHotColor = SpectrumColor(X, Y);
        InvalidateRect(&FHotRect, false);
    };
    FSpectrumImage->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
        FSelectedColor = FHotColor;
        InvalidateRect(&FSelectedRect, false);
        if (OnSelect) OnSelect(this);
    };
    FSpectrumImage->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        if (OnShouldHide) OnShouldHide(this);
    };
    // The platform has no eyedropper shape: a cross marks the picked pixel.
    if (Screen) Screen->SetCursors(crEyeDropper, crCross);
    FSpectrumImage->SetCursor(static_cast<TCursor>(crCross));
}

void TQuillColorSpectrumPanel::ArrangeSpectrum()
{
    SetBounds(Left(), Top(), 150, 174);
    const int left = (150 - FSpectrumImage->Width()) / 2;
    FSpectrumImage->SetBounds(left, 10, FSpectrumImage->Width(), FSpectrumImage->Height());
    const int bottom = FSpectrumImage->Top() + FSpectrumImage->Height();
    FSelectedRect = {left - 1, bottom + 8, left + FSpectrumImage->Width() / 2 - 2, bottom + 28};
    FHotRect = {FSelectedRect.Right + 4, FSelectedRect.Top, left + FSpectrumImage->Width() + 1, FSelectedRect.Bottom};
    FHotColor = clNone;
    Invalidate();
}

void TQuillColorSpectrumPanel::DrawSwatch(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Pen()->SetColor(TColor(0x808080));
    Canvas.Rectangle({R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1});
    Canvas.Pen()->SetColor(clWhite);
    if (Color == clNone) {
        Canvas.Rectangle(R);
        return;
    }
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.Rectangle(R);
}

void TQuillColorSpectrumPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    const TRect image = FSpectrumImage->BoundsRect();
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetColor(clWhite);
    canvas.Rectangle({image.Left - 1, image.Top - 1, image.Right + 1, image.Bottom + 1});
    canvas.Pen()->SetColor(TColor(0x808080));
    canvas.Rectangle({image.Left - 2, image.Top - 2, image.Right + 2, image.Bottom + 2});
    DrawSwatch(canvas, FSelectedRect, FSelectedColor);
    DrawSwatch(canvas, FHotRect, FHotColor);
}

} // namespace controls
