#include "matrix.h"

#include <utility>

CMatrix::CMatrix(float m0, float m1, float m2, float m3, float m4, float m5, float m6, float m7,
                 float m8, float m9, float m10, float m11, float m12, float m13, float m14,
                 float m15)
    : m{m0, m1, m2, m3, m4, m5, m6, m7, m8, m9, m10, m11, m12, m13, m14, m15}
{
}

CMatrix& CMatrix::operator+=(const CMatrix& b)
{
    for (int i = 0; i < 16; ++i)
        m[i] += b.m[i];
    return *this;
}

CMatrix& CMatrix::operator-=(const CMatrix& b)
{
    for (int i = 0; i < 16; ++i)
        m[i] -= b.m[i];
    return *this;
}

CMatrix& CMatrix::operator*=(const CMatrix& b)
{
    const CMatrix a = *this;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a.m[4 * k + r] * b.m[4 * c + k];
            m[4 * c + r] = sum;
        }
    return *this;
}

CMatrix& CMatrix::operator*=(float s)
{
    for (float& e : m)
        e *= s;
    return *this;
}

CMatrix& CMatrix::operator/=(float s)
{
    for (float& e : m)
        e /= s;
    return *this;
}

void CMatrix::Identity()
{
    for (int i = 0; i < 16; ++i)
        m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

void CMatrix::Transpose()
{
    for (int c = 0; c < 4; ++c)
        for (int r = c + 1; r < 4; ++r)
            std::swap(m[4 * c + r], m[4 * r + c]);
}

void CMatrix::Transpose3x3()
{
    for (int c = 0; c < 3; ++c)
        for (int r = c + 1; r < 3; ++r)
            std::swap(m[4 * c + r], m[4 * r + c]);
}

void CMatrix::InvertRigid()
{
    // The inverse of (R, t) is (Rᵀ, -Rᵀt).
    const CMatrix old = *this;
    const float t0 = old.m[12], t1 = old.m[13], t2 = old.m[14];
    Transpose3x3();
    m[12] = -(old.m[0] * t0 + old.m[1] * t1 + old.m[2] * t2);
    m[13] = -(old.m[4] * t0 + old.m[5] * t1 + old.m[6] * t2);
    m[14] = -(old.m[8] * t0 + old.m[9] * t1 + old.m[10] * t2);
    m[3] = m[7] = m[11] = 0;
    m[15] = 1;
}

void CMatrix::FromQuaternion(const CQuaternion& q)
{
    const float x2 = 2 * q.x, y2 = 2 * q.y, z2 = 2 * q.z;
    const float xx = x2 * q.x, xy = y2 * q.x, xz = z2 * q.x;
    const float yy = y2 * q.y, yz = z2 * q.y, zz = z2 * q.z;
    const float wx = x2 * q.w, wy = y2 * q.w, wz = z2 * q.w;
    *this = CMatrix(1 - (yy + zz), xy - wz, xz + wy, 0,
                    xy + wz, 1 - (xx + zz), yz - wx, 0,
                    xz - wy, yz + wx, 1 - (xx + yy), 0,
                    0, 0, 0, 1);
}

void CMatrix::SetXAxis(const CVector& v)
{
    m[0] = v.x;
    m[4] = v.y;
    m[8] = v.z;
}

void CMatrix::SetYAxis(const CVector& v)
{
    m[1] = v.x;
    m[5] = v.y;
    m[9] = v.z;
}

void CMatrix::SetZAxis(const CVector& v)
{
    m[2] = v.x;
    m[6] = v.y;
    m[10] = v.z;
}
