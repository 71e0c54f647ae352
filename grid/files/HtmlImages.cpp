// Image files of an HTML export.
#include "grid/files/HtmlImages.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/JpegImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

namespace grid::files {

namespace {

// A path as the path of a file URL: characters other than letters, digits
// and "/-._~" percent-encoded, so that no name breaks the link or its attribute.
std::string UrlPath(std::string_view Path)
{
    std::string out;
    for (unsigned char c : Path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

} // namespace

std::string THtmlImageWriter::Write(const TGraphic& Graphic)
{
    const std::string folder = FFolder + "images";
    if (!DirectoryExists(folder) && !ForceDirectories(folder)) throw Exception("Cannot create " + folder);
    std::string name;
    std::error_code error;
    do {
        name = folder + "/img" + std::to_string(FNext++) + ".jpg";
    } while (std::filesystem::exists(std::filesystem::symlink_status(name, error)));
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&Graphic)) {
        jpeg->SaveToFile(name);
    } else {
        TBitmap pixels(Graphic.Width(), Graphic.Height());
        pixels.Canvas()->Draw(0, 0, &Graphic);
        TJPEGImage converted;
        converted.Assign(&pixels);
        converted.SaveToFile(name);
    }
    return "<img src= \"file://" + UrlPath(ExpandFileName(name)) + "\">";
}

} // namespace grid::files
