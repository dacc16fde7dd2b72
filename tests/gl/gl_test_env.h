// A real OpenGL context for tests, on a private X server.
//
// Link a test program with the `gl_test_main` library instead of
// GTest::gtest_main. Its main() registers CGlTestEnvironment, which, before
// the first test:
//   1. starts `Xvfb -displayfd N -screen 0 1024x768x24 -nolisten tcp`; the
//      server picks a free display number itself and reports it, so test
//      programs running side by side (ctest -j) never collide,
//   2. sets DISPLAY to that server,
//   3. opens an 800 × 600 GLUT window (double buffer, RGBA, alpha, depth)
//      and makes its context current (Mesa renders it in software),
// and after the last test closes the window and stops the server. When
// the server or the window cannot be had, every test fails with the reason.
//
// Tests that draw derive their fixture from GlTest: it restores the usual
// state before each test (identity matrices with the modelview selected,
// the full viewport, depth test, texturing, lighting and blending off,
// white colour, cleared buffers) and fails a test that leaves an OpenGL
// error behind.
// Pixels are read from the back buffer, which is where the tests draw.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

constexpr int kGlWindowWidth = 800;
constexpr int kGlWindowHeight = 600;

class CGlTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    bool StartServer();
    void StopServer();

    pid_t m_nServer = 0;
    int m_nWindow = 0;
};

class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
