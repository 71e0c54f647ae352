// A white bitmap canvas with a fixed base font, and shorthands for the renderer's three kinds of call.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/tests/InkColumns.h"
#include "render/HTMLRenderer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

class HTMLRenderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("Arial");
        canvas->Font()->SetSize(10);
        canvas->Font()->SetColor(clBlack);
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(TRect{0, 0, bitmap.Width(), bitmap.Height()});
        gh = canvas->TextHeight("gh");
    }

    THTMLRenderResult Measure(std::string_view text, int width = 400, THTMLRenderParams params = {})
    {
        params.MeasureOnly = true;
        THTMLRenderResult result;
        EXPECT_FALSE(RenderHTMLText(canvas, text, TRect{0, 0, width, 10}, params, result));
        return result;
    }

    THTMLRenderResult Draw(std::string_view text, TRect bounds = TRect{0, 0, 400, 200}, THTMLRenderParams params = {})
    {
        THTMLRenderResult result;
        drawHit = RenderHTMLText(canvas, text, bounds, params, result);
        return result;
    }

    bool HitTest(std::string_view text, int x, int y, THTMLRenderResult& result, THTMLRenderParams params = {},
                 TRect bounds = TRect{0, 0, 400, 200})
    {
        params.HitTest = true;
        params.XPos = x;
        params.YPos = y;
        return RenderHTMLText(canvas, text, bounds, params, result);
    }

    int TextWidth(std::string_view text, TFontStyles styles = {})
    {
        const TFontStyles saved = canvas->Font()->Style();
        canvas->Font()->SetStyle(styles);
        const int width = canvas->TextWidth(text);
        canvas->Font()->SetStyle(saved);
        return width;
    }

    // The width the renderer gives a line: its pieces side by side, less a trailing space.
    int PiecesWidth(std::initializer_list<std::string_view> pieces, TFontStyles styles = {})
    {
        int width = 0;
        for (std::string_view p : pieces)
            width += TextWidth(p, styles);
        const std::string_view last = pieces.size() ? *(pieces.end() - 1) : std::string_view();
        if (!last.empty() && last.back() == ' ') width -= TextWidth(" ", styles);
        return width;
    }

    // Pixels of exactly this colour inside the rectangle.
    int CountColor(TColor color, TRect r = TRect{0, 0, 400, 200})
    {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (canvas->Pixels(x, y) == color) ++count;
        return count;
    }

    std::pair<int, int> InkColumns(int top, int bottom) { return graphics::testing::InkColumns(bitmap, top, bottom); }

    TBitmap bitmap{400, 200};
    TCanvas* canvas = nullptr;
    int gh = 0;
    bool drawHit = false;
};
