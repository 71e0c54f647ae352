// Pictures for the HTML markup: the picture that keeps its encoded bytes and shows one GIF frame at a time,
// the cache of pictures loaded from addresses, and the container of named pictures.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TMemoryStream;

namespace render {
struct TGifLayout;
}

// A picture kept as the bytes it was loaded from, decoded on demand. Animated
// GIFs show one frame at a time; Step moves through them by their delays.
// Decoding failures raise EInvalidGraphic with one of the fixed texts
// "Could not load image. Invalid format" or "Could not load image".
class THTMLPicture : public TGraphic {
    VISTRA_CLASS(THTMLPicture, TGraphic)

    THTMLPicture();
    ~THTMLPicture() override;

    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FIsEmpty; }
    // The decoded frame's size in 96-dpi pixels; 0 when nothing is decoded.
    int Width() const override;
    int Height() const override;
    // A picture's size is its content's; both do nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    // Takes every byte of Stream, decodes the current frame and reports a change.
    void LoadFromStream(TStream& Stream) override;
    // As LoadFromStream from the file; any failure leaves the picture empty.
    void LoadFromFile(const std::string& FileName) override;
    // The resource of that name, when the program has raw data under it; otherwise nothing.
    void LoadFromResourceName(std::uintptr_t Instance, const std::string& ResName);
    // The raw-data resource "#<ResID>"; a missing one raises EResNotFound.
    void LoadFromResourceID(std::uintptr_t Instance, int ResID);
    // "RES://name" loads a resource, "FILE://path" a file; other addresses load nothing.
    void LoadFromURL(const std::string& URL);
    // Writes the encoded bytes exactly as they were loaded.
    void SaveToStream(TStream& Stream) const override;
    // The picture inside another stream (byte count, then the encoded bytes);
    // reading decodes without a change report.
    void ReadData(TStream& Stream) override;

    // Stretched: fills Rect. Otherwise at Rect's top-left at the natural size
    // for the device's pixels per inch. Nothing when nothing is decoded.
    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;

    bool Stretch() const noexcept { return FStretched; }
    void SetStretch(bool Value) noexcept { FStretched = Value; }
    // The picture's key in a picture cache: the address it was loaded from.
    const std::string& ID() const noexcept { return FID; }
    void SetID(const std::string& Value) { FID = Value; }
    const std::string& URL() const noexcept { return FURL; }
    bool IsDB() const noexcept { return FIsDB; }
    void SetIsDB(bool Value) noexcept { FIsDB = Value; }
    // Asynchronous addresses would be fetched by a download worker; none is ever fetched.
    bool Asynch() const noexcept { return FAsynch; }
    void SetAsynch(bool Value) noexcept { FAsynch = Value; }
    bool Busy() const noexcept { return FThreadBusy; }

    bool IsGIF() const;
    // Number of animation frames (frames announced by a graphic control
    // extension); -1 for other pictures, 0 for a GIF without any.
    int FrameCount();
    // One-based number of the frame shown.
    int Frame() const noexcept { return FFrame; }
    void SetFrame(int Value);
    // Delay of frame I (one-based) in hundredths of a second; -1 when there is no such frame.
    int FrameTime(int I);
    void FrameNext();
    void FramePrev();
    // One animation tick of a tenth of a second; True when the picture moved to another frame.
    bool Step();

    // The logical screen of a GIF, else the picture's own size; 0 when nothing is decoded.
    int MaxWidth() const;
    int MaxHeight() const;
    std::uint16_t FrameXPos() const noexcept { return FFrameXPos; }
    std::uint16_t FrameYPos() const noexcept { return FFrameYPos; }
    std::uint16_t FrameXSize() const noexcept { return FFrameXSize; }
    std::uint16_t FrameYSize() const noexcept { return FFrameYSize; }
    // Of the frame last asked for its time.
    bool FrameTransparent() const noexcept { return FFrameTransp; }
    std::uint16_t FrameDisposal() const noexcept { return FFrameDisposal; }

    TNotifyEvent OnFrameChange;
    // Kept for stored forms; no download ever raises them.
    TNotifyEvent OnDownLoadProgress;
    TNotifyEvent OnDownLoadCancel;
    TNotifyEvent OnDownLoadComplete;
    TNotifyEvent OnDownLoadError;

private:
    void LoadData(TStream& Stream);
    void DecodeCurrentFrame();
    void ForgetDecoded();
    const render::TGifLayout& GifLayout();
    void StartDownload();

    std::unique_ptr<TMemoryStream> FDatastream;
    std::unique_ptr<TGraphic> FDecoded;
    std::unique_ptr<render::TGifLayout> FGifLayout;
    bool FIsEmpty = true;
    bool FStretched = false;
    std::string FURL;
    std::string FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    std::uint16_t FFrameXPos = 0;
    std::uint16_t FFrameYPos = 0;
    std::uint16_t FFrameXSize = 0;
    std::uint16_t FFrameYSize = 0;
    bool FFrameTransp = false;
    std::uint16_t FFrameDisposal = 0;
    std::uint16_t FAnimMaxX = 0;
    std::uint16_t FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};

// Pictures the renderer loaded from addresses, owned and found by address.
class THTMLPictureCache : public TObject {
    VISTRA_CLASS(THTMLPictureCache, TObject)

    THTMLPictureCache() = default;
    ~THTMLPictureCache() override;

    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index outside 0..Count-1.
    THTMLPicture* Items(int Index) const;
    THTMLPicture* AddPicture();
    // The first picture whose ID equals ID exactly; nullptr when none.
    THTMLPicture* FindPicture(const std::string& ID) const;
    void ClearPictures();
    // Steps every picture; True when any of them changed frame.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

// One named picture of a picture container.
class TPictureItem : public TCollectionItem {
    VISTRA_CLASS(TPictureItem, TCollectionItem)

    explicit TPictureItem(TCollection* Collection);
    ~TPictureItem() override;

    void Assign(const TPersistent* Source) override;

    THTMLPicture* Picture() const noexcept { return FPicture.get(); }
    // Copies Value into the item's own picture.
    void SetPicture(const THTMLPicture* Value);
    int Tag() const noexcept { return FTag; }
    void SetTag(int Value) noexcept { FTag = Value; }
    const std::string& Name() const noexcept { return FName; }
    void SetName(const std::string& Value) { FName = Value; }

private:
    std::unique_ptr<THTMLPicture> FPicture;
    int FTag = 0;
    std::string FName;
};

class TPictureContainer;

class TPictureCollection : public TCollection {
    VISTRA_CLASS(TPictureCollection, TCollection)

    explicit TPictureCollection(TPictureContainer* AOwner);
    ~TPictureCollection() override;

    TPictureItem* Add();
    TPictureItem* Insert(int Index);
    TPictureItem* Items(int Index) const;
    // Steps every item's picture; True when any of them changed frame.
    bool Animate();

protected:
    TPersistent* GetOwner() const override;

private:
    TPictureContainer* FOwner;
};

// Named pictures designed into a form, found by name without regard to case.
class TPictureContainer : public TComponent {
    VISTRA_CLASS(TPictureContainer, TComponent)

    explicit TPictureContainer(TComponent* AOwner);
    ~TPictureContainer() override;

    TPictureCollection* Items() const noexcept { return FItems.get(); }
    // Copies the items of Value into the container's own collection.
    void SetItems(const TPictureCollection* Value);
    // "1.0.0.0"; the version cannot be set.
    std::string Version() const;
    void SetVersion(const std::string&) {}

    // The picture of the first item named s (case ignored); nullptr when none.
    virtual THTMLPicture* FindPicture(const std::string& s) const;

private:
    std::unique_ptr<TPictureCollection> FItems;
};
