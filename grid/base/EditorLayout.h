// Rules the editor controls share: the least height of an edit for its font,
// the place of a button embedded at the edit's right edge, and the lock on
// cut and paste.
#pragma once

#include "platform/ui/EditControls.h"

namespace grid {

// The font's height plus a quarter of the smaller of it and the system font's.
int EditMinimumHeight(const TFont& Font);

// Puts Button (a child of Edit, keeping its width) at Edit's right edge, one
// pixel clear of the frame; a borderless edit gives it four pixels more each way.
void PlaceEmbeddedButton(TControl& Button, const TCustomEdit& Edit);

// Cut and paste change the text as typing does, so an edit whose typing is
// locked (EditorEnabled false) or that is read-only swallows them: true when
// Msg is WM_CUT or WM_PASTE and either holds.
bool CutOrPasteLocked(unsigned Msg, bool EditorEnabled, bool ReadOnly);

} // namespace grid
