#include "quaternion.h"

#include <cmath>

#include "matrix.h"

void CQuaternion::Set(float fx, float fy, float fz, float fw)
{
    x = fx;
    y = fy;
    z = fz;
    w = fw;
}

CQuaternion& CQuaternion::operator*=(float s)
{
    Set(x * s, y * s, z * s, w * s);
    return *this;
}

void CQuaternion::FromEuler(float a, float b, float c)
{
    const float sa = std::sin(a / 2), ca = std::cos(a / 2);
    const float sb = std::sin(b / 2), cb = std::cos(b / 2);
    const float sc = std::sin(c / 2), cc = std::cos(c / 2);
    x = sc * cb * ca - cc * sb * sa;
    y = cc * sb * ca + sc * cb * sa;
    z = cc * cb * sa - sc * sb * ca;
    w = cc * cb * ca + sc * sb * sa;
}

namespace {

enum class Largest { W, X, Y, Z };

// Every comparison is strict, so a tie goes to the later of W, X, Y, Z.
Largest PickLargest(float cw, float cx, float cy, float cz)
{
    if (cw > cx) {
        if (cw > cy)
            return cw > cz ? Largest::W : Largest::Z;
        return cy > cz ? Largest::Y : Largest::Z;
    }
    if (cx > cy)
        return cx > cz ? Largest::X : Largest::Z;
    return cy > cz ? Largest::Y : Largest::Z;
}

}  // namespace

void CQuaternion::FromMatrix(const CMatrix& m)
{
    // The four candidates are w², x², y² and z²; the largest one is the
    // safest to take a square root of and divide by.
    const float cw = (m[0] + m[5] + m[10] + 1) * 0.25f;
    const float cx = cw - (m[5] + m[10]) * 0.5f;
    const float cy = cw - (m[10] + m[0]) * 0.5f;
    const float cz = cw - (m[0] + m[5]) * 0.5f;
    switch (PickLargest(cw, cx, cy, cz)) {
    case Largest::W: {
        w = std::sqrt(cw);
        const float s = 0.25f / w;
        Set((m[9] - m[6]) * s, (m[2] - m[8]) * s, (m[4] - m[1]) * s, w);
        break;
    }
    case Largest::X: {
        x = std::sqrt(cx);
        const float s = 0.25f / x;
        Set(x, (m[1] + m[4]) * s, (m[2] + m[8]) * s, (m[9] - m[6]) * s);
        break;
    }
    case Largest::Y: {
        y = std::sqrt(cy);
        const float s = 0.25f / y;
        Set((m[4] + m[1]) * s, y, (m[6] + m[9]) * s, (m[2] - m[8]) * s);
        break;
    }
    case Largest::Z: {
        z = std::sqrt(cz);
        const float s = 0.25f / z;
        Set((m[8] + m[2]) * s, (m[9] + m[6]) * s, z, (m[4] - m[1]) * s);
        break;
    }
    }
    if (w < 0)
        *this *= -1.0f;
}

void CQuaternion::Slerp(const CQuaternion& from, const CQuaternion& to, float t)
{
    float c = from.x * to.x + from.y * to.y + from.z * to.z + from.w * to.w;
    CQuaternion target = to;
    if (c < 0) {
        c = -c;
        target *= -1.0f;
    }
    // After the flip c lies in 0..1, so sin(omega) below is at least
    // sin(acos(0.98)): the division is always safe.
    float k0 = 1 - t, k1 = t;
    if (1 - c > 0.02f) {
        const float omega = std::acos(c);
        const float s = std::sin(omega);
        k0 = std::sin((1 - t) * omega) / s;
        k1 = std::sin(t * omega) / s;
    }
    Set(k0 * from.x + k1 * target.x, k0 * from.y + k1 * target.y,
        k0 * from.z + k1 * target.z, k0 * from.w + k1 * target.w);
}
