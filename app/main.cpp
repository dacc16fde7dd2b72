#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "autosave.h"
#include "console_setup.h"
#include "data_path.h"
#include "display.h"
#include "end_signals.h"
#include "game_options.h"
#include "globals.h"
#include "guidance.h"
#include "input.h"
#include "options_screen.h"
#include "load_failure.h"
#include "pace_input.h"
#include "program_end.h"
#include "resume.h"
#include "save_file.h"
#include "save_game.h"
#include "save_slot.h"
#include "screen_mode.h"
#include "viewport.h"
#include "x_connection.h"

namespace {

// The lock of the save this game writes, held until the program ends.
CSaveLock s_SaveLock;

}  // namespace

int main(int argc, char** argv)
{
    // The console log is the game's record: every line goes out as it is
    // written, even when the console is a pipe or a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    IgnoreBrokenPipes();
    GameOptions options;
    int status = 0;
    if (!ParseCommandLine(argc, argv, kGameProgram, GameOptionTable(options), std::cout, std::cerr,
                          status))
        return status;
    g_Pace.SetSpeed(options.speed);
    g_Pace.SetFastComputers(options.fastComputers);
    if (options.seeded)
        g_Random.Seed(options.seed);
    // Checked before the dialogue: players should not answer every question
    // to learn that no window can open.
    if (!HoldDisplay())
        return EXIT_FAILURE;

    SaveChoice save;
    GameHistory history;
    const std::string usualSave = DefaultSavePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    if (!OpenSave(options.resume, options.resumeFile, usualSave, g_Game, history, s_SaveLock, save,
                  std::cout, std::cerr))
        return EXIT_FAILURE;
    g_FallenSeats = history.fallenSeats;
    if (save.saving)
        SetSavePath(save.savePath);
    const bool resumed = save.resumed;

    bool fullScreen = false;
    if ((!resumed && !ReadPlayers(std::cin, std::cout, g_Game)) ||
        !ReadFullScreen(std::cin, std::cout, fullScreen)) {
        std::cerr << kEndOfInputMessage;
        return EXIT_FAILURE;
    }
    std::cout << std::endl;
    // A resumed game keeps the levels and the limit it was saved with.
    if (!resumed) {
        SetUpComputersAndLimit(g_Game, options.computerLevel, options.turnLimit);
        g_Game.NewGame();
    }

    CheckHeldDisplay();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    const Screen screen = OpenScreen(fullScreen);
    g_bFullScreen = screen.fullScreen;
    g_nWindow = screen.window;
    ReleaseDisplay();
    InstallEndHandlers();
    InstallEventPump();

    glutIdleFunc(OnIdle);
    glutKeyboardFunc(OnKeyboard);
    glutMotionFunc(OnMotion);
    glutMouseFunc(OnMouse);
    glutReshapeFunc(OnReshape);
    glutPassiveMotionFunc(OnPassiveMotion);
    glutSpecialFunc(OnSpecialKey);
    InitGL();
    glutDisplayFunc(OnDisplay);

    FlyCamera(OverviewPosition, OverviewOrientation, 1.0f);
    g_Camera.UpdateUp();
    if (!AnyFolderExists(DataFolders()))
        std::cout << MissingDataNote(DataFolders());
    g_App.BuildList();
    if (resumed) {
        g_App.PlaceResumedGame();
    } else {
        g_Game.ResetProperties();
        KeepOldSave(save.savePath, std::cout);
        SaveGame();
    }
    glutMainLoop();
    return EXIT_SUCCESS;
}
