// The final standings: the players still in the game ranked by what they
// own, then those who went bankrupt, the last to fall first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "worth_history.h"

class CGame;

struct Standing {
    std::string name;
    int64_t money;
    int estate;  // what the player's properties and buildings are worth
    bool bankrupt;
    int color = 0;  // the player's palette entry
};

// `fallenSeats` lists the bankrupt players' seats in the order they fell.
std::vector<Standing> RankPlayers(const CGame& game, const std::vector<int>& fallenSeats);

// "Partie terminée : limite de N tours" when the turn limit ended the
// game, else "".
std::string LimitNote(const CGame& game);

// One line per place: "1. Anne   152000 F + 64000 F de proprietes".
std::vector<std::string> StandingLines(const std::vector<Standing>& standings);
