// A picture known by its file name: only the name and size are kept, and the file is
// read again each time it is drawn.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Types.h"

#include <string>

class TCanvas;

class TFilePicture : public TPersistent {
    VISTRA_CLASS(TFilePicture, TPersistent)

    const std::string& Filename() const noexcept { return FFilename; }
    // Stores the name and reads the file for its size; a file that cannot be read
    // raises the picture's error.
    void SetFilename(const std::string& Value);
    int Width() const noexcept { return FWidth; }
    int Height() const noexcept { return FHeight; }

    // Reads the file and stretches it into r; nothing while Filename is empty.
    void DrawPicture(TCanvas& Canvas, const TRect& r) const;
    // Copies name and size from another TFilePicture.
    void Assign(const TPersistent* Source) override;

private:
    std::string FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
