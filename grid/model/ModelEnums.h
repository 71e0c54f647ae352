// The enumerations of the string grid's settings objects.
#pragma once

namespace grid {

// How cell controls (check boxes, radios, buttons) are drawn. Kept in the grid's
// namespace because the platform's control classes use the global name for their own
// control style set.
enum TControlStyle { csClassic, csFlat, csWinXP, csTarvic, csQOR, csGlyph, csTheme };

} // namespace grid

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };
enum TProgressStyle { psXP, psClassic };
enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TColumnSizeLocation { clRegistry, clIniFile };

enum TIndexSortKey { ikShift, ikCtrl };
enum TSortBlankPosition { blFirst, blLast };
enum TSortDirection { sdAscending, sdDescending };

enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
