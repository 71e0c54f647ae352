// TQuillEdit's attached label: created on first caption, placed in one of
// fifteen positions around the edit, and kept in step with the edit's parent,
// visibility, enabled state and font.
#include "controls/QuillEdit.h"

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/ExtCtrls.h"

void TQuillEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == opRemove) FLabelLink.Forget(AComponent);
}

void TQuillEdit::SetLabelCaption(const std::string& Value)
{
    FLabelLink.SetCaption(*this, Value);
    UpdateLabel();
}

void TQuillEdit::SetLabelPosition(TLabelPosition Value)
{
    FLabelLink.SetPosition(Value);
    UpdateLabel();
}

void TQuillEdit::SetLabelMargin(int Value)
{
    FLabelLink.SetMargin(Value);
    UpdateLabel();
}

void TQuillEdit::SetLabelTransparent(bool Value)
{
    FLabelLink.SetTransparent(Value);
    UpdateLabel();
}

void TQuillEdit::SetLabelAlwaysEnabled(bool Value)
{
    FLabelLink.SetAlwaysEnabled(Value);
    if (EditLabel() && Value) EditLabel()->SetEnabled(true);
}

void TQuillEdit::SetLabelFont(const TFont& Value)
{
    LabelFont().Assign(&Value);
    UpdateLabel();
}

// The label follows the edit's font as it stood when loading finished.
void TQuillEdit::UpdateLabel() { FLabelLink.Update(*this, Focused(), FParentFnt); }

void TQuillEdit::SetParent(TWinControl* AParent)
{
    TCustomEdit::SetParent(AParent);
    FLabelLink.SetParent(AParent);
    UpdateLabel();
}

void TQuillEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    ApplyEditMargins(FFlat);
    if (EditLabel() && EditLabel()->Parent()) UpdateLabel();
}

void TQuillEdit::CMVisibleChanged(TMessage& Message)
{
    TCustomEdit::CMVisibleChanged(Message);
    FLabelLink.SetVisible(Visible());
}

void TQuillEdit::CMFontChanged(TMessage& Message)
{
    TCustomEdit::CMFontChanged(Message);
    ApplyEditMargins(FFlat);
}

void TQuillEdit::CMParentFontChanged(TMessage& Message)
{
    TCustomEdit::CMParentFontChanged(Message);
    if (FParentFnt) UpdateLabel();
}
