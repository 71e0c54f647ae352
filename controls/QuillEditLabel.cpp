// TQuillEdit's attached label: created on first caption, placed in one of
// fifteen positions around the edit, and kept in step with the edit's parent,
// visibility, enabled state and font.
#include "controls/QuillEdit.h"

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/ExtCtrls.h"

void TQuillEdit::CreateLabel()
{
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFocusControl(this);
    FLabel->SetFont(*FLabelFont);
    FLabel->SetParentFont(ParentFont());
    FLabel->OnClick = [this](TObject*) {
        if (OnLabelClick) OnLabelClick(this);
    };
    FLabel->OnDblClick = [this](TObject*) {
        if (OnLabelDblClick) OnLabelDblClick(this);
    };
}

void TQuillEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
}

std::string TQuillEdit::LabelCaption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TQuillEdit::SetLabelCaption(const std::string& Value)
{
    if (!FLabel) CreateLabel();
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TQuillEdit::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    UpdateLabel();
}

void TQuillEdit::SetLabelMargin(int Value)
{
    FLabelMargin = Value;
    UpdateLabel();
}

void TQuillEdit::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    UpdateLabel();
}

void TQuillEdit::SetLabelAlwaysEnabled(bool Value)
{
    FLabelAlwaysEnabled = Value;
    if (FLabel && Value) FLabel->SetEnabled(true);
}

void TQuillEdit::SetLabelFont(const TFont& Value)
{
    FLabelFont->Assign(&Value);
    UpdateLabel();
}

void TQuillEdit::UpdateLabel()
{
    if (!FLabel) return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetFont(FParentFnt ? Font() : *FLabelFont);
    // A focus label stays bold while the edit is focused, whatever moved it.
    if (FFocusLabel && Focused()) FLabel->Font().SetStyle(FLabel->Font().Style().Include(fsBold));
    PlaceEditLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
    FLabel->SetVisible(Visible());
}

void TQuillEdit::SetParent(TWinControl* AParent)
{
    TCustomEdit::SetParent(AParent);
    if (FLabel) {
        FLabel->SetParent(AParent);
        UpdateLabel();
    }
}

void TQuillEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    ApplyEditMargins(FFlat);
    if (FLabel && FLabel->Parent()) UpdateLabel();
}

void TQuillEdit::CMVisibleChanged(TMessage& Message)
{
    TCustomEdit::CMVisibleChanged(Message);
    if (FLabel) FLabel->SetVisible(Visible());
}

void TQuillEdit::CMFontChanged(TMessage& Message)
{
    TCustomEdit::CMFontChanged(Message);
    ApplyEditMargins(FFlat);
}

void TQuillEdit::CMParentFontChanged(TMessage& Message)
{
    TCustomEdit::CMParentFontChanged(Message);
    if (FLabel && FParentFnt) {
        FLabel->SetFont(Font());
        UpdateLabel();
    }
}
