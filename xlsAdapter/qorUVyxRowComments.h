// The pictures of the active sheet grouped by the row their anchor starts
// in: for each row, the sheet's picture indexes in the order they were
// added.
#pragma once

#include <memory>
#include <vector>

class TCommentRowPos : public std::vector<int> {
public:
    int Row = 0;
};

class TRowComments {
public:
    TRowComments() : EmptySlot(std::make_unique<TCommentRowPos>()) {}
    // The entry of 1-based row aRow; an always empty one when it has none.
    const TCommentRowPos& GetItems(int aRow) const;
    const TCommentRowPos& operator[](int aRow) const { return GetItems(aRow); }
    void Add(int aRow, int aPos);
    // Removes the aCol-th index of the row and lowers every greater index.
    void Delete(int aRow, int aCol);
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    bool FindRow(int aRow, int& Index) const;
    std::unique_ptr<TCommentRowPos> EmptySlot;
    std::vector<std::unique_ptr<TCommentRowPos>> FItems;
};
