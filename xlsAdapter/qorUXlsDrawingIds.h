// Drawing ids and shape ids across a workbook. The drawing group's DGG
// record hands out shape ids in clusters of 1024, each owned by one drawing;
// every sheet drawing's DG record names its drawing id, and every shape
// (SP record) has an id no other shape of the workbook has. A copied sheet's
// drawing gets a drawing id and clusters of its own, and its shapes new ids.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class TBaseRecordList;

struct TDrawingIds {
    std::uint32_t DrawingId = 0;
    std::vector<std::uint32_t> ShapeIds;
};

// Registers a new drawing of ShapeCount shapes in the drawing group kept as
// the records in Group (MSODRAWINGGROUP with its CONTINUE records) and
// returns its ids; none when the group has no usable DGG record or no
// drawing id is left.
std::optional<TDrawingIds> AddDrawingToGroup(TBaseRecordList& Group, std::uint32_t ShapeCount);

// Gives the drawing kept among a copied sheet's records a new drawing id and
// its shapes new ids from the drawing group; the rules that name shapes
// follow. A sheet without a drawing, or a group that cannot take one, keeps
// its ids.
void GiveCopiedDrawingNewIds(const std::vector<const TBaseRecordList*>& SheetLists, TBaseRecordList& Group);
