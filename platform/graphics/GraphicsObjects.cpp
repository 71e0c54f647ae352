// Fonts, pens and brushes with change notification and Assign.
#include "platform/graphics/GraphicsObjects.h"

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GdiState.h"

#include <cmath>

namespace graphics {
void GdiObjectDeleter::operator()(TGdiObject* Object) const noexcept { delete Object; }
} // namespace graphics

void TGraphicsObject::Changed()
{
    if (OnChange) OnChange(this);
}

namespace {
int pointsToHeight(int points, int ppi) { return -static_cast<int>(std::lround(points * double(ppi) / 72.0)); }
} // namespace

TFont::TFont() : FHeight(pointsToHeight(DefFontSize, ScreenPixelsPerInch)) {}
TFont::~TFont() = default;

void TFont::Changed()
{
    FHandle.reset();
    TGraphicsObject::Changed();
}

void TFont::Assign(const TPersistent* Source)
{
    if (auto* font = dynamic_cast<const TFont*>(Source)) {
        if (font == this) return;
        FName = font->FName;
        // A font for another resolution (a printer's) keeps its size in points.
        FHeight = font->FPixelsPerInch == FPixelsPerInch ? font->FHeight
                                                         : pointsToHeight(font->Size(), FPixelsPerInch);
        FStyle = font->FStyle;
        FColor = font->FColor;
        FCharset = font->FCharset;
        FPitch = font->FPitch;
        FOrientation = font->FOrientation;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetName(const std::string& Value)
{
    if (Value.empty() || Value == FName) return;
    FName = Value;
    Changed();
}

int TFont::Size() const noexcept
{
    return -static_cast<int>(std::lround(FHeight * 72.0 / FPixelsPerInch));
}

void TFont::SetSize(int Value) { SetHeight(pointsToHeight(Value, FPixelsPerInch)); }

void TFont::SetHeight(int Value)
{
    if (Value == FHeight) return;
    FHeight = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TFont::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TFont::SetCharset(TFontCharset Value)
{
    if (Value == FCharset) return;
    FCharset = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (Value == FPitch) return;
    FPitch = Value;
    Changed();
}

void TFont::SetOrientation(int Value)
{
    if (Value == FOrientation) return;
    FOrientation = Value;
    Changed();
}

LOGFONT TFont::LogFont() const
{
    LOGFONT log;
    log.lfHeight = FHeight;
    log.lfEscapement = FOrientation;
    log.lfOrientation = FOrientation;
    log.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = FStyle.Contains(fsItalic);
    log.lfUnderline = FStyle.Contains(fsUnderline);
    log.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    log.lfCharSet = FCharset;
    log.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    log.lfFaceName = FName;
    return log;
}

HFONT TFont::Handle()
{
    if (!FHandle) FHandle.reset(CreateFontIndirect(LogFont()));
    return FHandle.get();
}

void TFont::SetHandle(HFONT Value)
{
    LOGFONT log;
    if (!GetObject(Value, log)) return;
    FName = log.lfFaceName.empty() ? FName : log.lfFaceName;
    FHeight = log.lfHeight;
    TFontStyles style;
    if (log.lfWeight >= 600) style.Include(fsBold);
    if (log.lfItalic) style.Include(fsItalic);
    if (log.lfUnderline) style.Include(fsUnderline);
    if (log.lfStrikeOut) style.Include(fsStrikeOut);
    FStyle = style;
    FCharset = log.lfCharSet;
    FPitch = (log.lfPitchAndFamily & 3) == FIXED_PITCH      ? fpFixed
             : (log.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable
                                                            : fpDefault;
    FOrientation = log.lfEscapement;
    Changed();
}

void TPen::Assign(const TPersistent* Source)
{
    if (auto* pen = dynamic_cast<const TPen*>(Source)) {
        if (pen == this) return;
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    if (Value < 0) Value = 0;
    if (Value == FWidth) return;
    FWidth = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (Value == FMode) return;
    FMode = Value;
    Changed();
}

void TBrush::Assign(const TPersistent* Source)
{
    if (auto* brush = dynamic_cast<const TBrush*>(Source)) {
        if (brush == this) return;
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        FBitmap = brush->FBitmap;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value)
{
    if (Value == FColor && FStyle != bsClear) return;
    FColor = Value;
    if (FStyle == bsClear) FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TBrush::SetBitmap(TBitmap* Value)
{
    if (Value == FBitmap) return;
    FBitmap = Value;
    Changed();
}
