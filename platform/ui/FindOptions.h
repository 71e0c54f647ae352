// The options of a find or replace request, as the find and replace dialogs hand them to a control.
#pragma once

#include "platform/classes/Sets.h"

enum TFindOption {
    frDown,
    frFindNext,
    frHideMatchCase,
    frHideWholeWord,
    frHideUpDown,
    frMatchCase,
    frDisableMatchCase,
    frDisableUpDown,
    frDisableWholeWord,
    frReplace,
    frReplaceAll,
    frWholeWord,
    frShowHelp
};
using TFindOptions = TSet<TFindOption, 13>;
