// Wrappers of font families, fonts and string formats: each operation forwards to the flat API and keeps its status.
#include "render/QuillGDIPText.h"

#include "platform/gdiplus/GdiPlusFlat.h"

using render::NativeOf;

TGPFontFamily::TGPFontFamily(std::string_view name, const TGPFontCollection* fontCollection)
{
    lastResult = GdipCreateFontFamilyFromName(name, NativeOf(fontCollection), &nativeFamily);
}

TGPFontFamily::~TGPFontFamily() { GdipDeleteFontFamily(nativeFamily); }

const TGPFontFamily* TGPFontFamily::Shared(std::unique_ptr<TGPFontFamily>& slot, Status (*make)(GpFontFamily**))
{
    if (!slot) {
        GpFontFamily* family = nullptr;
        Status status = make(&family);
        slot.reset(new TGPFontFamily(family, status));
    }
    return slot.get();
}

const TGPFontFamily* TGPFontFamily::GenericSansSerif()
{
    static std::unique_ptr<TGPFontFamily> family;
    return Shared(family, GdipGetGenericFontFamilySansSerif);
}

const TGPFontFamily* TGPFontFamily::GenericSerif()
{
    static std::unique_ptr<TGPFontFamily> family;
    return Shared(family, GdipGetGenericFontFamilySerif);
}

const TGPFontFamily* TGPFontFamily::GenericMonospace()
{
    static std::unique_ptr<TGPFontFamily> family;
    return Shared(family, GdipGetGenericFontFamilyMonospace);
}

TGPFont::TGPFont(const TGPFontFamily* family, float emSize, int style, Unit_ unit)
{
    lastResult = GdipCreateFont(NativeOf(family), emSize, style, unit, &nativeFont);
}

TGPFont::TGPFont(std::string_view familyName, float emSize, int style, Unit_ unit, const TGPFontCollection* fontCollection)
{
    auto fromFamily = [&](Status (*findFamily)(GpFontFamily**, std::string_view, void*)) {
        GpFontFamily* family = nullptr;
        Status status = findFamily(&family, familyName, NativeOf(fontCollection));
        if (status == Ok) status = GdipCreateFont(family, emSize, style, unit, &nativeFont);
        if (family) GdipDeleteFontFamily(family);
        return status;
    };
    lastResult = fromFamily([](GpFontFamily** family, std::string_view name, void* collection) {
        return GdipCreateFontFamilyFromName(name, collection, family);
    });
    if (lastResult != Ok)
        lastResult = fromFamily([](GpFontFamily** family, std::string_view, void*) {
            return GdipGetGenericFontFamilySansSerif(family);
        });
}

TGPFont::~TGPFont() { GdipDeleteFont(nativeFont); }

TGPStringFormat::TGPStringFormat(int formatFlags, int language)
{
    lastError = GdipCreateStringFormat(formatFlags, language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat* format)
{
    lastError = GdipCloneStringFormat(NativeOf(format), &nativeFormat);
}

TGPStringFormat::~TGPStringFormat() { GdipDeleteStringFormat(nativeFormat); }

Status TGPStringFormat::SetAlignment(StringAlignment align) { return SetStatus(GdipSetStringFormatAlign(nativeFormat, align)); }

StringAlignment TGPStringFormat::GetAlignment()
{
    return render::ReadValue(lastError, nativeFormat, GdipGetStringFormatAlign, StringAlignmentNear);
}

Status TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatLineAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    return render::ReadValue(lastError, nativeFormat, GdipGetStringFormatLineAlign, StringAlignmentNear);
}

Status TGPStringFormat::SetFormatFlags(int flags) { return SetStatus(GdipSetStringFormatFlags(nativeFormat, flags)); }

int TGPStringFormat::GetFormatFlags()
{
    return render::ReadValue(lastError, nativeFormat, GdipGetStringFormatFlags, int{});
}

Status TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipSetStringFormatTrimming(nativeFormat, trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    return render::ReadValue(lastError, nativeFormat, GdipGetStringFormatTrimming, StringTrimmingNone);
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat, hotkeyPrefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    const int prefix = render::ReadValue(lastError, nativeFormat, GdipGetStringFormatHotkeyPrefix, int(HotkeyPrefixNone));
    return static_cast<HotkeyPrefix>(prefix);
}
