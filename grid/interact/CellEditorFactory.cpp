#include "grid/interact/CellEditorFactory.h"

namespace grid {

namespace {
TCellEditorFactory& Registered()
{
    static TCellEditorFactory factory;
    return factory;
}
} // namespace

void RegisterCellEditorFactory(TCellEditorFactory Factory) { Registered() = std::move(Factory); }

ICellEditorLink* MakeRegisteredCellEditor(TQuillStringGrid& Grid, TSpecialEditors& Host, TEditorType Kind)
{
    return Registered() ? Registered()(Grid, Host, Kind) : nullptr;
}

} // namespace grid
