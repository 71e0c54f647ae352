// The example program: one window with the standard controls, or with
// --mdi a frame with document windows.
#include "platform/ui/Application.h"
#include "tools/uidemo/DemoForm.h"
#include "tools/uidemo/MdiDemoForm.h"

#include <string>

int main(int argc, char** argv)
{
    Application->Initialize();
    Application->SetTitle("Corvanta Vistra");
    if (argc > 1 && std::string(argv[1]) == "--mdi") {
        TMdiDemoForm* frame = nullptr;
        Application->CreateForm(frame);
    } else {
        TDemoForm* form = nullptr;
        Application->CreateForm(form);
    }
    Application->Run();
    return 0;
}
