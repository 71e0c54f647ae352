// Small settings objects of the string grid: coupling to a partner grid, alternating
// row bands, and the focus glow switch.
#pragma once

#include "grid/base/SettingsOption.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"

class TQuillStringGrid;

#define VISTRA_SYNC_GRID_OPTIONS(X)     \
    X(bool, ScrollHorizontal, false)    \
    X(bool, ScrollVertical, false)      \
    X(bool, SelectionRow, false)        \
    X(bool, SelectionColumn, false)     \
    X(bool, MoveRow, false)             \
    X(bool, MoveColumn, false)

// What a grid passes on to its partner grid.
class TSyncGrid : public TPersistent {
    VISTRA_CLASS(TSyncGrid, TPersistent)

    VISTRA_SYNC_GRID_OPTIONS(VISTRA_PLAIN_OPTION)

public:
    explicit TSyncGrid(TQuillStringGrid* AGrid) : FOwnerGrid(AGrid) {}

    TQuillStringGrid* Grid() const noexcept { return FGrid; }
    // A grid cannot be its own partner: the owner grid is refused.
    void SetGrid(TQuillStringGrid* Value);

    void Assign(const TPersistent* Source) override;

private:
    TQuillStringGrid* FOwnerGrid;
    TQuillStringGrid* FGrid = nullptr;
};

// Alternating row colours: PrimaryLength rows in one colour, then SecondaryLength rows
// in the other.
class TBands : public TPersistent {
    VISTRA_CLASS(TBands, TPersistent)

    VISTRA_PLAIN_OPTION(bool, Print, false)

public:
    static constexpr bool ActiveDefault = false;
    static constexpr TColor PrimaryColorDefault = clInfoBk;
    static constexpr TColor SecondaryColorDefault = clWindow;
    static constexpr int PrimaryLengthDefault = 1;
    static constexpr int SecondaryLengthDefault = 1;

    // Notifies on change.
    bool Active() const noexcept { return FActive; }
    void SetActive(bool Value);
    // Colours and lengths store on change and notify only while the bands are active.
    TColor PrimaryColor() const noexcept { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    TColor SecondaryColor() const noexcept { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int PrimaryLength() const noexcept { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    int SecondaryLength() const noexcept { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    int TotalLength() const noexcept { return FTotalLength; }

    // Copies the settings and recomputes TotalLength, without notification.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    template <class T>
    void StoreWhileActive(T& Field, T Value);

    bool FActive = ActiveDefault;
    TColor FPrimaryColor = PrimaryColorDefault;
    TColor FSecondaryColor = SecondaryColorDefault;
    int FPrimaryLength = PrimaryLengthDefault;
    int FSecondaryLength = SecondaryLengthDefault;
    int FTotalLength = PrimaryLengthDefault + SecondaryLengthDefault;
};

// Whether the edited cell gets a focus glow.
class TFocusHelper : public TPersistent {
    VISTRA_CLASS(TFocusHelper, TPersistent)

    VISTRA_PLAIN_OPTION(bool, Enabled, false)

public:
    explicit TFocusHelper(TPersistent* AOwner) : FOwner(AOwner) {}
    void Assign(const TPersistent* Source) override;

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
