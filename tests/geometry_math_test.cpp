#include <gtest/gtest.h>

#include <cmath>

#include "angles.h"
#include "geometry_expect.h"
#include "matrix.h"
#include "quaternion.h"
#include "vector.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kTolerance = 1e-5f;

void ExpectQuaternion(const CQuaternion& q, float x, float y, float z, float w)
{
    EXPECT_NEAR(q.x, x, kTolerance);
    EXPECT_NEAR(q.y, y, kTolerance);
    EXPECT_NEAR(q.z, z, kTolerance);
    EXPECT_NEAR(q.w, w, kTolerance);
}

CMatrix Identity()
{
    CMatrix m;
    m.Identity();
    return m;
}

// A rotation by angle about a unit axis.
CQuaternion AxisAngle(float ax, float ay, float az, float angle)
{
    const float s = std::sin(angle / 2);
    return CQuaternion(ax * s, ay * s, az * s, std::cos(angle / 2));
}

CMatrix RigidTransform()
{
    CMatrix m;
    m.FromQuaternion(AxisAngle(0.6f, 0.0f, 0.8f, 1.1f));
    m[12] = 3;
    m[13] = -4;
    m[14] = 7.5f;
    return m;
}

}  // namespace

TEST(Angles, SignFollowsTheSignBit)
{
    EXPECT_EQ(Sign(-0.0f), -1);
    EXPECT_EQ(Sign(0.0f), 1);
    EXPECT_EQ(Sign(-3.5f), -1);
    EXPECT_EQ(Sign(2.0f), 1);
}

TEST(Vector, NormalizeChangesTheVectorAndReturnsACopy)
{
    CVector v(3, 0, 4);
    const CVector copy = v.Normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.0f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);
    EXPECT_FLOAT_EQ(copy.x, 0.6f);
    EXPECT_FLOAT_EQ(copy.z, 0.8f);
}

TEST(Vector, NormalizeOfZeroStaysZero)
{
    CVector v(0, 0, 0);
    v.Normalize();
    EXPECT_EQ(v.x, 0.0f);
    EXPECT_EQ(v.y, 0.0f);
    EXPECT_EQ(v.z, 0.0f);
}

TEST(Vector, FreeFunctions)
{
    const CVector a(1, 0, 0), b(0, 1, 0);
    const CVector c = Cross(a, b);
    EXPECT_FLOAT_EQ(c.z, 1.0f);
    EXPECT_FLOAT_EQ(Cross(b, a).z, -1.0f);
    EXPECT_FLOAT_EQ(Dot(CVector(1, 2, 3), CVector(4, -5, 6)), 12.0f);
    EXPECT_FLOAT_EQ(Length(CVector(2, 3, 6)), 7.0f);
    EXPECT_FLOAT_EQ(Distance(CVector(1, 1, 1), CVector(3, 4, 7)), 7.0f);
    EXPECT_NEAR(AngleBetween(a, b), kPi / 2, kTolerance);
    // acos is steep near 1: parallel vectors come out within float noise.
    EXPECT_NEAR(AngleBetween(CVector(2, 2, 0), CVector(1, 1, 0)), 0.0f, 1e-3f);
    EXPECT_FALSE(std::isnan(AngleBetween(CVector(0.1f, 0.7f, 0.3f), CVector(0.1f, 0.7f, 0.3f))));
}

TEST(Matrix, ProductIsColumnMajor)
{
    // A translation by (1, 2, 3) times a scale by 2: the scale acts first.
    CMatrix t = Identity(), s = Identity();
    t[12] = 1;
    t[13] = 2;
    t[14] = 3;
    s[0] = s[5] = s[10] = 2;
    t *= s;
    CMatrix expected = Identity();
    expected[0] = expected[5] = expected[10] = 2;
    expected[12] = 1;
    expected[13] = 2;
    expected[14] = 3;
    ExpectMatrix(t, expected, kTolerance);
}

TEST(Matrix, InvertRigidTwiceGivesTheTransformBack)
{
    const CMatrix m = RigidTransform();
    CMatrix inverse = m;
    inverse.InvertRigid();
    CMatrix product = m;
    product *= inverse;
    ExpectMatrix(product, Identity(), kTolerance);
    inverse.InvertRigid();
    ExpectMatrix(inverse, m, kTolerance);
}

TEST(Quaternion, FromMatrixOfIdentityAndHalfTurn)
{
    CQuaternion q;
    q.FromMatrix(Identity());
    ExpectQuaternion(q, 0, 0, 0, 1);

    CMatrix halfTurnY = Identity();
    halfTurnY[0] = halfTurnY[10] = -1;
    q.FromMatrix(halfTurnY);
    ExpectQuaternion(q, 0, 1, 0, 0);
}

TEST(Quaternion, FromMatrixBreaksTiesTowardsTheLaterCandidate)
{
    // A half turn about the axis (1, 1, 0)/√2, whose candidates x² and y²
    // are both exactly 0.5.
    CMatrix m = Identity();
    m[0] = m[5] = 0;
    m[1] = m[4] = 1;
    m[10] = -1;
    CQuaternion q;
    q.FromMatrix(m);
    // Y picked: y is the square root itself and x is derived from it.
    EXPECT_EQ(q.y, std::sqrt(0.5f));
    EXPECT_EQ(q.x, 2 * (0.25f / std::sqrt(0.5f)));
    EXPECT_EQ(q.w, 0.0f);
}

TEST(Quaternion, FromMatrixInvertsFromQuaternionWithNonNegativeW)
{
    const CQuaternion rotations[] = {
        AxisAngle(0, 1, 0, 0.5f),  AxisAngle(1, 0, 0, 3.0f),  AxisAngle(0, 0, 1, -2.5f),
        AxisAngle(0.6f, 0.8f, 0, 4.0f), AxisAngle(0, 0.6f, -0.8f, 5.9f),
    };
    for (const CQuaternion& r : rotations) {
        CMatrix m;
        m.FromQuaternion(r);
        m[12] = 9;  // the translation is ignored
        CQuaternion q;
        q.FromMatrix(m);
        EXPECT_GE(q.w, 0.0f);
        const float sign = r.w < 0 ? -1.0f : 1.0f;
        ExpectQuaternion(q, sign * r.x, sign * r.y, sign * r.z, sign * r.w);
    }
}

TEST(Quaternion, FromEulerMatchesTheProductOfTheThreeTurns)
{
    // qZ(a)·qY(b)·qX(c) with only one angle set is the plain axis rotation.
    ExpectQuaternion(CQuaternion(0.7f, 0.0f, 0.0f), 0, 0, std::sin(0.35f), std::cos(0.35f));
    ExpectQuaternion(CQuaternion(0.0f, 0.7f, 0.0f), 0, std::sin(0.35f), 0, std::cos(0.35f));
    ExpectQuaternion(CQuaternion(0.0f, 0.0f, 0.7f), std::sin(0.35f), 0, 0, std::cos(0.35f));
    // Quarter turns about Z and X: qZ·qX = (1 + k)(1 + i) / 2 = (1 + i + j + k) / 2.
    CQuaternion q;
    q.FromEuler(kPi / 2, 0, kPi / 2);
    EXPECT_NEAR(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w, 1.0f, kTolerance);
    ExpectQuaternion(q, 0.5f, 0.5f, 0.5f, 0.5f);
}

TEST(Quaternion, SlerpEndsAndShorterArc)
{
    const CQuaternion from = AxisAngle(0, 1, 0, 0.2f);
    const CQuaternion to = AxisAngle(1, 0, 0, 1.5f);
    CQuaternion q;
    q.Slerp(from, to, 0);
    ExpectQuaternion(q, from.x, from.y, from.z, from.w);
    q.Slerp(from, to, 1);
    ExpectQuaternion(q, to.x, to.y, to.z, to.w);

    CQuaternion negated = to;
    negated *= -1.0f;
    q.Slerp(from, negated, 1);
    ExpectQuaternion(q, to.x, to.y, to.z, to.w);  // -(-to): the shorter arc

    q.Slerp(from, to, 0.5f);
    const float angle = 2 * std::acos(from.x * q.x + from.y * q.y + from.z * q.z + from.w * q.w);
    const float whole = 2 * std::acos(from.x * to.x + from.y * to.y + from.z * to.z + from.w * to.w);
    EXPECT_NEAR(angle, whole / 2, 1e-4f);
}

TEST(Quaternion, SlerpOfEqualOrientationsIsLinearAndExact)
{
    const CQuaternion q0 = AxisAngle(0, 0.6f, 0.8f, 0.9f);
    for (float t : {0.0f, 0.3f, 0.77f, 1.0f}) {
        CQuaternion q;
        q.Slerp(q0, q0, t);
        ExpectQuaternion(q, q0.x, q0.y, q0.z, q0.w);
    }
}

TEST(Quaternion, SlerpBetweenHalfTurnApartOrientationsStaysFinite)
{
    const CQuaternion from(0, 0, 0, 1), to(0, 1, 0, 0);  // c = 0
    CQuaternion q;
    q.Slerp(from, to, 0.5f);
    ExpectQuaternion(q, 0, std::sqrt(0.5f), 0, std::sqrt(0.5f));
}
