// Editor controls made by a library above the grid: the drop-down editors
// wrap the input controls, which the grid's library cannot see. That library
// registers a factory once at start; the grid asks it for the control of a
// kind it has none of its own for, the first time a cell of that kind is
// edited, and keeps the control for every later cell of the kind.
#pragma once

#include <functional>
#include <string>

#include "grid/base/GridEnums.h"

class TQuillStringGrid;
class TWinControl;

namespace grid {

class TSpecialEditors;

// What the grid asks of such a control besides being a windowed control.
class ICellEditorLink {
public:
    virtual ~ICellEditorLink() = default;
    virtual TWinControl& Control() = 0;
    // Shows the cell's text.
    virtual void LoadCellText(const std::string& Text) = 0;
    // The value as the cell will store it.
    virtual std::string CellValue() const = 0;
    // Shows a value the validation refused, all of it selected.
    virtual void ShowRefused(const std::string& Text) = 0;
    // The grid is going away; the control must not call it any more.
    virtual void DetachGrid() noexcept = 0;
};

// Makes the control of Kind, owned by the grid, or null when the factory has
// none. Host is the grid's keeper of open editors, to which the control
// reports the focus leaving it.
using TCellEditorFactory = std::function<ICellEditorLink*(TQuillStringGrid& Grid, TSpecialEditors& Host, TEditorType Kind)>;

// Replaces the factory; an empty one removes it.
void RegisterCellEditorFactory(TCellEditorFactory Factory);
ICellEditorLink* MakeRegisteredCellEditor(TQuillStringGrid& Grid, TSpecialEditors& Host, TEditorType Kind);

} // namespace grid
