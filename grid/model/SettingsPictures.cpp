// Picture copying shared by the settings objects that own glyphs.
#include "grid/model/SettingsPictures.h"

#include "platform/graphics/Bitmap.h"

namespace grid {

void CopyPicture(TBitmap& Target, const TBitmap* Source)
{
    if (Source)
        Target.Assign(Source);
    else
        Target.SetSize(0, 0);
}

} // namespace grid
