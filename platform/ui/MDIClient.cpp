// The MDI client area and the framed windows of its child forms.
#include "platform/ui/MDIClient.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

// The frame a sizeable form has: a border of 3 and a caption of 19 above it.
constexpr int Border = 3;
constexpr int CaptionHeight = 19;
constexpr TColor WorkspaceColor = static_cast<TColor>(0xABABAB);
constexpr TColor ActiveCaption = static_cast<TColor>(0xD17F3A);
constexpr TColor InactiveCaption = static_cast<TColor>(0xBFB4AA);

} // namespace

// A child form's host window inside the client: its bounds in the client's
// coordinates and the image the form last presented.
class TMDIChildWindow final : public TNativeWindow {
public:
    TMDIChildWindow(TMDIClient& client, const TNativeWindowParams& params, TNativeWindowEvents& events,
                    TCustomForm& form)
        : Client(&client), Events(events), Form(form), Caption(params.Caption), Bounds(params.Bounds)
    {
    }
    ~TMDIChildWindow() override
    {
        if (Client) Client->ChildGone(*this);
    }

    void SetCaption(const std::string& caption) override
    {
        Caption = caption;
        if (Client) Client->ChildChanged(*this);
    }
    void SetBounds(const TRect& bounds) override
    {
        Bounds = bounds;
        if (Client) Client->Invalidate();
    }
    void SetMinSize(int, int) override {}
    void Show(bool activate) override
    {
        Visible = true;
        if (!Client) return;
        if (activate) Client->ActivateChild(&Form);
        Client->ChildChanged(*this);
    }
    void Hide() override
    {
        Visible = false;
        if (Client) Client->ChildChanged(*this);
    }
    void Activate() override
    {
        if (Client) Client->ActivateChild(&Form);
    }
    void Present(const TBitmap& image, const TRect&) override
    {
        Image = &image;
        if (Client) Client->Invalidate();
    }
    void SetCursor(TNativeCursor cursor) override
    {
        if (auto* n = FrameWindow()) n->SetCursor(cursor);
    }
    void SetMouseCapture(bool capture) override
    {
        if (auto* n = FrameWindow()) n->SetMouseCapture(capture);
    }
    void SetModal(bool) override {}
    std::unique_ptr<TNativeChildView> EmbedNativeView(void*) override { return nullptr; }
    int RunDrag(TDragOffer& data, int allowedEffects) override
    {
        auto* n = FrameWindow();
        return n ? n->RunDrag(data, allowedEffects) : 0;
    }
    TNativeWindow* FrameWindow() const { return Client ? Client->Frame().NativeWindow() : nullptr; }

    // Where the form's image goes, in the client's coordinates: the bounds
    // the form gives are those of its menu bar and client area.
    TRect ImageRect() const { return Bounds; }
    // The window with its border and caption around the image.
    TRect FrameRect() const
    {
        return {Bounds.Left - Border, Bounds.Top - Border - CaptionHeight, Bounds.Right + Border,
                Bounds.Bottom + Border};
    }
    TRect CaptionRect() const
    {
        const TRect frame = FrameRect();
        return {frame.Left, frame.Top, frame.Right, Bounds.Top};
    }

    TMDIClient* Client;  // null once the client is gone
    TNativeWindowEvents& Events;
    TCustomForm& Form;
    std::string Caption;
    TRect Bounds;
    const TBitmap* Image = nullptr;
    bool Visible = false;
};

TMDIClient::TMDIClient(TCustomForm& Frame) : TCustomControl(&Frame), FFrame(Frame)
{
    SetParent(&Frame);
    SetAlign(alClient);
    SetColor(WorkspaceColor);
}

TMDIClient::~TMDIClient()
{
    for (TMDIChildWindow* w : FWindows) w->Client = nullptr;
}

int TMDIClient::ChildCount() const
{
    return static_cast<int>(FWindows.size());
}

TCustomForm* TMDIClient::Child(int Index) const
{
    return &FWindows.at(static_cast<std::size_t>(Index))->Form;
}

TCustomForm* TMDIClient::ActiveChild() const
{
    return FActive ? &FActive->Form : nullptr;
}

std::unique_ptr<TNativeWindow> TMDIClient::CreateChildWindow(const TNativeWindowParams& Params,
                                                             TNativeWindowEvents& Events, TCustomForm& Child)
{
    auto window = std::make_unique<TMDIChildWindow>(*this, Params, Events, Child);
    FWindows.insert(FWindows.begin(), window.get());
    return window;
}

TMDIChildWindow* TMDIClient::WindowOf(const TCustomForm* Child) const
{
    for (TMDIChildWindow* w : FWindows)
        if (&w->Form == Child) return w;
    return nullptr;
}

void TMDIClient::ActivateChild(TCustomForm* Child)
{
    TMDIChildWindow* window = WindowOf(Child);
    if (!window || !window->Visible) return;
    std::erase(FWindows, window);
    FWindows.push_back(window);
    if (FActive != window) {
        TMDIChildWindow* previous = FActive;
        FActive = window;
        if (previous) previous->Form.SetActive(false);
        window->Form.SetActive(true);
        if (TWinControl* control = window->Form.ActiveControl()) window->Form.FocusControl(control);
        RefreshMenu();
    }
    Invalidate();
}

void TMDIClient::RefreshMenu()
{
    TMessage message{WM_MDIREFRESHMENU, 0, 0, 0};
    WindowProc(message);
}

void TMDIClient::ChildChanged(TMDIChildWindow& Window)
{
    if (!Window.Visible && FActive == &Window) {
        FActive = nullptr;
        Window.Form.SetActive(false);
        for (auto it = FWindows.rbegin(); it != FWindows.rend(); ++it)
            if ((*it)->Visible) {
                ActivateChild(&(*it)->Form);
                break;
            }
    }
    RefreshMenu();
    Invalidate();
}

void TMDIClient::ChildGone(TMDIChildWindow& Window)
{
    std::erase(FWindows, &Window);
    if (FPressed == &Window) FPressed = nullptr;
    if (FActive == &Window) {
        FActive = nullptr;
        for (auto it = FWindows.rbegin(); it != FWindows.rend(); ++it)
            if ((*it)->Visible) {
                ActivateChild(&(*it)->Form);
                break;
            }
    }
    if (!ComponentState().Contains(csDestroying)) {
        RefreshMenu();
        Invalidate();
    }
}

void TMDIClient::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MDIACTIVATE: {
        auto* form = dynamic_cast<TCustomForm*>(FindControl(static_cast<HWND>(Message.WParam)));
        ActivateChild(form);
        Message.Result = 0;
        return;
    }
    case WM_MDIGETACTIVE:
        Message.Result = FActive ? static_cast<LRESULT>(FActive->Form.Handle()) : 0;
        return;
    case WM_MDIREFRESHMENU:
        Message.Result = 0;
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}

void TMDIClient::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    for (TMDIChildWindow* w : FWindows) {
        if (!w->Visible) continue;
        const bool active = w == FActive;
        c.Pen()->SetColor(clBlack);
        c.Brush()->SetColor(active ? ActiveCaption : InactiveCaption);
        c.Rectangle(w->FrameRect());
        const TRect caption = w->CaptionRect();
        c.Font()->SetColor(active ? clWhite : clBlack);
        c.Font()->SetStyle({fsBold});
        c.Brush()->SetStyle(bsClear);
        TRect text{caption.Left + Border + 4, caption.Top + Border, caption.Right - Border, caption.Bottom - 1};
        std::string shown = w->Caption;
        c.TextRect(text, shown, {tfSingleLine, tfVerticalCenter, tfEndEllipsis, tfNoPrefix});
        c.Brush()->SetStyle(bsSolid);
        c.Font()->SetStyle({});
        if (w->Image) {
            const TRect image = w->ImageRect();
            c.Draw(image.Left, image.Top, w->Image);
        }
    }
}

TMDIChildWindow* TMDIClient::WindowAt(TPoint P) const
{
    for (auto it = FWindows.rbegin(); it != FWindows.rend(); ++it)
        if ((*it)->Visible && (*it)->FrameRect().Contains(P)) return *it;
    return nullptr;
}

void TMDIClient::Forward(unsigned Msg, TMDIChildWindow& Window, TPoint P, TShiftState Shift)
{
    const TRect image = Window.ImageRect();
    Window.Events.NativeMouse(Msg, {P.X - image.Left, P.Y - image.Top}, Shift);
}

void TMDIClient::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TMDIChildWindow* window = WindowAt({X, Y});
    if (!window) return;
    ActivateChild(&window->Form);
    if (window->ImageRect().Contains({X, Y})) {
        FPressed = window;
        static constexpr unsigned downs[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
        Forward(downs[Button], *window, {X, Y}, Shift);
    } else if (Button == mbLeft && window->CaptionRect().Contains({X, Y})) {
        FDragging = true;
        FPressed = window;
        FDragStart = {X, Y};
        FDragOrigin = {window->Form.Left(), window->Form.Top()};
    }
}

void TMDIClient::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging && FPressed) {
        TCustomForm& form = FPressed->Form;
        form.SetBounds(FDragOrigin.X + X - FDragStart.X, FDragOrigin.Y + Y - FDragStart.Y, form.Width(),
                       form.Height());
        return;
    }
    TMDIChildWindow* target = FPressed ? FPressed : WindowAt({X, Y});
    if (target && (FPressed || target->ImageRect().Contains({X, Y}))) Forward(WM_MOUSEMOVE, *target, {X, Y}, Shift);
}

void TMDIClient::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    TMDIChildWindow* target = FPressed;
    FPressed = nullptr;
    if (FDragging) {
        FDragging = false;
        return;
    }
    if (!target) return;
    static constexpr unsigned ups[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
    Forward(ups[Button], *target, {X, Y}, Shift);
}

TCustomForm* MDIFrameFor(const TCustomForm& Child)
{
    if (Child.FormStyle() != fsMDIChild) return nullptr;
    TCustomForm* frame = Application ? Application->MainForm() : nullptr;
    if (frame && frame->FormStyle() == fsMDIForm) return frame;
    if (auto* owner = dynamic_cast<TCustomForm*>(Child.Owner()); owner && owner->FormStyle() == fsMDIForm)
        return owner;
    return nullptr;
}

} // namespace ui
