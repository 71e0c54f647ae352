// Function libraries, their binder, the grid binder and the numeric argument list.
#include "grid/base/BaseGrid.h"
#include "platform/classes/Lists.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/QuillPars.h"

double TParamList::GetItem(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<size_t>(Index)].FValue;
}

void TParamList::SetItem(int Index, double Value)
{
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FItems[static_cast<size_t>(Index)].FValue = Value;
}

bool TMathLib::HandlesConstant(const std::string&)
{
    return false;
}

double TMathLib::GetConstant(const std::string&)
{
    return 0;
}

bool TMathLib::HandlesFunction(const std::string&)
{
    return false;
}

bool TMathLib::HandlesStrFunction(const std::string&)
{
    return false;
}

double TMathLib::CalcFunction(const std::string&, TParamList&, int& ErrType, int&)
{
    ErrType = 0;
    return 0;
}

std::string TMathLib::CalcStrFunction(const std::string&, TStringList&, int& ErrType, int&)
{
    ErrType = 0;
    return {};
}

std::string TMathLib::GetEditHint(const std::string&, int)
{
    return {};
}

std::string TMathLib::GetErrorMessage(int) const
{
    return "No error";
}

void TLibBinderItem::Assign(const TPersistent* Source)
{
    if (auto* item = dynamic_cast<const TLibBinderItem*>(Source)) {
        FMathLib = item->FMathLib;
        return;
    }
    TCollectionItem::Assign(Source);
}

TLibBinderItems::TLibBinderItems(TLibBinder* AOwner)
    : TCollection(ItemClassOf<TLibBinderItem>()), FOwner(AOwner)
{
}

TPersistent* TLibBinderItems::GetOwner() const
{
    return FOwner;
}

TLibBinder::TLibBinder(TComponent* AOwner)
    : TComponent(AOwner), FLibs(std::make_unique<TLibBinderItems>(this))
{
}

TLibBinder::~TLibBinder() = default;

void TLibBinder::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && FLibs)
        for (int k = FLibs->Count() - 1; k >= 0; --k)
            if (FLibs->GetItem(k)->MathLib() == AComponent) FLibs->GetItem(k)->Free();
    TComponent::Notification(AComponent, Operation);
}

void TGridBinderItem::Assign(const TPersistent* Source)
{
    if (auto* item = dynamic_cast<const TGridBinderItem*>(Source)) {
        FGrid = item->FGrid;
        FName = item->FName;
        return;
    }
    TCollectionItem::Assign(Source);
}

TGridBinderItems::TGridBinderItems(TGridBinder* AOwner)
    : TCollection(ItemClassOf<TGridBinderItem>()), FOwner(AOwner)
{
}

TPersistent* TGridBinderItems::GetOwner() const
{
    return FOwner;
}

TBaseGrid* TGridBinderItems::GetGridByName(std::string_view Name) const
{
    for (int k = 0; k < Count(); ++k)
        if (SameText(GetItem(k)->Name(), Name)) return GetItem(k)->Grid();
    return nullptr;
}

TGridBinder::TGridBinder(TComponent* AOwner)
    : TComponent(AOwner), FGrids(std::make_unique<TGridBinderItems>(this))
{
}

TGridBinder::~TGridBinder() = default;

void TGridBinder::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && FGrids && !ComponentState().Contains(csDestroying))
        for (int k = FGrids->Count() - 1; k >= 0; --k)
            if (FGrids->GetItem(k)->Grid() == AComponent) FGrids->GetItem(k)->Free();
    TComponent::Notification(AComponent, Operation);
}
