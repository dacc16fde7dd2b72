// A 4x4 transform in OpenGL order: element m[4c + r] is row r, column c, and
// the translation of an affine transform is m[12], m[13], m[14]. The array
// goes unchanged to glMultMatrixf and comes straight from glGetFloatv.
#pragma once

#include "quaternion.h"
#include "vector.h"

class CMatrix {
public:
    float m[16];

    CMatrix() = default;
    CMatrix(float m0, float m1, float m2, float m3, float m4, float m5, float m6, float m7,
            float m8, float m9, float m10, float m11, float m12, float m13, float m14, float m15);

    CMatrix& operator+=(const CMatrix& b);
    CMatrix& operator-=(const CMatrix& b);
    // this = this x b in OpenGL's column-major sense.
    CMatrix& operator*=(const CMatrix& b);
    CMatrix& operator*=(float s);
    CMatrix& operator/=(float s);

    float& operator[](int i) { return m[i]; }
    float operator[](int i) const { return m[i]; }
    operator float*() { return m; }
    operator const float*() const { return m; }

    void Identity();
    void Transpose();
    void Transpose3x3();
    // Inverse of a rotation plus translation; scale and shear are not handled.
    void InvertRigid();
    // This becomes the rotation matrix of q (q is not normalised first).
    void FromQuaternion(const CQuaternion& q);

    CVector GetXAxis() const { return CVector(m[0], m[4], m[8]); }
    CVector GetYAxis() const { return CVector(m[1], m[5], m[9]); }
    CVector GetZAxis() const { return CVector(m[2], m[6], m[10]); }
    void SetXAxis(const CVector& v);
    void SetYAxis(const CVector& v);
    void SetZAxis(const CVector& v);
};
