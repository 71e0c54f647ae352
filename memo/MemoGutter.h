// The memo's gutter settings, its active-line settings and the memo's named looks.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"

#include <functional>
#include <memory>
#include <string>

class TCanvas;
class TQuillCustomMemo;

using TQuillMemoGutterDrawEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, int LineNo, TRect rct)>;

enum TQuillMemoStyle {
    msOffice2003Blue, msOffice2003Olive, msOffice2003Silver, msOffice2003Classic, msOffice2007Luna,
    msOffice2007Obsidian, msWindowsXP, msWhidbey, msCustom, msOffice2007Silver, msWindowsVista, msWindows7,
    msTerminal, msOffice2010Blue, msOffice2010Silver, msOffice2010Black
};

// The band at the memo's left edge: its geometry, colours, font and line-number settings.
class TQuillGutter : public TPersistent {
    VISTRA_CLASS(TQuillGutter, TPersistent)

    explicit TQuillGutter(TQuillCustomMemo* AOwner);
    ~TQuillGutter() override;

    int Left() const noexcept { return FLeft; }
    int Top() const noexcept { return FTop; }
    int Width() const noexcept { return FWidth; }
    int Height() const noexcept { return FHeight; }
    void SetLeft(int Value) noexcept { FLeft = Value; }
    void SetTop(int Value) noexcept { FTop = Value; }
    void SetWidth(int Value) noexcept { FWidth = Value; }
    void SetHeight(int Value) noexcept { FHeight = Value; }
    TRect FullRect() const noexcept { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

    TColor GutterColor() const noexcept { return FColor; }
    void SetGutterColor(TColor Value);
    TColor GutterColorTo() const noexcept { return FColorTo; }
    void SetGutterColorTo(TColor Value);
    bool ShowLeadingZeros() const noexcept { return FShowLeadingZeros; }
    void SetShowLeadingZeros(bool Value);
    bool Visible() const noexcept { return FShowGutter; }
    void SetVisible(bool Value);
    int DigitCount() const noexcept { return FDigitCount; }
    void SetDigitCount(int Value);
    int GutterWidth() const noexcept { return FGutterWidth; }
    void SetGutterWidth(int Value);
    int GutterMargin() const noexcept { return FGutterMargin; }
    void SetGutterMargin(int Value);
    TFont& Font() const noexcept { return *FFont; }
    void SetFont(const TFont& Value) { FFont->Assign(&Value); }
    const std::string& NumberSuffix() const noexcept { return FNumberSuffix; }
    void SetNumberSuffix(const std::string& Value);
    TColor LineNumberTextColor() const noexcept { return FLineNumberTextColor; }
    void SetLineNumberTextColor(TColor Value);
    bool ShowLineNumbers() const noexcept { return FShowLineNumbers; }
    void SetShowLineNumbers(bool Value);
    bool ShowModified() const noexcept { return FShowModified; }
    void SetShowModified(bool Value);
    int LineNumberStart() const noexcept { return FLineNumberStart; }
    void SetLineNumberStart(int Value);
    TColor ModifiedColor() const noexcept { return FModifiedColor; }
    void SetModifiedColor(TColor Value);
    TColor ModifiedColorBkg() const noexcept { return FModifiedColorBkg; }
    void SetModifiedColorBkg(TColor Value);
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The style setters write the colours without repainting.
    void StoreColors(TColor Color, TColor ColorTo) noexcept
    {
        FColor = Color;
        FColorTo = ColorTo;
    }

    void Assign(const TPersistent* Source) override;
    // Paints the background, the border lines and, through the memo's
    // OnGutterDraw, every visible row's marks.
    void PaintTo(TCanvas& Canvas);

    TQuillCustomMemo* Memo;
    TNotifyEvent FOnChange;

private:
    // Repaints the gutter's rectangle of the memo.
    void Changed();

    int FLeft = 1, FTop = 1, FWidth = 45, FHeight = 0;
    TColor FColor = clBtnFace;
    TColor FColorTo = clWhite;
    bool FShowLeadingZeros = false;
    bool FShowGutter = true;
    int FDigitCount = 4;
    int FGutterWidth = 45;
    int FGutterMargin = 45;
    std::unique_ptr<TFont> FFont;
    std::string FNumberSuffix;
    TColor FLineNumberTextColor = clBlack;
    bool FShowLineNumbers = true;
    bool FShowModified = false;
    int FLineNumberStart = 1;
    TColor FModifiedColor = clYellow;
    TColor FModifiedColorBkg = clLime;
    TColor FBorderColor = clGray;
};

// How the active line shows in the text and in the gutter.
class TQuillActiveLineSettings : public TPersistent {
    VISTRA_CLASS(TQuillActiveLineSettings, TPersistent)

    explicit TQuillActiveLineSettings(TQuillCustomMemo* AOwner) : Memo(AOwner) {}

    TColor ActiveLineColor() const noexcept { return FActiveLineColor; }
    void SetActiveLineColor(TColor Value);
    TColor ActiveLineTextColor() const noexcept { return FActiveLineTextColor; }
    void SetActiveLineTextColor(TColor Value);
    bool ActiveLineAtCursor() const noexcept { return FActiveLineAtCursor; }
    void SetActiveLineAtCursor(bool Value);
    bool ShowActiveLine() const noexcept { return FShowActiveLine; }
    void SetShowActiveLine(bool Value);
    bool ShowActiveLineIndicator() const noexcept { return FShowActiveLineIndicator; }
    void SetShowActiveLineIndicator(bool Value);
    void Assign(const TPersistent* Source) override;

    TQuillCustomMemo* Memo;

private:
    TColor FActiveLineColor = clNavy;
    TColor FActiveLineTextColor = clYellow;
    bool FActiveLineAtCursor = false;
    bool FShowActiveLine = false;
    bool FShowActiveLineIndicator = false;
};
