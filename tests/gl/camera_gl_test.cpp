// The camera's operations that load matrices, checked by reading them back.
#include <GL/gl.h>

#include <cmath>

#include "camera.h"
#include "geometry_expect.h"
#include "gl_test_env.h"

namespace {

constexpr float kTolerance = 1e-4f;

CMatrix Current(GLenum which)
{
    CMatrix m;
    glGetFloatv(which, m);
    return m;
}

// The point p carried by the affine transform m.
CVector Transform(const CMatrix& m, const CVector& p)
{
    return CVector(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
                   m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
                   m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]);
}

// The modelview must be the camera's own view: the eye at the origin, the
// target straight ahead at its distance, and the up vector pointing up.
void ExpectViewOf(const CCamera& camera)
{
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    const CMatrix view = Current(GL_MODELVIEW_MATRIX);
    ExpectVector(Transform(view, camera.m_vEye), 0, 0, 0);
    ExpectVector(Transform(view, camera.m_vTarget), 0, 0, -camera.m_fDistance);
    ExpectVector(Transform(view, camera.m_vEye + camera.m_vUp), 0, 1, 0);
}

void Scramble()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glTranslatef(3, 4, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-7, 1, 2);
}

}  // namespace

using CameraGl = GlTest;

TEST_F(CameraGl, PerspectiveProjection)
{
    CCamera camera;
    Scramble();
    camera.SetProjection(500, 600, true);
    const CMatrix p = Current(GL_PROJECTION_MATRIX);
    const float f = 1 / std::tan(30 * 3.14159265f / 180);
    EXPECT_NEAR(p[0], f / (500.0f / 600.0f), kTolerance);
    EXPECT_NEAR(p[5], f, kTolerance);
    EXPECT_NEAR(p[10], -129.0f / 127.0f, kTolerance);
    EXPECT_NEAR(p[11], -1.0f, kTolerance);
    EXPECT_NEAR(p[14], -256.0f / 127.0f, kTolerance);
    ExpectViewOf(camera);
    ExpectVector(Transform(Current(GL_MODELVIEW_MATRIX), CVector(0, 0, 0)), 0, 0, -5);
}

TEST_F(CameraGl, OrthographicProjectionIsASquareBoxOfHalfSizeAspect)
{
    CCamera camera;
    Scramble();
    camera.SetProjection(300, 600, false);
    const CMatrix p = Current(GL_PROJECTION_MATRIX);
    EXPECT_NEAR(p[0], 2.0f, kTolerance);  // 2 / (0.5 - -0.5)
    EXPECT_NEAR(p[5], 2.0f, kTolerance);
    EXPECT_NEAR(p[10], -2.0f / 127.0f, kTolerance);
    EXPECT_NEAR(p[14], -129.0f / 127.0f, kTolerance);
    EXPECT_NEAR(p[12], 0.0f, kTolerance);
    ExpectViewOf(camera);
}

TEST_F(CameraGl, DuringAFlightTheViewIsTheMatrix)
{
    CCamera camera;
    camera.m_View.Identity();
    camera.m_View[13] = -8;
    camera.m_bUseMatrix = true;
    Scramble();
    camera.SetProjection(500, 600, true);
    ExpectMatrix(Current(GL_MODELVIEW_MATRIX), camera.m_View);
}

TEST_F(CameraGl, OrbitPlacesTheEyeOnItsSphere)
{
    CCamera camera;
    camera.Orbit(CVector2(0, 0));
    ExpectVector(camera.m_vEye, 0, 0, 5);
    ExpectVector(camera.m_vUp, 0, 1, 0);
    ExpectViewOf(camera);

    camera.Orbit(CVector2(90, 0));
    ExpectVector(camera.m_vEye, 5, 0, 0);
    ExpectViewOf(camera);

    camera.Orbit(CVector2(0, 90));
    ExpectVector(camera.m_vEye, 0, 5, 0);
    ExpectVector(camera.m_vUp, 0, 0, -1);
    ExpectViewOf(camera);

    camera.m_vTarget = CVector(2, 0, -3);
    camera.Orbit(CVector2(180, 30));
    ExpectVector(camera.m_vEye, 2, 2.5f, -3 - 5 * std::cos(30 * 3.14159265f / 180));
    EXPECT_EQ(camera.m_Angles.x, 0.0f);  // Orbit does not store its angles
    ExpectViewOf(camera);
}

TEST_F(CameraGl, ZoomStepsAndLimits)
{
    CCamera camera;
    camera.m_fDistance = 40;
    camera.Zoom(10);
    EXPECT_FLOAT_EQ(camera.m_fDistance, 45.0f);
    ExpectVector(camera.m_vEye, 0, 0, 45);
    ExpectViewOf(camera);

    camera.m_fDistance = 48;
    camera.Zoom(10);
    EXPECT_FLOAT_EQ(camera.m_fDistance, 50.0f);

    camera.Zoom(-100);
    EXPECT_FLOAT_EQ(camera.m_fDistance, 5.0f);
    ExpectViewOf(camera);
}

TEST_F(CameraGl, PanSlidesEyeAndTargetByATenth)
{
    CCamera camera;
    camera.Pan(CMouse(20, 0));  // right is +x when looking down -z
    ExpectVector(camera.m_vTarget, 2, 0, 0);
    ExpectVector(camera.m_vEye, 2, 0, 5);
    EXPECT_EQ(camera.m_fDistance, 5.0f);
    ExpectViewOf(camera);

    camera.m_Angles = CVector2(0, 90);
    camera.Orbit(camera.m_Angles);  // from above, up is -z
    camera.Pan(CMouse(0, 10));
    ExpectVector(camera.m_vTarget, 2, 0, -1);
    ExpectVector(camera.m_vEye, 2, 5, -1);
}

namespace {

// A pan that must not move the camera still loads its view.
void ExpectNoPan(CCamera& camera, const CMouse& delta)
{
    const CVector target = camera.m_vTarget, eye = camera.m_vEye;
    Scramble();
    camera.Pan(delta);
    ExpectVector(camera.m_vTarget, target.x, target.y, target.z);
    ExpectVector(camera.m_vEye, eye.x, eye.y, eye.z);
    ExpectViewOf(camera);
}

}  // namespace

TEST_F(CameraGl, PanBeyondTheLimitsMovesNothingButLoadsTheView)
{
    CCamera camera;
    // Looking down -z, right is +x: the whole offset of 525 reaches x = 52.5
    // although the move would be a tenth of it.
    ExpectNoPan(camera, CMouse(525, 0));
    camera.m_vTarget = CVector(50, 0, 0);
    camera.m_vEye = CVector(50, 0, 5);
    ExpectNoPan(camera, CMouse(3, 0));
    // From above, up is -z: an offset of 40 would bring z from -30 to -70.
    camera.m_vTarget = CVector(0, 0, -30);
    camera.Orbit(CVector2(0, 90));
    ExpectNoPan(camera, CMouse(0, 40));
}

TEST_F(CameraGl, FlightStartsFromTheCurrentViewAndEndsAtItsGoal)
{
    CCamera camera;
    camera.m_fDistance = 20;
    camera.m_vTarget = CVector(3, 0, 2);
    camera.Orbit(CVector2(40, 35));
    const CMatrix start = Current(GL_MODELVIEW_MATRIX);

    camera.BeginFlight();
    ExpectMatrix(camera.m_View, start);
    camera.m_vFrom = camera.GetEye();
    camera.m_vTo = CVector(0, 27, 0);
    camera.m_qTo = CQuaternion(0, -0.70710677f, -0.70710677f, 0);
    camera.m_bUseMatrix = true;

    camera.Fly(0);
    ExpectMatrix(camera.m_View, start);
    camera.SetProjection(500, 600, true);
    ExpectMatrix(Current(GL_MODELVIEW_MATRIX), start);

    camera.Fly(1);
    EXPECT_FALSE(camera.m_bUseMatrix);
    const CMatrix end = camera.m_View;
    camera.EndFlight();
    ExpectVector(camera.GetEye(), 0, 27, 0);
    ExpectVector(camera.GetTarget(), 0, 0, 0);
    EXPECT_NEAR(camera.m_fDistance, 27.0f, kTolerance);
    EXPECT_NEAR(camera.m_Angles.y, 90.0f, 1e-2f);

    // The frame after the flight continues its last view: same place, same
    // turn of the screen about the line of sight.
    camera.UpdateUp();
    camera.SetProjection(500, 600, true);
    ExpectViewOf(camera);
    ExpectMatrix(Current(GL_MODELVIEW_MATRIX), end);
}
