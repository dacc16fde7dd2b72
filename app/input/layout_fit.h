// The game is laid out on a fixed 800 x 600 drawing area. A window of any
// other size shows that whole area scaled evenly to fit, centred, with black
// bars where the window's shape is not 4:3. Every viewport and scissor box
// is scaled out to the window, and every pointer position is mapped back to
// the drawing area, through this one mapping.
#pragma once

constexpr int kLayoutWidth = 800;
constexpr int kLayoutHeight = 600;

// A rectangle in pixels, origin at the bottom left (the OpenGL convention).
struct PixelRect {
    int x, y, width, height;
};

// A point in pixels, origin at the top left (the pointer convention).
struct PixelPoint {
    int x, y;
};

// The part of a rectangle that lies on the drawing area: scissor boxes wider
// than the area would otherwise reach into the bars.
PixelRect ClipToLayout(const PixelRect& layout);

class CLayoutFit {
public:
    CLayoutFit() = default;
    CLayoutFit(int windowWidth, int windowHeight);

    float Scale() const { return m_fScale; }
    // The drawing area as it lies in the window.
    PixelRect Area() const;
    // A rectangle of the drawing area (bottom-left origin) in the window.
    PixelRect ToWindow(const PixelRect& layout) const;
    // A pointer position in the window to the drawing area; points on the
    // bars fall outside 0..799 x 0..599.
    PixelPoint ToLayout(const PixelPoint& window) const;

private:
    int Scaled(int layout) const;

    float m_fScale = 1.0f;
    int m_nLeft = 0;
    int m_nBottom = 0;
    int m_nTop = 0;
};
