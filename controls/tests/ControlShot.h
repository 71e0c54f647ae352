// A picture of a control as its form shows it, frame included, for golden images.
#pragma once

#include <memory>

#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Forms.h"

inline std::unique_ptr<TBitmap> Shot(TForm& Form, const TWinControl& Control)
{
    backend::input::Pump();
    TBitmap surface;
    surface.Assign(&Form.Surface());
    const TPoint corner = Form.ScreenToClient(Control.Parent()->ClientToScreen({Control.Left(), Control.Top()}));
    auto shot = std::make_unique<TBitmap>();
    shot->SetSize(Control.Width(), Control.Height());
    shot->Canvas()->CopyRect({0, 0, Control.Width(), Control.Height()}, *surface.Canvas(),
                             {corner.X, corner.Y, corner.X + Control.Width(), corner.Y + Control.Height()});
    return shot;
}
