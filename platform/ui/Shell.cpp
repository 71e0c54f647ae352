// ShellOpen through the backend, replaceable in tests.
#include "platform/ui/Shell.h"

#include "platform/ui/Backend.h"

namespace {
std::function<bool(const std::string&)>& Handler()
{
    static std::function<bool(const std::string&)> handler;
    return handler;
}
} // namespace

namespace ui {
void SetShellOpenHandler(std::function<bool(const std::string& target)> handler) { Handler() = std::move(handler); }
} // namespace ui

bool ShellOpen(const std::string& Target)
{
    if (Target.empty()) return false;
    if (Handler()) return Handler()(Target);
    return ui::Backend().OpenDocument(Target);
}

std::intptr_t ShellExecute(HWND, const std::string& Operation, const std::string& File, const std::string&,
                           const std::string&, int)
{
    // Only "open" (or the default verb) exists here; the error numbers are the platform's.
    constexpr std::intptr_t NoAssociation = 31, Success = 42;
    if (!Operation.empty() && Operation != "open") return NoAssociation;
    return ShellOpen(File) ? Success : NoAssociation;
}
