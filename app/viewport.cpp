#include "viewport.h"

#include <GL/gl.h>

#include "globals.h"

namespace {

CLayoutFit g_Fit;

}  // namespace

void OnReshape(int width, int height)
{
    g_Fit = CLayoutFit(width, height);
    // A game at rest redraws only what changed: the new size changes all.
    g_Frames.Changed();
}

const CLayoutFit& CurrentFit()
{
    return g_Fit;
}

void SetLayoutViewport(int x, int y, int width, int height)
{
    const PixelRect r = g_Fit.ToWindow({x, y, width, height});
    glViewport(r.x, r.y, r.width, r.height);
}

void SetLayoutScissor(int x, int y, int width, int height)
{
    const PixelRect r = g_Fit.ToWindow(ClipToLayout({x, y, width, height}));
    glScissor(r.x, r.y, r.width, r.height);
}

PixelPoint PointerInLayout(int x, int y)
{
    return g_Fit.ToLayout({x, y});
}
