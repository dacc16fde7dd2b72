// A point or a movement in window pixels, origin at the top left of the
// drawing area, y growing downwards as GLUT reports it.
#pragma once

class CMouse {
public:
    int m_nX, m_nY;

    // Leaves the fields as they are; the program-wide points start at zero.
    CMouse() = default;
    CMouse(int x, int y) : m_nX(x), m_nY(y) {}
};
