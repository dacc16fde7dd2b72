// An opaque picture drawn with Cairo in units that suit the quad it will be
// mapped on: the picture's pixel size is a power of two, while its logical
// width and height keep the proportions the player sees, so that nothing
// looks squeezed once the texture is stretched over the quad.
#pragma once

#include <cairo.h>

#include <cstdint>

struct CColour {
    double r, g, b;
};

class CCanvas {
public:
    CCanvas(int pixelWidth, int pixelHeight, double logicalWidth, double logicalHeight);
    virtual ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    cairo_t* Cr() const { return m_pContext; }
    double Width() const { return m_dWidth; }
    double Height() const { return m_dHeight; }
    int PixelWidth() const { return m_nPixelWidth; }
    int PixelHeight() const { return m_nPixelHeight; }

    // Ends the drawing; call before reading pixels.
    void Finish() const;
    // Red, green and blue of a pixel, rows counted from the top.
    void Pixel(int x, int y, uint8_t rgb[3]) const;

private:
    cairo_surface_t* m_pSurface;
    cairo_t* m_pContext;
    int m_nPixelWidth;
    int m_nPixelHeight;
    double m_dWidth;
    double m_dHeight;
};

void SetColour(cairo_t* cr, const CColour& colour);
void FillRect(cairo_t* cr, double x, double y, double w, double h, const CColour& colour);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
