// gridview --editors: the columns headed Fruit, Colour, Shape and City edit
// their cells with the detail, colour, image and grid drop-downs.
#pragma once

class TQuillStringGrid;

namespace gridview {

void UseDropDownEditors(TQuillStringGrid& Grid);

} // namespace gridview
