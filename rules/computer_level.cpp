#include "computer_level.h"

#include <cstring>

namespace {

struct LevelRow {
    ComputerLevel level;
    const char* name;
    const char* label;
    const CComputerStrategy& (*strategy)();
};

const LevelRow kLevels[kLevelCount] = {
    {kLevelNormal, "normal", "Normal", NormalStrategy},
    {kLevelEasy, "facile", "Facile", EasyStrategy},
    {kLevelStrong, "fort", "Fort", StrongStrategy},
};

const LevelRow& RowOf(int32_t level)
{
    for (const LevelRow& row : kLevels)
        if (row.level == level)
            return row;
    return kLevels[0];
}

}  // namespace

const char* LevelName(int32_t level)
{
    return RowOf(level).name;
}

const char* LevelLabel(int32_t level)
{
    return RowOf(level).label;
}

bool LevelFromName(const char* name, int32_t& level)
{
    for (const LevelRow& row : kLevels)
        if (std::strcmp(name, row.name) == 0) {
            level = row.level;
            return true;
        }
    return false;
}

const CComputerStrategy& StrategyOf(int32_t level)
{
    return RowOf(level).strategy();
}
