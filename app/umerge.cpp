// The merge window.
#include "app/umerge.h"

#include "app/MarkerMerge.h"
#include "app/SettingsStore.h"
#include "app/WindowKeys.h"
#include "app/vrutils.h"
#include "controls/QuillEdit.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"

Tfrmmerge* frmmerge = nullptr;

namespace {

TButton* AddButton(TWinControl* parent, TComponent* owner, int left, int top, const char* caption)
{
    auto* button = new TButton(owner);
    button->SetParent(parent);
    button->SetBounds(left, top, 90, 25);
    button->SetCaption(caption);
    return button;
}

}  // namespace

Tfrmmerge::Tfrmmerge(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Merge Marker Files");
    SetClientWidth(472);
    SetClientHeight(207);
    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetBounds(8, 6, 120, 13);
    Label1->SetCaption("Files to Merge");
    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetBounds(8, 22, 360, 110);
    Memo1->SetScrollBars(ssBoth);
    // The proposed files lie in the program's own marker folder.
    const std::string markerFolder = ExtractFilePath(Application ? Application->ExeName() : std::string()) + "Files/MarkerFiles/";
    Memo1->Lines().Add(markerFolder + "vistra0911.csv");
    Memo1->Lines().Add(markerFolder + "vistra0912.csv");
    Memo1->Lines().Add(markerFolder + "vistra0913.csv");
    QuillEdit1 = new TQuillEdit(this);
    QuillEdit1->SetParent(this);
    QuillEdit1->SetBounds(8, 160, 360, 21);
    QuillEdit1->SetLabelPosition(lpTopLeft);
    QuillEdit1->SetLabelCaption("Output File Path and Name");
    QuillEdit1->SetText(markerFolder + "vistra091new.csv");
    Button1 = AddButton(this, this, 376, 22, "Add File");
    Button2 = AddButton(this, this, 376, 56, "Merge Files");
    Button3 = AddButton(this, this, 376, 158, "Open");
    OpenDialog1 = new TOpenDialog(this);
    SaveDialog1 = new TSaveDialog(this);
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
    Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };
    Button3->OnClick = [this](TObject* sender) { Button3Click(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    app::CloseOnEscape(*this);
}

Tfrmmerge::~Tfrmmerge()
{
    if (frmmerge == this) frmmerge = nullptr;
}

void Tfrmmerge::FormShow(TObject*) { Button3->SetFocus(); }

void Tfrmmerge::Button1Click(TObject*)
{
    if (OpenDialog1->Execute() && FileExistsShort(OpenDialog1->FileName())) Memo1->Lines().Add(OpenDialog1->FileName());
}

void Tfrmmerge::Button3Click(TObject*)
{
    SaveDialog1->SetFileName("*.csv");
    SaveDialog1->SetInitialDir(Settings().opt3);
    if (SaveDialog1->Execute()) QuillEdit1->SetText(SaveDialog1->FileName());
}

void Tfrmmerge::Button2Click(TObject*)
{
    std::vector<std::string> files;
    for (int i = 0; i < Memo1->Lines().Count(); ++i) files.push_back(Memo1->Lines().Strings(i));
    const app::TMergeResult result = app::MergeMarkerFiles(files, QuillEdit1->Text());
    ShowMessage(result.Message);
    if (result.Done) Close();
}
