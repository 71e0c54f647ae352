// TMdiDemoForm: the frame, its menus and its document windows.
#include "tools/uidemo/MdiDemoForm.h"

#include "menus/QuillMenuBar.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Menus.h"

#include <string>

namespace {
TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& caption)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

const std::string FrameCaption = "Corvanta Vistra - MDI";
} // namespace

TMdiDemoForm::TMdiDemoForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(FrameCaption);
    SetBounds(40, 40, 640, 480);
    SetFormStyle(fsMDIForm);

    MainMenu1 = new TQuillMainMenu(this);
    TMenuItem* file = AddItem(this, MainMenu1->Items(), "&File");
    NewWindow1 = AddItem(this, file, "&New window");
    NewWindow1->SetShortCut(ShortCut('N', TShiftState{ssCtrl}));
    AddItem(this, file, "-");
    Exit1 = AddItem(this, file, "E&xit");
    Window1 = AddItem(this, MainMenu1->Items(), "&Window");
    SetMenu(MainMenu1);
    SetWindowMenu(Window1);
    MainMenu1->UpdateItems();

    NewWindow1->OnClick = [this](TObject*) { NewDocument(); };
    Exit1->OnClick = [this](TObject*) { Close(); };
}

TCustomForm* TMdiDemoForm::NewDocument()
{
    auto* child = new TForm(this);
    child->SetFormStyle(fsMDIChild);
    const std::string caption = "Document " + std::to_string(++FDocuments);
    child->SetCaption(caption);
    const int step = 24 * ((FDocuments - 1) % 8);
    child->SetBounds(10 + step, 10 + step, 300, 200);
    auto* memo = new TMemo(child);
    memo->SetParent(child);
    memo->SetAlign(alClient);
    memo->Lines().Add(caption);
    // The frame's title names the document in front.
    child->OnActivate = [this, caption](TObject*) { SetCaption(FrameCaption + " - [" + caption + "]"); };
    child->Show();
    return child;
}
