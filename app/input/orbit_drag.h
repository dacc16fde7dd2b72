// How a left drag turns the camera: half a degree per pixel, the azimuth
// kept within -180..180 and the elevation kept between the board and the
// zenith by falling back on the last accepted one.
#pragma once

struct OrbitAngles {
    float azimuth;
    float elevation;
};

OrbitAngles DragOrbit(OrbitAngles angles, int dx, int dy, float& lastElevation);
