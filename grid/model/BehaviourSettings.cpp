// The grid's behaviour options: growing cells while typing, column sizes, HTML export,
// grouping, drag and drop, drag scrolling and balloon hints.
#include "grid/model/BehaviourSettings.h"

void TColumnSize::SetStretch(bool Value)
{
    FStretch = Value;
    if (FGrid && FGrid->GridHasParent())
        FGrid->StretchGridColumn(FStretchColumn);
}

void TColumnSize::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TColumnSize*>(SourceObject);
    if (!source)
        return;
    const TColumnSize& Source = *source;
    VISTRA_COLUMN_SIZE_COPIED_OPTIONS(VISTRA_COPY_OPTION)
    FStretch = Source.FStretch;
}

void THTMLSettings::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const THTMLSettings*>(SourceObject);
    if (!source)
        return;
    const THTMLSettings& Source = *source;
    VISTRA_HTML_SETTINGS_COPIED_OPTIONS(VISTRA_COPY_OPTION)
    VISTRA_HTML_SETTINGS_TEXTS(VISTRA_COPY_OPTION)
}

void TGrouping::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TGrouping*>(SourceObject);
    if (!source)
        return;
    const TGrouping& Source = *source;
    VISTRA_GROUPING_COPIED_OPTIONS(VISTRA_COPY_OPTION)
    FGroupCountFormat = Source.FGroupCountFormat;
}

void TDragDropSettings::SetOleDropTarget(bool Value)
{
    FOleDropTarget = Value;
    if (!FGrid || FGrid->GridDesigning())
        return;
    bool registered = FGrid->GridDropTargetRegistered();
    if (Value && !registered)
        FGrid->RegisterGridDropTarget();
    else if (!Value && registered)
        FGrid->RevokeGridDropTarget();
}

void TDragDropSettings::SetOleDropRTF(bool Value)
{
    if (FGrid)
        FGrid->SetGridOleRTFSupport(Value);
    FOleDropRTF = Value;
}

void TDragDropSettings::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TDragDropSettings*>(SourceObject);
    if (!source)
        return;
    const TDragDropSettings& Source = *source;
    VISTRA_DRAG_DROP_PLAIN_OPTIONS(VISTRA_COPY_OPTION)
    FOleAppendRows = Source.FOleAppendRows;
    FOleDropTarget = Source.FOleDropTarget;
    FOleDropRTF = Source.FOleDropRTF;
}

void TDragScrollDelays::Assign(const TPersistent* SourceObject)
{
    if (const auto* source = dynamic_cast<const TDragScrollDelays*>(SourceObject)) {
        FInitialDelay = source->FInitialDelay;
        FRepeatDelay = source->FRepeatDelay;
    }
}

void TDragScrollMargins::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TDragScrollMargins*>(SourceObject);
    if (!source)
        return;
    const TDragScrollMargins& Source = *source;
    VISTRA_DRAG_SCROLL_MARGINS(VISTRA_COPY_OPTION)
}

void TDragScrollOptions::Assign(const TPersistent* SourceObject)
{
    if (const auto* source = dynamic_cast<const TDragScrollOptions*>(SourceObject)) {
        FMargins.Assign(&source->FMargins);
        FDelays.Assign(&source->FDelays);
        FActive = source->FActive;
    }
}

void TBalloonSettings::Changed()
{
    if (OnEnableChange)
        OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TBalloonSettings*>(SourceObject);
    if (!source)
        return;
    const TBalloonSettings& Source = *source;
    VISTRA_BALLOON_COPIED_OPTIONS(VISTRA_COPY_OPTION)
    FEnable = Source.FEnable;
}
