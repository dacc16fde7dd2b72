// A rotation as a quaternion: the vector part in x, y, z and the scalar in w.
// A rotation by angle a about the unit axis n is (n sin(a/2), cos(a/2)).
#pragma once

#include "vector.h"

class CMatrix;

class CQuaternion : public CVector {
public:
    float w;

    CQuaternion() = default;
    CQuaternion(float fx, float fy, float fz, float fw) : CVector(fx, fy, fz), w(fw) {}
    // The rotation qZ(a)·qY(b)·qX(c), angles in radians.
    CQuaternion(float a, float b, float c) { FromEuler(a, b, c); }

    void Set(float fx, float fy, float fz, float fw);
    CQuaternion& operator*=(float s);

    void FromEuler(float a, float b, float c);
    // This becomes the rotation held in the upper 3x3 of m, with w >= 0.
    void FromMatrix(const CMatrix& m);
    // This becomes the interpolation at t (0..1) from `from` to `to` along
    // the shorter arc; the result is not renormalised.
    void Slerp(const CQuaternion& from, const CQuaternion& to, float t);
};
