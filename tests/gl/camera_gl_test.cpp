// The camera's operations that load matrices, checked by reading them back.
#include <GL/gl.h>

#include <cmath>
#include <functional>

#include "camera.h"
#include "geometry_expect.h"
#include "gl_test_env.h"

namespace {

constexpr float kTolerance = 1e-4f;
constexpr float kDegree = 3.14159265f / 180;

CMatrix Current(GLenum which)
{
    CMatrix m;
    glGetFloatv(which, m);
    return m;
}

CVector Transform(const CMatrix& m, const CVector& p)
{
    return CVector(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
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

// Leaves other matrices loaded, and the projection selected, so that an
// operation must load and select its own.
void Scramble()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-7, 1, 2);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glTranslatef(3, 4, 5);
}

}  // namespace

using CameraGl = GlTest;

TEST_F(CameraGl, OrbitZoomAndPanMoveTheEyeAndLoadTheView)
{
    const struct { const char* name; std::function<void(CCamera&)> move; CVector eye, target; } cases[] = {
        {"orbit right", [](CCamera& c) { c.Orbit(CVector2(90, 0)); }, {5, 0, 0}, {0, 0, 0}},
        {"orbit above", [](CCamera& c) { c.Orbit(CVector2(0, 90)); }, {0, 5, 0}, {0, 0, 0}},
        {"orbit about a target",
         [](CCamera& c) {
             c.m_vTarget = CVector(2, 0, -3);
             c.Orbit(CVector2(180, 30));
         },
         {2, 2.5f, -3 - 5 * std::cos(30 * kDegree)}, {2, 0, -3}},
        // Each step zooms by a hundredth of the distance plus 10.
        {"zoom out",
         [](CCamera& c) {
             c.m_fDistance = 40;
             c.Zoom(10);
         },
         {0, 0, 45}, {0, 0, 0}},
        {"zoom to the far limit",
         [](CCamera& c) {
             c.m_fDistance = 48;
             c.Zoom(10);
         },
         {0, 0, 50}, {0, 0, 0}},
        {"zoom to the near limit", [](CCamera& c) { c.Zoom(-100); }, {0, 0, 5}, {0, 0, 0}},
        // A tenth of the mouse's move; right is +x when looking down -z, up
        // is -z when looking down from above.
        {"pan", [](CCamera& c) { c.Pan(CMouse(20, 0)); }, {2, 0, 5}, {2, 0, 0}},
        {"pan from above",
         [](CCamera& c) {
             c.m_Angles = CVector2(0, 90);
             c.Orbit(c.m_Angles);
             c.Pan(CMouse(0, 10));
         },
         {0, 5, -1}, {0, 0, -1}},
        // Beyond the limits nothing moves. The whole offset of 525 reaches
        // x = 52.5 although the move would be a tenth of it.
        {"pan past x = 52.5", [](CCamera& c) { c.Pan(CMouse(525, 0)); }, {0, 0, 5}, {0, 0, 0}},
        {"pan on from x = 50",
         [](CCamera& c) {
             c.m_vTarget = CVector(50, 0, 0);
             c.m_vEye = CVector(50, 0, 5);
             c.Pan(CMouse(3, 0));
         },
         {50, 0, 5}, {50, 0, 0}},
        {"pan from above past z = -34",
         [](CCamera& c) {
             c.m_vTarget = CVector(0, 0, -30);
             c.Orbit(CVector2(0, 90));
             c.Pan(CMouse(0, 40));
         },
         {0, 5, -30}, {0, 0, -30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CCamera camera;
        Scramble();
        c.move(camera);
        ExpectVector(camera.m_vEye, c.eye.x, c.eye.y, c.eye.z);
        ExpectVector(camera.m_vTarget, c.target.x, c.target.y, c.target.z);
        EXPECT_NEAR(camera.m_fDistance, Distance(c.eye, c.target), kTolerance);
        EXPECT_EQ(camera.m_Angles.x, 0.0f);  // Orbit does not store its angles
        ExpectViewOf(camera);
    }
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
    camera.m_vTo = CVector(3, 27, -2);
    camera.m_qTo = CQuaternion(0, -0.70710677f, -0.70710677f, 0);
    camera.m_bUseMatrix = true;

    // During the flight the view is the matrix, whatever the eye says.
    camera.Fly(0);
    camera.SetProjection(500, 600, true);
    ExpectMatrix(Current(GL_MODELVIEW_MATRIX), start);
    camera.Fly(0.5f);
    float x = 0;
    float y = 0;
    float z = 0;
    camera.EyeFromMatrix(x, y, z);
    const CVector middle = (camera.m_vFrom + camera.m_vTo) * 0.5f;
    ExpectVector(CVector(x, y, z), middle.x, middle.y, middle.z);

    camera.Fly(1);
    EXPECT_FALSE(camera.m_bUseMatrix);
    const CMatrix end = camera.m_View;
    camera.EndFlight();
    ExpectVector(camera.GetEye(), 3, 27, -2);
    ExpectVector(camera.GetTarget(), 3, 0, -2);
    EXPECT_NEAR(camera.m_fDistance, 27.0f, kTolerance);
    EXPECT_NEAR(camera.m_Angles.y, 90.0f, 1e-2f);

    // The frame after the flight continues its last view: same place, same
    // turn of the screen about the line of sight.
    camera.UpdateUp();
    camera.SetProjection(500, 600, true);
    ExpectViewOf(camera);
    ExpectMatrix(Current(GL_MODELVIEW_MATRIX), end);
}
