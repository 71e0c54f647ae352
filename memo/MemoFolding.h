// The memo's code-folding settings.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <memory>

using TOnChangeEvent = std::function<void(TObject* Sender, int ChangeMsg)>;

// Whether folding is on, the colour of its lines and the glyphs of its nodes.
// OnChange carries 2 when Enabled changed and 1 for a change of looks.
class TCodeFolding : public TPersistent {
    VISTRA_CLASS(TCodeFolding, TPersistent)

    TCodeFolding();
    ~TCodeFolding() override;

    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value);
    TColor LineColor() const noexcept { return FLineColor; }
    void SetLineColor(TColor Value);
    // Shown on collapsed nodes.
    TBitmap& ExpandGlyph() const noexcept { return *FExpandGlyph; }
    void SetExpandGlyph(const TBitmap& Value);
    // Shown on expanded nodes.
    TBitmap& CollapsedGlyph() const noexcept { return *FCollapsedGlyph; }
    void SetCollapsedGlyph(const TBitmap& Value);
    // Copies Enabled and LineColor, without notification.
    void Assign(const TPersistent* Source) override;

    TOnChangeEvent OnChange;

private:
    void Notify(int ChangeMsg);

    bool FEnabled = false;
    std::unique_ptr<TBitmap> FExpandGlyph;
    std::unique_ptr<TBitmap> FCollapsedGlyph;
    TColor FLineColor = clGray;
};
