// The thread's caret: its state, its blink timer and its drawing.
#include "platform/ui/Caret.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinControl.h"

using ui::TCaretState;

namespace {

constexpr std::uintptr_t BlinkTimerId = 0xCA7E;

struct TThreadCaret {
    std::optional<TCaretState> Caret;
    unsigned BlinkTime = 530;
};

TThreadCaret& Current()
{
    thread_local TThreadCaret caret;
    // A caret whose window is gone went with it.
    if (caret.Caret && !FindControl(caret.Caret->Owner)) caret.Caret.reset();
    return caret;
}

void InvalidateCaret(const TCaretState& Caret)
{
    TWinControl* owner = FindControl(Caret.Owner);
    if (!owner) return;
    owner->InvalidateRect(&Caret.Bounds, false);
}

void RestartBlink()
{
    TThreadCaret& t = Current();
    if (!t.Caret) return;
    t.Caret->BlinkOn = true;
    InvalidateCaret(*t.Caret);
    SetTimer(t.Caret->Owner, BlinkTimerId, t.BlinkTime, [](HWND Wnd, unsigned, std::uintptr_t, std::uint64_t) {
        auto& caret = Current().Caret;
        // A timer left over from a caret since destroyed or moved stops here.
        if (!caret || caret->Owner != Wnd) {
            KillTimer(Wnd, BlinkTimerId);
            return;
        }
        caret->BlinkOn = !caret->BlinkOn;
        if (caret->HideCount == 0) InvalidateCaret(*caret);
    });
}

// The caret when hWnd (0 for any) owns it.
TCaretState* OwnedBy(HWND hWnd)
{
    auto& caret = Current().Caret;
    if (!caret || (hWnd != 0 && caret->Owner != hWnd)) return nullptr;
    return &*caret;
}

} // namespace

bool TCaretState::Visible() const { return HideCount == 0 && BlinkOn && Owner != 0 && ui::GetFocus() == Owner; }

bool CreateCaret(HWND hWnd, int Width, int Height)
{
    if (hWnd == 0 || Width < 0 || Height < 0) return false;
    DestroyCaret();
    TCaretState caret;
    caret.Owner = hWnd;
    caret.Bounds = {0, 0, Width == 0 ? 1 : Width, Height};
    caret.HideCount = 1;
    Current().Caret = caret;
    RestartBlink();
    return true;
}

bool DestroyCaret()
{
    auto& caret = Current().Caret;
    if (!caret) return false;
    KillTimer(caret->Owner, BlinkTimerId);
    InvalidateCaret(*caret);
    caret.reset();
    return true;
}

bool ShowCaret(HWND hWnd)
{
    TCaretState* caret = OwnedBy(hWnd);
    if (!caret || caret->HideCount == 0) return false;
    if (--caret->HideCount == 0) RestartBlink();
    return true;
}

bool HideCaret(HWND hWnd)
{
    TCaretState* caret = OwnedBy(hWnd);
    if (!caret) return false;
    if (caret->HideCount++ == 0) InvalidateCaret(*caret);
    return true;
}

bool SetCaretPos(int X, int Y)
{
    TCaretState* caret = OwnedBy(0);
    if (!caret) return false;
    if (caret->Bounds.Left == X && caret->Bounds.Top == Y) return true;
    InvalidateCaret(*caret);
    caret->Bounds = {X, Y, X + caret->Bounds.Width(), Y + caret->Bounds.Height()};
    // A caret that moves is lit at once, as it is while typing.
    RestartBlink();
    return true;
}

bool GetCaretPos(TPoint& Point)
{
    TCaretState* caret = OwnedBy(0);
    if (!caret) return false;
    Point = {caret->Bounds.Left, caret->Bounds.Top};
    return true;
}

unsigned GetCaretBlinkTime() { return Current().BlinkTime; }

bool SetCaretBlinkTime(unsigned Milliseconds)
{
    if (Milliseconds == 0) return false;
    Current().BlinkTime = Milliseconds;
    RestartBlink();
    return true;
}

namespace ui {

std::optional<TCaretState> CaretState() { return Current().Caret; }

void PaintCaret(HWND hWnd, TCanvas& Canvas)
{
    const TCaretState* caret = OwnedBy(hWnd);
    // Inverting keeps the caret readable on any background and selection.
    if (caret && hWnd != 0 && caret->Visible()) InvertRect(Canvas.Handle(), caret->Bounds);
}

} // namespace ui
