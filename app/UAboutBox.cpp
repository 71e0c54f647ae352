// The about box.
#include "app/UAboutBox.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/ExtCtrls.h"

TFrmAboutBox* FrmAboutBox = nullptr;

namespace {

TLabel* AddLabel(TWinControl* parent, TComponent* owner, int top, const char* caption)
{
    auto* label = new TLabel(owner);
    label->SetParent(parent);
    label->SetLeft(16);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

}  // namespace

TFrmAboutBox::TFrmAboutBox(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("About");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(369);
    SetClientHeight(251);
    Panel1 = new TPanel(this);
    Panel1->SetParent(this);
    Panel1->SetBounds(8, 8, 353, 197);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetCaption("");
    ProductName = AddLabel(Panel1, this, 16, "Product Name :  Corvanta Vistra");
    Version = AddLabel(Panel1, this, 40, "Version : v1.00");
    Notice = AddLabel(Panel1, this, 72, "Markers, geocoding and screenshots on an interactive map.");
    Comments = AddLabel(Panel1, this, 104, "... analyze your data integrated with Google Maps");
    Contact = AddLabel(Panel1, this, 136, "Corvanta Vistra team");
    OKButton = new TButton(this);
    OKButton->SetParent(this);
    OKButton->SetBounds(147, 215, 75, 25);
    OKButton->SetCaption("OK");
    OKButton->SetDefault(true);
    OKButton->OnClick = [this](TObject* sender) { OKButtonClick(sender); };
}

TFrmAboutBox::~TFrmAboutBox()
{
    if (FrmAboutBox == this) FrmAboutBox = nullptr;
}

void TFrmAboutBox::OKButtonClick(TObject*) { Close(); }
