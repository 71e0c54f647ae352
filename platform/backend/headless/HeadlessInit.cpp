// What the headless backend provides: its factory and the test set-up.
#include "platform/backend/Backends.h"
#include "platform/backend/headless/HeadlessBackend.h"

#include "platform/ui/Application.h"
#include "platform/ui/MessageQueue.h"

namespace backend {

std::unique_ptr<ui::TBackend> CreateHeadlessBackend() { return std::make_unique<THeadlessBackend>(); }

THeadlessBackend& InstallHeadlessBackend()
{
    ui::ResetMessageQueue();
    ui::ResetKeyboardState();
    if (Application) Application->ResetTerminated();
    auto backend = std::make_unique<THeadlessBackend>();
    THeadlessBackend& ref = *backend;
    ui::SetBackend(std::move(backend));
    return ref;
}

} // namespace backend
