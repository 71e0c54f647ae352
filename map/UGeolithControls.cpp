// Control settings objects: defaults and the setters that script a live page.
#include "map/UGeolithControls.h"

#include "map/UGeolith.h"
#include "map/UGeolithScripts.h"

namespace map {

void TControlBase::SendWhenLive(const std::string& script) const
{
    if (FGeolith && FGeolith->PageLive()) (void)FGeolith->ExecJScript(script);
}

void TToggledControl::SetVisible(bool Value)
{
    FVisible = Value;
    SendWhenLive(scripts::MapSetBooleanOption(FOptionName, Value));
}

void TPlacedControl::SetPosition(TControlPosition Value)
{
    FPosition = Value;
    SendWhenLive(scripts::ControlPositionOption(FOptionName + "Options", Value));
}

}  // namespace map

namespace scripts = map::scripts;

void TZoomControl::SetStyle(TZoomStyle Value)
{
    FStyle = Value;
    SendWhenLive(scripts::ZoomControlStyleOption(Value));
}

void TMapTypeControl::SetStyle(TMapTypeStyle Value)
{
    FStyle = Value;
    SendWhenLive(scripts::MapTypeControlStyleOption(Value));
}

void TOverviewMapControl::SetOpen(bool Value)
{
    FOpen = Value;
    SendWhenLive(scripts::OverviewOpenedOption(Value));
}

TControlsOptions::TControlsOptions(TGeolith* AGeolith)
    : TControlBase(AGeolith),
      FOverviewMapControl(std::make_unique<TOverviewMapControl>(AGeolith)),
      FScaleControl(std::make_unique<TScaleControl>(AGeolith)),
      FZoomControl(std::make_unique<TZoomControl>(AGeolith)),
      FMapTypeControl(std::make_unique<TMapTypeControl>(AGeolith)),
      FPanControl(std::make_unique<TPanControl>(AGeolith)),
      FStreetViewControl(std::make_unique<TStreetViewControl>(AGeolith))
{
}

TControlsOptions::~TControlsOptions() = default;

void TControlsOptions::SetControlsType(TControlsType Value)
{
    FControlsType = Value;
    SendWhenLive(scripts::ControlsTypeOption(Value));
}
