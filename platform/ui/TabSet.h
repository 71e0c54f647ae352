// A row of tabs along a window's bottom edge, one selected; the change of the
// selected tab is asked for first and can be refused.
#pragma once

#include <functional>
#include <memory>

#include "platform/classes/StringList.h"
#include "platform/ui/CustomControl.h"

class TTabSet;

using TTabChangeEvent = std::function<void(TObject* Sender, int NewTab, bool& AllowChange)>;

class TTabSet : public TCustomControl {
    VISTRA_CLASS(TTabSet, TCustomControl)

    explicit TTabSet(TComponent* AOwner);
    ~TTabSet() override;

    // The captions; adding or removing lines adds or removes tabs.
    TStringList& Tabs() noexcept { return *FTabs; }
    // The selected tab, -1 with none. Setting it asks OnChange first.
    int TabIndex() const noexcept { return FTabIndex; }
    void SetTabIndex(int Value);
    // The tab under a client point, -1 when none.
    int TabAt(int X, int Y);
    // The rectangle of a tab in client coordinates.
    TRect TabRect(int Index);

    TColor SelectedColor() const noexcept { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    TColor UnselectedColor() const noexcept { return FUnselectedColor; }
    void SetUnselectedColor(TColor Value);
    TColor BackgroundColor() const noexcept { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value);
    bool DitherBackground() const noexcept { return FDitherBackground; }
    void SetDitherBackground(bool Value);
    bool SoftTop() const noexcept { return FSoftTop; }
    void SetSoftTop(bool Value);

    TTabChangeEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    std::unique_ptr<TStringList> FTabs;
    int FTabIndex = -1;
    TColor FSelectedColor = clBtnFace;
    TColor FUnselectedColor = clWindow;
    TColor FBackgroundColor = clBtnFace;
    bool FDitherBackground = true;
    bool FSoftTop = false;
};
