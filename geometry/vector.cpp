#include "vector.h"

#include <algorithm>
#include <cmath>

CVector& CVector::operator+=(CVector v)
{
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
}

CVector& CVector::operator-=(CVector v)
{
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
}

CVector& CVector::operator*=(float s)
{
    x *= s;
    y *= s;
    z *= s;
    return *this;
}

CVector& CVector::operator/=(float s)
{
    x /= s;
    y /= s;
    z /= s;
    return *this;
}

CVector& CVector::operator*=(CVector v)
{
    x *= v.x;
    y *= v.y;
    z *= v.z;
    return *this;
}

CVector& CVector::operator/=(CVector v)
{
    x /= v.x;
    y /= v.y;
    z /= v.z;
    return *this;
}

float CVector::Length() const
{
    return static_cast<float>(std::sqrt(double(x) * x + double(y) * y + double(z) * z));
}

CVector CVector::Normalize()
{
    const float length = Length();
    if (length > 0.0f)
        *this /= length;
    return *this;
}

float Length(CVector v)
{
    return v.Length();
}

float Dot(const CVector& a, const CVector& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

CVector Cross(const CVector& a, const CVector& b)
{
    return CVector(a.y * b.z - b.y * a.z, a.z * b.x - a.x * b.z, a.x * b.y - b.x * a.y);
}

float Distance(CVector a, CVector b)
{
    return (b - a).Length();
}

float AngleBetween(CVector a, CVector b)
{
    // Rounding can push the cosine of nearly parallel vectors just past 1.
    const float c = Dot(a.Normalize(), b.Normalize());
    return std::acos(std::clamp(c, -1.0f, 1.0f));
}
