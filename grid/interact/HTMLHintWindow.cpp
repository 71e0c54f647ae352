// The HTML hint window: measured and drawn by the markup renderer.
#include "grid/interact/HTMLHintWindow.h"

#include "grid/QuillGrid.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "render/HTMLRenderer.h"

namespace {
// Room around the text for the frame, as the plain hint window leaves it.
constexpr int FrameWidth = 3;
constexpr int FrameHeight = 2;
} // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void THTMLHintWindow::UseHintFont()
{
    if (!HintFontName.empty()) Font().SetName(HintFontName);
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint)
{
    UseHintFont();
    TBitmap probe(1, 1);
    TCanvas* c = probe.Canvas();
    c->SetFont(&Font());
    THTMLRenderParams params;
    params.MeasureOnly = true;
    THTMLRenderResult result;
    RenderHTMLText(c, AHint, TRect{0, 0, MaxWidth, 65535}, params, result);
    return {0, 0, result.Width + 2 * FrameWidth, result.Height + 2 * FrameHeight};
}

void THTMLHintWindow::Paint()
{
    UseHintFont();
    THintWindow::Paint();
}

void THTMLHintWindow::DrawHintText(TCanvas& ACanvas, const TRect& R)
{
    THTMLRenderParams params;
    THTMLRenderResult result;
    RenderHTMLText(&ACanvas, Caption(), R, params, result);
}
