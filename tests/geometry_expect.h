// Vector and matrix comparisons within a tolerance, for the geometry and camera tests.
#pragma once

#include <gtest/gtest.h>

#include "matrix.h"
#include "vector.h"

inline void ExpectVector(const CVector& v, float x, float y, float z, float tolerance = 1e-4f)
{
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

inline void ExpectMatrix(const CMatrix& a, const CMatrix& b, float tolerance = 1e-4f)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(a[i], b[i], tolerance) << "element " << i;
}
