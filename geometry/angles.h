// Angle conversions and the sign test shared by the camera and the scene.
#pragma once

#include <cmath>

// The one degree-to-radian factor; radian-to-degree conversions divide by it.
constexpr float DEG2RAD = 0.017453292f;

inline float DegToRad(float a)
{
    return a * DEG2RAD;
}

inline float RadToDeg(float a)
{
    return a * 57.29578f;
}

// -1 whenever the sign bit is set, so negative zero counts as negative.
inline int Sign(float a)
{
    return std::signbit(a) ? -1 : 1;
}
