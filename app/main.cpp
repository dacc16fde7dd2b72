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
#include "screen_mode.h"
#include "viewport.h"
#include "x_connection.h"

namespace {

// Takes up the saved game when asked, or tells of a waiting one, and sets
// where the game saves from now on. False when the save asked for is
// refused.
bool OpenSave(const GameOptions& options, bool& resumed)
{
    const std::string usualSave = DefaultSavePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    const std::string savePath = options.resumeFile.empty() ? usualSave : options.resumeFile;
    resumed = false;
    if (options.resume) {
        GameHistory history;
        const ResumeOutcome outcome = ResumeGame(savePath, g_Game, history, std::cout, std::cerr);
        if (outcome == ResumeOutcome::kRefused)
            return false;
        resumed = outcome == ResumeOutcome::kResumed;
        g_FallenSeats = history.fallenSeats;
    } else {
        std::cout << SaveNotice(savePath);
    }
    // A resumed game goes on in its own file; a new one takes the usual
    // place, even when an ended game was asked for from another file.
    SetSavePath(resumed ? savePath : usualSave);
    return true;
}

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

    bool resumed = false;
    if (!OpenSave(options, resumed))
        return EXIT_FAILURE;

    bool fullScreen = false;
    if ((!resumed && !ReadPlayers(std::cin, std::cout, g_Game)) ||
        !ReadFullScreen(std::cin, std::cout, fullScreen)) {
        std::cerr << kEndOfInputMessage;
        return EXIT_FAILURE;
    }
    std::cout << std::endl;
    if (!resumed)
        g_Game.NewGame();

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
        SaveGame();
    }
    glutMainLoop();
    return EXIT_SUCCESS;
}
