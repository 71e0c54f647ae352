// Runs a clean-up action when a scope ends, however it ends.
#pragma once

#include <exception>
#include <utility>

namespace rtl {

// Holds an action and runs it once when destroyed, unless Release() was
// called first (the "commit" of a change that no longer needs undoing).
template <class Action>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Action action) : FAction(std::move(action)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit()
    {
        if (FActive) FAction();
    }

    void Release() noexcept { FActive = false; }

private:
    Action FAction;
    bool FActive = true;
};

// Runs the action only when the scope is left by an exception: the undo of a
// half-done change, which a normal exit keeps.
template <class Action>
class [[nodiscard]] ScopeFail {
public:
    explicit ScopeFail(Action action) : FAction(std::move(action)), FExceptions(std::uncaught_exceptions()) {}
    ScopeFail(const ScopeFail&) = delete;
    ScopeFail& operator=(const ScopeFail&) = delete;
    ~ScopeFail()
    {
        if (std::uncaught_exceptions() > FExceptions) FAction();
    }

private:
    Action FAction;
    int FExceptions;
};

// Brackets the rest of a scope with Target.BeginUpdate() and Target.EndUpdate(), the end
// also when an exception passes:  const auto update = rtl::UpdateScope(list);
template <class Target>
[[nodiscard]] auto UpdateScope(Target& target)
{
    target.BeginUpdate();
    return ScopeExit([&target] { target.EndUpdate(); });
}

} // namespace rtl
