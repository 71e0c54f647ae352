// A hint window that shows its text as the grid's mini-HTML, in the font the
// grid last recorded for hints.
#pragma once

#include "platform/ui/Hints.h"

class THTMLHintWindow : public THintWindow {
    VISTRA_CLASS(THTMLHintWindow, THintWindow)

    explicit THTMLHintWindow(TComponent* AOwner);

    TRect CalcHintRect(int MaxWidth, const std::string& AHint) override;
    // Makes one for the application's hint (a THintWindowClass).
    static THintWindow* Create(TComponent* AOwner) { return new THTMLHintWindow(AOwner); }

protected:
    void Paint() override;
    void DrawHintText(TCanvas& ACanvas, const TRect& R) override;

private:
    void UseHintFont();
};
