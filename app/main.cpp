#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "console_setup.h"
#include "game.h"

int main()
{
    CNullFrame frame;
    CClockRandom random;
    CGame game(frame, random);
    bool fullScreen = false;
    if (!ReadPlayers(std::cin, std::cout, game) || !ReadFullScreen(std::cin, std::cout, fullScreen)) {
        std::cerr << kEndOfInputMessage;
        return EXIT_FAILURE;
    }
    game.NewGame();
    std::cout << "\nLa fenetre du jeu n'est pas encore construite : au revoir.\n";
    return EXIT_SUCCESS;
}
