#include <gtest/gtest.h>

#include "gl_test_env.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new CGlTestEnvironment);
    return RUN_ALL_TESTS();
}
