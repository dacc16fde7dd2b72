#include "viewport.h"

#include <GL/gl.h>

void SetLayoutViewport(const CLayoutFit& fit, int x, int y, int width, int height)
{
    const PixelRect r = fit.ToWindow({x, y, width, height});
    glViewport(r.x, r.y, r.width, r.height);
}

void SetLayoutScissor(const CLayoutFit& fit, int x, int y, int width, int height)
{
    const PixelRect r = fit.ToWindow(ClipToLayout({x, y, width, height}));
    glScissor(r.x, r.y, r.width, r.height);
}
