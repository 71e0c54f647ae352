// The GIF picture with its animation frames and delays.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <cstdint>
#include <memory>
#include <vector>

class TGIFImage : public TGraphic {
    VISTRA_CLASS(TGIFImage, TGraphic)

    TGIFImage();
    ~TGIFImage() override;

    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FFrames.empty(); }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;

    // Frames as shown: each one composed over the earlier ones as the file's
    // disposal methods say, at the size of the logical screen.
    int FrameCount() const noexcept { return static_cast<int>(FFrames.size()); }
    const TBitmap& Frame(int Index) const;
    // How long a frame stays, in milliseconds (a GIF counts hundredths of a second).
    int FrameDelay(int Index) const;
    // How often the animation repeats: 0 for ever, 1 when the file has no loop extension.
    int LoopCount() const noexcept { return FLoopCount; }

    // The frame Draw shows; the window layer steps it with a timer to animate.
    int CurrentFrame() const noexcept { return FCurrentFrame; }
    void SetCurrentFrame(int Index);
    // Moves to the next frame, wrapping at the end, and returns its delay.
    int NextFrame();

    // Adds a frame (copied) with its delay in milliseconds.
    void AddFrame(const TBitmap& Bitmap, int DelayMs);

    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;

protected:
    void AssignTo(TPersistent* Dest) const override;

private:
    struct TFrame {
        std::unique_ptr<TBitmap> Bitmap;
        int DelayMs;
    };
    std::vector<TFrame> FFrames;
    int FWidth = 0;
    int FHeight = 0;
    int FLoopCount = 1;
    int FCurrentFrame = 0;
};
