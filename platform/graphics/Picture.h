// The picture holder: owns one graphic of whatever class its content needs.
#pragma once

#include "platform/graphics/Graphic.h"

#include <memory>
#include <string>

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
    VISTRA_CLASS(TPicture, TPersistent)

    TPicture();
    ~TPicture() override;

    void Assign(const TPersistent* Source) override;

    // The graphic held, or nullptr. Setting one stores a copy of it.
    TGraphic* Graphic() const noexcept { return FGraphic.get(); }
    void SetGraphic(const TGraphic* Value);
    // The graphic as a bitmap (replacing another kind of graphic by its pixels), or as an icon.
    TBitmap* Bitmap();
    TIcon* Icon();
    int Width() const;
    int Height() const;

    // The class is chosen by the content (BMP, PNG, JPEG, GIF or ICO); the
    // file name's extension decides only when the content is not recognised.
    void LoadFromFile(const std::string& FileName);
    void LoadFromStream(TStream& Stream);
    void SaveToFile(const std::string& FileName) const;
    void SaveToStream(TStream& Stream) const;

    // The picture inside another stream: the class name as a short string, then the graphic's data.
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream) const;

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) const override;
    virtual void Changed();

private:
    void Replace(std::unique_ptr<TGraphic> graphic);
    std::unique_ptr<TGraphic> FGraphic;
};

namespace graphics {

// A new, empty graphic of the class a file's first bytes show, or nullptr.
std::unique_ptr<TGraphic> GraphicForContent(const std::uint8_t* Data, std::size_t Size);
// A new, empty graphic of a class by name ("TBitmap", "TPngImage" ...), or nullptr.
std::unique_ptr<TGraphic> GraphicForClassName(std::string_view Name);

} // namespace graphics
