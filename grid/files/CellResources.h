// The resource record that follows a cell graphic in the grid's binary cell
// stream: the bitmap, icon, picture, file picture, option list or image
// indexes the graphic holds.
#pragma once

#include "grid/files/BinRecords.h"
#include "grid/model/CellGraphic.h"

namespace grid::files {

// True for the graphic types a resource record follows.
bool HasResourceRecord(TCellType Type);

// Writes the record of the object the graphic holds; an empty object leaves
// the record without properties.
void WriteCellResource(TBinRecordWriter& Writer, const TCellGraphic& Graphic);

// Reads the record at the cursor and gives the graphic a new object of its
// own made from it. Col and Row are the cell an image list belongs to. A
// graphic or list that cannot be read raises the cursor's error naming the
// record; a file picture must name a regular file that can be read.
void ReadCellResource(rtl::TByteCursor& Cursor, TCellGraphic& Graphic, int Col, int Row);

} // namespace grid::files
