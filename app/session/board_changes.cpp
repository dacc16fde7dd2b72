#include "board_changes.h"

#include <cstdio>

#include "game.h"

namespace {

std::string Line(const char* format, const char* a, const char* b = "")
{
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string BuildingsLine(const char* name, int houses)
{
    if (houses == 5)
        return Line("%s : un hotel", name);
    if (houses == 0)
        return Line("%s : plus aucune maison", name);
    char count[16];
    std::snprintf(count, sizeof count, "%d maison%s", houses, houses > 1 ? "s" : "");
    return Line("%s : %s", name, count);
}

}  // namespace

BoardSnapshot TakeSnapshot(const CGame& game)
{
    BoardSnapshot snapshot{};
    for (int p = 0; p < kPropertyCount; ++p) {
        const Property& property = game.properties[p];
        snapshot.ownerSeat[p] = property.owner >= 0 ? game.players[property.owner].seat : -1;
        snapshot.mortgaged[p] = property.mortgaged;
        snapshot.houses[p] = property.houses;
    }
    return snapshot;
}

std::vector<std::string> DescribeChanges(const BoardSnapshot& before, const BoardSnapshot& after,
                                         const CGame& game)
{
    std::vector<std::string> lines;
    for (int p = 0; p < kPropertyCount; ++p) {
        const char* name = game.properties[p].name;
        const int seat = after.ownerSeat[p];
        if (seat != before.ownerSeat[p])
            lines.push_back(seat < 0 ? Line("%s revient a la banque", name)
                                     : Line("%s appartient maintenant a %s", name,
                                            game.setupPlayers[seat].name));
        if (after.mortgaged[p] != before.mortgaged[p])
            lines.push_back(Line(after.mortgaged[p] ? "%s est hypothequee" : "%s n'est plus hypothequee",
                                 name));
        if (after.houses[p] != before.houses[p])
            lines.push_back(BuildingsLine(name, after.houses[p]));
    }
    return lines;
}
