// A component that wants to hear when the current cell of a grid moves, and
// the grid's hold on the one it keeps.
#pragma once

#include "platform/classes/Component.h"

// Derive from this and override SelectionChanged to hear of moves of the
// current cell.
class TGridSelectionListener : public TComponent {
    VISTRA_CLASS(TGridSelectionListener, TComponent)

public:
    explicit TGridSelectionListener(TComponent* AOwner) : TComponent(AOwner) {}

    // ACol (display column) and ARow: the cell that becomes current.
    virtual void SelectionChanged(int ACol, int ARow);
};

namespace grid {

// Holds one selection listener; a listener freed while held is let go.
class TSelectionListenerLink : public TComponent {
    VISTRA_CLASS(TSelectionListenerLink, TComponent)

public:
    TSelectionListenerLink() : TComponent(nullptr) {}

    // Keeps AListener in place of the one held before (nullptr: none).
    void SetListener(TGridSelectionListener* AListener);
    TGridSelectionListener* Listener() const noexcept { return FListener; }

    // Tells the held listener, if any, that the cell became current.
    void SelectionChanged(int ACol, int ARow);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TGridSelectionListener* FListener = nullptr;
};

} // namespace grid
