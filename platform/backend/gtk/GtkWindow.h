// A form's window on GTK.
#pragma once

#include <memory>

#include "platform/ui/Backend.h"

namespace backend::gtk {

class TGtkWindow final : public ui::TNativeWindow {
public:
    TGtkWindow(const ui::TNativeWindowParams& params, ui::TNativeWindowEvents& events);
    ~TGtkWindow() override;

    void SetCaption(const std::string& caption) override;
    void SetBounds(const TRect& bounds) override;
    void SetMinSize(int width, int height) override;
    void Show(bool activate) override;
    void Hide() override;
    void Activate() override;
    void Present(const TBitmap& image, const TRect& dirty) override;
    void SetCursor(ui::TNativeCursor cursor) override;
    void SetMouseCapture(bool capture) override;
    void SetModal(bool modal) override;
    // nativeView is a GtkWidget*.
    std::unique_ptr<ui::TNativeChildView> EmbedNativeView(void* nativeView) override;
    void SetShape(const std::optional<TRect>& shape) override;
    int RunDrag(ui::TDragOffer& offer, int allowedEffects) override;

    // The GtkWindow* (tests send it events and read its pixels).
    void* Widget() const noexcept;

    struct TImpl;

private:
    void UpdateChildViews();

    std::unique_ptr<TImpl> FImpl;
};

} // namespace backend::gtk
