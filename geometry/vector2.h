// A pair of floats: the camera's azimuth and elevation in degrees, or a
// position on the board plane.
#pragma once

class CVector2 {
public:
    float x, y;

    CVector2() = default;
    CVector2(float fx, float fy) : x(fx), y(fy) {}

    CVector2 operator*(float s) const { return CVector2(x * s, y * s); }
};
