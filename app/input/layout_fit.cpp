#include "layout_fit.h"

#include <algorithm>
#include <cmath>

PixelRect ClipToLayout(const PixelRect& r)
{
    const int x0 = std::clamp(r.x, 0, kLayoutWidth);
    const int y0 = std::clamp(r.y, 0, kLayoutHeight);
    const int x1 = std::clamp(r.x + r.width, 0, kLayoutWidth);
    const int y1 = std::clamp(r.y + r.height, 0, kLayoutHeight);
    return {x0, y0, x1 - x0, y1 - y0};
}

CLayoutFit::CLayoutFit(int windowWidth, int windowHeight)
{
    if (windowWidth <= 0 || windowHeight <= 0)
        return;
    m_fScale = std::min(float(windowWidth) / kLayoutWidth, float(windowHeight) / kLayoutHeight);
    m_nLeft = (windowWidth - Scaled(kLayoutWidth)) / 2;
    m_nBottom = (windowHeight - Scaled(kLayoutHeight)) / 2;
    m_nTop = windowHeight - m_nBottom - Scaled(kLayoutHeight);
}

int CLayoutFit::Scaled(int layout) const
{
    return static_cast<int>(std::lround(layout * m_fScale));
}

PixelRect CLayoutFit::Area() const
{
    return ToWindow({0, 0, kLayoutWidth, kLayoutHeight});
}

// Both edges are scaled, not the width, so that neighbouring panes still
// meet exactly after rounding.
PixelRect CLayoutFit::ToWindow(const PixelRect& layout) const
{
    const int x = Scaled(layout.x);
    const int y = Scaled(layout.y);
    return {m_nLeft + x, m_nBottom + y, Scaled(layout.x + layout.width) - x,
            Scaled(layout.y + layout.height) - y};
}

PixelPoint CLayoutFit::ToLayout(const PixelPoint& window) const
{
    const auto back = [this](int pixels) {
        return static_cast<int>(std::floor((pixels + 0.5f) / m_fScale));
    };
    return {back(window.x - m_nLeft), back(window.y - m_nTop)};
}
