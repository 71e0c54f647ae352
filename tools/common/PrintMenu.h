// The viewers' File > Print... menu (Ctrl+P).
#pragma once

#include <functional>
#include <string>

class TForm;
class TPrintDialog;

namespace tools {

// Prints the document through the dialog's choices; false when the dialog was cancelled.
using TPrintThroughDialog = std::function<bool(TPrintDialog& Dialog)>;

// Gives Form a File menu whose Print... item shows the print dialog and prints. Afterwards the
// caption names where the pages went ("ToolName - printed to ..."), or a message says why the
// Document was not printed.
void AddPrintMenu(TForm& Form, std::string ToolName, std::string Document, TPrintThroughDialog Print);

} // namespace tools
