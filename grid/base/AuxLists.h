// Small lists the grid builds on: integers owned by a cell, the multi-column sort
// specification with its text form, controls embedded in cells, and a string list read
// and written line by line.
#pragma once

#include "grid/base/GridEvents.h"
#include "platform/classes/Object.h"
#include "platform/classes/StringList.h"
#include "platform/ui/Messages.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TControl;

// A list of integers that belongs to one cell and reports changes with that cell's
// coordinates. Index errors raise EListError as the platform lists do.
class TIntList : public TObject {
    VISTRA_CLASS(TIntList, TObject)

    TIntList(int Col, int Row);

    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    void Clear() noexcept { FItems.clear(); }
    int GetInteger(int Index) const;
    // Add, Delete and SetInteger fire OnChange afterwards; Insert does not.
    void SetInteger(int Index, int Value);
    int Add(int Value);
    void Delete(int Index);
    void Insert(int Index, int Value);
    bool HasValue(int Value) const;
    // Deletes the first item equal to Value through Delete; nothing when absent.
    void DeleteValue(int Value);

    // The items as decimal numbers joined by ",".
    std::string StrValue() const;
    // Clears the list without notification and adds each item of the comma text
    // through Add; an item that is no integer raises EConvertError.
    void SetStrValue(std::string_view Value);

    TImageChangeEvent OnChange;

protected:
    void Changed();

private:
    void CheckIndex(int Index) const;

    std::vector<int32_t> FItems;
    int FCol;
    int FRow;
};

// A multi-column sort specification: each item holds a column in bits 0..30 and the
// direction in bit 31 (set: descending).
class TSortIndexList : public TIntList {
    VISTRA_CLASS(TSortIndexList, TIntList)

    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    // Index of the first item for that column, whatever its direction; -1 when none.
    int FindIndex(int ColumnIndex) const;
    // Flips the direction of the column's first item; nothing when absent.
    void ToggleIndex(int ColumnIndex);
    int GetSortColumns(int Index) const;
    void SetSortColumns(int Index, int Value);
    bool GetSortDirections(int Index) const;
    void SetSortDirections(int Index, bool Value);

    // "u" or "d" and the column per item, joined by ";" (such as "u2;d5").
    std::string SaveToString() const;
    // Clears the list and adds each part of such a text through AddIndex; parts shorter
    // than two characters are skipped, only "u" means ascending, and a column that is
    // no number reads as its leading digits (0 when none).
    void LoadFromString(std::string_view S);
};

// One control embedded in a cell; the control is not owned.
class TControlItem : public TObject {
    VISTRA_CLASS(TControlItem, TObject)

    TControlItem(int AX, int AY, TControl* AObject) : FX(AX), FY(AY), FObject(AObject) {}
    int X() const noexcept { return FX; }
    int Y() const noexcept { return FY; }
    TControl* Control() const noexcept { return FObject; }

private:
    int FX;
    int FY;
    TControl* FObject;
};

// The controls embedded in cells; owns its items, not their controls.
class TControlList : public TObject {
    VISTRA_CLASS(TControlList, TObject)

    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    void AddControl(int X, int Y, TControl* AObject);
    // Index of the first item for the cell; -1 when none.
    int ControlIndex(int X, int Y) const;
    TControlItem* GetControl(int Index) const;
    // Frees the item (not its control) and removes it.
    void RemoveControl(int Index);
    // An item's control is a windowed control with this window handle.
    bool HasHandle(HWND Handle) const;

private:
    void CheckIndex(int Index) const;

    std::vector<std::unique_ptr<TControlItem>> FItems;
};

// A string list that the grid's text file readers and writers walk line by line.
class TFileStringList : public TStringList {
    VISTRA_CLASS(TFileStringList, TStringList)

    // Back to the first line, with no pending text.
    void Reset();
    bool Eof() const noexcept { return FReadPosition >= Count(); }
    // The line at the read position; reading past the end raises EStringListError.
    void ReadLn(std::string& S);
    // Write adds to the pending line; WriteLn adds the pending line and S as one line.
    void Write(std::string_view S);
    void WriteLn(std::string_view S);

private:
    int FReadPosition = 0;
    std::string FPending;
};
