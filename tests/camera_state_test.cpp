// The camera's state changes that need no OpenGL context.
#include <gtest/gtest.h>

#include <cmath>

#include "camera.h"
#include "geometry_expect.h"

namespace {

constexpr float kTolerance = 1e-4f;

// The orientation the game gives its view from above the board.
CQuaternion LookingDown()
{
    return CQuaternion(0, -0.70710677f, -0.70710677f, 0);
}

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
}

TEST(CameraState, UpdateAnglesStaysFiniteWhenTheDistanceIsStale)
{
    CCamera camera;
    camera.m_vEye = CVector(0, 5.0001f, 0);
    camera.m_vTarget = CVector(0, 0, 0);
    camera.m_fDistance = 5;  // a hair short of the real distance
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

TEST(CameraState, FlyInterpolatesPositionAndEndsTheFlight)
{
    CCamera camera;
    camera.m_qFrom = CQuaternion(0, 0, 0, 1);
    camera.m_qTo = LookingDown();
    camera.m_vFrom = CVector(0, 0, 5);
    camera.m_vTo = CVector(0, 27, 0);
    camera.m_bUseMatrix = true;

    float x, y, z;
    camera.Fly(0);
    camera.EyeFromMatrix(x, y, z);
    ExpectVector(CVector(x, y, z), 0, 0, 5);
    // The start view: no rotation, the world moved 5 away from the eye.
    EXPECT_NEAR(camera.m_View[14], -5.0f, kTolerance);
    EXPECT_NEAR(camera.m_View[0], 1.0f, kTolerance);

    camera.Fly(0.5f);
    camera.EyeFromMatrix(x, y, z);
    ExpectVector(CVector(x, y, z), 0, 13.5f, 2.5f);
    EXPECT_TRUE(camera.m_bUseMatrix);

    camera.Fly(1);
    EXPECT_FALSE(camera.m_bUseMatrix);
    camera.EyeFromMatrix(x, y, z);
    ExpectVector(CVector(x, y, z), 0, 27, 0);
    // Looking down: the eye's forward axis (-z of the view) is the world's -y.
    EXPECT_NEAR(camera.m_View[6], 1.0f, kTolerance);
}
