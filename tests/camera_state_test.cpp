// The camera's angles and up vector, which need no OpenGL context.
#include <gtest/gtest.h>

#include <cmath>

#include "camera.h"
#include "geometry_expect.h"

// The angles UpdateAngles finds for an eye at a distance from the origin,
// and the up vector UpdateUp then gives; the eye does not move.
TEST(CameraState, AnglesFollowTheEyeAndUpFollowsTheAngles)
{
    const float half = std::sqrt(0.5f);
    const struct {
        CVector eye;
        float distance, azimuth, elevation;
        CVector up;
    } cases[] = {
        {{0, 0, 5}, 5, 0, 0, {0, 1, 0}},          {{0, 5, 0}, 5, 0, 90, {0, 0, -1}},
        {{3, 0, 0}, 3, 90, 0, {0, 1, 0}},         {{-4, 4, 0}, 4 / half, -90, 45, {half, half, 0}},
        {{0, 0, 0}, 0, 0, 0, {0, 1, 0}},          // no distance, no direction
        {{0, 5.0001f, 0}, 5, 0, 90, {0, 0, -1}},  // a hair short must not take asin past 1
    };
    for (const auto& c : cases) {
        CCamera camera;
        camera.m_vEye = c.eye;
        camera.m_fDistance = c.distance;
        camera.m_Angles = CVector2(7, 7);
        camera.UpdateAngles();
        camera.UpdateUp();
        SCOPED_TRACE(testing::Message() << c.eye.x << " " << c.eye.y << " " << c.eye.z);
        EXPECT_NEAR(camera.m_Angles.x, c.azimuth, 1e-4f);
        EXPECT_NEAR(camera.m_Angles.y, c.elevation, 1e-4f);
        ExpectVector(camera.m_vUp, c.up.x, c.up.y, c.up.z);
        ExpectVector(camera.GetEye(), c.eye.x, c.eye.y, c.eye.z);
    }
}
