#include "standings.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "game.h"

std::vector<Standing> RankPlayers(const CGame& game, const std::vector<int>& fallenSeats)
{
    std::vector<Standing> ranked;
    for (int i = 0; i < game.playerCount; ++i) {
        const Player& player = game.players[i];
        const auto fell = std::find(fallenSeats.begin(), fallenSeats.end(), player.seat);
        if (fell == fallenSeats.end())
            ranked.push_back({player.name, player.money, EstateValue(game, i), false, player.color});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Standing& a, const Standing& b) {
        return a.money + a.estate > b.money + b.estate;
    });
    for (auto seat = fallenSeats.rbegin(); seat != fallenSeats.rend(); ++seat)
        ranked.push_back(
            {game.setupPlayers[*seat].name, 0, 0, true, game.setupPlayers[*seat].color});
    return ranked;
}

std::string LimitNote(const CGame& game)
{
    if (!game.EndedOnLimit())
        return "";
    char note[kMessageSize];
    std::snprintf(note, sizeof note, kLimitReached, game.turnLimit);
    return note;
}

std::vector<std::string> StandingLines(const std::vector<Standing>& standings)
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < standings.size(); ++i) {
        const Standing& s = standings[i];
        char line[96];
        if (s.bankrupt)
            std::snprintf(line, sizeof line, "%zu. %-19s en faillite", i + 1, s.name.c_str());
        else
            std::snprintf(line, sizeof line, "%zu. %-19s %7" PRId64 " F + %6d F", i + 1, s.name.c_str(),
                          s.money, s.estate);
        lines.push_back(line);
    }
    return lines;
}
