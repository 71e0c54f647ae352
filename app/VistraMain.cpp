// The main routine.
#include "app/VistraMain.h"

#include "app/UAboutBox.h"
#include "app/UCustomPan.h"
#include "app/UEvent.h"
#include "app/UGrid1.h"
#include "app/ULanguages.h"
#include "app/UMain.h"
#include "app/UMarker.h"
#include "app/UMarkers.h"
#include "app/USettings.h"
#include "app/msg.h"
#include "app/umerge.h"
#include "app/vrcommon.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <cstdlib>
#include <string>

namespace app {

void CreateWindows(TApplication& application)
{
    application.CreateForm(FrmMain);
    application.CreateForm(FrmEvent);
    application.CreateForm(FrmAboutBox);
    application.CreateForm(FrmMarkers);
    application.CreateForm(FrmCustomPan);
    application.CreateForm(FrmMarker);
    application.CreateForm(FrmLanguages);
    application.CreateForm(FrmSettings);
    application.CreateForm(FrmGrid1);
    application.CreateForm(FrmMsg);
    application.CreateForm(frmmerge);
}

void DestroyWindows()
{
    delete frmmerge;
    delete FrmMsg;
    delete FrmGrid1;
    delete FrmSettings;
    delete FrmLanguages;
    delete FrmMarker;
    delete FrmCustomPan;
    delete FrmMarkers;
    delete FrmAboutBox;
    delete FrmEvent;
    if (Application && Application->MainForm() == FrmMain) Application->SetMainForm(nullptr);
    delete FrmMain;
}

void InstallFatalErrorReport()
{
    SetFatalErrorHandler([](std::string_view text, std::string_view caption, std::uint16_t exitCode) {
        if (Application) Application->MessageBox(std::string(text), std::string(caption), MB_OK | MB_ICONERROR);
        std::exit(exitCode);
    });
}

int RunVistra()
{
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    Application->SetTitle("Corvanta Vistra");
    InstallFatalErrorReport();
    CreateWindows(*Application);
    Application->Run();
    return 0;
}

}  // namespace app
