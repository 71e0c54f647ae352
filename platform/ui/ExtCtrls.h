// Panels, labels, group boxes, images and the status bar.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/ui/CustomControl.h"

class TPicture;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
    VISTRA_CLASS(TCustomPanel, TCustomControl)

    explicit TCustomPanel(TComponent* AOwner);
    TBevelCut BevelInner() const noexcept { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const noexcept { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    int BevelWidth() const noexcept { return FBevelWidth; }
    void SetBevelWidth(int Value);
    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBorderStyle BorderStyle() const noexcept { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    TRect NonClientMargins() const override;

private:
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    TAlignment FAlignment = taCenter;
    TBorderStyle FBorderStyle = bsNone;
};

class TPanel : public TCustomPanel {
    VISTRA_CLASS(TPanel, TCustomPanel)
    using TCustomPanel::TCustomPanel;
};

class TGroupBox : public TCustomControl {
    VISTRA_CLASS(TGroupBox, TCustomControl)
    explicit TGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
};

class TCustomLabel : public TGraphicControl {
    VISTRA_CLASS(TCustomLabel, TGraphicControl)

    explicit TCustomLabel(TComponent* AOwner);
    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const noexcept { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool AutoSize() const noexcept { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Transparent() const noexcept { return FTransparent; }
    void SetTransparent(bool Value);
    bool WordWrap() const noexcept { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool ShowAccelChar() const noexcept { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    // The control that gets the focus when the label's access key is pressed.
    TWinControl* FocusControl() const noexcept { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

protected:
    void Paint() override;
    void TextChanged() override;
    void CMFontChanged(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Draws (or with tfCalcRect measures) the caption in Rect.
    void DoDrawText(TRect& Rect, TTextFormat Flags);
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FAutoSize = true, FTransparent = false, FWordWrap = false, FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    VISTRA_CLASS(TLabel, TCustomLabel)
    using TCustomLabel::TCustomLabel;
};

// A picture shown in a control; an animated GIF plays while Animate is set.
class TImage : public TGraphicControl {
    VISTRA_CLASS(TImage, TGraphicControl)

    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    TPicture& Picture() noexcept { return *FPicture; }
    void SetPicture(const TPicture& Value);
    bool Stretch() const noexcept { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const noexcept { return FCenter; }
    void SetCenter(bool Value);
    bool Proportional() const noexcept { return FProportional; }
    void SetProportional(bool Value);
    bool Transparent() const noexcept { return FTransparent; }
    void SetTransparent(bool Value);
    bool AutoSize() const noexcept { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Animate() const noexcept { return FAnimate; }
    void SetAnimate(bool Value);
    // Where the picture is drawn inside the control.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    void ScheduleFrame();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false, FCenter = false, FProportional = false, FTransparent = false;
    bool FAutoSize = false, FAnimate = true;
    std::uintptr_t FFrameTimer = 0;
};

class TStatusPanel {
public:
    std::string Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
};

class TStatusBar : public TCustomControl {
    VISTRA_CLASS(TStatusBar, TCustomControl)

    explicit TStatusBar(TComponent* AOwner);
    // With SimplePanel set the bar shows SimpleText alone.
    bool SimplePanel() const noexcept { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const std::string& SimpleText() const noexcept { return FSimpleText; }
    void SetSimpleText(const std::string& Value);
    int PanelCount() const noexcept { return static_cast<int>(FPanels.size()); }
    TStatusPanel& Panels(int Index);
    TStatusPanel& AddPanel();
    void ClearPanels();
    // Call after changing a panel's fields.
    void PanelsChanged() { Invalidate(); }

protected:
    void Paint() override;

private:
    bool FSimplePanel = false;
    std::string FSimpleText;
    std::vector<TStatusPanel> FPanels;
};
