// Making a backend: the one the environment asks for, or a given kind.
#pragma once

#include <memory>

#include "platform/ui/Backend.h"

namespace backend {

// VISTRA_BACKEND=headless|gtk forces one; otherwise GTK with a display,
// headless without. Raises EInvalidOperation for a forced kind that cannot run.
std::unique_ptr<ui::TBackend> CreateBackend();
std::unique_ptr<ui::TBackend> CreateHeadlessBackend();
// Null when GTK cannot open a display.
std::unique_ptr<ui::TBackend> CreateGtkBackend();

} // namespace backend
