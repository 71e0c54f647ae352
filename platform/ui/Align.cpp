// Placing children: Align docks them to the edges of the client area, Anchors
// keep their distances to the parent's edges when it resizes.
#include "platform/ui/WinControl.h"

namespace {

// Docks one control into the remaining rectangle and shrinks it.
void DockInto(TControl* c, TRect& rest)
{
    int w = c->Width(), h = c->Height();
    switch (c->Align()) {
    case alTop:
        c->SetBounds(rest.Left, rest.Top, rest.Width(), h);
        rest.Top += c->Height();
        break;
    case alBottom:
        c->SetBounds(rest.Left, rest.Bottom - h, rest.Width(), h);
        rest.Bottom -= c->Height();
        break;
    case alLeft:
        c->SetBounds(rest.Left, rest.Top, w, rest.Height());
        rest.Left += c->Width();
        break;
    case alRight:
        c->SetBounds(rest.Right - w, rest.Top, w, rest.Height());
        rest.Right -= c->Width();
        break;
    case alClient:
        c->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height());
        break;
    default:
        break;
    }
}

} // namespace

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || ControlState().Contains(csAlignmentNeeded)) return;
    ControlState().Include(csAlignmentNeeded);
    TRect r = ClientRect();
    AdjustClientRect(r);
    AlignControls(nullptr, r);
    ControlState().Exclude(csAlignmentNeeded);
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AlignControls(TControl*, TRect& Rect)
{
    // Edges dock in the order top, bottom, left, right, then the client fills
    // what is left; within one kind, list order decides.
    static constexpr TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign a : order)
        for (TControl* c : std::vector<TControl*>(FControls))
            if (c->Visible() && c->Align() == a) DockInto(c, Rect);

    // Anchored controls follow the parent's new size.
    TRect client = ClientRect();
    for (TControl* c : FControls) {
        if (c->Align() != alNone) continue;
        TAnchors a = c->Anchors();
        TSize old = c->FOriginalParentSize;
        int dx = client.Width() - old.cx, dy = client.Height() - old.cy;
        if (dx == 0 && dy == 0) continue;
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft)) width += dx;
            else left += dx;
        } else if (!a.Contains(akLeft)) {
            left += dx / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop)) height += dy;
            else top += dy;
        } else if (!a.Contains(akTop)) {
            top += dy / 2;
        }
        c->SetBounds(left, top, width, height);
        c->FOriginalParentSize = {client.Width(), client.Height()};
    }
}
