// Scroll bars: the TScrollBar control, and the scroll bars a window shows in
// its frame, set through the scroll-info calls and reported as WM_HSCROLL and
// WM_VSCROLL.
#pragma once

#include "platform/ui/CustomControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TCustomControl {
    VISTRA_CLASS(TScrollBar, TCustomControl)

    explicit TScrollBar(TComponent* AOwner);
    TScrollBarKind Kind() const noexcept { return FKind; }
    void SetKind(TScrollBarKind Value);
    int Min() const noexcept { return FMin; }
    int Max() const noexcept { return FMax; }
    void SetMin(int Value) { SetParams(FPosition, Value, std::max(Value, FMax)); }
    void SetMax(int Value) { SetParams(FPosition, std::min(FMin, Value), Value); }
    // Clamped to Min..Max - PageSize + 1 when a page is set, else Min..Max; a
    // change raises OnChange.
    int Position() const noexcept { return FPosition; }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    void SetParams(int APosition, int AMin, int AMax);
    // The visible part's size in units; 0 for none, -1 hides the thumb.
    int PageSize() const noexcept { return FPageSize; }
    void SetPageSize(int Value);
    int SmallChange() const noexcept { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    int LargeChange() const noexcept { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }

    TScrollEvent OnScroll;
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void WMGetDlgCode(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Raises OnScroll, then takes the position it leaves.
    virtual void Scroll(TScrollCode ScrollCode, int ScrollPos);
    virtual void Change();

private:
    int MaxPosition() const;
    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0, FMax = 100, FPosition = 0, FPageSize = 0, FSmallChange = 1, FLargeChange = 1;
    bool FTracking = false;
    int FTrackOffset = 0;
};

// The scroll bars of a window.
inline constexpr int SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3;
inline constexpr unsigned SIF_RANGE = 0x1, SIF_PAGE = 0x2, SIF_POS = 0x4, SIF_DISABLENOSCROLL = 0x8,
                          SIF_TRACKPOS = 0x10, SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
struct SCROLLINFO {
    unsigned cbSize = sizeof(SCROLLINFO);
    unsigned fMask = 0;
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};
// Returns the new position. A bar shows while its range is larger than its
// page (always, with SIF_DISABLENOSCROLL).
int SetScrollInfo(HWND hWnd, int nBar, const SCROLLINFO& Info, bool Redraw);
bool GetScrollInfo(HWND hWnd, int nBar, SCROLLINFO& Info);
int SetScrollPos(HWND hWnd, int nBar, int nPos, bool Redraw);
int GetScrollPos(HWND hWnd, int nBar);
bool SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, bool Redraw);
bool ShowScrollBar(HWND hWnd, int wBar, bool bShow);

inline constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CXBORDER = 5,
                     SM_CYBORDER = 6, SM_CXEDGE = 45, SM_CYEDGE = 46, SM_CXHSCROLL = 21, SM_CYVSCROLL = 20,
                     SM_CXICON = 11, SM_CYICON = 12, SM_CXSMICON = 49, SM_CYSMICON = 50, SM_CXMENUSIZE = 54;
int GetSystemMetrics(int nIndex);

namespace ui {
// The room a window's visible scroll bars take on the right and at the bottom.
TSize WindowScrollBarSpace(const TWinControl& control);
void PaintWindowScrollBars(TWinControl& control, TCanvas& canvas);
// The thickness in pixels (0 or less: the standard one) and the track colour
// (clNone: the standard one) of a window's own scroll bars.
void SetWindowScrollBarLook(HWND hWnd, int Thickness, TColor Color);
// Keeps a window's bar (SB_HORZ, SB_VERT) shown, empty when its range fits,
// through later scroll-info changes.
void KeepWindowScrollBar(HWND hWnd, int Bar, bool Keep);
// Handles a mouse message on a window's scroll bars; true when it was one.
bool WindowScrollBarMouse(TWinControl& control, TMessage& message);
void ForgetWindowScrollBars(HWND hWnd);
} // namespace ui
