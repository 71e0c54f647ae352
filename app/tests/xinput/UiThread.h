// Questions from the driver's thread answered on the program's own thread:
// where a control is on the screen, what a window shows. Input never goes this
// way; it comes from the X server.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <stdexcept>
#include <type_traits>

#include "platform/ui/Backend.h"
#include "platform/ui/Timer.h"

namespace xinput {

class TUiThread {
public:
    // Made on the program's thread, before its message loop runs.
    TUiThread() : FTimer(nullptr)
    {
        FTimer.SetInterval(10);
        FTimer.OnTimer = [this](TObject*) { RunPending(); };
    }

    // Runs ask on the program's thread and returns its answer; throws when the
    // program does not get to it in time (it is stuck in a loop of its own).
    template <class F>
    auto Ask(F ask) -> std::invoke_result_t<F>
    {
        using R = std::invoke_result_t<F>;
        std::packaged_task<R()> task(std::move(ask));
        std::future<R> answer = task.get_future();
        {
            std::lock_guard lock(FMutex);
            FPending.push_back([&task] { task(); });
        }
        ui::Backend().Wake();
        if (answer.wait_for(std::chrono::seconds(15)) != std::future_status::ready) {
            std::lock_guard lock(FMutex);
            FPending.clear();
            throw std::runtime_error("the program did not answer for 15 seconds");
        }
        return answer.get();
    }

private:
    void RunPending()
    {
        std::deque<std::function<void()>> now;
        {
            std::lock_guard lock(FMutex);
            now.swap(FPending);
        }
        for (auto& f : now) f();
    }

    TTimer FTimer;
    std::mutex FMutex;
    std::deque<std::function<void()>> FPending;
};

} // namespace xinput
