// Snapshots of a browser engine's view as bitmaps.
#pragma once

#include "platform/web/BrowserEngine.h"

class TBitmap;

namespace web {

// Replaces the bitmap's picture with a snapshot of the engine's view: an
// opaque (pf24bit) bitmap of the view's width and height, translucent pixels
// laid over white. When the snapshot fails the bitmap is left as it was.
Outcome SnapshotToBitmap(BrowserEngine& engine, TBitmap& bitmap);

}  // namespace web
