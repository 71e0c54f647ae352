// An analogue watch: a painted clock face that shows a time and sets it by
// the mouse (a click on the face sets the hour, outside its circle the
// minute, on the AM/PM box the half of the day) and by keys its host passes
// on. Hands may glide to a new position. In running mode it shows the
// current time, optionally shifted, with a second hand, and takes no input.
#pragma once

#include <memory>

#include "platform/graphics/Picture.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/CustomControl.h"
#include "render/QuillStyleIF.h"

class TBitmap;
class TTimer;

namespace controls {

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TAMPMFrame { apRect, apRoundRect };
enum TWatchBorderStyle { wbLine, wbDoubleLine, wbNone };
enum TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
    wsSuperNova, wsSports, wsSmooth
};

// The watch's look. Every setter stores a changed value and raises OnChange;
// the fonts and the picture copy and always notify.
class TWatchAppearance : public TPersistent {
    VISTRA_CLASS(TWatchAppearance, TPersistent)

    TWatchAppearance();
    ~TWatchAppearance() override;
    // Every member back to its default.
    void SetDefaults();
    void Assign(const TPersistent* Source) override;

#define VISTRA_WATCH_PROPERTY(Type, Name) \
    Type Name() const noexcept { return F##Name; } \
    void Set##Name(Type Value) { Store(F##Name, Value); }
    VISTRA_WATCH_PROPERTY(TWatchShape, Shape)
    // Face diameter in pixels; 0: the control's smaller side less 20.
    VISTRA_WATCH_PROPERTY(int, Size)
    VISTRA_WATCH_PROPERTY(TColor, BackgroundColor)
    // clNone: a plain fill.
    VISTRA_WATCH_PROPERTY(TColor, BackgroundColorTo)
    VISTRA_WATCH_PROPERTY(TWatchGradient, BackgroundGradient)
    VISTRA_WATCH_PROPERTY(TColor, BorderColor)
    // Below 1 draws no outline.
    VISTRA_WATCH_PROPERTY(int, BorderWidth)
    VISTRA_WATCH_PROPERTY(TWatchBorderStyle, BorderStyle)
    VISTRA_WATCH_PROPERTY(TColor, HourColor)
    // Mark lengths of 0 are automatic.
    VISTRA_WATCH_PROPERTY(int, HourMarkLength)
    VISTRA_WATCH_PROPERTY(int, HourMarkWidth)
    VISTRA_WATCH_PROPERTY(THourMarkStyle, HourMarkStyle)
    VISTRA_WATCH_PROPERTY(TColor, MinuteColor)
    VISTRA_WATCH_PROPERTY(int, MinuteMarkLength)
    VISTRA_WATCH_PROPERTY(int, MinuteMarkWidth)
    VISTRA_WATCH_PROPERTY(TTickMarks, TickMarks)
    VISTRA_WATCH_PROPERTY(TPointerStyle, PointerStyle)
    VISTRA_WATCH_PROPERTY(TColor, HourPointer)
    // clNone: no shadow.
    VISTRA_WATCH_PROPERTY(TColor, HourPointerShadow)
    VISTRA_WATCH_PROPERTY(int, HourPointerSize)
    VISTRA_WATCH_PROPERTY(TColor, MinutePointer)
    VISTRA_WATCH_PROPERTY(TColor, MinutePointerShadow)
    VISTRA_WATCH_PROPERTY(int, MinutePointerSize)
    VISTRA_WATCH_PROPERTY(TColor, SecondPointer)
    VISTRA_WATCH_PROPERTY(TColor, SecondPointerShadow)
    VISTRA_WATCH_PROPERTY(int, SecondPointerSize)
    VISTRA_WATCH_PROPERTY(int, CenterPointSize)
    VISTRA_WATCH_PROPERTY(TColor, CenterPointColor)
    VISTRA_WATCH_PROPERTY(TColor, CenterPointBorderColor)
    VISTRA_WATCH_PROPERTY(TColor, CenterPointOuterBorderColor)
    VISTRA_WATCH_PROPERTY(TColor, AMPMColor)
    VISTRA_WATCH_PROPERTY(TColor, AMPMBorderColor)
    VISTRA_WATCH_PROPERTY(TAMPMFrame, AMPMFrame)
    VISTRA_WATCH_PROPERTY(int, Rounding)
#undef VISTRA_WATCH_PROPERTY
    TFont& HourFont() const noexcept { return *FHourFont; }
    void SetHourFont(const TFont& Value);
    TFont& AMPMFont() const noexcept { return *FAMPMFont; }
    void SetAMPMFont(const TFont& Value);
    // Drawn in place of the face's fill when not empty.
    TPicture& Picture() const noexcept { return *FPicture; }
    void SetPicture(const TPicture& Value);

    TNotifyEvent OnChange;

private:
    template <class T> void Store(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }
    void Changed();

    TWatchShape FShape;
    int FSize;
    TColor FBackgroundColor, FBackgroundColorTo;
    TWatchGradient FBackgroundGradient;
    TColor FBorderColor;
    int FBorderWidth;
    TWatchBorderStyle FBorderStyle;
    TColor FHourColor;
    int FHourMarkLength, FHourMarkWidth;
    THourMarkStyle FHourMarkStyle;
    TColor FMinuteColor;
    int FMinuteMarkLength, FMinuteMarkWidth;
    TTickMarks FTickMarks;
    TPointerStyle FPointerStyle;
    TColor FHourPointer, FHourPointerShadow;
    int FHourPointerSize;
    TColor FMinutePointer, FMinutePointerShadow;
    int FMinutePointerSize;
    TColor FSecondPointer, FSecondPointerShadow;
    int FSecondPointerSize;
    int FCenterPointSize;
    TColor FCenterPointColor, FCenterPointBorderColor, FCenterPointOuterBorderColor;
    TColor FAMPMColor, FAMPMBorderColor;
    TAMPMFrame FAMPMFrame;
    int FRounding;
    std::unique_ptr<TFont> FHourFont, FAMPMFont;
    std::unique_ptr<TPicture> FPicture;
    bool FDefaulting = false;
};

// Running mode: the current time plus TimeOffset minutes, with or without a
// second hand.
class TWatchSettings : public TPersistent {
    VISTRA_CLASS(TWatchSettings, TPersistent)

    bool Auto() const noexcept { return FAuto; }
    void SetAuto(bool Value);
    int TimeOffset() const noexcept { return FTimeOffset; }
    void SetTimeOffset(int Value);
    bool Second() const noexcept { return FSecond; }
    void SetSecond(bool Value);
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed()
    {
        if (OnChange) OnChange(this);
    }
    bool FAuto = false, FSecond = true;
    int FTimeOffset = 0;
};

class TQuillWatch : public TCustomControl, public IQORStyle {
    VISTRA_CLASS(TQuillWatch, TCustomControl)

    explicit TQuillWatch(TComponent* AOwner);
    ~TQuillWatch() override;

    bool Animation() const noexcept { return FAnimation; }
    void SetAnimation(bool Value) noexcept { FAnimation = Value; }
    // Each animation step covers 1/AnimationFactor of the remaining way; 1 or more.
    int AnimationFactor() const noexcept { return FAnimationFactor; }
    void SetAnimationFactor(int Value);
    TWatchAppearance& Appearance() const noexcept { return *FAppearance; }
    void SetAppearance(const TWatchAppearance& Value) { FAppearance->Assign(&Value); }
    TWatchSettings& Settings() const noexcept { return *FSettings; }
    void SetSettings(const TWatchSettings& Value) { FSettings->Assign(&Value); }
    TDateTime Time() const noexcept { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowAMPM() const noexcept { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const noexcept { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    TWatchStyle Style() const noexcept { return FStyle; }
    // Applies a preset look when the value changes.
    void SetStyle(TWatchStyle Value);

    // One part of the shown time, animated unless the change is the watch's own.
    void SetHour(int Value);
    // 60 or more raises "Invalid time".
    void SetMinute(int Value);
    // The colours of a component style.
    void SetComponentStyle(TQORStyle AStyle) override;
    // A key its host passes on: A, P, Page Up, Page Down, Home, End, Left, Right.
    void HandleWatchKey(unsigned short Key);
    // The time shown: in running mode the current time plus the offset.
    TDateTime DisplayTime() const;
    bool AM() const noexcept { return FAM; }
    bool Animating() const noexcept { return FAnimating; }

    // The geometry of the face.
    TRect FaceRect() const;
    TPoint Center() const;
    int Radius() const;
    // The AM/PM box; (-1, -1, -1, -1) without one.
    TRect GetAMPMRect();
    int MinuteFromPoint(int X, int Y) const;
    int HourFromPoint(int X, int Y) const;

    TNotifyEvent OnChange;

    // The colour set of a component style on any watch appearance.
    static void ApplyComponentStyle(TWatchAppearance& Appearance, TQORStyle AStyle);

protected:
    void Paint() override;
    void PaintAll();
    void RepaintHands();
    void DrawBackground(TCanvas& Canvas);
    void DrawTickMarks(TCanvas& Canvas);
    void DrawNumbers(TCanvas& Canvas);
    void DrawAMPM(TCanvas& Canvas);
    void DrawHands(TCanvas& Canvas);
    void DrawAMPMFrame(TCanvas& Canvas, const TRect& Box);
    void PaintRoll();
    // A press on a hand drags it: the hand follows the pointer.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    enum class THand { None, Hour, Minute };
    THand HandAt(int X, int Y) const;
    void StoreTime(TDateTime Value);
    void SetAM(bool Value);
    void SetHourInternal(int Value);
    void SetMinuteInternal(int Value);
    void ApplyHour(int Value);
    void ApplyMinute(int Value);
    void AnimationStep();
    void RollAMPM(bool ToPM);
    void SettingsChanged();
    void ApplyStyle(TWatchStyle Value);
    bool MayAnimate() const;

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    std::unique_ptr<TBitmap> FBKGCache;
    TTimer* FWatchTimer = nullptr;
    TTimer* FAnimationTimer = nullptr;
    TDateTime FTime = 0;
    TDateTime FAutoStart = 0;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    bool FShowAMPM = true, FShowNumbers = true;
    TWatchStyle FStyle = wsClassic;
    int FCurrentHourTo = 0, FCurrentMinuteTo = 0, FMinuteFrom = 0;
    bool FHourAnimating = false, FAnimating = false;
    bool FInternalCall = false;
    bool FAM = true;
    bool FInternalSet = false;
    bool FCacheValid = false;
    bool FRolling = false;
    int FRollTop = 0;
    THand FDragging = THand::None;
    bool FDragged = false;
};

} // namespace controls
