// Routing of unhandled exceptions to the installed handler.
#include "platform/classes/ExceptionHook.h"

#include "platform/rtl/Exceptions.h"

#include <iostream>
#include <utility>

namespace {

void WriteToStandardError(TObject*, const std::exception& e)
{
    std::cerr << e.what() << '\n';
}

classes::TExceptionHandler& CurrentHandler()
{
    static classes::TExceptionHandler handler = WriteToStandardError;
    return handler;
}

void Report(TObject* sender, const std::exception& e)
{
    // Take a copy: the handler may replace itself while it runs.
    classes::TExceptionHandler handler = CurrentHandler();
    try {
        handler(sender, e);
    } catch (const std::exception& failure) {
        std::cerr << "The exception handler failed: " << failure.what() << " (reporting: " << e.what() << ")\n";
    } catch (...) {
        std::cerr << "The exception handler failed (reporting: " << e.what() << ")\n";
    }
}

} // namespace

void HandleException(TObject* Sender)
{
    if (!std::current_exception())
        return;
    try {
        throw;
    } catch (const EAbort&) {
        // Silent by design.
    } catch (const std::exception& e) {
        Report(Sender, e);
    } catch (...) {
        Report(Sender, Exception("Unknown exception"));
    }
}

namespace classes {

TExceptionHandler SetExceptionHandler(TExceptionHandler Handler)
{
    if (!Handler)
        Handler = WriteToStandardError;
    return std::exchange(CurrentHandler(), std::move(Handler));
}

} // namespace classes
