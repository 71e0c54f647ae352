// The map's user-interface controls: navigation style and the six control settings objects.
#pragma once

#include "map/UGeolithCommon.h"

#include <memory>
#include <string>
#include <utility>

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

// A control the map shows or hides through its page option OptionName.
class TToggledControl : public TControlBase {
    VISTRA_CLASS(TToggledControl, TControlBase)

    TToggledControl(TGeolith* AGeolith, std::string OptionName)
        : TControlBase(AGeolith), FOptionName(std::move(OptionName)) {}

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

protected:
    const std::string FOptionName;

private:
    bool FVisible = true;
};

// A shown-or-hidden control that also has a place on the map.
class TPlacedControl : public TToggledControl {
    VISTRA_CLASS(TPlacedControl, TToggledControl)

    TPlacedControl(TGeolith* AGeolith, std::string OptionName, TControlPosition DefaultPosition)
        : TToggledControl(AGeolith, std::move(OptionName)), FPosition(DefaultPosition) {}

    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition Value);

private:
    TControlPosition FPosition;
};

}  // namespace map

class TPanControl : public map::TPlacedControl {
    VISTRA_CLASS(TPanControl, map::TPlacedControl)
    explicit TPanControl(TGeolith* AGeolith) : TPlacedControl(AGeolith, "panControl", cpTopLeft) {}
};

class TZoomControl : public map::TPlacedControl {
    VISTRA_CLASS(TZoomControl, map::TPlacedControl)
    explicit TZoomControl(TGeolith* AGeolith) : TPlacedControl(AGeolith, "zoomControl", cpTopLeft) {}

    TZoomStyle Style() const { return FStyle; }
    void SetStyle(TZoomStyle Value);

private:
    TZoomStyle FStyle = zsDefault;
};

class TMapTypeControl : public map::TPlacedControl {
    VISTRA_CLASS(TMapTypeControl, map::TPlacedControl)
    explicit TMapTypeControl(TGeolith* AGeolith) : TPlacedControl(AGeolith, "mapTypeControl", cpTopRight) {}

    TMapTypeStyle Style() const { return FStyle; }
    void SetStyle(TMapTypeStyle Value);

private:
    TMapTypeStyle FStyle = mtsDefault;
};

class TScaleControl : public map::TPlacedControl {
    VISTRA_CLASS(TScaleControl, map::TPlacedControl)
    explicit TScaleControl(TGeolith* AGeolith) : TPlacedControl(AGeolith, "scaleControl", cpBottomLeft) {}
};

class TStreetViewControl : public map::TPlacedControl {
    VISTRA_CLASS(TStreetViewControl, map::TPlacedControl)
    explicit TStreetViewControl(TGeolith* AGeolith) : TPlacedControl(AGeolith, "streetViewControl", cpTopLeft) {}
};

class TOverviewMapControl : public map::TToggledControl {
    VISTRA_CLASS(TOverviewMapControl, map::TToggledControl)
    explicit TOverviewMapControl(TGeolith* AGeolith) : TToggledControl(AGeolith, "overviewMapControl") {}

    bool Open() const { return FOpen; }
    void SetOpen(bool Value);

private:
    bool FOpen = false;
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
