// A picture known by its file name: only the name and size are kept, and the file is
// read again each time it is drawn.
#include "grid/base/FilePicture.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"

void TFilePicture::SetFilename(const std::string& Value)
{
    FFilename = Value;
    TPicture picture;
    picture.LoadFromFile(Value);
    FWidth = picture.Width();
    FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& r) const
{
    if (FFilename.empty())
        return;
    TPicture picture;
    picture.LoadFromFile(FFilename);
    Canvas.StretchDraw(r, picture.Graphic());
}

void TFilePicture::Assign(const TPersistent* Source)
{
    if (const auto* other = dynamic_cast<const TFilePicture*>(Source)) {
        FFilename = other->FFilename;
        FWidth = other->FWidth;
        FHeight = other->FHeight;
        return;
    }
    TPersistent::Assign(Source);
}
