// The undo history of a grid's cell texts: changes with their old and new text, grouped
// by sequence markers, played back into the grid one step at a time.
#include "grid/base/GridUndoRedo.h"

#include "grid/base/BaseGrid.h"

void TUndoRedoItem::Assign(const TPersistent* Source)
{
    const auto* item = dynamic_cast<const TUndoRedoItem*>(Source);
    if (!item) {
        TCollectionItem::Assign(Source);
        return;
    }
    FRow = item->FRow;
    FCol = item->FCol;
    FValue = item->FValue;
    FOrigValue = item->FOrigValue;
    FSequenceStart = item->FSequenceStart;
    FSequenceStop = item->FSequenceStop;
}

TUndoRedoCollection::TUndoRedoCollection() : TCollection(ItemClassOf<TUndoRedoItem>()) {}

TQuillGridUndoRedo::TQuillGridUndoRedo(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>())
{
}

TQuillGridUndoRedo::~TQuillGridUndoRedo() = default;

void TQuillGridUndoRedo::SetGrid(TBaseGrid* Value)
{
    // A former grid keeps its notification link: it may still refer to this history.
    FGrid = Value;
    if (FGrid)
        FGrid->FreeNotification(this);
}

void TQuillGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FGrid)
        FGrid = nullptr;
}

TUndoRedoItem* TQuillGridUndoRedo::AppendItem()
{
    // A new change starts a new future: what was undone cannot be redone after it.
    while (FItems->Count() > std::max(FLevel, 0))
        FItems->Delete(FItems->Count() - 1);
    return FItems->Add();
}

void TQuillGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue)
{
    TUndoRedoItem* item = AppendItem();
    if (FMaxLevel > 0)
        while (FItems->Count() > FMaxLevel)
            FItems->Delete(0);
    item->SetCol(ACol);
    item->SetRow(ARow);
    item->SetValue(NewValue);
    item->SetOrigValue(OldValue);
    FLevel = FItems->Count();
}

void TQuillGridUndoRedo::StartSequence()
{
    TUndoRedoItem* item = AppendItem();
    item->SetCol(-1);
    item->SetRow(-1);
    item->SetSequenceStart(true);
    FLevel = FItems->Count();
}

void TQuillGridUndoRedo::StopSequence()
{
    TUndoRedoItem* item = AppendItem();
    item->SetCol(-1);
    item->SetRow(-1);
    item->SetSequenceStop(true);
    FLevel = FItems->Count();
}

void TQuillGridUndoRedo::Reset()
{
    FItems->Clear();
    FLevel = 0;
}

void TQuillGridUndoRedo::PlayBack(const TUndoRedoItem& Item, Direction Way)
{
    // Markers, and changes of cells the grid no longer has, never reach the grid.
    if (Item.IsMarker() || Item.Col() < 0 || Item.Row() < 0 || Item.Col() >= FGrid->TotalColCount() ||
        Item.Row() >= FGrid->RowCount())
        return;
    const std::string& text = Way == Direction::Undo ? Item.OrigValue() : Item.Value();
    const TQuillGridUndoRedoEvent& event = Way == Direction::Undo ? OnUndo : OnRedo;
    if (event)
        event(this, FGrid, Item.Col(), Item.Row(), FGrid->GetCellEx(Item.Col(), Item.Row()), text);
    FGrid->SetCellEx(Item.Col(), Item.Row(), text);
    FGrid->SetCol(FGrid->DisplColIndex(Item.Col()));
    FGrid->SetRow(Item.Row());
}

void TQuillGridUndoRedo::Undo()
{
    if (!FGrid || FLevel <= 0 || FItems->Count() < FLevel)
        return;
    const TUndoRedoItem& last = *FItems->Items(FLevel - 1);
    if (last.SequenceStop()) {
        --FLevel;
        while (FLevel > 0 && !FItems->Items(FLevel - 1)->SequenceStart()) {
            PlayBack(*FItems->Items(FLevel - 1), Direction::Undo);
            --FLevel;
        }
        if (FLevel > 0)
            --FLevel;
        FGrid->Invalidate();
    } else if (last.SequenceStart()) {
        // A sequence opened without changes yet: step over its marker.
        --FLevel;
    } else {
        PlayBack(last, Direction::Undo);
        FGrid->RepaintCell(FGrid->Col(), last.Row());
        --FLevel;
    }
}

void TQuillGridUndoRedo::Redo()
{
    if (!FGrid || FLevel < 0 || FLevel >= FItems->Count())
        return;
    const TUndoRedoItem& first = *FItems->Items(FLevel);
    ++FLevel;
    if (first.SequenceStart()) {
        // Up to and past the closing marker; a sequence never closed runs to the end.
        while (FLevel < FItems->Count()) {
            const TUndoRedoItem& item = *FItems->Items(FLevel);
            ++FLevel;
            if (item.SequenceStop())
                break;
            PlayBack(item, Direction::Redo);
        }
        FGrid->Invalidate();
    } else {
        PlayBack(first, Direction::Redo);
    }
}
