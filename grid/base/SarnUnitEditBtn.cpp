// TSarnUnitEditBtn: a value and its unit, the unit drawn beside the text and
// chosen from a popup menu of the units under the button.
#include "grid/base/SarnEditBtn.h"

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Menus.h"

namespace {
constexpr int DefaultUnitSpace = 20;
}

TSarnUnitEditBtn::TSarnUnitEditBtn(TComponent* AOwner)
    : TSarnEditBtn(AOwner), FUnits(std::make_unique<TStringList>())
{
    SetUnitSpaceWidth(DefaultUnitSpace);
    SetRightAlign(true);
}

TSarnUnitEditBtn::~TSarnUnitEditBtn() = default;

void TSarnUnitEditBtn::SetUnits(const TStrings* Value)
{
    if (Value) FUnits->Assign(Value);
}

void TSarnUnitEditBtn::SetUnitID(const std::string& Value)
{
    FUnitID = Value;
    Invalidate();
}

std::string TSarnUnitEditBtn::TextAndUnit() const { return Text() + FUnitID; }

void TSarnUnitEditBtn::SetTextAndUnit(const std::string& Value)
{
    for (int i = 0; i < FUnits->Count(); ++i) {
        const std::string unit = FUnits->Strings(i);
        if (unit.empty()) continue;
        const std::size_t at = Value.find(unit);
        if (at == std::string::npos || at + unit.size() != Value.size()) continue;
        SetText(Value.substr(0, at));
        SetUnitID(unit);
        return;
    }
}

void TSarnUnitEditBtn::DoClickBtn(TObject* Sender)
{
    TSarnEditBtn::DoClickBtn(Sender);
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    for (int i = 0; i < FUnits->Count(); ++i) {
        const WPARAM number = static_cast<WPARAM>(i + 1);
        menu->Items()->Add(NewItem(FUnits->Strings(i), 0, false, true,
            [this, number](TObject*) { Perform(WM_COMMAND, number, 0); }, ""));
    }
    menu->SetPopupComponent(this);
    const TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
    menu->Popup(at.X, at.Y);
}

void TSarnUnitEditBtn::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_COMMAND) {
        if (Message.WParamHi() != EN_CHANGE) UnitChosen(static_cast<int>(Message.WParamLo()));
        return;
    }
    TSarnEditBtn::Dispatch(Message);
}

void TSarnUnitEditBtn::UnitChosen(int Number)
{
    if (Number < 1 || Number > FUnits->Count()) return;
    const std::string chosen = FUnits->Strings(Number - 1);
    const bool changed = chosen != FUnitID;
    SetUnitID(chosen);
    if (changed && OnUnitChanged) OnUnitChanged(this, chosen);
}

void TSarnUnitEditBtn::Paint()
{
    TSarnEditBtn::Paint();
    TCanvas& c = *Canvas();
    c.Font()->Assign(&Font());
    c.Brush()->SetStyle(bsClear);
    const int left = ClientWidth() - Button().Width() - UnitSpace() - 3;
    TRect r{left, 2, left + UnitSpace(), ClientHeight()};
    std::string unit = FUnitID;
    c.TextRect(r, unit, TTextFormat{}.Include(tfLeft).Include(tfSingleLine).Include(tfNoPrefix));
}
