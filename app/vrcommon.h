// The application's file-utility error model: one numbered error at a time,
// reported once through a replaceable fatal-error handler.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Open modes for the copy's source: access in the low bits, sharing above.
constexpr std::uint16_t vrReadOnlyMode = 0xFFFF;

// The state behind SetLibraryError and ReportLibraryError.
struct TLibraryErrorState {
    std::uint16_t ErrorCode = 0;
    std::string ErrorMessage;
    std::uint16_t LastCode = 0;
    bool Halting = false;
    int LastSystemError = 0;
    std::uint16_t CopyOpenMode = vrReadOnlyMode;
};
TLibraryErrorState& LibraryErrorState();
// Clears the error state, as at start-up.
void ResetLibraryError();

// Shows Text in a box with Caption and ends the program with ExitCode. The
// default writes to standard error and exits; the application shows a message
// box, and tests record the report instead of ending.
using TFatalErrorHandler =
    std::function<void(std::string_view Text, std::string_view Caption, std::uint16_t ExitCode)>;
void SetFatalErrorHandler(TFatalErrorHandler Handler);

// Records an error and reports it.
void SetLibraryError(std::uint16_t Code, std::string_view Message);
// Reports the current error through the fatal-error handler, once.
void ReportLibraryError();
// Returns the stored message and clears it.
void TakeErrorMessage(std::string& Message);
// "Error # <code> (<text>)", or an empty text for code 0.
std::string ErrorCodeText(std::uint16_t Code);

std::string ExpandFileNameShort(std::string_view Name);
// Text without its leading blanks and control characters.
std::string TrimLeftAnsi(std::string_view Text);
