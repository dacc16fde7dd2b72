// A point or direction in world space, and the free functions on vectors.
#pragma once

// A plain value of three floats, copied freely. The default constructor
// leaves the components unset: every user assigns them before reading.
class CVector {
public:
    float x, y, z;

    CVector() = default;
    CVector(float fx, float fy, float fz) : x(fx), y(fy), z(fz) {}

    CVector operator+(const CVector& v) const { return CVector(x + v.x, y + v.y, z + v.z); }
    CVector operator-(const CVector& v) const { return CVector(x - v.x, y - v.y, z - v.z); }
    CVector operator*(float s) const { return CVector(x * s, y * s, z * s); }

    CVector& operator+=(CVector v);
    CVector& operator-=(CVector v);
    CVector& operator*=(float s);
    CVector& operator/=(float s);
    CVector& operator*=(CVector v);
    CVector& operator/=(CVector v);

    float Length() const;
    // Scales this vector to unit length and returns a copy of it. The zero
    // vector has no direction and is left as it is.
    CVector Normalize();
};

float Length(CVector v);
float Dot(const CVector& a, const CVector& b);
CVector Cross(const CVector& a, const CVector& b);
float Distance(CVector a, CVector b);
// The angle in radians between the directions of a and b.
float AngleBetween(CVector a, CVector b);
