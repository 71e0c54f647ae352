// A shown form on a fresh headless backend, and a snapshot of part of its surface.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Forms.h"

class ButtonsTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 320, 200);
        Form->Show();
        backend::input::Pump();
    }

    // The painted pixels of Area of the form's client surface.
    std::unique_ptr<TBitmap> Snapshot(const TRect& Area)
    {
        backend::input::Pump();
        TBitmap surface;
        surface.Assign(&Form->Surface());
        auto shot = std::make_unique<TBitmap>(Area.Width(), Area.Height());
        shot->SetPixelFormat(pf24bit);
        const int top = Form->MenuBarHeight();
        shot->Canvas()->CopyRect({0, 0, Area.Width(), Area.Height()}, *surface.Canvas(),
            {Area.Left, Area.Top + top, Area.Right, Area.Bottom + top});
        return shot;
    }

    TColor PixelAt(int X, int Y)
    {
        backend::input::Pump();
        TBitmap surface;
        surface.Assign(&Form->Surface());
        return ColorToRGB(surface.Canvas()->Pixels(X, Y + Form->MenuBarHeight()));
    }

    std::unique_ptr<TForm> Form;
};
