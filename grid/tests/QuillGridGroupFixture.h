// A string grid of rows to group: a header row, then rows of (row number,
// name, [kind,] amount, group value), and the whole grid read as one text.
#pragma once

#include "grid/tests/QuillGridFixture.h"

#include "grid/model/BehaviourSettings.h"

#include <string>
#include <vector>

class QuillGridGroupTest : public QuillGridTest {
protected:
    // Without kinds the group value stands in column 3, with them in column 4.
    void FillRows(const std::vector<std::string>& Groups, const std::vector<std::string>& Kinds = {})
    {
        const int cols = Kinds.empty() ? 4 : 5;
        Grid->SetColCount(cols);
        Grid->SetRowCount(static_cast<int>(Groups.size()) + 1);
        Grid->SetFixedRows(1);
        for (int c = 0; c < cols; ++c) Grid->SetCells(c, 0, "h" + std::to_string(c));
        for (std::size_t i = 0; i < Groups.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            Grid->SetCells(0, r, std::to_string(r));
            Grid->SetCells(1, r, "n" + std::to_string(r));
            if (!Kinds.empty()) Grid->SetCells(2, r, Kinds[i]);
            Grid->SetCells(cols - 2, r, std::to_string(10 * r));
            Grid->SetCells(cols - 1, r, Groups[i]);
        }
    }
    // Runs Check once for each grouping look: plain, with summary rows, and
    // with summary rows and merged header and summary rows; headers and
    // summaries coloured.
    template <class Check>
    void ForEachGroupingLook(Check check)
    {
        for (int variant = 0; variant < 3; ++variant) {
            const bool summary = variant > 0;
            const bool merged = variant == 2;
            SCOPED_TRACE(testing::Message() << "summaries " << summary << ", merged " << merged);
            Grid->Grouping().SetSummary(summary);
            Grid->Grouping().SetMergeHeader(merged);
            Grid->Grouping().SetMergeSummary(merged);
            Grid->Grouping().SetHeaderColor(clRed);
            Grid->Grouping().SetSummaryColor(clBlue);
            check(summary, merged);
        }
    }
    // The normal rows as letters: H a group header, h a sub-group header,
    // S a summary row, d a data row.
    std::string Kinds()
    {
        std::string kinds;
        for (int r = 1; r < Grid->RowCount(); ++r)
            kinds += Grid->IsNode(r) ? (Grid->GetNodeLevel(r) > 1 ? 'h' : 'H') : (Grid->IsSummary(r) ? 'S' : 'd');
        return kinds;
    }
    // Every cell of every row, real rows included, with the outline: H a
    // node and its span, S a summary row.
    std::string Everything()
    {
        std::string s;
        for (int r = 0; r < Grid->TotalRowCount(); ++r) {
            for (int c = 0; c < Grid->AllColCount(); ++c) s += Grid->AllGridCells(c, r) + ",";
            if (Grid->IsHiddenRow(r)) s += "hidden";
            else if (Grid->IsNode(Grid->DisplRowIndex(r))) s += "H" + std::to_string(Grid->GetNodeSpan(Grid->DisplRowIndex(r)));
            else if (Grid->IsSummary(Grid->DisplRowIndex(r))) s += "S";
            s += ";";
        }
        return s;
    }
};
