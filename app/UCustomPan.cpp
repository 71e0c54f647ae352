// The custom-pan window.
#include "app/UCustomPan.h"

#include "app/UMain.h"
#include "app/UMarker.h"
#include "map/UGeolith.h"
#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Menus.h"

TFrmCustomPan* FrmCustomPan = nullptr;

namespace {

// The map's full size when the window was last shown.
int gMapWidth = 0;
int gMapHeight = 0;

constexpr int ButtonSize = 46;

// The pictures' resource names follow the pads and the places: arrows for the
// steps (PANSTEP...) and double arrows for the map's whole size (PANPAGE...);
// the centres show a cross-hair (pan to the position) and a new marker.
constexpr const char* PlaceNames[] = {"TOPLEFT",    "TOPCENTER", "TOPRIGHT",   "CENTERLEFT", "CENTER",
                                      "CENTERRIGHT", "BOTTOMLEFT", "BOTTOMCENTER", "BOTTOMRIGHT"};

void LoadPadPicture(TSpeedButton& button, bool fullSize, int place)
{
    TBitmap picture;
    picture.LoadFromResourceName(HInstance, std::string(fullSize ? "PANPAGE" : "PANSTEP") + PlaceNames[place]);
    button.SetGlyph(picture);
}

}  // namespace

TFrmCustomPan::TFrmCustomPan(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Custom Pan");
    SetBorderStyle(bsToolWindow);
    SetClientWidth(290);
    SetClientHeight(148);
    Panel1 = new TPanel(this);
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetCaption("");
    for (int pad = 0; pad < 2; ++pad) {
        auto& buttons = pad == 0 ? SB1 : SB2;
        for (int i = 0; i < 9; ++i) {
            auto* button = new TSpeedButton(this);
            button->SetParent(Panel1);
            button->SetBounds(4 + (pad * 3 + i % 3) * ButtonSize, 4 + (i / 3) * ButtonSize, ButtonSize, ButtonSize);
            const auto place = static_cast<TPadPlace>(i);
            const bool fullSize = pad == 1;
            button->OnClick = [this, place, fullSize](TObject*) { PadClick(place, fullSize); };
            LoadPadPicture(*button, fullSize, i);
            buttons[i] = button;
        }
    }
    SB1[static_cast<int>(TPadPlace::Center)]->SetHint("Pan to position");
    SB2[static_cast<int>(TPadPlace::Center)]->SetHint("Create Marker");
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFrmCustomPan::~TFrmCustomPan()
{
    if (FrmCustomPan == this) FrmCustomPan = nullptr;
}

void TFrmCustomPan::FormShow(TObject*)
{
    FPanStepHor = FrmMain->Geolith1->Width() / 6;
    FPanStepVer = FrmMain->Geolith1->Height() / 6;
    gMapWidth = FrmMain->Geolith1->Width();
    gMapHeight = FrmMain->Geolith1->Height();
}

void TFrmCustomPan::FormClose(TObject*, TCloseAction&)
{
    if (FrmMain) FrmMain->CustomPanControl1->SetChecked(false);
}

void TFrmCustomPan::PadClick(TPadPlace Place, bool FullSize)
{
    if (Place == TPadPlace::Center) {
        if (FullSize) {
            if (FrmMarker) FrmMarker->Show();
        } else {
            FrmMain->PanToEdits();
        }
        return;
    }
    const int h = FullSize ? gMapWidth : FPanStepHor;
    const int v = FullSize ? gMapHeight : FPanStepVer;
    const int column = static_cast<int>(Place) % 3;  // 0 left, 1 centre, 2 right
    const int row = static_cast<int>(Place) / 3;     // 0 top, 1 centre, 2 bottom
    FrmMain->Geolith1->MapPanBy((column - 1) * h, (row - 1) * v);
}
