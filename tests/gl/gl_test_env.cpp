#include "gl_test_env.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

void CGlTestEnvironment::SetUp()
{
    // The server picks a free display itself and says which once it accepts
    // connections. It ends with its last client, even one that crashes.
    m_pServer = popen("exec Xvfb -displayfd 1 -terminate -screen 0 1024x768x24 -nolisten tcp 2>/dev/null", "r");
    char number[16] = "";
    if (!m_pServer || !std::fgets(number, sizeof number, m_pServer))
        FAIL() << "could not start Xvfb (is the xvfb package installed?)";
    setenv("DISPLAY", (":" + std::to_string(std::atoi(number))).c_str(), 1);
    int argc = 1;
    char name[] = "gl_test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA | GLUT_ALPHA | GLUT_DEPTH);
    glutInitWindowSize(kGlWindowWidth, kGlWindowHeight);
    m_nWindow = glutCreateWindow(name);
    glutDisplayFunc([] {});
    ASSERT_NE(m_nWindow, 0) << "no GLUT window";
    ASSERT_NE(glGetString(GL_VERSION), nullptr) << "no current OpenGL context";
}

void CGlTestEnvironment::TearDown()
{
    if (m_nWindow != 0)
        glutDestroyWindow(m_nWindow);
    // Closing the connection ends the server; pclose waits for it.
    glutExit();
    if (m_pServer)
        pclose(m_pServer);
}

void GlTest::SetUp()
{
    glViewport(0, 0, kGlWindowWidth, kGlWindowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (const GLenum capability : {GL_DEPTH_TEST, GL_TEXTURE_2D, GL_LIGHTING, GL_BLEND})
        glDisable(capability);
    glColor4f(1, 1, 1, 1);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    while (glGetError() != GL_NO_ERROR) {
    }
}

void GlTest::TearDown()
{
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

Colour ReadColour(WindowPixel p)
{
    unsigned char c[4] = {};
    glReadPixels(p.x, p.y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, c);
    return FromBytes(c[0], c[1], c[2]);
}

bool LitAs(const Colour& seen, const Colour& expected, float minStrength, float tolerance)
{
    const auto near = [&](float s, float e, float k) { return std::fabs(s - std::min(1.0f, e * k)) <= tolerance; };
    for (int step = int(minStrength * 100); step <= 300; ++step) {
        const float k = step / 100.0f;
        if (near(seen.r, expected.r, k) && near(seen.g, expected.g, k) && near(seen.b, expected.b, k))
            return true;
    }
    return false;
}
