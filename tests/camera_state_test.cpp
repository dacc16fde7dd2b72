// The camera's state changes that need no OpenGL context.
#include <gtest/gtest.h>

#include <cmath>

#include "camera.h"
#include "geometry_expect.h"

namespace {

constexpr float kTolerance = 1e-4f;

}  // namespace

TEST(CameraState, NewCamera)
{
    const CCamera camera;
    ExpectVector(camera.GetEye(), 0, 0, 5);
    ExpectVector(camera.GetTarget(), 0, 0, 0);
    ExpectVector(camera.m_vUp, 0, 1, 0);
    EXPECT_EQ(camera.m_fDistance, 5.0f);
    EXPECT_EQ(camera.m_Angles.x, 0.0f);
    EXPECT_EQ(camera.m_Angles.y, 0.0f);
    EXPECT_FALSE(camera.m_bUseMatrix);
}

TEST(CameraState, UpdateAngles)
{
    CCamera camera;
    camera.m_vEye = CVector(0, 5, 0);
    camera.SetTarget(CVector(0, 0, 0));
    camera.UpdateAngles();
    EXPECT_NEAR(camera.m_Angles.x, 0.0f, kTolerance);
    EXPECT_NEAR(camera.m_Angles.y, 90.0f, kTolerance);

    camera.m_vEye = CVector(3, 0, 0);
    camera.SetTarget(CVector(0, 0, 0));
    camera.UpdateAngles();
    EXPECT_NEAR(camera.m_Angles.x, 90.0f, kTolerance);
    EXPECT_NEAR(camera.m_Angles.y, 0.0f, kTolerance);

    camera.SetTarget(camera.m_vEye);
    EXPECT_EQ(camera.m_fDistance, 0.0f);
    camera.UpdateAngles();
    EXPECT_EQ(camera.m_Angles.x, 0.0f);
    EXPECT_EQ(camera.m_Angles.y, 0.0f);

    // A distance a hair short of the real one must not take asin past 1.
    camera.m_vEye = CVector(0, 5.0001f, 0);
    camera.m_vTarget = CVector(0, 0, 0);
    camera.m_fDistance = 5;
    camera.UpdateAngles();
    EXPECT_NEAR(camera.m_Angles.y, 90.0f, kTolerance);
}

TEST(CameraState, UpdateUpFollowsTheAngles)
{
    CCamera camera;
    camera.m_Angles = CVector2(0, 90);
    camera.UpdateUp();
    ExpectVector(camera.m_vUp, 0, 0, -1);
    camera.m_Angles = CVector2(90, 90);
    camera.UpdateUp();
    ExpectVector(camera.m_vUp, -1, 0, 0);
    camera.m_Angles = CVector2(-90, 45);
    camera.UpdateUp();
    ExpectVector(camera.m_vUp, std::sqrt(0.5f), std::sqrt(0.5f), 0);
    ExpectVector(camera.GetEye(), 0, 0, 5);  // the eye does not move

    camera.SetTarget(camera.GetEye());  // distance 0 still gives a unit up
    camera.UpdateUp();
    EXPECT_NEAR(camera.m_vUp.Length(), 1.0f, kTolerance);
}
