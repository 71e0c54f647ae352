// Drawing compared with reference images: text in each DrawText mode, shapes, gradients and clipping.
#include "testsupport/GoldenImage.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/TextOutput.h"

#include <gtest/gtest.h>

using testsupport::ExpectMatchesGolden;

namespace {

struct TextCase {
    const char* Name;
    const char* Text;
    unsigned Format;
};

} // namespace

TEST(Golden, DrawTextModes)
{
    const TextCase cases[] = {
        {"single left", "Single line, left", DT_SINGLELINE | DT_LEFT | DT_VCENTER},
        {"single centre", "Centred", DT_SINGLELINE | DT_CENTER | DT_VCENTER},
        {"single right bottom", "Right, bottom", DT_SINGLELINE | DT_RIGHT | DT_BOTTOM},
        {"ellipsis", "A long text that ends with an ellipsis", DT_SINGLELINE | DT_END_ELLIPSIS},
        {"prefix", "&File && &Edit", DT_SINGLELINE},
        {"no prefix", "&File && &Edit", DT_SINGLELINE | DT_NOPREFIX},
        {"tabs", "a\tb\tc", DT_SINGLELINE | DT_EXPANDTABS},
        {"word break", "Words wrap onto the following lines here", DT_WORDBREAK},
        {"lines", "First line\nSecond line", DT_LEFT},
        {"rtl", "abc def", DT_SINGLELINE | DT_RTLREADING | DT_RIGHT},
    };
    constexpr int rowHeight = 34;
    TBitmap bitmap(160, rowHeight * static_cast<int>(std::size(cases)));
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetName("Tahoma");
    canvas->Font()->SetSize(8);
    int row = 0;
    for (const auto& c : cases) {
        TRect r = Rect(4, row * rowHeight + 2, 156, (row + 1) * rowHeight - 2);
        canvas->Brush()->SetColor(row % 2 ? clInfoBk : clWindow);
        canvas->FillRect(r);
        SetBkMode(canvas->Handle(), TRANSPARENT);
        DrawText(canvas->Handle(), c.Text, r, c.Format);
        ++row;
    }
    ExpectMatchesGolden(bitmap, "drawtext-modes");
}

TEST(Golden, Shapes)
{
    TBitmap bitmap(200, 120);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Pen()->SetColor(clNavy);
    canvas->Brush()->SetColor(clYellow);
    canvas->Rectangle(5, 5, 45, 35);
    canvas->Ellipse(50, 5, 90, 35);
    canvas->RoundRect(95, 5, 135, 35, 10, 10);
    const TPoint triangle[] = {{140, 35}, {165, 5}, {190, 35}};
    canvas->Polygon(triangle);
    canvas->Pen()->SetWidth(3);
    canvas->Pie(5, 45, 55, 95, 55, 70, 30, 45);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsDiagCross);
    canvas->Brush()->SetColor(clGreen);
    canvas->Rectangle(60, 45, 100, 95);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Arc(105, 45, 155, 95, 155, 70, 105, 70);
    const TPoint curve[] = {{160, 100}, {170, 40}, {190, 110}, {195, 50}};
    canvas->PolyBezier(curve);
    canvas->Pen()->SetStyle(psDot);
    canvas->MoveTo(5, 110);
    canvas->LineTo(195, 110);
    ExpectMatchesGolden(bitmap, "shapes");
}

TEST(Golden, EdgesFrameControlsAndGradients)
{
    TBitmap bitmap(200, 80);
    HDC dc = bitmap.Canvas()->Handle();
    TRIVERTEX vertices[] = {{0, 0, 0xFF00, 0, 0, 0}, {100, 30, 0, 0, 0xFF00, 0}, {100, 0, 0, 0xFF00, 0, 0},
                            {200, 30, 0xFF00, 0xFF00, 0xFF00, 0}};
    GRADIENT_RECT horizontal{0, 1}, vertical{2, 3};
    GradientFill(dc, vertices, 4, &horizontal, 1, GRADIENT_FILL_RECT_H);
    GradientFill(dc, vertices, 4, &vertical, 1, GRADIENT_FILL_RECT_V);
    struct {
        unsigned Type, State;
    } controls[] = {
        {DFC_BUTTON, DFCS_BUTTONCHECK}, {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT}, {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | DFCS_INACTIVE}, {DFC_BUTTON, DFCS_BUTTONPUSH},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED}, {DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
        {DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE}, {DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_FLAT},
    };
    int x = 2;
    for (const auto& c : controls) {
        TRect r = Rect(x, 34, x + 17, 51);
        DrawFrameControl(dc, r, c.Type, c.State);
        x += 19;
    }
    TRect raised = Rect(2, 56, 62, 78), sunken = Rect(66, 56, 126, 78), etched = Rect(130, 56, 196, 78);
    DrawEdge(dc, raised, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    DrawEdge(dc, sunken, EDGE_SUNKEN, BF_RECT);
    DrawEdge(dc, etched, EDGE_ETCHED, BF_RECT);
    ExpectMatchesGolden(bitmap, "edges-controls-gradients");
}

TEST(Golden, Clipping)
{
    TBitmap bitmap(120, 60);
    TCanvas* canvas = bitmap.Canvas();
    HDC dc = canvas->Handle();
    HRGN a = CreateRectRgn(10, 10, 50, 50);
    HRGN b = CreateRectRgn(70, 10, 110, 50);
    CombineRgn(a, a, b, RGN_OR);
    SelectClipRgn(dc, a);
    ExcludeClipRect(dc, 20, 20, 40, 40);
    DeleteObject(a);
    DeleteObject(b);
    canvas->Brush()->SetColor(clRed);
    canvas->Ellipse(0, 0, 120, 60);
    canvas->Font()->SetName("Arial");
    canvas->Font()->SetSize(14);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(30, 15, "Clipped");
    SelectClipRgn(dc, nullptr);
    canvas->Pen()->SetColor(clBlue);
    canvas->MoveTo(0, 55);
    canvas->LineTo(120, 55);
    ExpectMatchesGolden(bitmap, "clipping");
}
