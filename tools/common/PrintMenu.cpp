#include "tools/common/PrintMenu.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/Printers.h"

#include <exception>

namespace tools {

void AddPrintMenu(TForm& Form, std::string ToolName, std::string Document, TPrintThroughDialog Print)
{
    auto* menu = new TMainMenu(&Form);
    auto* file = new TMenuItem(&Form);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    auto* print = new TMenuItem(&Form);
    print->SetCaption("&Print...");
    print->SetShortCut(ShortCut('P', TShiftState{ssCtrl}));
    file->Add(print);
    Form.SetMenu(menu);
    print->OnClick = [&Form, ToolName = std::move(ToolName), Document = std::move(Document),
                      Print = std::move(Print)](TObject*) {
        TPrintDialog dialog(&Form);
        try {
            if (!Print(dialog)) return;
            TPrinter* printer = Printer();
            Form.SetCaption(ToolName + " - printed to " +
                            (printer->PrinterIndex() == 0 ? printer->FileName() : printer->PrinterName()));
        } catch (const std::exception& e) {
            ShowMessage("The " + Document + " was not printed: " + e.what());
        }
    };
}

} // namespace tools
