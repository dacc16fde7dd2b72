// The camera's angles and up vector, which need no OpenGL context.
#include <gtest/gtest.h>

#include <cmath>

#include "camera.h"
#include "geometry_expect.h"

// The angles UpdateAngles finds for an eye (the target is the origin), and
// the up vector UpdateUp then gives; the eye does not move.
TEST(CameraState, AnglesFollowTheEyeAndUpFollowsTheAngles)
{
    const float half = std::sqrt(0.5f);
    const struct {
        CVector eye;
        float azimuth, elevation;
        CVector up;
    } cases[] = {
        {{0, 0, 5}, 0, 0, {0, 1, 0}},
        {{0, 5, 0}, 0, 90, {0, 0, -1}},
        {{3, 0, 0}, 90, 0, {0, 1, 0}},
        {{-4, 4, 0}, -90, 45, {half, half, 0}},
        {{0, 0, 0}, 0, 0, {0, 1, 0}},         // no distance, no direction
    };
    for (const auto& c : cases) {
        CCamera camera;
        camera.m_vEye = c.eye;
        camera.SetTarget(CVector(0, 0, 0));
        camera.m_Angles = CVector2(7, 7);
        camera.UpdateAngles();
        camera.UpdateUp();
        SCOPED_TRACE(testing::Message() << c.eye.x << " " << c.eye.y << " " << c.eye.z);
        EXPECT_NEAR(camera.m_Angles.x, c.azimuth, 1e-4f);
        EXPECT_NEAR(camera.m_Angles.y, c.elevation, 1e-4f);
        ExpectVector(camera.m_vUp, c.up.x, c.up.y, c.up.z);
        ExpectVector(camera.GetEye(), c.eye.x, c.eye.y, c.eye.z);
    }
    // A distance a hair short of the real one must not take asin past 1.
    CCamera camera;
    camera.m_vEye = CVector(0, 5.0001f, 0);
    camera.m_vTarget = CVector(0, 0, 0);
    camera.m_fDistance = 5;
    camera.UpdateAngles();
    EXPECT_NEAR(camera.m_Angles.y, 90.0f, 1e-4f);
}
