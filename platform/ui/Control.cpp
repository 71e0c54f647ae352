// TControl: geometry, appearance, shared message handlers and mouse input.
#include "platform/ui/Controls.h"

#include <cctype>

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/WinControl.h"

namespace {
TControl* gCapture = nullptr;
}

namespace ui {

TControl* CaptureControl() { return gCapture; }

void SetCaptureControl(TControl* Control)
{
    if (gCapture == Control) return;
    TControl* old = gCapture;
    gCapture = Control;
    if (old) old->Perform(WM_CAPTURECHANGED, 0, 0);
    if (TCustomForm* form = Control ? Control->GetParentForm() : nullptr) form->NativeCaptureChanged(true);
    else if (TCustomForm* oldForm = old ? old->GetParentForm() : nullptr) oldForm->NativeCaptureChanged(false);
}

TShiftState MouseKeysToShiftState(WPARAM keys)
{
    TShiftState s;
    if (keys & MK_SHIFT) s.Include(ssShift);
    if (keys & MK_CONTROL) s.Include(ssCtrl);
    if (keys & MK_LBUTTON) s.Include(ssLeft);
    if (keys & MK_RBUTTON) s.Include(ssRight);
    if (keys & MK_MBUTTON) s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    return s;
}

WPARAM ShiftStateToMouseKeys(TShiftState shift)
{
    WPARAM k = 0;
    if (shift.Contains(ssShift)) k |= MK_SHIFT;
    if (shift.Contains(ssCtrl)) k |= MK_CONTROL;
    if (shift.Contains(ssLeft)) k |= MK_LBUTTON;
    if (shift.Contains(ssRight)) k |= MK_RBUTTON;
    if (shift.Contains(ssMiddle)) k |= MK_MBUTTON;
    return k;
}

} // namespace ui

bool IsAccel(char32_t Key, const std::string& Text)
{
    if (Key >= 128) return false;
    int wanted = std::tolower(static_cast<int>(Key));
    for (std::size_t i = 0; i + 1 < Text.size(); ++i) {
        if (Text[i] != '&') continue;
        if (Text[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::tolower(static_cast<unsigned char>(Text[i + 1])) == wanted;
    }
    return false;
}

// ---- TSizeConstraints

void TSizeConstraints::SetMinWidth(int Value) { FMinWidth = Value; Changed(); }
void TSizeConstraints::SetMinHeight(int Value) { FMinHeight = Value; Changed(); }
void TSizeConstraints::SetMaxWidth(int Value) { FMaxWidth = Value; Changed(); }
void TSizeConstraints::SetMaxHeight(int Value) { FMaxHeight = Value; Changed(); }

void TSizeConstraints::Assign(const TPersistent* Source)
{
    if (auto* s = dynamic_cast<const TSizeConstraints*>(Source)) {
        FMinWidth = s->FMinWidth;
        FMinHeight = s->FMinHeight;
        FMaxWidth = s->FMaxWidth;
        FMaxHeight = s->FMaxHeight;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TSizeConstraints::Apply(int& Width, int& Height) const noexcept
{
    if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
    if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
    if (Width < FMinWidth) Width = FMinWidth;
    if (Height < FMinHeight) Height = FMinHeight;
}

void TSizeConstraints::Changed()
{
    if (OnChange) OnChange(this);
}

// ---- TControl

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TFont>())
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    FFont->OnChange = [this](TObject* s) { FontChanged(s); };
    FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl()
{
    if (gCapture == this) gCapture = nullptr;
    if (FParent) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message)
{
    // Controls that capture the mouse keep it from press to release.
    if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) {
        if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
        if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    } else if (Message.Msg == WM_LBUTTONUP) {
        if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: WMMouseButton(Message, mbLeft, true, false); break;
    case WM_LBUTTONDBLCLK: WMMouseButton(Message, mbLeft, true, true); break;
    case WM_LBUTTONUP: WMMouseButton(Message, mbLeft, false, false); break;
    case WM_RBUTTONDOWN: WMMouseButton(Message, mbRight, true, false); break;
    case WM_RBUTTONDBLCLK: WMMouseButton(Message, mbRight, true, true); break;
    case WM_RBUTTONUP: WMMouseButton(Message, mbRight, false, false); break;
    case WM_MBUTTONDOWN: WMMouseButton(Message, mbMiddle, true, false); break;
    case WM_MBUTTONDBLCLK: WMMouseButton(Message, mbMiddle, true, true); break;
    case WM_MBUTTONUP: WMMouseButton(Message, mbMiddle, false, false); break;
    case WM_MOUSEMOVE: WMMouseMove(Message); break;
    case WM_MOUSEWHEEL: case CM_MOUSEWHEEL: WMMouseWheel(Message); break;
    case WM_CONTEXTMENU: WMContextMenu(Message); break;
    case WM_SETTEXT: WMSetText(Message); break;
    case WM_GETTEXT: WMGetText(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_COLORCHANGED: CMColorChanged(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); break;
    case CM_HITTEST: CMHitTest(Message); break;
    case CM_HINTSHOW: CMHintShow(Message); break;
    default: DefaultHandler(Message); break;
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    FConstraints->Apply(AWidth, AHeight);
    if (AWidth < 0) AWidth = 0;
    if (AHeight < 0) AHeight = 0;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    InvalidateControl();
    bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    UpdateAnchorRules();
    InvalidateControl();
    if (resized) BoundsChanged();
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::BoundsChanged() { Resize(); }

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}

TRect TControl::ClientRect() const { return {0, 0, FWidth, FHeight}; }

void TControl::SetClientWidth(int Value) { SetWidth(FWidth - ClientWidth() + Value); }
void TControl::SetClientHeight(int Value) { SetHeight(FHeight - ClientHeight() + Value); }

TPoint TControl::ClientOrigin() const
{
    if (!FParent) return {FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const
{
    TPoint o = ClientOrigin();
    return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const
{
    TPoint o = ClientOrigin();
    return {P.X - o.X, P.Y - o.Y};
}

TPoint TControl::ClientToParent(TPoint P, TWinControl* AParent) const
{
    if (!AParent) AParent = FParent;
    if (!AParent) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    TPoint s = ClientToScreen(P);
    return AParent->ScreenToClient(s);
}

TPoint TControl::ParentToClient(TPoint P, TWinControl* AParent) const
{
    if (!AParent) AParent = FParent;
    if (!AParent) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    return ScreenToClient(AParent->ClientToScreen(P));
}

void TControl::SetAlign(TAlign Value)
{
    if (FAlign == Value) return;
    FAlign = Value;
    if (Value != alNone && Value != alCustom) FAnchors = TAnchors{akLeft, akTop};
    if (FParent) FParent->Realign();
}

void TControl::SetAnchors(TAnchors Value)
{
    FAnchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (!FParent) return;
    TRect r = FParent->ClientRect();
    FOriginalParentSize = {r.Width(), r.Height()};
}

void TControl::SetVisible(bool Value)
{
    if (FVisible == Value) return;
    if (!Value) InvalidateControl();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
    if (Value) InvalidateControl();
    if (FParent && FAlign != alNone) FParent->Realign();
}

bool TControl::Showing() const
{
    if (!FVisible) return false;
    return FParent ? FParent->Showing() : false;
}

void TControl::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::IsEnabledWithParents() const
{
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FEnabled) return false;
    return true;
}

void TControl::SetColor(TColor Value)
{
    if (FColor == Value && !FParentColor) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value)
{
    FParentColor = Value;
    if (Value && FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetFont(const TFont& Value) { FFont->Assign(&Value); }

void TControl::FontChanged(TObject*)
{
    if (!FFontFromParent) FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value)
{
    FParentFont = Value;
    if (Value && FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value)
{
    FCursor = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value)
{
    FShowHint = Value;
    FParentShowHint = false;
}

void TControl::SetParentShowHint(bool Value)
{
    FParentShowHint = Value;
    if (Value && FParent) FShowHint = FParent->ShowHint();
}

void TControl::SetPopupMenu(TPopupMenu* Value)
{
    FPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Invalidate() { InvalidateControl(); }

void TControl::InvalidateControl()
{
    if (FParent && FVisible) {
        TRect r = BoundsRect();
        FParent->InvalidateRect(&r, true);
    }
}

void TControl::Update()
{
    if (FParent) FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!FParent) return;
    auto& list = FParent->FControls;
    std::erase(list, this);
    list.push_back(this);
    InvalidateControl();
}

void TControl::SendToBack()
{
    if (!FParent) return;
    auto& list = FParent->FControls;
    std::erase(list, this);
    list.insert(list.begin(), this);
    InvalidateControl();
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

TCustomForm* TControl::GetParentForm() const
{
    const TControl* c = this;
    while (c->FParent) c = c->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

bool TControl::MouseCapture() const { return gCapture == this; }

void TControl::SetMouseCapture(bool Value)
{
    if (Value) ui::SetCaptureControl(this);
    else if (gCapture == this) ui::SetCaptureControl(nullptr);
}

std::string TControl::GetText() const
{
    // WM_GETTEXT answers through a pointer to a std::string in LParam.
    std::string text;
    const_cast<TControl*>(this)->Perform(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

void TControl::SetTextBuf(const std::string& Value)
{
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&Value));
}

void TControl::WMSetText(TMessage& Message)
{
    const auto* text = reinterpret_cast<const std::string*>(Message.LParam);
    if (!text || *text == FText) return;
    FText = *text;
    Message.Result = 1;
    TextChanged();
}

void TControl::WMGetText(TMessage& Message)
{
    if (auto* out = reinterpret_cast<std::string*>(Message.LParam)) *out = FText;
    Message.Result = static_cast<LRESULT>(FText.size());
}

void TControl::TextChanged()
{
    Perform(CM_TEXTCHANGED, 0, 0);
    Invalidate();
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (!handled) handled = WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double)
{
    TShiftState shift = ui::MouseKeysToShiftState(Message.WParam);
    int x = Message.LParamLoSigned(), y = Message.LParamHiSigned();
    if (Down) {
        if (Double) {
            shift.Include(ssDouble);
            if (Button == mbLeft) DblClick();
        }
        if (!FControlStyle.Contains(csNoStdEvents)) MouseDown(Button, shift, x, y);
        return;
    }
    if (Button == mbLeft && FControlState.Contains(csClicked)) {
        FControlState.Exclude(csClicked);
        if (ClientRect().Contains({x, y})) Click();
    }
    if (!FControlStyle.Contains(csNoStdEvents)) MouseUp(Button, shift, x, y);
    if (Button == mbRight && !FControlStyle.Contains(csNoStdEvents)) {
        TPoint s = ClientToScreen({x, y});
        Perform(WM_CONTEXTMENU, 0, MakeLParam(s.X, s.Y));
    }
}

void TControl::WMMouseMove(TMessage& Message)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseMove(ui::MouseKeysToShiftState(Message.WParam), Message.LParamLoSigned(), Message.LParamHiSigned());
}

void TControl::WMMouseWheel(TMessage& Message)
{
    TShiftState shift = ui::MouseKeysToShiftState(Message.WParamLo());
    int delta = static_cast<std::int16_t>(Message.WParamHi());
    TPoint pos{Message.LParamLoSigned(), Message.LParamHiSigned()};
    if (DoMouseWheel(shift, delta, pos)) Message.Result = 1;
    else if (FParent) Message.Result = FParent->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TControl::WMContextMenu(TMessage& Message)
{
    TPoint screen{Message.LParamLoSigned(), Message.LParamHiSigned()};
    TPoint local = screen.X == -1 && screen.Y == -1 ? TPoint{-1, -1} : ScreenToClient(screen);
    bool handled = false;
    if (OnContextPopup) OnContextPopup(this, local, handled);
    if (handled) {
        Message.Result = 1;
        return;
    }
    if (FPopupMenu && FPopupMenu->AutoPopup()) {
        if (screen.X == -1 && screen.Y == -1) screen = ClientToScreen({0, 0});
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(screen.X, screen.Y);
        Message.Result = 1;
    }
}

void TControl::CMMouseEnter(TMessage&)
{
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&)
{
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) {}
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&)
{
    if (!FParentFont || !FParent) return;
    FFontFromParent = true;
    FFont->Assign(&FParent->Font());
    FFontFromParent = false;
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (!FParentColor || !FParent) return;
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

void TControl::CMHintShow(TMessage&) {}
