#include "controls/pickers/QuillWatch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/PngImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"
#include "render/QuillGDIP.h"

namespace controls {

namespace {

constexpr double Pi = 3.14159265358979323846;

// The nearest integer, a tie going to the even one.
int Nearest(double X) { return static_cast<int>(std::nearbyint(X)); }

ARGB WithAlpha(TColor Color, int Alpha)
{
    const ARGB c = ColorToOpaqueARGB(Color);
    return PackARGB(static_cast<std::uint8_t>(Alpha), ARGBRed(c), ARGBGreen(c), ARGBBlue(c));
}

// The point at distance R from the centre in the direction Degrees,
// clockwise from 12 o'clock.
TGPPointF Along(TPoint C, double R, double Degrees)
{
    const double a = Degrees * Pi / 180;
    return {static_cast<float>(C.X + R * std::sin(a)), static_cast<float>(C.Y - R * std::cos(a))};
}

// Four quarter arcs joined by straight edges.
void AddRoundRect(TGPGraphicsPath& Path, float L, float T, float W, float H, float Radius)
{
    const float d = 2 * Radius;
    Path.AddArc(L, T, d, d, 180, 90);
    Path.AddArc(L + W - d, T, d, d, 270, 90);
    Path.AddArc(L + W - d, T + H - d, d, d, 0, 90);
    Path.AddArc(L, T + H - d, d, d, 90, 90);
    Path.CloseFigure();
}

struct TParts {
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
};

TParts PartsOf(TDateTime Time)
{
    TParts p;
    DecodeTime(Time - std::floor(Time), p.Hour, p.Minute, p.Second, p.MSec);
    return p;
}

} // namespace

// ---- Appearance

TWatchAppearance::TWatchAppearance()
    : FHourFont(std::make_unique<TFont>()), FAMPMFont(std::make_unique<TFont>()), FPicture(std::make_unique<TPicture>())
{
    SetDefaults();
    FPicture->OnChange = [this](TObject*) { Changed(); };
}

TWatchAppearance::~TWatchAppearance() { FPicture->OnChange = nullptr; }

void TWatchAppearance::Changed()
{
    if (!FDefaulting && OnChange) OnChange(this);
}

void TWatchAppearance::SetDefaults()
{
    FDefaulting = true;
    FShape = wsCircle;
    FSize = 0;
    FBackgroundColor = clWhite;
    FBackgroundColorTo = clNone;
    FBackgroundGradient = wgVertical;
    FBorderColor = clBlack;
    FBorderWidth = 4;
    FBorderStyle = wbLine;
    FHourColor = clBlack;
    FHourMarkLength = 0;
    FHourMarkWidth = 1;
    FHourMarkStyle = hmsLine;
    FMinuteColor = clGray;
    FMinuteMarkLength = 0;
    FMinuteMarkWidth = 1;
    FTickMarks = tmAll;
    FPointerStyle = psLine;
    FHourPointer = clBlack;
    FHourPointerShadow = clBtnShadow;
    FHourPointerSize = 4;
    FMinutePointer = clBlack;
    FMinutePointerShadow = clBtnShadow;
    FMinutePointerSize = 3;
    FSecondPointer = clRed;
    FSecondPointerShadow = clBtnShadow;
    FSecondPointerSize = 1;
    FCenterPointSize = 4;
    FCenterPointColor = clBlack;
    FCenterPointBorderColor = clNone;
    FCenterPointOuterBorderColor = clNone;
    FAMPMColor = clWhite;
    FAMPMBorderColor = clBlack;
    FAMPMFrame = apRect;
    FRounding = 5;
    TFont hour;
    hour.SetName("Tahoma");
    hour.SetSize(8);
    FHourFont->Assign(&hour);
    TFont ampm;
    ampm.SetName("Tahoma");
    ampm.SetSize(10);
    FAMPMFont->Assign(&ampm);
    FPicture->SetGraphic(nullptr);
    FDefaulting = false;
    Changed();
}

void TWatchAppearance::SetHourFont(const TFont& Value)
{
    FHourFont->Assign(&Value);
    Changed();
}

void TWatchAppearance::SetAMPMFont(const TFont& Value)
{
    FAMPMFont->Assign(&Value);
    Changed();
}

void TWatchAppearance::SetPicture(const TPicture& Value)
{
    FPicture->Assign(&Value);
    Changed();
}

void TWatchAppearance::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TWatchAppearance*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FDefaulting = true;
    FShape = s->FShape;
    FSize = s->FSize;
    FBackgroundColor = s->FBackgroundColor;
    FBackgroundColorTo = s->FBackgroundColorTo;
    FBackgroundGradient = s->FBackgroundGradient;
    FBorderColor = s->FBorderColor;
    FBorderWidth = s->FBorderWidth;
    FBorderStyle = s->FBorderStyle;
    FHourColor = s->FHourColor;
    FHourMarkLength = s->FHourMarkLength;
    FHourMarkWidth = s->FHourMarkWidth;
    FHourMarkStyle = s->FHourMarkStyle;
    FMinuteColor = s->FMinuteColor;
    FMinuteMarkLength = s->FMinuteMarkLength;
    FMinuteMarkWidth = s->FMinuteMarkWidth;
    FTickMarks = s->FTickMarks;
    FPointerStyle = s->FPointerStyle;
    FHourPointer = s->FHourPointer;
    FHourPointerShadow = s->FHourPointerShadow;
    FHourPointerSize = s->FHourPointerSize;
    FMinutePointer = s->FMinutePointer;
    FMinutePointerShadow = s->FMinutePointerShadow;
    FMinutePointerSize = s->FMinutePointerSize;
    FSecondPointer = s->FSecondPointer;
    FSecondPointerShadow = s->FSecondPointerShadow;
    FSecondPointerSize = s->FSecondPointerSize;
    FCenterPointSize = s->FCenterPointSize;
    FCenterPointColor = s->FCenterPointColor;
    FCenterPointBorderColor = s->FCenterPointBorderColor;
    FCenterPointOuterBorderColor = s->FCenterPointOuterBorderColor;
    FAMPMColor = s->FAMPMColor;
    FAMPMBorderColor = s->FAMPMBorderColor;
    FAMPMFrame = s->FAMPMFrame;
    FRounding = s->FRounding;
    FHourFont->Assign(s->FHourFont.get());
    FAMPMFont->Assign(s->FAMPMFont.get());
    FPicture->Assign(s->FPicture.get());
    FDefaulting = false;
    Changed();
}

// ---- Settings

void TWatchSettings::SetAuto(bool Value)
{
    if (Value == FAuto) return;
    FAuto = Value;
    Changed();
}

void TWatchSettings::SetTimeOffset(int Value)
{
    if (Value == FTimeOffset) return;
    FTimeOffset = Value;
    Changed();
}

void TWatchSettings::SetSecond(bool Value)
{
    if (Value == FSecond) return;
    FSecond = Value;
    Changed();
}

void TWatchSettings::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TWatchSettings*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FSecond = s->FSecond;
    FTimeOffset = s->FTimeOffset;
    SetAuto(s->FAuto);
}

// ---- The watch

TQuillWatch::TQuillWatch(TComponent* AOwner)
    : TCustomControl(AOwner), FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()), FBKGCache(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 180, 180);
    FAppearance->OnChange = [this](TObject*) {
        FCacheValid = false;
        Invalidate();
    };
    FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
    FWatchTimer = new TTimer(this);
    FWatchTimer->SetInterval(100);
    FWatchTimer->SetEnabled(false);
    FWatchTimer->OnTimer = [this](TObject*) { RepaintHands(); };
    FAnimationTimer = new TTimer(this);
    FAnimationTimer->SetInterval(1);
    FAnimationTimer->SetEnabled(false);
    FAnimationTimer->OnTimer = [this](TObject*) { AnimationStep(); };
}

TQuillWatch::~TQuillWatch()
{
    FAppearance->OnChange = nullptr;
    FSettings->OnChange = nullptr;
}

void TQuillWatch::SetAnimationFactor(int Value) { FAnimationFactor = std::max(1, Value); }

void TQuillWatch::SetTime(TDateTime Value)
{
    if (Value == FTime) return;
    StoreTime(Value);
    RepaintHands();
}

void TQuillWatch::SetShowAMPM(bool Value)
{
    if (Value == FShowAMPM) return;
    FShowAMPM = Value;
    FCacheValid = false;
    Invalidate();
}

void TQuillWatch::SetShowNumbers(bool Value)
{
    if (Value == FShowNumbers) return;
    FShowNumbers = Value;
    FCacheValid = false;
    Invalidate();
}

void TQuillWatch::SetStyle(TWatchStyle Value)
{
    if (Value == FStyle) return;
    FStyle = Value;
    FAppearance->SetDefaults();
    ApplyStyle(Value);
}

TDateTime TQuillWatch::DisplayTime() const
{
    if (FSettings->Auto()) return Now() + FSettings->TimeOffset() / 1440.0;
    return FTime;
}

void TQuillWatch::StoreTime(TDateTime Value)
{
    if (Value == FTime) return;
    FTime = Value;
    FInternalSet = true;
    SetAM(PartsOf(Value).Hour < 12);
    FInternalSet = false;
}

void TQuillWatch::SettingsChanged()
{
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto()) {
        FInternalSet = true;
        FTime = Now();
        SetAM(PartsOf(FTime).Hour < 12);
        FInternalSet = false;
    }
    Invalidate();
}

void TQuillWatch::RepaintHands()
{
    // The face stays in its cache; the next paint draws only the hands anew.
    Invalidate();
}

bool TQuillWatch::MayAnimate() const
{
    return FAnimation && !FInternalCall && !ComponentState().Contains(csLoading) &&
           !ComponentState().Contains(csDesigning);
}

// ---- Setting hour and minute

void TQuillWatch::ApplyHour(int Value)
{
    const TParts p = PartsOf(DisplayTime());
    StoreTime(EncodeTime(Value, p.Minute, p.Second, p.MSec));
    RepaintHands();
    if (!(FAnimating && Value != FCurrentHourTo) && OnChange) OnChange(this);
}

void TQuillWatch::SetHour(int Value)
{
    if (Value < 0 || Value > 23 || Value == PartsOf(DisplayTime()).Hour) return;
    if (MayAnimate()) {
        FCurrentHourTo = Value;
        FHourAnimating = true;
        FAnimating = true;
        FAnimationTimer->SetEnabled(true);
        return;
    }
    ApplyHour(Value);
}

void TQuillWatch::SetHourInternal(int Value)
{
    const bool was = FInternalCall;
    FInternalCall = true;
    SetHour(Value);
    FInternalCall = was;
}

void TQuillWatch::ApplyMinute(int Value)
{
    TParts p = PartsOf(DisplayTime());
    FMinuteFrom = p.Minute;
    // A forward move through 12 o'clock carries into the next hour.
    if (Value == 0 && FMinuteFrom > 30) {
        p.Hour = (p.Hour + 1) % 24;
        FMinuteFrom = 0;
    }
    StoreTime(EncodeTime(p.Hour, Value, p.Second, p.MSec));
    RepaintHands();
    if (!(FAnimating && Value != FCurrentMinuteTo) && OnChange) OnChange(this);
}

void TQuillWatch::SetMinute(int Value)
{
    if (Value >= 60 || Value < 0) throw Exception("Invalid time");
    const int current = PartsOf(DisplayTime()).Minute;
    if (Value == current) return;
    if (MayAnimate()) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = current;
        FAnimating = true;
        FAnimationTimer->SetEnabled(true);
        return;
    }
    ApplyMinute(Value);
}

void TQuillWatch::SetMinuteInternal(int Value)
{
    const bool was = FInternalCall;
    FInternalCall = true;
    SetMinute(Value);
    FInternalCall = was;
}

void TQuillWatch::AnimationStep()
{
    if (!FAnimation || ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) return;
    const TParts p = PartsOf(DisplayTime());
    const int F = FAnimationFactor;
    if (FHourAnimating) {
        const int target = FCurrentHourTo;
        if (p.Hour == target) {
            FAnimationTimer->SetEnabled(false);
            FAnimating = false;
            return;
        }
        const int step = std::max(1, Nearest(std::abs(target - p.Hour) / static_cast<double>(F)));
        SetHourInternal(p.Hour < target ? p.Hour + step : p.Hour - step);
    } else {
        const int target = FCurrentMinuteTo;
        if (p.Minute == target) {
            FAnimationTimer->SetEnabled(false);
            FAnimating = false;
            return;
        }
        const bool wrapForward = target == 0 && p.Minute > 30;
        const int distance = wrapForward ? 60 - p.Minute : std::abs(target - p.Minute);
        const int step = std::max(1, Nearest(distance / static_cast<double>(F)));
        int next = p.Minute < target || wrapForward ? p.Minute + step : p.Minute - step;
        if (next >= 60) next = 0;
        SetMinuteInternal(next);
    }
    if (!FAnimationTimer->Enabled()) return;
    const TParts now = PartsOf(DisplayTime());
    if ((FHourAnimating && now.Hour == FCurrentHourTo) || (!FHourAnimating && now.Minute == FCurrentMinuteTo)) {
        FAnimationTimer->SetEnabled(false);
        FAnimating = false;
    }
}

void TQuillWatch::SetAM(bool Value)
{
    if (Value == FAM) return;
    const bool roll = FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet;
    if (roll) RollAMPM(!Value);
    FAM = Value;
    FCacheValid = false;
    Invalidate();
}

void TQuillWatch::RollAMPM(bool ToPM)
{
    const TRect box = GetAMPMRect();
    const int h = box.Height() - 2;
    if (h <= 0 || !HandleAllocated() || !Visible()) return;
    // The box's interior shows an h-high window of "AM" above "PM", moving one
    // pixel per frame from the old text to the new one.
    for (int frame = 1; frame <= h; ++frame) {
        FRollTop = ToPM ? frame : h - frame;
        FRolling = true;
        Repaint();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    FRolling = false;
}

// ---- Geometry

TRect TQuillWatch::FaceRect() const
{
    const int W = ClientWidth(), H = ClientHeight();
    const int size = FAppearance->Size();
    const int S = size > 0 ? std::min({size, W, H}) : std::min(W, H) - 20;
    const int left = (W - S) / 2, top = (H - S) / 2;
    return {left, top, left + S, top + S};
}

TPoint TQuillWatch::Center() const
{
    const TRect f = FaceRect();
    return {(f.Left + f.Right) / 2, (f.Top + f.Bottom) / 2};
}

int TQuillWatch::Radius() const { return FaceRect().Width() / 2; }

TRect TQuillWatch::GetAMPMRect()
{
    if (!FShowAMPM) return {-1, -1, -1, -1};
    Canvas()->Font()->Assign(&FAppearance->AMPMFont());
    const TSize t = Canvas()->TextExtent("AM");
    const TPoint c = Center();
    const int left = c.X - (t.cx + 8) / 2;
    const int top = c.Y + Nearest((Radius() - t.cy) / 3.0);
    return {left, top, left + t.cx + 8, top + t.cy};
}

int TQuillWatch::MinuteFromPoint(int X, int Y) const
{
    const TPoint c = Center();
    const int dy = std::max(1, std::abs(c.Y - Y)), dx = std::max(1, std::abs(c.X - X));
    const int e = Nearest(std::atan(static_cast<double>(dy) / dx) * 180 / Pi / 6);
    int m;
    if (X >= c.X && Y >= c.Y) m = e + 15;
    else if (X <= c.X && Y >= c.Y) m = 45 - e;
    else if (X <= c.X && Y <= c.Y) m = 45 + e;
    else m = 15 - e;
    return m < 0 || m > 59 ? 0 : m;
}

int TQuillWatch::HourFromPoint(int X, int Y) const
{
    const int c = Nearest(MinuteFromPoint(X, Y) / 5.0);
    if (c == 0 || c == 12) return FAM ? 0 : 12;
    return FAM ? c : c + 12;
}

// ---- Painting

void TQuillWatch::Paint()
{
    if (FRolling) {
        PaintRoll();
        return;
    }
    PaintAll();
}

void TQuillWatch::PaintAll()
{
    const int W = ClientWidth(), H = ClientHeight();
    if (!FCacheValid || FBKGCache->Width() != W || FBKGCache->Height() != H) {
        FBKGCache->SetSize(W, H);
        TCanvas& c = *FBKGCache->Canvas();
        c.Brush()->SetColor(Color());
        c.FillRect({0, 0, W, H});
        DrawBackground(c);
        DrawTickMarks(c);
        DrawNumbers(c);
        DrawAMPM(c);
        FCacheValid = true;
    }
    TBitmap frame;
    frame.Assign(FBKGCache.get());
    DrawHands(*frame.Canvas());
    Canvas()->Draw(0, 0, &frame);
}

void TQuillWatch::PaintRoll()
{
    TBitmap frame;
    frame.Assign(FBKGCache.get());
    TCanvas& c = *frame.Canvas();
    const TRect box = GetAMPMRect();
    const TRect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
    const int h = inner.Height();
    TBitmap strip;
    strip.SetSize(inner.Width(), 2 * h);
    TCanvas& s = *strip.Canvas();
    s.Brush()->SetColor(FAppearance->AMPMColor());
    s.FillRect({0, 0, inner.Width(), 2 * h});
    s.Font()->Assign(&FAppearance->AMPMFont());
    s.Brush()->SetStyle(bsClear);
    s.TextOut((inner.Width() - s.TextWidth("AM")) / 2, 0, "AM");
    s.TextOut((inner.Width() - s.TextWidth("PM")) / 2, h, "PM");
    c.CopyRect(inner, s, {0, FRollTop, inner.Width(), FRollTop + h});
    DrawAMPMFrame(c, box);
    DrawHands(c);
    Canvas()->Draw(0, 0, &frame);
}

void TQuillWatch::DrawBackground(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    const int W = ClientWidth(), H = ClientHeight();
    const TPoint c = Center();
    const int R = Radius();
    TGPGraphics g(Canvas.Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    auto addShape = [&](TGPGraphicsPath& Path) {
        switch (a.Shape()) {
        case wsCircle: Path.AddEllipse(static_cast<float>(c.X - R), static_cast<float>(c.Y - R), 2.0f * R, 2.0f * R); break;
        case wsRect: Path.AddRectangle(NewGPRectF(0, 0, static_cast<float>(W), static_cast<float>(H))); break;
        case wsRoundRect: AddRoundRect(Path, 0, 0, static_cast<float>(W - 1), static_cast<float>(H - 1), 8); break;
        }
    };
    const TGraphic* picture = a.Picture().Graphic();
    if (picture && !picture->Empty()) {
        if (dynamic_cast<const TPngImage*>(picture)) Canvas.Draw(0, 0, picture);
        else if (const auto* bitmap = dynamic_cast<const TBitmap*>(picture)) {
            TBitmap keyed;
            keyed.Assign(bitmap);
            keyed.SetTransparentColor(keyed.Canvas()->Pixels(0, 0));
            keyed.SetTransparent(true);
            Canvas.StretchDraw({0, 0, W, H}, &keyed);
        } else Canvas.StretchDraw({0, 0, W, H}, picture);
    } else {
        const TColor to = a.BackgroundColorTo() == clNone ? a.BackgroundColor() : a.BackgroundColorTo();
        TGPGraphicsPath path;
        addShape(path);
        if (a.BackgroundGradient() == wgRadial) {
            TGPPathGradientBrush brush(&path);
            brush.SetCenterColor(ColorToOpaqueARGB(a.BackgroundColor()));
            brush.SetCenterPoint(TGPPointF{static_cast<float>(c.X), static_cast<float>(c.Y)});
            ARGB surround = ColorToOpaqueARGB(to);
            int count = 1;
            brush.SetSurroundColors(&surround, count);
            g.FillPath(&brush, &path);
        } else {
            const LinearGradientMode mode = a.BackgroundGradient() == wgVertical ? LinearGradientModeVertical
                                            : a.BackgroundGradient() == wgDiagonalForward
                                                ? LinearGradientModeForwardDiagonal
                                                : LinearGradientModeBackwardDiagonal;
            TGPLinearGradientBrush brush(NewGPRectF(0, 0, static_cast<float>(W), static_cast<float>(H)),
                                         ColorToOpaqueARGB(a.BackgroundColor()), ColorToOpaqueARGB(to), mode);
            g.FillPath(&brush, &path);
        }
    }
    if (a.BorderStyle() == wbNone || a.BorderWidth() < 1 || a.BorderColor() == clNone) return;
    TGPPen pen(ColorToOpaqueARGB(a.BorderColor()), static_cast<float>(a.BorderWidth()));
    switch (a.Shape()) {
    case wsCircle: g.DrawEllipse(&pen, static_cast<float>(c.X - R), static_cast<float>(c.Y - R), 2.0f * R, 2.0f * R); break;
    case wsRect: g.DrawRectangle(&pen, 0.0f, 0.0f, static_cast<float>(W - 1), static_cast<float>(H - 1)); break;
    case wsRoundRect: {
        TGPGraphicsPath outline;
        AddRoundRect(outline, 0, 0, static_cast<float>(W - 1), static_cast<float>(H - 1), 8);
        g.DrawPath(&pen, &outline);
        break;
    }
    }
}

void TQuillWatch::DrawTickMarks(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    if (a.TickMarks() == tmNone) return;
    TGPGraphics g(Canvas.Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const TPoint c = Center();
    const double rOut = Radius() - a.BorderWidth() / 2;
    const double rHour = a.HourMarkLength() != 0 ? rOut - a.HourMarkLength() : 0.9 * rOut;
    const double rMinute = a.MinuteMarkLength() != 0 ? rOut - a.MinuteMarkLength() : 0.95 * rOut;
    TGPPen hourPen(ColorToOpaqueARGB(a.HourColor()), static_cast<float>(a.HourMarkWidth()));
    TGPPen minutePen(ColorToOpaqueARGB(a.MinuteColor()), static_cast<float>(a.MinuteMarkWidth()));
    auto radial = [&](TGPPen& Pen, double From, double Degrees, float Dx, float Dy) {
        const TGPPointF p1 = Along(c, From, Degrees), p2 = Along(c, rOut, Degrees);
        g.DrawLine(&Pen, p1.X + Dx, p1.Y + Dy, p2.X + Dx, p2.Y + Dy);
    };
    for (int q = 0; q < 4; ++q) {
        const double deg = q * 90;
        if (a.HourMarkStyle() == hmsQuartDblLine) {
            // 12 and 6 o'clock shift sideways, 3 and 9 o'clock up and down.
            const bool vertical = q % 2 == 0;
            radial(hourPen, rHour, deg, vertical ? -2.0f : 0, vertical ? 0 : -2.0f);
            radial(hourPen, rHour, deg, vertical ? 2.0f : 0, vertical ? 0 : 2.0f);
        } else radial(hourPen, rHour, deg, 0, 0);
    }
    if (a.TickMarks() == tmAll || a.TickMarks() == tmHours)
        for (int h = 0; h < 12; ++h)
            if (h % 3 != 0) radial(hourPen, rHour, h * 30, 0, 0);
    if (a.TickMarks() == tmAll)
        for (int m = 0; m < 60; ++m)
            if (m % 5 != 0) radial(minutePen, rMinute, m * 6, 0, 0);
}

void TQuillWatch::DrawNumbers(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    if (!FShowNumbers || (a.TickMarks() != tmAll && a.TickMarks() != tmQuartHours)) return;
    const TPoint c = Center();
    const int R = Radius();
    const double Rp = R - a.BorderWidth() / 2;
    const int L = a.HourMarkLength() != 0 ? a.HourMarkLength() : Nearest(Rp - 0.9 * Rp) + 2;
    const double r0 = Rp - 2 * L - 2;
    Canvas.Font()->Assign(&a.HourFont());
    Canvas.Brush()->SetStyle(bsClear);
    for (int i = 1; i <= 12; ++i) {
        if (a.TickMarks() == tmQuartHours && i % 3 != 0) continue;
        const std::string text = std::to_string(i);
        const TSize t = Canvas.TextExtent(text);
        const int pull = i == 10 ? Nearest(0.2 * t.cy) : i == 11 ? Nearest(0.15 * t.cy) : 0;
        const double d = r0 - pull + L / 2;
        const int x = Nearest(std::sin(i * 30 * Pi / 180) * d) + c.X + 1;
        const int y = c.Y + 1 - Nearest(std::cos(i * 30 * Pi / 180) * d);
        const TRect box{x - L / 2, y - L / 2, x + L / 2, y + L / 2};
        Canvas.TextOut(box.Right - box.Width() / 2 - t.cx / 2 - 1, box.Bottom - box.Height() / 2 - t.cy / 2 - 1, text);
    }
}

void TQuillWatch::DrawAMPMFrame(TCanvas& Canvas, const TRect& Box)
{
    const TWatchAppearance& a = *FAppearance;
    if (a.AMPMBorderColor() == clNone) return;
    TGPGraphics g(Canvas.Handle());
    TGPPen pen(ColorToOpaqueARGB(a.AMPMBorderColor()));
    if (a.AMPMFrame() == apRect)
        g.DrawRectangle(&pen, static_cast<float>(Box.Left), static_cast<float>(Box.Top),
                        static_cast<float>(Box.Width() - 1), static_cast<float>(Box.Height() - 1));
    else {
        TGPGraphicsPath path;
        AddRoundRect(path, static_cast<float>(Box.Left), static_cast<float>(Box.Top),
                     static_cast<float>(Box.Width() - 1), static_cast<float>(Box.Height() - 1), 2.5f);
        g.DrawPath(&pen, &path);
    }
}

void TQuillWatch::DrawAMPM(TCanvas& Canvas)
{
    if (!FShowAMPM) return;
    const TWatchAppearance& a = *FAppearance;
    const TRect box = GetAMPMRect();
    if (a.AMPMColor() != clNone || a.AMPMBorderColor() != clNone) {
        TGPGraphics g(Canvas.Handle());
        if (a.AMPMColor() != clNone) {
            TGPSolidBrush fill(ColorToOpaqueARGB(a.AMPMColor()));
            if (a.AMPMFrame() == apRect)
                g.FillRectangle(&fill, NewGPRectF(static_cast<float>(box.Left), static_cast<float>(box.Top),
                                                  static_cast<float>(box.Width()), static_cast<float>(box.Height())));
            else {
                TGPGraphicsPath path;
                AddRoundRect(path, static_cast<float>(box.Left), static_cast<float>(box.Top),
                             static_cast<float>(box.Width() - 1), static_cast<float>(box.Height() - 1), 2.5f);
                g.FillPath(&fill, &path);
            }
        }
        DrawAMPMFrame(Canvas, box);
    }
    TGPGraphics g(Canvas.Handle());
    g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    std::unique_ptr<TGPFont> font = g.MakeFont(&a.AMPMFont());
    TGPStringFormat format;
    format.SetAlignment(StringAlignmentCenter);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    TGPSolidBrush ink(ColorToOpaqueARGB(Enabled() ? a.AMPMFont().Color() : clGray));
    g.DrawString(FAM ? "AM" : "PM", -1, font.get(),
                 NewGPRectF(static_cast<float>(box.Left), static_cast<float>(box.Top), static_cast<float>(box.Width()),
                            static_cast<float>(box.Height())),
                 &format, &ink);
}

void TQuillWatch::DrawHands(TCanvas& Canvas)
{
    const TWatchAppearance& a = *FAppearance;
    const TParts p = PartsOf(DisplayTime());
    if (FSettings->Auto()) {
        FInternalSet = true;
        SetAM(p.Hour < 12);
        FInternalSet = false;
    }
    const double hourDeg = (p.Hour % 12) * 30 + p.Minute / 12.0 * 6, minuteDeg = p.Minute * 6.0, secondDeg = p.Second * 6.0;
    const TPoint c = Center();
    const double R = Radius();
    TGPGraphics g(Canvas.Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    auto line = [&](ARGB Colour, float Width, double Back, double Reach, double Deg, float Dx, float Dy) {
        TGPPen pen(Colour, Width);
        const TGPPointF from = Along(c, -Back, Deg), to = Along(c, Reach, Deg);
        g.DrawLine(&pen, from.X + Dx, from.Y + Dy, to.X + Dx, to.Y + Dy);
    };
    auto pointer = [&](ARGB Colour, double Reach, double Deg, float Dx, float Dy) {
        TGPPointF pts[4] = {Along(c, -0.1 * R, Deg), Along(c, 0.05 * R, Deg + 90), Along(c, Reach, Deg),
                            Along(c, 0.05 * R, Deg - 90)};
        for (TGPPointF& q : pts) q = {q.X + Dx, q.Y + Dy};
        TGPSolidBrush brush(Colour);
        g.FillPolygon(&brush, pts, 4);
    };
    if (a.PointerStyle() == psLine) {
        if (a.HourPointerShadow() != clNone)
            line(WithAlpha(a.HourPointerShadow(), 80), static_cast<float>(a.HourPointerSize()), 0.1 * R, 0.46 * R,
                 hourDeg, -1, 3);
        line(ColorToOpaqueARGB(a.HourPointer()), static_cast<float>(a.HourPointerSize()), 0.1 * R, 0.5 * R, hourDeg, 0, 0);
        if (a.MinutePointerShadow() != clNone)
            line(WithAlpha(a.MinutePointerShadow(), 80), static_cast<float>(a.MinutePointerSize()), 0.1 * R, 0.65 * R,
                 minuteDeg, 0, 3);
        line(ColorToOpaqueARGB(a.MinutePointer()), static_cast<float>(a.MinutePointerSize()), 0.1 * R, 0.7 * R,
             minuteDeg, 0, 0);
    } else if (a.PointerStyle() == psPointer) {
        if (a.HourPointerShadow() != clNone) pointer(WithAlpha(a.HourPointerShadow(), 80), 0.5 * R, hourDeg, 1, 3);
        pointer(ColorToOpaqueARGB(a.HourPointer()), 0.5 * R, hourDeg, 0, 0);
        if (a.MinutePointerShadow() != clNone) pointer(WithAlpha(a.MinutePointerShadow(), 80), 0.7 * R, minuteDeg, 1, 3);
        pointer(ColorToOpaqueARGB(a.MinutePointer()), 0.7 * R, minuteDeg, 0, 0);
    }
    if (FSettings->Auto() && FSettings->Second() && (a.PointerStyle() == psLine || a.PointerStyle() == psPointer))
        line(ColorToOpaqueARGB(a.SecondPointer()), static_cast<float>(a.SecondPointerSize()), 0.2 * R, 0.9 * R,
             secondDeg, 0, 0);
    const int s = a.CenterPointSize();
    if (s <= 0) return;
    const float half = s / 2.0f;
    if (a.CenterPointColor() != clNone) {
        TGPSolidBrush hub(ColorToOpaqueARGB(a.CenterPointColor()));
        g.FillEllipse(&hub, c.X - half, c.Y - half, static_cast<float>(s), static_cast<float>(s));
    }
    int outer = 0;
    if (a.CenterPointOuterBorderColor() != clNone) {
        outer = Nearest(0.2 * s);
        TGPPen pen(ColorToOpaqueARGB(a.CenterPointOuterBorderColor()), static_cast<float>(outer));
        g.DrawEllipse(&pen, c.X - half, c.Y - half, static_cast<float>(s), static_cast<float>(s));
    }
    if (a.CenterPointBorderColor() != clNone) {
        const float d = static_cast<float>(s - outer);
        TGPPen pen(ColorToOpaqueARGB(a.CenterPointBorderColor()), static_cast<float>(Nearest(0.1 * s)));
        g.DrawEllipse(&pen, c.X - d / 2, c.Y - d / 2, d, d);
    }
}

// ---- Input

namespace {

// The distance of P from the segment A-B.
double DistanceToSegment(TGPPointF P, TGPPointF A, TGPPointF B)
{
    const double vx = B.X - A.X, vy = B.Y - A.Y;
    const double len = vx * vx + vy * vy;
    double t = len > 0 ? ((P.X - A.X) * vx + (P.Y - A.Y) * vy) / len : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = A.X + t * vx - P.X, dy = A.Y + t * vy - P.Y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

TQuillWatch::THand TQuillWatch::HandAt(int X, int Y) const
{
    const TParts p = PartsOf(DisplayTime());
    const TPoint c = Center();
    const double R = Radius();
    const TGPPointF at{static_cast<float>(X), static_cast<float>(Y)};
    constexpr double grip = 6;
    const double minuteDeg = p.Minute * 6.0, hourDeg = (p.Hour % 12) * 30 + p.Minute / 2.0;
    // Away from the hub, where the two hands part.
    if (DistanceToSegment(at, Along(c, 0.15 * R, minuteDeg), Along(c, 0.7 * R, minuteDeg)) <= grip) return THand::Minute;
    if (DistanceToSegment(at, Along(c, 0.15 * R, hourDeg), Along(c, 0.5 * R, hourDeg)) <= grip) return THand::Hour;
    return THand::None;
}

void TQuillWatch::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    FDragging = Button == mbLeft && !FSettings->Auto() ? HandAt(X, Y) : THand::None;
    FDragged = false;
}

void TQuillWatch::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    // The hand cursor over the AM/PM box.
    if (!ComponentState().Contains(csDesigning)) {
        const TRect box = GetAMPMRect();
        SetCursor(FShowAMPM && X >= box.Left && X < box.Right && Y >= box.Top && Y < box.Bottom ? crHandPoint : crDefault);
    }
    if (FDragging == THand::None) return;
    // A dragged hand follows the pointer at once, without gliding.
    FDragged = true;
    if (FDragging == THand::Minute) SetMinuteInternal(MinuteFromPoint(X, Y));
    else SetHourInternal(HourFromPoint(X, Y));
}

void TQuillWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const THand dragged = FDragging;
    FDragging = THand::None;
    if (FSettings->Auto() || Button != mbLeft) return;
    if (dragged != THand::None && FDragged) return;
    const TRect face = FaceRect();
    const double rx = face.Width() / 2.0, ry = face.Height() / 2.0;
    const double ex = (X - (face.Left + rx)) / rx, ey = (Y - (face.Top + ry)) / ry;
    if (ex * ex + ey * ey > 1) {
        SetMinute(MinuteFromPoint(X, Y));
        return;
    }
    const TRect box = GetAMPMRect();
    if (FShowAMPM && X >= box.Left && X < box.Right && Y >= box.Top && Y < box.Bottom) {
        const int hour = PartsOf(DisplayTime()).Hour;
        if (FAnimation) SetAM(!FAM);
        const int target = hour < 12 ? hour + 12 : hour - 12;
        FCurrentHourTo = target;
        SetHourInternal(target);
        return;
    }
    SetHour(HourFromPoint(X, Y));
}

void TQuillWatch::HandleWatchKey(unsigned short Key)
{
    if (FSettings->Auto()) return;
    const TParts p = PartsOf(DisplayTime());
    switch (Key) {
    case 'A':
        if (p.Hour >= 12) SetHour(p.Hour - 12);
        break;
    case 'P':
        if (p.Hour < 12) SetHour(p.Hour + 12);
        break;
    case VK_PRIOR:
        if (p.Hour == 23) SetHourInternal(0);
        else SetHour(p.Hour + 1);
        break;
    case VK_NEXT:
        if (p.Hour == 0) SetHourInternal(23);
        else SetHour(p.Hour - 1);
        break;
    case VK_HOME: SetHourInternal(12); break;
    case VK_END: SetMinute(0); break;
    case VK_LEFT:
        if (p.Minute == 0) {
            const bool was = FInternalCall;
            FInternalCall = true;
            StoreTime(EncodeTime(p.Hour == 0 ? 23 : p.Hour - 1, 59, p.Second, p.MSec));
            FInternalCall = was;
            RepaintHands();
            if (OnChange) OnChange(this);
        } else SetMinute(p.Minute - 1);
        break;
    case VK_RIGHT: SetMinute(p.Minute == 59 ? 0 : p.Minute + 1); break;
    default: break;
    }
}

void TQuillWatch::WMGetDlgCode(TMessage& Message) { Message.Result = TabStop() ? 5 : 0; }

} // namespace controls
