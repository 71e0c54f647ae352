// The cell checker a string grid calls to correct and to mark cell texts.
#pragma once

#include <string>

#include "platform/classes/Component.h"

// The base checker changes nothing; a spelling or format checker derives
// from it and overrides the operations it needs. The flags tell the grid
// when to call which operation.
class TQuillStringGridCheck : public TComponent {
    VISTRA_CLASS(TQuillStringGridCheck, TComponent)

    explicit TQuillStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

    // Returns S with its faults marked; the grid stores the result as the cell text.
    virtual std::string MarkError(int ACol, int ARow, const std::string& S);
    // Returns S corrected.
    virtual std::string Correct(int ACol, int ARow, const std::string& S);
    // Called once before and once after a check run over a range of cells.
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    // Each checked cell of a run is made current, and the current cell restored afterwards.
    bool GotoCell() const noexcept { return FGotoCell; }
    void SetGotoCell(bool Value) { FGotoCell = Value; }
    // Correct runs on the edited text when an edit is committed.
    bool AutoCorrect() const noexcept { return FAutoCorrect; }
    void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
    // MarkError runs on the edited text when an edit is committed.
    bool AutoMarkError() const noexcept { return FAutoMarkError; }
    void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
    // Correct runs on each cell of a check run.
    bool UseCorrect() const noexcept { return FUseCorrect; }
    void SetUseCorrect(bool Value) { FUseCorrect = Value; }
    // MarkError runs on each cell of a check run.
    bool UseMarkError() const noexcept { return FUseMarkError; }
    void SetUseMarkError(bool Value) { FUseMarkError = Value; }

private:
    bool FGotoCell = false;
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
};
