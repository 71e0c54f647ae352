// The abstract picture: size, drawing, transparency and the stream and file forms.
#pragma once

#include "platform/classes/Object.h"
#include "platform/rtl/Exceptions.h"
#include "platform/graphics/Types.h"

#include <string>

class TCanvas;
class TStream;

// A picture file or stream that cannot be read: truncated, corrupt or of an unknown kind.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class TGraphic : public TPersistent {
    VISTRA_CLASS(TGraphic, TPersistent)

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    bool Modified() const noexcept { return FModified; }
    virtual void SetModified(bool Value);

    // Reads the picture from its file form; a bad file raises EInvalidGraphic
    // and leaves the picture as it was.
    virtual void LoadFromStream(TStream& Stream) = 0;
    virtual void SaveToStream(TStream& Stream) const = 0;
    virtual void LoadFromFile(const std::string& FileName);
    virtual void SaveToFile(const std::string& FileName) const;
    // Clipboard forms are not offered by pictures here; both do nothing.
    virtual void LoadFromClipboardFormat(unsigned Format, const void* Data) { (void)Format; (void)Data; }
    virtual void SaveToClipboardFormat(unsigned& Format) const { Format = 0; }
    // The picture inside another stream (a picture property): a 32-bit byte
    // count, then the file form.
    virtual void ReadData(TStream& Stream);
    virtual void WriteData(TStream& Stream) const;

    // Draws the picture scaled into Rect of the canvas.
    virtual void Draw(TCanvas& ACanvas, const TRect& Rect) const = 0;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
};
