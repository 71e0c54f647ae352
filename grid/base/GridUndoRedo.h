// The undo history of a grid's cell texts: changes with their old and new text, grouped
// by sequence markers, played back into the grid one step at a time.
#pragma once

#include "grid/base/GridEvents.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"

#include <memory>
#include <string>

class TBaseGrid;

// One change of a cell, or a marker (Col and Row -1) that opens or closes a sequence.
class TUndoRedoItem : public TCollectionItem {
    VISTRA_CLASS(TUndoRedoItem, TCollectionItem)

    explicit TUndoRedoItem(TCollection* Collection) : TCollectionItem(Collection) {}

    int Row() const noexcept { return FRow; }
    void SetRow(int Value) noexcept { FRow = Value; }
    int Col() const noexcept { return FCol; }
    void SetCol(int Value) noexcept { FCol = Value; }
    // The text after the change (what redo restores).
    const std::string& Value() const noexcept { return FValue; }
    void SetValue(const std::string& Value) { FValue = Value; }
    // The text before the change (what undo restores).
    const std::string& OrigValue() const noexcept { return FOrigValue; }
    void SetOrigValue(const std::string& Value) { FOrigValue = Value; }
    bool SequenceStart() const noexcept { return FSequenceStart; }
    void SetSequenceStart(bool Value) noexcept { FSequenceStart = Value; }
    bool SequenceStop() const noexcept { return FSequenceStop; }
    void SetSequenceStop(bool Value) noexcept { FSequenceStop = Value; }

    bool IsMarker() const noexcept { return FSequenceStart || FSequenceStop; }
    void Assign(const TPersistent* Source) override;

private:
    int FRow = 0;
    int FCol = 0;
    std::string FValue;
    std::string FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
};

class TUndoRedoCollection : public TCollection {
    VISTRA_CLASS(TUndoRedoCollection, TCollection)

    TUndoRedoCollection();
    TUndoRedoItem* Items(int Index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(Index)); }
    TUndoRedoItem* Add() { return static_cast<TUndoRedoItem*>(TCollection::Add()); }
};

class TQuillGridUndoRedo : public TComponent {
    VISTRA_CLASS(TQuillGridUndoRedo, TComponent)

    explicit TQuillGridUndoRedo(TComponent* AOwner);
    ~TQuillGridUndoRedo() override;

    // A new change discards the changes that were undone and not redone, then is
    // appended; with MaxLevel above 0 the oldest item goes first when the history is
    // full. Level moves to the end.
    virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
    // Open and close a group of changes that one Undo or Redo plays back together.
    virtual void StartSequence();
    virtual void StopSequence();

    // Reverts the last done change or sequence; redoes the first undone one.
    void Undo();
    void Redo();
    // Forgets the whole history.
    void Reset();
    bool CanUndo() const noexcept { return FLevel > 0; }
    bool CanRedo() const noexcept { return FLevel < FItems->Count(); }

    // Items 0..Level-1 are done, the rest undone.
    int Level() const noexcept { return FLevel; }
    void SetLevel(int Value) noexcept { FLevel = Value; }
    int MaxLevel() const noexcept { return FMaxLevel; }
    void SetMaxLevel(int Value) noexcept { FMaxLevel = Value; }
    TUndoRedoCollection& Items() const noexcept { return *FItems; }
    TBaseGrid* Grid() const noexcept { return FGrid; }
    // The grid played back into (not owned); forgotten when that grid is freed.
    void SetGrid(TBaseGrid* Value);

    TQuillGridUndoRedoEvent OnUndo;
    TQuillGridUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    enum class Direction { Undo, Redo };

    TUndoRedoItem* AppendItem();
    void PlayBack(const TUndoRedoItem& Item, Direction Way);

    std::unique_ptr<TUndoRedoCollection> FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};
