// TSarnEditBtn: the edit part of the edit with a button: button placement,
// formatting rectangle, minimum height, F4, and the typing lock.
#include "grid/base/SarnEditBtn.h"

#include "grid/base/EditorLayout.h"

namespace {
constexpr int InitialButtonSize = 18;
}

TSarnEditBtn::TSarnEditBtn(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FButton = new TSarnEditButton(this);
    FButton->SetBounds(0, 0, InitialButtonSize, InitialButtonSize);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject*) { DoClickBtn(this); };
    SetText("0");
    LayoutButtonAndText();
}

TSarnEditBtn::~TSarnEditBtn()
{
    // The button is freed with the other owned components; nothing may reach it then.
    FButton = nullptr;
}

void TSarnEditBtn::DoClickBtn(TObject*)
{
    if (OnClickBtn) OnClickBtn(this);
}

void TSarnEditBtn::SetRightAlign(bool Value)
{
    if (Value == FRightAlign) return;
    FRightAlign = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TSarnEditBtn::SetButtonWidth(int Value)
{
    FButtonWidth = Value;
    if (FButton) FButton->SetWidth(Value);
    LayoutButtonAndText();
}

void TSarnEditBtn::SetUnitSpaceWidth(int Value)
{
    FUnitSpace = Value;
    LayoutButtonAndText();
    Invalidate();
}

void TSarnEditBtn::CreateParams(TCreateParams& Params)
{
    TCustomEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
    Params.Style &= ~(ES_CENTER | ES_RIGHT);
    if (FRightAlign) Params.Style |= ES_RIGHT;
}

void TSarnEditBtn::CreateWnd()
{
    TCustomEdit::CreateWnd();
    LayoutButtonAndText();
}

void TSarnEditBtn::BoundsChanged()
{
    TCustomEdit::BoundsChanged();
    RaiseToMinimumHeight();
}

void TSarnEditBtn::AlignControls(TControl* AControl, TRect& Rect)
{
    // Every change of size or frame realigns; the button and the text follow.
    TCustomEdit::AlignControls(AControl, Rect);
    LayoutButtonAndText();
}

void TSarnEditBtn::CMFontChanged(TMessage& Message)
{
    TCustomEdit::CMFontChanged(Message);
    RaiseToMinimumHeight();
    LayoutButtonAndText();
}

void TSarnEditBtn::RaiseToMinimumHeight()
{
    const int minimum = grid::EditMinimumHeight(Font());
    if (Height() < minimum) SetHeight(minimum);
}

void TSarnEditBtn::LayoutButtonAndText()
{
    if (!FButton) return;
    grid::PlaceEmbeddedButton(*FButton, *this);
    const int inset = BorderStyle() == bsSingle ? 1 : 3;
    const int right = ClientWidth() - FButton->Width() - FUnitSpace - 5 - (FUnitSpace > 0 ? 3 : 0);
    TRect text{inset, inset, right, ClientHeight() + 1};
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&text));
}

void TSarnEditBtn::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) DoClickBtn(this);
    // Delete edits the text as typing does, so the typing lock holds it back too.
    if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
    TCustomEdit::KeyDown(Key, Shift);
}

void TSarnEditBtn::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_CHAR && !FEditorEnabled) return;
    if (grid::CutOrPasteLocked(Message.Msg, FEditorEnabled, ReadOnly())) return;
    TCustomEdit::Dispatch(Message);
}

void TSarnEditBtn::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FButton) FButton = nullptr;
}
