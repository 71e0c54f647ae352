// The image files of an HTML export: cell pictures saved as JPEG files in
// the folder "images" beside the HTML file and referenced from their cells.
#pragma once

#include <string>

class TGraphic;

namespace grid::files {

class THtmlImageWriter {
public:
    // Folder is the HTML file's folder, ending in "/"; empty writes no images.
    explicit THtmlImageWriter(std::string Folder) : FFolder(std::move(Folder)) {}

    bool Active() const noexcept { return !FFolder.empty(); }
    // Saves the graphic as the first "imgK.jpg" of the images folder that does
    // not exist yet, so that images of earlier exports are never overwritten,
    // and returns the img tag that shows it. A folder that cannot be made
    // raises Exception "Cannot create " + the folder + "images".
    std::string Write(const TGraphic& Graphic);

private:
    std::string FFolder;
    int FNext = 1;
};

} // namespace grid::files
