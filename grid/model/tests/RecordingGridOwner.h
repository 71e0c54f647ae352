// A stand-in for the string grid that records what its settings objects ask of it.
#pragma once

#include "grid/base/AuxLists.h"
#include "grid/model/GridSettingsOwner.h"
#include "platform/classes/Object.h"

#include <string>
#include <vector>

// Each call is recorded as one line of text, such as "repaint" or "cell 3,0".
class TRecordingGridOwner : public TPersistent, public grid::TGridSettingsOwner {
    VISTRA_CLASS(TRecordingGridOwner, TPersistent)

public:
    std::vector<std::string> Calls;
    int FixedRows = 1;
    bool HasParent = true;
    bool Designing = false;
    bool DropTargetRegistered = false;
    TSortIndexList SortIndexes;

    void RepaintWholeGrid() override { Calls.push_back("repaint"); }
    void RepaintGridCell(int Col, int Row) override
    {
        Calls.push_back("cell " + std::to_string(Col) + "," + std::to_string(Row));
    }
    void RepaintGridRow(int Row) override { Calls.push_back("row " + std::to_string(Row)); }
    int GridFixedRows() const override { return FixedRows; }
    void SetGridFixedGradient(grid::TFixedGradient Which, TColor Value) override
    {
        Calls.push_back("gradient " + std::to_string(Which) + "=" + std::to_string(Value));
    }
    bool GridHasParent() const override { return HasParent; }
    void StretchGridColumn(int Col) override { Calls.push_back("stretch " + std::to_string(Col)); }
    bool GridDesigning() const override { return Designing; }
    bool GridDropTargetRegistered() const override { return DropTargetRegistered; }
    void RegisterGridDropTarget() override
    {
        Calls.push_back("register");
        DropTargetRegistered = true;
    }
    void RevokeGridDropTarget() override
    {
        Calls.push_back("revoke");
        DropTargetRegistered = false;
    }
    void SetGridOleRTFSupport(bool Value) override { Calls.push_back(Value ? "rtf on" : "rtf off"); }
    TSortIndexList& GridSortIndexes() override { return SortIndexes; }
    void SortGridByColumn() override { Calls.push_back("sort"); }
    void SortGridByIndexes() override { Calls.push_back("sort indexed"); }

    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> taken;
        taken.swap(Calls);
        return taken;
    }
};
