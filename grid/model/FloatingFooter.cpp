#include "grid/model/FloatingFooter.h"

void TFloatingFooter::Changed()
{
    if (OnChange) OnChange(this);
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value)
{
    FCustomTemplate = Value;
    Changed();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
    if (OnLayoutChange) OnLayoutChange(this);
    Changed();
}

void TFloatingFooter::SetVisible(bool Value)
{
    FVisible = Value;
    if (OnLayoutChange) OnLayoutChange(this);
}

void TFloatingFooter::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TFloatingFooter*>(SourceObject);
    if (!source) return;
    FCalculateHiddenRows = source->FCalculateHiddenRows;
    FColor = source->FColor;
    FColumn = source->FColumn;
    FCustomTemplate = source->FCustomTemplate;
    FFooterStyle = source->FFooterStyle;
    FShowHint = source->FShowHint;
    SetVisible(source->FVisible);
}
