// Layout rules the editor controls share: the least height of an edit for
// its font and the place of a button embedded at the edit's right edge.
#pragma once

#include "platform/ui/EditControls.h"

namespace vistra::grid {

// The font's height plus a quarter of the smaller of it and the system font's.
int EditMinimumHeight(const TFont& Font);

// Puts Button (a child of Edit, keeping its width) at Edit's right edge, one
// pixel clear of the frame; a borderless edit gives it four pixels more each way.
void PlaceEmbeddedButton(TControl& Button, const TCustomEdit& Edit);

} // namespace vistra::grid
