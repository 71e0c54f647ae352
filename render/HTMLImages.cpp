// Images of the HTML markup: IMG tags (image lists, named and addressed pictures), BODY backgrounds, and the
// bitmap and icon drawing they use.
#include "render/HTMLImages.h"

#include "render/HTMLUtils.h"
#include "render/PictureContainer.h"
#include "render/HTMLTags.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Strings.h"

#include <cmath>
#include <filesystem>

using render::HTMLTagAttribute;

namespace {


// A size in 96-dpi pixels as device pixels of the canvas.
TSize ScaleToDevice(TCanvas& canvas, int width, int height)
{
    HDC dc = canvas.Handle();
    return {width * GetDeviceCaps(dc, LOGPIXELSX) / ScreenPixelsPerInch,
            height * GetDeviceCaps(dc, LOGPIXELSY) / ScreenPixelsPerInch};
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

THTMLPicture* ContainerPicture(const std::string& name, const TPictureContainer* container)
{
    return container ? container->FindPicture(name) : nullptr;
}

// The cache's picture for an address, loaded on first use. An address whose
// bytes do not decode stays in the cache as an empty picture, so it is not read again.
THTMLPicture* CachePicture(const std::string& address, THTMLPictureCache* cache)
{
    if (!cache) return nullptr;
    if (THTMLPicture* known = cache->FindPicture(address)) return known;
    THTMLPicture* picture = cache->AddPicture();
    picture->SetAsynch(false);
    picture->SetID(address);
    try {
        picture->LoadFromURL(address);
    } catch (const Exception&) {
        picture->Assign(nullptr);
    }
    return picture;
}

// A picture that can be shown: loaded, decoded and of some size.
bool Showable(const THTMLPicture* picture)
{
    return picture && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0;
}

int RoundScaled(int size, double scale) { return static_cast<int>(std::lround(size * scale)); }

} // namespace

void DrawSystemIcon(TCanvas&, int, int, TSize& Size, double, bool, bool, bool, const std::string&)
{
    // There is no system image list to take icons from.
    Size = {0, 0};
}

void StretchBitmapToRect(TCanvas& Canvas, const TRect& Rect, TBitmap& Bitmap)
{
    if (Bitmap.Width() <= 0 || Bitmap.Height() <= 0) return;
    HDC source = CreateBitmapDC(Bitmap);
    StretchBlt(Canvas.Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, Bitmap.Width(),
               Bitmap.Height(), SRCCOPY);
    DeleteDC(source);
}

bool IsDirectory(const std::string& Path)
{
    std::error_code error;
    return std::filesystem::is_directory(Path, error);
}

namespace render {

namespace {

struct TImageItem {
    TSize Size;
    THTMLPicture* Picture = nullptr;
};

void DrawListImage(const THTMLInlinePass& pass, const THTMLImageSources& sources, int index)
{
    TCanvas& canvas = *pass.Canvas;
    if (!sources.Printing) {
        sources.Images->Draw(&canvas, pass.DrawX, pass.Top, index, true);
        return;
    }
    TBitmap bitmap;
    sources.Images->GetBitmap(index, &bitmap);
    StretchBitmapToRect(canvas,
                        TRect{pass.DrawX, pass.Top, pass.DrawX + RoundScaled(sources.Images->Width(), sources.PrintScale),
                              pass.Top + RoundScaled(sources.Images->Height(), sources.PrintScale)},
                        bitmap);
}

// The sources are tried in turn on what the earlier tests left of the name, and the last that applies wins.
TImageItem ResolveSource(const THTMLInlinePass& pass, const THTMLImageSources& sources, std::string source)
{
    TImageItem item;
    if (Contains(UpperCase(source), "IDX:")) {
        source.erase(0, 4);
        int index = TextToIntLoose(source);
        const TImageList* list = sources.Images;
        if (list && index >= 0 && index < list->Count()) {
            item.Size = ScaleToDevice(*pass.Canvas, list->Width(), list->Height());
            if (pass.Painting) DrawListImage(pass, sources, index);
        }
    }
    for (bool large : {false, true}) {
        if (!Contains(UpperCase(source), large ? "LSYS:" : "SSYS:")) continue;
        source.erase(0, 5);
        TSize icon;
        DrawSystemIcon(*pass.Canvas, pass.DrawX, pass.Top, icon, sources.PrintScale, sources.Printing, pass.Painting,
                       large, source);
        item.Size = ScaleToDevice(*pass.Canvas, icon.cx, icon.cy);
    }
    if (!Contains(source, ":")) item.Picture = ContainerPicture(source, sources.Container);
    if (Contains(source, "://") && sources.Cache) item.Picture = CachePicture(source, sources.Cache);
    return item;
}

TSize DisplaySize(const THTMLPicture& picture, int width, int height)
{
    const int pw = picture.Width();
    const int ph = picture.Height();
    if (width > 0 && height > 0) return {width, height};
    if (width > 0) return {width, static_cast<int>(std::lround(double(ph) * width / pw))};
    if (height > 0) return {static_cast<int>(std::lround(double(pw) * height / ph)), height};
    return {pw, ph};
}

void DrawPicture(const THTMLInlinePass& pass, const THTMLImageSources& sources, THTMLPicture& picture,
                 bool requested, TSize display)
{
    TCanvas& canvas = *pass.Canvas;
    if (requested) {
        picture.SetStretch(true);
        canvas.StretchDraw(TRect{pass.DrawX, pass.Top, pass.DrawX + display.cx, pass.Top + display.cy}, &picture);
        return;
    }
    if (picture.FrameCount() > 1) {
        // Each frame comes composed over the earlier ones at the size of the
        // whole animation, so it is drawn at the animation's origin after
        // clearing the animation's rectangle.
        const TColor penColor = canvas.Pen()->Color();
        const TColor brushColor = canvas.Brush()->Color();
        const TBrushStyle brushStyle = canvas.Brush()->Style();
        canvas.Pen()->SetColor(sources.EntryBrushColor);
        canvas.Brush()->SetColor(sources.EntryBrushColor);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Rectangle(pass.DrawX, pass.Top, pass.DrawX + picture.MaxWidth(), pass.Top + picture.MaxHeight());
        // The text after the image keeps the line's pen and brush.
        canvas.Pen()->SetColor(penColor);
        canvas.Brush()->SetColor(brushColor);
        canvas.Brush()->SetStyle(brushStyle);
    }
    canvas.Draw(pass.DrawX, pass.Top, &picture);
}

void ApplyAlignment(const THTMLInlinePass& pass, std::string_view tag, int& lift)
{
    auto align = HTMLTagAttribute(tag, "ALIGN");
    if (!align) return;
    const std::string value = UpperCase(*align);
    const int textHeight = pass.Canvas->TextHeight("gh");
    if (value.starts_with("TOP"))
        lift = pass.LineHeight - textHeight;
    else if (value.starts_with("MIDDLE"))
        lift = (pass.LineHeight - textHeight) / 2;
}

} // namespace

void LayoutHTMLImage(THTMLInlinePass& Pass, THTMLItemCallState& Call, const THTMLImageSources& Sources,
                     const THTMLLinkState& Link, std::string_view Tag, int& BaselineLift)
{
    ++Call.ImageCounter;
    std::string source = HTMLTagAttribute(Tag, "SRC").value_or("");
    // The ALT picture shows while the point lies on this (linked) image.
    if (auto alt = HTMLTagAttribute(Tag, "ALT"); alt && Call.ImageCounter == Call.ImageHit) source = *alt;
    const int width = TextToIntLoose(HTMLTagAttribute(Tag, "WIDTH").value_or(""));
    const int height = TextToIntLoose(HTMLTagAttribute(Tag, "HEIGHT").value_or(""));
    const bool requested = width > 0 || height > 0;

    TImageItem item = ResolveSource(Pass, Sources, source);
    if (Showable(item.Picture)) {
        const TSize display = DisplaySize(*item.Picture, width, height);
        item.Size = requested ? ScaleToDevice(*Pass.Canvas, display.cx, display.cy)
                              : ScaleToDevice(*Pass.Canvas, item.Picture->MaxWidth(), item.Picture->MaxHeight());
        if (Pass.Painting) DrawPicture(Pass, Sources, *item.Picture, requested, display);
    }

    const int pointX = Pass.Point.X - Pass.Left;
    if (Link.InLink && Pass.X < pointX && pointX < Pass.X + item.Size.cx && Pass.Top < Pass.Point.Y &&
        Pass.Point.Y < Pass.Top + item.Size.cy) {
        Pass.ItemHit = true;
        Call.LinkValue = Link.Href;
        Call.LinkTitle = Link.Title;
        Call.ImageHit = Call.ImageCounter;
    }

    if (Pass.X + item.Size.cx > Pass.AvailableWidth && item.Size.cx < Pass.AvailableWidth) {
        Pass.Wrap = true;
        return;
    }
    Pass.X += item.Size.cx;
    Pass.DrawX += item.Size.cx;
    Pass.LineHeight = std::max(Pass.LineHeight, item.Size.cy);
    ApplyAlignment(Pass, Tag, BaselineLift);
}

void DrawHTMLBackground(TCanvas& Canvas, const TRect& Bounds, std::string_view Background,
                        const TPictureContainer* Container, THTMLPictureCache* Cache)
{
    const std::string name(Background);
    THTMLPicture* picture = nullptr;
    if (!Contains(name, ":"))
        picture = ContainerPicture(name, Container);
    else if (Contains(name, "://"))
        picture = CachePicture(name, Cache);
    if (!Showable(picture)) return;

    const int width = picture->Width();
    const int height = picture->Height();
    HDC dc = Canvas.Handle();
    // The caller's own clip comes back afterwards.
    HRGN saved = CreateRectRgn(0, 0, 0, 0);
    const bool hadClip = GetClipRgn(dc, saved) == 1;
    IntersectClipRect(dc, Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom);
    for (int y = Bounds.Top; y < Bounds.Bottom; y += height)
        for (int x = Bounds.Left; x < Bounds.Right; x += width) Canvas.Draw(x, y, picture);
    SelectClipRgn(dc, hadClip ? saved : nullptr);
    DeleteObject(saved);
}

} // namespace render
