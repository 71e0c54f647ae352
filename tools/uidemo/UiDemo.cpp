// The example program: one window with the standard controls.
#include "platform/ui/Application.h"
#include "tools/uidemo/DemoForm.h"

int main()
{
    Application->Initialize();
    Application->SetTitle("Corvanta Vistra");
    TDemoForm* form = nullptr;
    Application->CreateForm(form);
    Application->Run();
    return 0;
}
