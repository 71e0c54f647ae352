// The plan that cuts a drawing's byte stream into BIFF records: where each
// record header belongs in the output stream, its id and its length.
#pragma once

#include <cstdint>
#include <vector>

class TBreakList {
public:
    explicit TBreakList(std::int64_t aZeroPos) : ZeroPos(aZeroPos) {}

    // Appends a break: aId is the record that starts here, aSize the bytes
    // of drawing data the previous record carried.
    void Add(int aId, int aSize);
    int Count() const { return static_cast<int>(FItems.size()); }

    // Stream position of the next BIFF header.
    std::int64_t AcumSize() const;
    int CurrentId() const;
    // Length of the record that starts at the current break.
    int CurrentSize() const;
    void IncCurrent() { ++CurrentPos; }
    // Bytes written outside the plan (client data records) move every
    // later break.
    void AddToZeroPos(std::int64_t Delta) { ZeroPos += Delta; }

    int CurrentPos = 0;
    std::int64_t ZeroPos;

private:
    struct TBreakItem {
        int Id;
        int Size;
        std::int64_t AcumSize;
    };
    const TBreakItem& Item(int Index) const;
    std::vector<TBreakItem> FItems;
};
