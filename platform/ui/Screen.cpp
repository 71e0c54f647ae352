// TScreen and TMouse.
#include "platform/ui/Screen.h"

#include <algorithm>

#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TCustomForm* TScreen::ActiveForm() const { return ui::ActiveForm(); }

TWinControl* TScreen::ActiveControl() const
{
    TWinControl* f = ui::FocusedControl();
    return f && f != f->GetParentForm() ? f : nullptr;
}

TCursor TScreen::Cursors(int Index) const
{
    if (Index <= 0) return Index;
    auto it = FCursors.find(Index);
    return it == FCursors.end() ? crArrow : it->second;
}

int TScreen::Width() const { return ui::Backend().ScreenMetrics().Width; }
int TScreen::Height() const { return ui::Backend().ScreenMetrics().Height; }
TRect TScreen::WorkAreaRect() const { return ui::Backend().ScreenMetrics().WorkArea; }
int TScreen::PixelsPerInch() const { return ui::Backend().ScreenMetrics().PixelsPerInch; }

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form)
{
    std::erase(FForms, Form);
    std::erase(FModal, Form);
}

void TScreen::FormActivated(TCustomForm* Form)
{
    // The forms list runs from the most recently active.
    std::erase(FForms, Form);
    FForms.insert(FForms.begin(), Form);
    if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::ActivateNextForm(TCustomForm* Leaving)
{
    if (TCustomForm* modal = ModalForm(); modal && modal != Leaving && modal->Visible()) {
        ui::ActivateForm(modal);
        return;
    }
    for (TCustomForm* f : FForms)
        if (f != Leaving && f->Visible() && !f->Popup()) {
            ui::ActivateForm(f);
            return;
        }
}

void TScreen::BeginModal(TCustomForm* Form) { FModal.push_back(Form); }

void TScreen::EndModal(TCustomForm* Form) { std::erase(FModal, Form); }

bool TScreen::AnyFormNeedsPaint() const
{
    return std::any_of(FForms.begin(), FForms.end(), [](TCustomForm* f) { return f->NeedsPaint(); });
}

void TScreen::PaintForms()
{
    for (TCustomForm* f : std::vector<TCustomForm*>(FForms)) f->PaintNow();
}

TControl* TMouse::Capture() const { return ui::CaptureControl(); }

void TMouse::SetCapture(TControl* Value) { ui::SetCaptureControl(Value); }

bool GetCursorPos(TPoint& Point)
{
    Point = Mouse ? Mouse->CursorPos() : TPoint{};
    return true;
}
