#include "console_setup.h"

#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <string>

#include "game.h"
#include "player_name.h"

const char kEndOfInputMessage[] =
    "\nPlus rien a lire sur la console : la partie ne peut pas commencer.\n";

namespace {

const char* const kBanner[] = {
    "*******************************\n",
    "**                           **\n",
    "**        BOURGADE 3D        **\n",
    "**                           **\n",
    "*******************************\n\n\n",
};

// Reads whole numbers until one lies in 2..6. Anything that is not a number
// is dropped with the rest of its line, so the same text is never read twice.
bool ReadPlayerCount(std::istream& in, std::ostream& out, int32_t& count)
{
    count = 0;
    while (count < kMinPlayers || count > kMaxPlayers) {
        out << "\nNombre de joueurs (entre 2 et 6): " << std::flush;
        long answer = 0;
        if (in >> answer) {
            count = answer >= kMinPlayers && answer <= kMaxPlayers ? static_cast<int32_t>(answer) : 0;
            continue;
        }
        if (in.eof() || in.bad())
            return false;
        in.clear();
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return true;
}

// Skips characters until one of o, O, n, N.
bool ReadComputerFlag(std::istream& in, int32_t& computer)
{
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == 'o' || c == 'O' || c == 'n' || c == 'N') {
            computer = (c == 'o' || c == 'O') ? 1 : 0;
            return true;
        }
    }
    return false;
}

}  // namespace

bool ReadPlayers(std::istream& in, std::ostream& out, CGame& game)
{
    for (const char* line : kBanner)
        out << line;
    if (!ReadPlayerCount(in, out, game.playerCount))
        return false;
    for (int i = 0; i < game.playerCount; ++i) {
        Player& player = game.players[i];
        out << "\nNom du joueur " << i + 1 << " : " << std::flush;
        std::string word;
        if (!(in >> word))
            return false;
        StorePlayerName(word, i, player.name);
        out << "Joueur gere par l'ordinateur (o/n) : " << std::flush;
        if (!ReadComputerFlag(in, player.computer))
            return false;
    }
    CopySetupPlayers(game);
    return true;
}

void CopySetupPlayers(CGame& game)
{
    for (int i = 0; i < kPlayerSlots; ++i) {
        Player& setup = game.setupPlayers[i];
        const Player& player = game.players[i];
        std::memcpy(setup.name, player.name, sizeof setup.name);
        setup.color = player.color;
        setup.computer = player.computer;
        setup.seat = player.seat;
    }
}

void SetUpComputersAndLimit(CGame& game, int32_t level, int32_t turnLimit)
{
    for (int i = 0; i < kPlayerSlots; ++i) {
        const int32_t chosen = game.players[i].computer ? level : kLevelNormal;
        game.players[i].level = chosen;
        game.setupPlayers[i].level = chosen;
    }
    game.turnLimit = turnLimit;
}

std::string LevelsInPlayLabel(const CGame& game)
{
    bool inPlay[kLevelCount] = {};
    int count = 0;
    for (int i = 0; i < game.playerCount; ++i) {
        const Player& player = game.players[i];
        if (!player.computer || player.level < 0 || player.level >= kLevelCount || inPlay[player.level])
            continue;
        inPlay[player.level] = true;
        count += 1;
    }
    if (count == 0)
        return "Niveaux : aucun ordinateur";
    std::string label = count == 1 ? "Niveau :" : "Niveaux :";
    const char* separator = " ";
    for (int32_t level : {kLevelEasy, kLevelNormal, kLevelStrong}) {
        if (!inPlay[level])
            continue;
        label += separator;
        label += LevelLabel(level);
        separator = ", ";
    }
    return label;
}

bool ReadFullScreen(std::istream& in, std::ostream& out, bool& fullScreen)
{
    out << "\nJouer en mode Plein Ecran (o/n) : " << std::flush;
    std::string word;
    if (!(in >> word))
        return false;
    fullScreen = word[0] != 'N' && word[0] != 'n';
    return true;
}
