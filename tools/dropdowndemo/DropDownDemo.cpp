// The drop-down example program.
#include "platform/ui/Application.h"
#include "tools/dropdowndemo/DropDownDemoForm.h"

int main()
{
    Application->Initialize();
    Application->SetTitle("Corvanta Vistra drop-down");
    TDropDownDemoForm* form = nullptr;
    Application->CreateForm(form);
    Application->Run();
    return 0;
}
