// The program's main routine and the creation of its eleven windows.
#pragma once

class TApplication;

namespace app {

// Creates the windows in their order, each owned by the application and held
// by its global reference; the first is the main window.
void CreateWindows(TApplication& Application);
// Frees the windows CreateWindows made, last created first (tests and drivers
// that run the program more than once in one process).
void DestroyWindows();

// Reports the file utilities' fatal errors in a message box before the program ends.
void InstallFatalErrorReport();

// Initializes the application, creates the windows and runs until the main window closes.
int RunVistra();

}  // namespace app
