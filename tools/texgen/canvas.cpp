#include "canvas.h"

#include "fonts.h"

#include <cmath>

CCanvas::CCanvas(int pixelWidth, int pixelHeight, double logicalWidth, double logicalHeight)
    : m_pSurface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixelWidth, pixelHeight)),
      m_pContext(cairo_create(m_pSurface)),
      m_nPixelWidth(pixelWidth),
      m_nPixelHeight(pixelHeight),
      m_dWidth(logicalWidth),
      m_dHeight(logicalHeight)
{
    cairo_scale(m_pContext, pixelWidth / logicalWidth, pixelHeight / logicalHeight);
    ApplyFixedFontOptions(m_pContext);
    cairo_set_line_join(m_pContext, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(m_pContext, CAIRO_LINE_CAP_ROUND);
}

CCanvas::~CCanvas()
{
    cairo_destroy(m_pContext);
    cairo_surface_destroy(m_pSurface);
}

void CCanvas::Finish() const
{
    cairo_surface_flush(m_pSurface);
}

void CCanvas::Pixel(int x, int y, uint8_t rgb[3]) const
{
    const unsigned char* row =
        cairo_image_surface_get_data(m_pSurface) + y * cairo_image_surface_get_stride(m_pSurface);
    const uint32_t xrgb = reinterpret_cast<const uint32_t*>(row)[x];
    rgb[0] = static_cast<uint8_t>(xrgb >> 16);
    rgb[1] = static_cast<uint8_t>(xrgb >> 8);
    rgb[2] = static_cast<uint8_t>(xrgb);
}

void SetColour(cairo_t* cr, const CColour& colour)
{
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, const CColour& colour)
{
    SetColour(cr, colour);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}
