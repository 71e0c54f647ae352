// Picture copying shared by the settings objects that own glyphs.
#pragma once

class TBitmap;

namespace grid {

// Copies Source into the owned picture Target; no source leaves Target empty, so a
// glyph can be taken away again.
void CopyPicture(TBitmap& Target, const TBitmap* Source);

} // namespace grid
