#include <GL/freeglut.h>

#include <cstdlib>
#include <iostream>

#include "console_setup.h"
#include "display.h"
#include "game_options.h"
#include "globals.h"
#include "input.h"
#include "screen_mode.h"

int main(int argc, char** argv)
{
    GameOptions options;
    int status = 0;
    if (!ParseCommandLine(argc, argv, kGameProgram, GameOptionTable(options), std::cout, std::cerr,
                          status))
        return status;

    bool fullScreen = false;
    if (!ReadPlayers(std::cin, std::cout, g_Game) || !ReadFullScreen(std::cin, std::cout, fullScreen)) {
        std::cerr << kEndOfInputMessage;
        return EXIT_FAILURE;
    }
    std::cout << std::endl;
    g_Game.NewGame();

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    const Screen screen = OpenScreen(fullScreen);
    g_bFullScreen = screen.fullScreen;
    g_nWindow = screen.window;

    glutIdleFunc(OnIdle);
    glutKeyboardFunc(OnKeyboard);
    glutMotionFunc(OnMotion);
    glutMouseFunc(OnMouse);
    InitGL();
    glutDisplayFunc(OnDisplay);

    FlyCamera(OverviewPosition, OverviewOrientation, 1.0f);
    g_Camera.UpdateUp();
    g_App.BuildList();
    g_Game.ResetProperties();
    glutMainLoop();
    return EXIT_SUCCESS;
}
