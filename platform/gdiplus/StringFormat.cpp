// String formats: alignment, wrapping, trimming and hot-key prefixes of drawn text.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"

#include <new>

namespace {

bool validAlignment(StringAlignment align) { return align >= StringAlignmentNear && align <= StringAlignmentFar; }

} // namespace

Status GdipCreateStringFormat(int formatAttributes, int language, GpStringFormat** format)
{
    if (!format) return InvalidParameter;
    *format = new (std::nothrow) GpStringFormat;
    if (!*format) return OutOfMemory;
    (*format)->Flags = formatAttributes;
    (*format)->Language = language;
    return Ok;
}

Status GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** newFormat)
{
    if (!format || !newFormat) return InvalidParameter;
    *newFormat = new (std::nothrow) GpStringFormat(*format);
    return *newFormat ? Ok : OutOfMemory;
}

Status GdipDeleteStringFormat(GpStringFormat* format)
{
    if (!format) return InvalidParameter;
    delete format;
    return Ok;
}

Status GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align)
{
    if (!format || !validAlignment(align)) return InvalidParameter;
    format->Align = align;
    return Ok;
}

Status GdipGetStringFormatAlign(GpStringFormat* format, StringAlignment* align)
{
    return gdiplus::ReadOut(format, align, &GpStringFormat::Align);
}

Status GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align)
{
    if (!format || !validAlignment(align)) return InvalidParameter;
    format->LineAlign = align;
    return Ok;
}

Status GdipGetStringFormatLineAlign(GpStringFormat* format, StringAlignment* align)
{
    return gdiplus::ReadOut(format, align, &GpStringFormat::LineAlign);
}

Status GdipSetStringFormatFlags(GpStringFormat* format, int flags)
{
    if (!format) return InvalidParameter;
    format->Flags = flags;
    return Ok;
}

Status GdipGetStringFormatFlags(GpStringFormat* format, int* flags)
{
    return gdiplus::ReadOut(format, flags, &GpStringFormat::Flags);
}

Status GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming)
{
    if (!format || trimming < StringTrimmingNone || trimming > StringTrimmingEllipsisPath) return InvalidParameter;
    format->Trimming = trimming;
    return Ok;
}

Status GdipGetStringFormatTrimming(GpStringFormat* format, StringTrimming* trimming)
{
    return gdiplus::ReadOut(format, trimming, &GpStringFormat::Trimming);
}

Status GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, int hotkeyPrefix)
{
    if (!format || hotkeyPrefix < HotkeyPrefixNone || hotkeyPrefix > HotkeyPrefixHide) return InvalidParameter;
    format->HotkeyPrefix = hotkeyPrefix;
    return Ok;
}

Status GdipGetStringFormatHotkeyPrefix(GpStringFormat* format, int* hotkeyPrefix)
{
    return gdiplus::ReadOut(format, hotkeyPrefix, &GpStringFormat::HotkeyPrefix);
}
