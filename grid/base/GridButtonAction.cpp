// The action's property changes reaching its links, and the base link's rules.
#include "grid/base/GridButtonAction.h"

#include <algorithm>

#include "platform/ui/Controls.h"

namespace grid {

TGridAction::~TGridAction()
{
    for (TGridActionLink* link : FLinks) link->FAction = nullptr;
}

void TGridAction::SetCaption(const std::string& Value)
{
    if (Value == FCaption) return;
    for (TGridActionLink* link : FLinks) link->SetCaption(Value);
    FCaption = Value;
}

void TGridAction::SetEnabled(bool Value)
{
    if (Value == FEnabled) return;
    for (TGridActionLink* link : FLinks) link->SetEnabled(Value);
    FEnabled = Value;
}

void TGridAction::SetHint(const std::string& Value)
{
    if (Value == FHint) return;
    for (TGridActionLink* link : FLinks) link->SetHint(Value);
    FHint = Value;
}

void TGridAction::SetVisible(bool Value)
{
    if (Value == FVisible) return;
    for (TGridActionLink* link : FLinks) link->SetVisible(Value);
    FVisible = Value;
}

void TGridAction::SetChecked(bool Value)
{
    if (Value == FChecked) return;
    for (TGridActionLink* link : FLinks) link->SetChecked(Value);
    FChecked = Value;
}

void TGridAction::SetGroupIndex(int Value)
{
    if (Value == FGroupIndex) return;
    for (TGridActionLink* link : FLinks) link->SetGroupIndex(Value);
    FGroupIndex = Value;
}

bool TGridAction::Execute()
{
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

TGridActionLink::~TGridActionLink()
{
    SetAction(nullptr);
}

void TGridActionLink::SetAction(TGridAction* Value)
{
    if (Value == FAction) return;
    if (FAction) std::erase(FAction->FLinks, this);
    FAction = Value;
    if (FAction) FAction->FLinks.push_back(this);
}

bool TGridActionLink::Execute()
{
    return FAction && FAction->Execute();
}

bool TGridActionLink::IsCaptionLinked() const
{
    return FAction && FClient.Caption() == FAction->Caption();
}

bool TGridActionLink::IsEnabledLinked() const
{
    return FAction && FClient.Enabled() == FAction->Enabled();
}

bool TGridActionLink::IsHintLinked() const
{
    return FAction && FClient.Hint() == FAction->Hint();
}

bool TGridActionLink::IsVisibleLinked() const
{
    return FAction && FClient.Visible() == FAction->Visible();
}

void TGridActionLink::SetCaption(const std::string& Value)
{
    if (IsCaptionLinked()) FClient.SetCaption(Value);
}

void TGridActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked()) FClient.SetEnabled(Value);
}

void TGridActionLink::SetHint(const std::string& Value)
{
    if (IsHintLinked()) FClient.SetHint(Value);
}

void TGridActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked()) FClient.SetVisible(Value);
}

} // namespace grid
