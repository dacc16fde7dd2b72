#include "gl_test_env.h"

#include <GL/freeglut.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

// Reads the display number that Xvfb writes once it accepts connections;
// an empty result means the server ended or never started.
std::string ReadDisplayNumber(int fd)
{
    std::string number;
    char c;
    ssize_t n;
    while ((n = read(fd, &c, 1)) == 1 || (n < 0 && errno == EINTR)) {
        if (n == 1 && c == '\n')
            break;
        if (n == 1)
            number += c;
    }
    return number;
}

}  // namespace

bool CGlTestEnvironment::StartServer()
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    m_nServer = fork();
    if (m_nServer == 0) {
        // A test program that crashes must not leave its server behind.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(pipeFds[0]);
        // The server's chatter would drown the test report.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(pipeFds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    const std::string number = m_nServer > 0 ? ReadDisplayNumber(pipeFds[0]) : std::string();
    close(pipeFds[0]);
    if (number.empty())
        return false;
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

void CGlTestEnvironment::StopServer()
{
    if (m_nServer <= 0)
        return;
    kill(m_nServer, SIGTERM);
    waitpid(m_nServer, nullptr, 0);
    m_nServer = 0;
}

void CGlTestEnvironment::SetUp()
{
    if (!StartServer())
        FAIL() << "could not start Xvfb (is the xvfb package installed?)";
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
    if (m_nWindow != 0) {
        glutDestroyWindow(m_nWindow);
        glutExit();
        m_nWindow = 0;
    }
    StopServer();
}

void GlTest::SetUp()
{
    glViewport(0, 0, kGlWindowWidth, kGlWindowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
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
