// The print dialog: a person chooses the printer (or a PDF file), the pages, the
// copies and the orientation; Execute puts the choice into the process's printer.
#pragma once

#include "platform/ui/Dialogs.h"

enum TPrintRange { prAllPages, prSelection, prPageNums };

class TPrintDialog : public TCommonDialog {
    VISTRA_CLASS(TPrintDialog, TCommonDialog)
    using TCommonDialog::TCommonDialog;

    // True when the person chose to print; Printer() then prints where they chose.
    bool Execute() override;

    int MinPage() const noexcept { return FMinPage; }
    void SetMinPage(int Value) { FMinPage = Value; }
    int MaxPage() const noexcept { return FMaxPage; }
    void SetMaxPage(int Value) { FMaxPage = Value; }
    int FromPage() const noexcept { return FFromPage; }
    void SetFromPage(int Value) { FFromPage = Value; }
    int ToPage() const noexcept { return FToPage; }
    void SetToPage(int Value) { FToPage = Value; }
    TPrintRange PrintRange() const noexcept { return FPrintRange; }
    void SetPrintRange(TPrintRange Value) { FPrintRange = Value; }
    // Offers to print only the selection.
    bool SelectionAllowed() const noexcept { return FSelectionAllowed; }
    void SetSelectionAllowed(bool Value) { FSelectionAllowed = Value; }
    int Copies() const noexcept { return FCopies; }
    void SetCopies(int Value) { FCopies = Value < 1 ? 1 : Value; }

private:
    int FMinPage = 1, FMaxPage = 1, FFromPage = 1, FToPage = 1, FCopies = 1;
    TPrintRange FPrintRange = prAllPages;
    bool FSelectionAllowed = false;
};
