// The program-wide place where an exception that escapes an event handler
// is reported: the window layer shows it in a message box, tests record it.
#pragma once

#include <exception>
#include <functional>

class TObject;

// Reports the exception being handled: call it inside a catch block. EAbort
// is silent and never reported; outside a catch block nothing happens. An
// exception thrown by the handler itself is not let out.
void HandleException(TObject* Sender);

namespace classes {

// Receives every reported exception with the object whose handler failed.
// Exception's message is E.what(); an exception of no std::exception type
// arrives as an Exception "Unknown exception".
using TExceptionHandler = std::function<void(TObject* Sender, const std::exception& E)>;

// Installs Handler (an empty one restores the default, which writes the
// message to standard error) and returns the previous handler.
TExceptionHandler SetExceptionHandler(TExceptionHandler Handler);

} // namespace classes
