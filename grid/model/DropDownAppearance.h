// The header and footer settings of drop-down popups as the control look holds them.
#pragma once

#include "platform/classes/Object.h"

namespace grid {

// Stand-ins for the popups' header and footer settings of the input controls, which
// the control look owns and copies; they carry no settings of their own here.
class THeaderAppearance : public TPersistent {
    VISTRA_CLASS(THeaderAppearance, TPersistent)

    void Assign(const TPersistent*) override {}
};

class TFooterAppearance : public TPersistent {
    VISTRA_CLASS(TFooterAppearance, TPersistent)

    void Assign(const TPersistent*) override {}
};

} // namespace grid
