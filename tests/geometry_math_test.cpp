#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "camera.h"
#include "geometry_expect.h"
#include "matrix.h"
#include "quaternion.h"
#include "vector.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kTolerance = 1e-5f;

void ExpectQuaternion(const CQuaternion& q, const CQuaternion& expected)
{
    ExpectVector(q, expected.x, expected.y, expected.z, kTolerance);
    EXPECT_NEAR(q.w, expected.w, kTolerance);
}

const CMatrix kIdentity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
// Every element different, so that a misplaced index shows.
const CMatrix kCounting(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);

CQuaternion AxisAngle(float ax, float ay, float az, float angle)
{
    const float s = std::sin(angle / 2);
    return CQuaternion(ax * s, ay * s, az * s, std::cos(angle / 2));
}

// A matrix followed in memory by floats that no operation may read or
// write: a loop running past the 16 elements changes or reads them.
struct GuardedMatrix {
    CMatrix m;
    float after[4] = {7, 7, 7, 7};
};

const GuardedMatrix kGuardedIdentity{kIdentity};
const GuardedMatrix kGuardedCounting{kCounting};

}  // namespace

TEST(Vector, OperatorsWorkComponentwiseAndLengthsAndAnglesAreEuclidean)
{
    const CVector a(1, -2, 8);
    const CVector b(4, 0.5f, -2);
    const struct { const char* name; std::function<CVector(CVector)> op; CVector expected; } cases[] = {
        {"+=", [&](CVector v) { return v += b; }, {5, -1.5f, 6}},
        {"-=", [&](CVector v) { return v -= b; }, {-3, -2.5f, 10}},
        {"*= s", [](CVector v) { return v *= 2; }, {2, -4, 16}},
        {"/= s", [](CVector v) { return v /= 2; }, {0.5f, -1, 4}},
        {"*= v", [&](CVector v) { return v *= b; }, {4, -1, -16}},
        {"/= v", [&](CVector v) { return v /= b; }, {0.25f, -4, -4}},
        {"Cross", [&](CVector v) { return Cross(v, b); }, {0, 34, 8.5f}},
        // Normalize changes the vector and returns a copy; zero stays zero.
        {"Normalize",
         [](CVector) {
             CVector v(3, 0, 4);
             v.Normalize();
             return v;
         },
         {0.6f, 0, 0.8f}},
        {"Normalize's copy", [](CVector) { return CVector(3, 0, 4).Normalize(); }, {0.6f, 0, 0.8f}},
        {"zero", [](CVector) { return CVector(0, 0, 0).Normalize(); }, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CVector v = c.op(a);
        ExpectVector(v, c.expected.x, c.expected.y, c.expected.z, kTolerance);
    }
    EXPECT_FLOAT_EQ(Dot(CVector(1, 2, 3), CVector(4, -5, 6)), 12.0f);
    EXPECT_FLOAT_EQ(Length(CVector(2, -3, 6)), 7.0f);
    EXPECT_FLOAT_EQ(Distance(CVector(1, 1, 1), CVector(3, 4, 7)), 7.0f);
    EXPECT_NEAR(AngleBetween(CVector(1, 0, 0), CVector(0, 2, 0)), kPi / 2, kTolerance);
    EXPECT_NEAR(AngleBetween(CVector(1, 0, 0), CVector(-3, 0, 0)), kPi, kTolerance);
    // acos is steep near 1: parallel vectors come out within float noise.
    EXPECT_NEAR(AngleBetween(CVector(2, 2, 0), CVector(1, 1, 0)), 0.0f, 1e-3f);
    EXPECT_FALSE(std::isnan(AngleBetween(CVector(0.1f, 0.7f, 0.3f), CVector(0.1f, 0.7f, 0.3f))));
}

TEST(Matrix, OperationsTouchTheirElementsAndNoOthers)
{
    CMatrix translated = kIdentity;
    translated[12] = 1;
    translated[13] = 2;
    translated[14] = 3;
    const CMatrix scale(2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1);
    const struct { const char* name; std::function<void(CMatrix&)> op; CMatrix start, expected; } cases[] = {
        {"+=", [](CMatrix& m) { m += kGuardedIdentity.m; }, kCounting,
         {2, 2, 3, 4, 5, 7, 7, 8, 9, 10, 12, 12, 13, 14, 15, 17}},
        {"-=", [](CMatrix& m) { m -= kGuardedCounting.m; }, kIdentity,
         {0, -2, -3, -4, -5, -5, -7, -8, -9, -10, -10, -12, -13, -14, -15, -15}},
        {"*= s", [](CMatrix& m) { m *= 2.0f; }, kCounting,
         {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32}},
        {"/= s", [](CMatrix& m) { m /= 2.0f; }, kCounting,
         {0.5f, 1, 1.5f, 2, 2.5f, 3, 3.5f, 4, 4.5f, 5, 5.5f, 6, 6.5f, 7, 7.5f, 8}},
        // Column-major: the scale on the right acts first; the translation stays.
        {"*= scale", [&](CMatrix& m) { m *= scale; }, translated,
         {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 1, 2, 3, 1}},
        {"*= counting", [](CMatrix& m) { m *= kCounting; }, kCounting,
         {90, 100, 110, 120, 202, 228, 254, 280, 314, 356, 398, 440, 426, 484, 542, 600}},
        // From a matrix with no element of the identity's.
        {"Identity", [](CMatrix& m) { m.Identity(); },
         {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32}, kIdentity},
        {"Transpose", [](CMatrix& m) { m.Transpose(); }, kCounting,
         {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16}},
        {"Transpose3x3", [](CMatrix& m) { m.Transpose3x3(); }, kCounting,
         {1, 5, 9, 4, 2, 6, 10, 8, 3, 7, 11, 12, 13, 14, 15, 16}},
        {"SetAxes",
         [](CMatrix& m) {
             m.SetXAxis({-1, -2, -3});
             m.SetYAxis({-4, -5, -6});
         },
         kCounting,
         {-1, -4, 3, 4, -2, -5, 7, 8, -3, -6, 11, 12, 13, 14, 15, 16}},
        {"SetZAxis", [](CMatrix& m) { m.SetZAxis({-7, -8, -9}); }, kCounting,
         {1, 2, -7, 4, 5, 6, -8, 8, 9, 10, -9, 12, 13, 14, 15, 16}},
        // Not normalised, so that every term of the product shows.
        {"FromQuaternion", [](CMatrix& m) { m.FromQuaternion(CQuaternion(1, 2, 3, 4)); },
         kCounting, {-25, -20, 22, 0, 28, -19, 4, 0, -10, 20, -9, 0, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GuardedMatrix g{c.start};
        c.op(g.m);
        ExpectMatrix(g.m, c.expected, kTolerance);
        for (float f : g.after)
            EXPECT_EQ(f, 7.0f);
    }
    ExpectVector(kCounting.GetYAxis(), 2, 6, 10, 0);
}

TEST(Matrix, InvertRigidUndoesTheTransformAndResetsTheBottomRow)
{
    CMatrix m;
    m.FromQuaternion(AxisAngle(0.6f, 0.0f, 0.8f, 1.1f));
    m[12] = 3;
    m[13] = -4;
    m[14] = 7.5f;
    CMatrix inverse = m;
    // The bottom row is ignored, and reset.
    inverse[3] = 5;
    inverse[7] = 5;
    inverse[11] = 5;
    inverse[15] = 9;
    inverse.InvertRigid();
    CMatrix product = m;
    product *= inverse;
    ExpectMatrix(product, kIdentity, kTolerance);
    inverse.InvertRigid();
    ExpectMatrix(inverse, m, kTolerance);
}

// A diagonal matrix makes the candidates w², x², y², z² easy to set, and
// gives a quaternion with only the picked component non-zero.
TEST(Quaternion, FromMatrixBreaksTiesTowardsTheLaterCandidateAndInvertsFromQuaternion)
{
    const auto fromMatrix = [](const CMatrix& m) {
        CQuaternion q;
        q.FromMatrix(m);
        return q;
    };
    const float half = std::sqrt(0.5f);
    const float most = std::sqrt(0.75f);
    const struct { float m0, m5, m10; CQuaternion expected; } cases[] = {
        {1, 1, 1, {0, 0, 0, 1}} /* only w */,         {1, 0, 0, {half, 0, 0, 0}} /* w = x */,
        {0, 1, 0, {0, half, 0, 0}} /* w = y */,       {0, 0, 1, {0, 0, half, 0}} /* w = z */,
        {-2, 1, 1, {0, 0, most, 0}} /* y = z > w */,  {1, 1, -2, {0, most, 0, 0}} /* x = y > w */,
        {1, -2, 1, {0, 0, most, 0}} /* x = z > y */,  {-2, -1, -1, {0, 0, most, 0}} /* y = z > x */,
        {-1, -1, 1, {0, 0, 1, 0}} /* only z */,       {1, -1, -1, {1, 0, 0, 0}} /* only x */,
    };
    for (const auto& c : cases) {
        CMatrix m = kIdentity;
        m[0] = c.m0;
        m[5] = c.m5;
        m[10] = c.m10;
        SCOPED_TRACE(testing::Message() << c.m0 << " " << c.m5 << " " << c.m10);
        ExpectQuaternion(fromMatrix(m), c.expected);
    }
    // A rotation's matrix gives the rotation back, with w >= 0. The largest
    // component is w, x, z, y and w in turn; two have w < 0.
    // Axes off every plane give every element of the matrix a part.
    for (const CQuaternion& r :
         {AxisAngle(0.48f, 0.6f, 0.64f, 0.5f), AxisAngle(0.8f, 0.48f, 0.36f, 3.0f),
          AxisAngle(0.48f, 0.36f, 0.8f, -2.5f), AxisAngle(0.36f, 0.8f, 0.48f, 4.0f),
          AxisAngle(0.6f, -0.48f, 0.64f, 5.9f)}) {
        CMatrix m;
        m.FromQuaternion(r);
        m[12] = 9;  // the translation is ignored
        CQuaternion expected = r;
        expected *= r.w < 0 ? -1.0f : 1.0f;
        ExpectQuaternion(fromMatrix(m), expected);
    }
    CQuaternion scaled(1, 2, 3, 4);
    scaled *= -2.0f;
    ExpectQuaternion(scaled, {-2, -4, -6, -8});
}

// qZ(a)·qY(b)·qX(c): one angle alone is the plain turn about its axis.
TEST(Quaternion, FromEulerMatchesTheProductOfTheThreeTurns)
{
    const float s = std::sin(0.35f);
    const float c = std::cos(0.35f);
    const float half = std::sqrt(0.5f);
    const struct { float a, b, c; CQuaternion expected; } cases[] = {
        {0.7f, 0, 0, {0, 0, s, c}},  {0, 0.7f, 0, {0, s, 0, c}},  {0, 0, 0.7f, {s, 0, 0, c}},
        {kPi / 2, 0, kPi / 2, {0.5f, 0.5f, 0.5f, 0.5f}},  // (1 + k)(1 + i) / 2
        {kPi / 2, kPi / 2, kPi / 2, {0, half, 0, half}},
    };
    for (const auto& e : cases) {
        CQuaternion q;
        q.FromEuler(e.a, e.b, e.c);
        ExpectQuaternion(q, e.expected);
    }
}

// Turns about Y from no turn at all: the slerp's middle is the half turn,
// whichever sign the turn end carries.
TEST(Quaternion, SlerpFollowsTheShorterArc)
{
    const CQuaternion none(0, 0, 0, 1);
    const CQuaternion turn = AxisAngle(0, 1, 0, 2.0f);
    const CQuaternion q0 = AxisAngle(0, 0.6f, 0.8f, 0.9f);
    CQuaternion turnNegated = turn;
    turnNegated *= -1.0f;
    const struct { CQuaternion from, to; float t; CQuaternion expected; } cases[] = {
        {none, turn, 0, none},                         {none, turn, 1, turn},
        {none, turn, 0.25f, AxisAngle(0, 1, 0, 0.5f)},  {turn, none, 0.5f, AxisAngle(0, 1, 0, 1.0f)},
        {none, turnNegated, 0.5f, AxisAngle(0, 1, 0, 1.0f)},  {none, turnNegated, 1, turn},
        {none, {0, 1, 0, 0}, 0.5f, AxisAngle(0, 1, 0, kPi / 2)},  // half a turn apart
        {AxisAngle(0.48f, 0.6f, 0.64f, 0.5f), AxisAngle(0.48f, 0.6f, 0.64f, 1.5f), 0.5f,
         AxisAngle(0.48f, 0.6f, 0.64f, 1.0f)},  // every component moves
        // Nearly equal ends are mixed linearly, and unnormalised ends show
        // the weights themselves.
        {q0, q0, 0.3f, q0},  {q0, q0, 0.77f, q0},  {none, {0, 0, 0, 3}, 0.25f, {0, 0, 0, 1.5f}},
    };
    for (const auto& c : cases) {
        CQuaternion q;
        q.Slerp(c.from, c.to, c.t);
        SCOPED_TRACE(testing::Message() << "t " << c.t << " to w " << c.to.w);
        ExpectQuaternion(q, c.expected);
    }
}

// The camera's angles for an eye at a distance from the origin, and the up
// vector they give: no distance gives no direction, and a distance a hair
// short of the real one must not take asin past 1.
TEST(CameraState, AnglesFollowTheEyeAndUpFollowsTheAngles)
{
    const float half = std::sqrt(0.5f);
    const struct { CVector eye; float distance, azimuth, elevation; CVector up; } cases[] = {
        {{-4, 4, 0}, 4 / half, -90, 45, {half, half, 0}}, {{0, 0, 0}, 0, 0, 0, {0, 1, 0}},
        {{0, 5.0001f, 0}, 5, 0, 90, {0, 0, -1}}};
    for (const auto& c : cases) {
        CCamera camera;
        camera.m_vEye = c.eye;
        camera.m_fDistance = c.distance;
        camera.m_Angles = CVector2(7, 7);
        camera.UpdateAngles();
        camera.UpdateUp();
        ExpectVector({camera.m_Angles.x, camera.m_Angles.y, 0}, c.azimuth, c.elevation, 0);
        ExpectVector(camera.m_vUp, c.up.x, c.up.y, c.up.z);
    }
}
