// The map's user-interface controls: navigation style and the six control settings objects.
#pragma once

#include "map/UGeolithCommon.h"

#include <memory>
#include <string>

class TGeolith;

namespace map {

// What every control settings object shares: the map it scripts.
class TControlBase : public TPersistent {
    VISTRA_CLASS(TControlBase, TPersistent)

    explicit TControlBase(TGeolith* AGeolith) : FGeolith(AGeolith) {}

protected:
    // Sends script when the page is live; otherwise the value waits for the next page.
    void SendWhenLive(const std::string& script) const;
    TGeolith* FGeolith;
};

}  // namespace map

class TPanControl : public map::TControlBase {
    VISTRA_CLASS(TPanControl, map::TControlBase)
    using TControlBase::TControlBase;

    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    TControlPosition FPosition = cpTopLeft;
    bool FVisible = true;
};

class TZoomControl : public map::TControlBase {
    VISTRA_CLASS(TZoomControl, map::TControlBase)
    using TControlBase::TControlBase;

    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition Value);
    TZoomStyle Style() const { return FStyle; }
    void SetStyle(TZoomStyle Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    TControlPosition FPosition = cpTopLeft;
    bool FVisible = true;
    TZoomStyle FStyle = zsDefault;
};

class TMapTypeControl : public map::TControlBase {
    VISTRA_CLASS(TMapTypeControl, map::TControlBase)
    using TControlBase::TControlBase;

    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition Value);
    TMapTypeStyle Style() const { return FStyle; }
    void SetStyle(TMapTypeStyle Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    bool FVisible = true;
    TMapTypeStyle FStyle = mtsDefault;
    TControlPosition FPosition = cpTopRight;
};

class TScaleControl : public map::TControlBase {
    VISTRA_CLASS(TScaleControl, map::TControlBase)
    using TControlBase::TControlBase;

    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    bool FVisible = true;
    TControlPosition FPosition = cpBottomLeft;
};

class TStreetViewControl : public map::TControlBase {
    VISTRA_CLASS(TStreetViewControl, map::TControlBase)
    using TControlBase::TControlBase;

    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    bool FVisible = true;
    TControlPosition FPosition = cpTopLeft;
};

class TOverviewMapControl : public map::TControlBase {
    VISTRA_CLASS(TOverviewMapControl, map::TControlBase)
    using TControlBase::TControlBase;

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Open() const { return FOpen; }
    void SetOpen(bool Value);

private:
    bool FOpen = false;
    bool FVisible = true;
};

class TControlsOptions : public map::TControlBase {
    VISTRA_CLASS(TControlsOptions, map::TControlBase)

    explicit TControlsOptions(TGeolith* AGeolith);
    ~TControlsOptions() override;

    TControlsType ControlsType() const { return FControlsType; }
    void SetControlsType(TControlsType Value);

    // Writing one of these takes over the given object; the previous one is
    // handed back to the caller's care, neither copied nor freed.
    TPanControl* PanControl() const { return FPanControl.get(); }
    void SetPanControl(TPanControl* Value) { Replace(FPanControl, Value); }
    TZoomControl* ZoomControl() const { return FZoomControl.get(); }
    void SetZoomControl(TZoomControl* Value) { Replace(FZoomControl, Value); }
    TMapTypeControl* MapTypeControl() const { return FMapTypeControl.get(); }
    void SetMapTypeControl(TMapTypeControl* Value) { Replace(FMapTypeControl, Value); }
    TScaleControl* ScaleControl() const { return FScaleControl.get(); }
    void SetScaleControl(TScaleControl* Value) { Replace(FScaleControl, Value); }
    TStreetViewControl* StreetViewControl() const { return FStreetViewControl.get(); }
    void SetStreetViewControl(TStreetViewControl* Value) { Replace(FStreetViewControl, Value); }
    TOverviewMapControl* OverviewMapControl() const { return FOverviewMapControl.get(); }
    void SetOverviewMapControl(TOverviewMapControl* Value) { Replace(FOverviewMapControl, Value); }

private:
    template <class T>
    static void Replace(std::unique_ptr<T>& held, T* value)
    {
        if (held.get() == value) return;
        (void)held.release();
        held.reset(value);
    }

    TControlsType FControlsType = ctDefault;
    std::unique_ptr<TOverviewMapControl> FOverviewMapControl;
    std::unique_ptr<TScaleControl> FScaleControl;
    std::unique_ptr<TZoomControl> FZoomControl;
    std::unique_ptr<TMapTypeControl> FMapTypeControl;
    std::unique_ptr<TPanControl> FPanControl;
    std::unique_ptr<TStreetViewControl> FStreetViewControl;
};
