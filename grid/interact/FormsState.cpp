// The state of the grid's filter lists, fixed-cell editors and form controls.
#include "grid/interact/FormsState.h"

#include "grid/QuillGrid.h"
#include "grid/interact/CellControlEditor.h"
#include "grid/interact/FixedCellEditor.h"

namespace grid {

TFormsState::TFormsState() = default;
TFormsState::~TFormsState() = default;

void TFormsStateDeleter::operator()(TFormsState* State) const noexcept
{
    WithdrawFilterPopup(State->FilterPopup);
    delete State;
}

} // namespace grid
