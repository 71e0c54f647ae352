// The events of the string grid's keyboard and in-place editing.
#pragma once

#include <functional>
#include <string>

#include "grid/base/GridEnums.h"

class TObject;
class TEditLink;

using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TChangingEvent = std::function<void(TObject* Sender, int OldIndex, int NewIndex, bool& Allow)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TGetEditMaskEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string Value)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, std::string ASelection)>;
