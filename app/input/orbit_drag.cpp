#include "orbit_drag.h"

namespace {

constexpr float kDegreesPerPixel = 0.5f;

float Wrap(float angle)
{
    if (angle > 180.0f)
        return angle - 360.0f;
    if (angle < -180.0f)
        return angle + 360.0f;
    return angle;
}

}  // namespace

OrbitAngles DragOrbit(OrbitAngles angles, int dx, int dy, float& lastElevation)
{
    angles.azimuth = Wrap(angles.azimuth + dx * kDegreesPerPixel);
    angles.elevation = Wrap(angles.elevation + dy * kDegreesPerPixel);
    if (angles.elevation < 0.0f || angles.elevation > 90.0f)
        angles.elevation = lastElevation;
    lastElevation = angles.elevation;
    return angles;
}
