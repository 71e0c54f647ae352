// Device contexts over PDF documents: the printer's pages.
#include "platform/graphics/DeviceContext.h"

#include "platform/graphics/GdiState.h"

#include <cairo-pdf.h>
#include <cairo.h>

using namespace graphics;

HDC CreatePdfDocumentDC(const std::string& FileName, int Width, int Height, int PixelsPerInch)
{
    if (Width <= 0 || Height <= 0 || PixelsPerInch <= 0) return nullptr;
    const double pointsPerDot = 72.0 / PixelsPerInch;
    const CairoSurfacePtr surface(cairo_pdf_surface_create(FileName.empty() ? nullptr : FileName.c_str(), Width * pointsPerDot, Height * pointsPerDot));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    // Drawing counts in the printer's dots; the document counts in points.
    cairo_surface_set_device_scale(surface.get(), pointsPerDot, pointsPerDot);
    return new TDeviceContext(surface.get(), Width, Height, PixelsPerInch);
}

bool NextPageDC(HDC DC)
{
    if (!DC || DC->DirectPixels) return false;
    cairo_show_page(DC->Cr);
    return cairo_status(DC->Cr) == CAIRO_STATUS_SUCCESS;
}

std::string EndDocumentDC(HDC DC)
{
    if (!DC || DC->DirectPixels) return "not a document";
    // The document leaves out a last page nothing was drawn on; a page the job started stays.
    cairo_save(DC->Cr);
    cairo_set_source_rgb(DC->Cr, 1, 1, 1); // paper white: nothing shows
    cairo_rectangle(DC->Cr, 0, 0, 1, 1);
    cairo_fill(DC->Cr);
    cairo_restore(DC->Cr);
    cairo_surface_flush(DC->Surface);
    cairo_surface_finish(DC->Surface);
    cairo_status_t status = cairo_status(DC->Cr);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(DC->Surface);
    return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
}
