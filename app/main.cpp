// The composition root: the command line, the save and the console
// dialogue, then one application handed to the window.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "app.h"
#include "console_setup.h"
#include "data_path.h"
#include "end_signals.h"
#include "game_options.h"
#include "load_failure.h"
#include "resume.h"
#include "save_file.h"
#include "window.h"
#include "x_connection.h"

namespace {

// A game set up in the window: no dialogue, the window at once.
[[noreturn]] void StartOnTitle(CApp& app, int& argc, char** argv, const std::string& usualSave)
{
    app.OpenSound();
    OpenWindow(argc, argv, false, app.Hooks());
    if (!AnyFolderExists(DataFolders()))
        std::cout << MissingDataNote(DataFolders());
    app.StartOnTitle(usualSave);
    RunWindow();
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
    // Checked before the dialogue: players should not answer every question
    // to learn that no window can open.
    if (!HoldDisplay())
        return EXIT_FAILURE;

    const auto owner = std::make_unique<CApp>(options);
    CApp& app = *owner;
    const std::string usualSave = DefaultSavePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    if (options.menu)
        StartOnTitle(app, argc, argv, usualSave);
    SaveChoice save;
    GameHistory history;
    if (!OpenSave(options.resume, options.resumeFile, usualSave, app.Game(), history, app.SaveLock(),
                  save, std::cout, std::cerr))
        return EXIT_FAILURE;
    if (save.resumed)
        app.Resume(history, options);
    app.UseSave(save);
    app.OpenSound();

    bool fullScreen = false;
    if ((!save.resumed && !ReadPlayers(std::cin, std::cout, app.Game())) ||
        !ReadFullScreen(std::cin, std::cout, fullScreen)) {
        std::cerr << kEndOfInputMessage;
        return EXIT_FAILURE;
    }
    std::cout << std::endl;
    // A resumed game keeps the levels and the limit it was saved with.
    if (!save.resumed) {
        SetUpComputersAndLimit(app.Game(), options.computerLevel, options.turnLimit);
        app.Game().NewGame();
    }

    OpenWindow(argc, argv, fullScreen, app.Hooks());
    if (!AnyFolderExists(DataFolders()))
        std::cout << MissingDataNote(DataFolders());
    if (!save.resumed)
        KeepOldSave(save.savePath, std::cout);
    app.Start(save.resumed);
    RunWindow();
}
