#include "camera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "angles.h"

namespace {

constexpr double kFieldOfView = 60.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 128.0;
constexpr float kStartDistance = 5.0f;
constexpr float kMinDistance = 5.0f;
constexpr float kMaxDistance = 50.0f;
constexpr float kZoomOffset = 10.0f;
constexpr float kZoomDivisor = 100.0f;
constexpr float kPanDivisor = 10.0f;
constexpr float kPanLimitX = 52.5f;
constexpr float kPanLimitZ = 34.0f;

}  // namespace

CCamera::CCamera() : m_bUseMatrix(false), m_Angles(0, 0)
{
    Reset();
}

void CCamera::Reset()
{
    m_vEye = CVector(0, 0, kStartDistance);
    m_vTarget = CVector(0, 0, 0);
    m_vUp = CVector(0, 1, 0);
    m_fDistance = kStartDistance;
}

void CCamera::SetProjection(int width, int height, bool perspective)
{
    // A window minimised to zero height must not divide by zero.
    const float aspect = static_cast<float>(width) / static_cast<float>(std::max(height, 1));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (perspective)
        gluPerspective(kFieldOfView, aspect, kNearPlane, kFarPlane);
    else
        glOrtho(-aspect, aspect, -aspect, aspect, kNearPlane, kFarPlane);
    if (m_bUseMatrix)
        ApplyMatrix();
    else
        ApplyLookAt();
}

void CCamera::ApplyLookAt()
{
    LookAt(m_vEye, m_vTarget, m_vUp);
}

void CCamera::ApplyMatrix()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMultMatrixf(m_View);
}

void CCamera::LookAt(const CVector& eye, const CVector& target, const CVector& up)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
}

void CCamera::SetTarget(CVector v)
{
    m_vTarget = v;
    m_fDistance = (m_vEye - m_vTarget).Length();
}

void CCamera::UpdateAngles()
{
    if (m_fDistance == 0.0f) {
        m_Angles = CVector2(0, 0);
        return;
    }
    const CVector d = m_vEye - m_vTarget;
    // Rounding can put the height a hair above the distance straight overhead.
    const float sine = std::clamp(d.y / m_fDistance, -1.0f, 1.0f);
    m_Angles.x = std::atan2(d.x, d.z) / DEG2RAD;
    m_Angles.y = std::asin(sine) / DEG2RAD;
}

CVector CCamera::UpFromAngles(CVector2 angles) const
{
    // Already of unit length, so it stays valid even at distance zero.
    const CVector2 r = angles * DEG2RAD;
    CVector up(-std::sin(r.x) * std::sin(r.y), std::cos(r.y), -std::cos(r.x) * std::sin(r.y));
    return up.Normalize();
}

void CCamera::UpdateUp()
{
    m_vUp = UpFromAngles(m_Angles);
}

void CCamera::Orbit(CVector2 angles)
{
    const CVector2 r = angles * DEG2RAD;
    const float d = m_fDistance;
    m_vEye = m_vTarget + CVector(d * std::sin(r.x) * std::cos(r.y), d * std::sin(r.y),
                                 d * std::cos(r.x) * std::cos(r.y));
    m_vUp = UpFromAngles(angles);
    ApplyLookAt();
}

void CCamera::Zoom(int steps)
{
    m_fDistance += steps * (m_fDistance + kZoomOffset) / kZoomDivisor;
    m_fDistance = std::clamp(m_fDistance, kMinDistance, kMaxDistance);
    Orbit(m_Angles);
}

void CCamera::Pan(const CMouse& delta)
{
    const CVector right = Cross(m_vTarget - m_vEye, m_vUp).Normalize();
    const float offX = delta.m_nX * right.x + delta.m_nY * m_vUp.x;
    const float offZ = delta.m_nX * right.z + delta.m_nY * m_vUp.z;
    // The limit is tested with the whole offset; the move is a tenth of it.
    const bool inside = std::fabs(m_vTarget.x + offX) < kPanLimitX &&
                        std::fabs(m_vTarget.z + offZ) < kPanLimitZ;
    if (inside) {
        const CVector move(offX / kPanDivisor, 0, offZ / kPanDivisor);
        m_vTarget += move;
        m_vEye += move;
    }
    ApplyLookAt();
}

void CCamera::BeginFlight()
{
    glMatrixMode(GL_MODELVIEW);
    glGetFloatv(GL_MODELVIEW_MATRIX, m_View);
    m_qFrom.FromMatrix(m_View);
}

void CCamera::Fly(float t)
{
    CQuaternion q;
    q.Slerp(m_qFrom, m_qTo, t);
    // Turn the rotation into the eye's placement in the world, put the eye
    // on the straight line between the two positions, and turn it back into
    // a world-to-eye view.
    m_View.FromQuaternion(q);
    m_View.InvertRigid();
    const CVector eye = m_vTo * t + m_vFrom * (1 - t);
    m_View[12] = eye.x;
    m_View[13] = eye.y;
    m_View[14] = eye.z;
    m_View.InvertRigid();
    if (t >= 1)
        m_bUseMatrix = false;
}

void CCamera::EyeFromMatrix(float& x, float& y, float& z) const
{
    const CMatrix& m = m_View;
    x = -(m[0] * m[12] + m[1] * m[13] + m[2] * m[14]);
    y = -(m[4] * m[12] + m[5] * m[13] + m[6] * m[14]);
    z = -(m[8] * m[12] + m[9] * m[13] + m[10] * m[14]);
}

void CCamera::EndFlight()
{
    EyeFromMatrix(m_vEye.x, m_vEye.y, m_vEye.z);
    m_vTarget = CVector(m_vTo.x, 0, m_vTo.z);
    m_fDistance = (m_vEye - m_vTarget).Length();
    UpdateAngles();
    // The eye now stands straight above its target, where the azimuth read
    // from the two positions is rounding noise. Read it from the view's up
    // vector instead, (-sin a·sin e, cos e, -cos a·sin e), so that the
    // look-at view after UpdateUp keeps the turn the flight ended with.
    const CVector up = m_View.GetYAxis();
    const float s = std::sin(m_Angles.y * DEG2RAD);
    m_Angles.x = std::atan2(-up.x * s, -up.z * s) / DEG2RAD;
}
