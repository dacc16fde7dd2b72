// A real OpenGL context: programs that link `gl_test_main` in place of
// GTest::gtest_main start their own Xvfb on a free display and draw into an
// 800 × 600 GLUT window (Mesa), or fail every test with the reason. GlTest
// restores the usual state and fails a test that leaves an OpenGL error.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

constexpr int kGlWindowWidth = 800;
constexpr int kGlWindowHeight = 600;

class CGlTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    FILE* m_pServer = nullptr;
    int m_nWindow = 0;
};

class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Runs a test from another folder, where the game looks for its data first.
class CWorkingDirectory {
public:
    explicit CWorkingDirectory(const std::string& folder) { std::filesystem::current_path(folder); }
    ~CWorkingDirectory() { std::filesystem::current_path(m_Previous); }

private:
    std::filesystem::path m_Previous = std::filesystem::current_path();
};

// From the window's bottom left.
struct WindowPixel { int x, y; };
struct Colour { float r, g, b; };

inline bool operator==(const Colour& a, const Colour& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline std::ostream& operator<<(std::ostream& out, const Colour& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
inline Colour FromBytes(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
Colour ReadColour(WindowPixel p);
// Whether `seen` is `expected` under white light of some strength from
// minStrength up (channels clipped at 1), within tolerance on each channel.
bool LitAs(const Colour& seen, const Colour& expected, float minStrength = 0.1f,
           float tolerance = 0.06f);
