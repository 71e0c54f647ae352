// The custom-pan window: a step pad and a full-size pad of buttons that pan the map.
#pragma once

#include "platform/ui/Forms.h"

#include <array>

class TPanel;
class TSpeedButton;

// Where a pad button sits; its place decides the direction it pans.
enum class TPadPlace { TopLeft, TopCenter, TopRight, CenterLeft, Center, CenterRight, BottomLeft, BottomCenter, BottomRight };

class TFrmCustomPan : public TForm {
    VISTRA_CLASS(TFrmCustomPan, TForm)

    explicit TFrmCustomPan(TComponent* AOwner);
    ~TFrmCustomPan() override;

    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Pans by the step pad's steps (FullSize false) or by the map's whole size.
    void PadClick(TPadPlace Place, bool FullSize);

    int PanStepHor() const { return FPanStepHor; }
    int PanStepVer() const { return FPanStepVer; }

    TPanel* Panel1 = nullptr;
    // The pads' buttons in TPadPlace order: SB1TopLeft ... SB1BottomRight, SB2TopLeft ... SB2BottomRight.
    std::array<TSpeedButton*, 9> SB1{};
    std::array<TSpeedButton*, 9> SB2{};

private:
    int FPanStepHor = 0;
    int FPanStepVer = 0;
};

extern TFrmCustomPan* FrmCustomPan;
