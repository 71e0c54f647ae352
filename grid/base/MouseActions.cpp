// Mouse behaviour of the string grid.
#include "grid/base/MouseActions.h"

#include "platform/classes/StringList.h"

TMouseActions::TMouseActions(TPersistent* AOwner)
    : FOwner(AOwner), FFixedComboValues(std::make_unique<TStringList>())
{
}

TMouseActions::~TMouseActions() = default;

void TMouseActions::Fire(const TNotifyEvent& Event, TObject* Sender)
{
    if (Event)
        Event(Sender);
}

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning)
        OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool Value)
{
    FDisjunctRowSelect = Value;
    if (Value && IsDesigning()) {
        FDisjunctColSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctColSelect(bool Value)
{
    FDisjunctColSelect = Value;
    if (Value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctCellSelect(bool Value)
{
    FDisjunctCellSelect = Value;
    if (Value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctColSelect = false;
    }
}

void TMouseActions::SetHotmailRowSelect(bool Value)
{
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    Fire(OnInvalidate, this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    FEditOnDblClickOnly = Value;
    if (Value)
        Fire(OnDisableEdit, this);
}

void TMouseActions::SetWheelAction(TWheelAction Value)
{
    if (FWheelAction == Value)
        return;
    FWheelAction = Value;
    Fire(OnChange, this);
}

TStrings& TMouseActions::FixedComboValues() const noexcept
{
    return *FFixedComboValues;
}

void TMouseActions::SetFixedComboValues(const TStrings& Value)
{
    FFixedComboValues->Assign(&Value);
}

void TMouseActions::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TMouseActions*>(SourceObject);
    if (!source)
        return;
    const TMouseActions& Source = *source;
    const bool sizeFixedRow = FSizeFixedRow;
    VISTRA_MOUSE_OPTIONS(VISTRA_COPY_OPTION)
    FSizeFixedRow = sizeFixedRow;
    FDisjunctRowSelect = Source.FDisjunctRowSelect;
    FDisjunctColSelect = Source.FDisjunctColSelect;
    FDisjunctCellSelect = Source.FDisjunctCellSelect;
    FWheelAction = Source.FWheelAction;
}
