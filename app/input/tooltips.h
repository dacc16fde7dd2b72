// The names of the lower strip's icons and dice, shown once the pointer has
// rested on one for half a second.
#pragma once

#include <cstdint>

// The name and key of what lies under a layout point, or null.
const char* TooltipAt(int x, int y);
// Whether the tooltip asks for a throw: none is shown once the game is over.
bool InvitesAThrow(const char* tip);

// Where the pointer rests and since when.
class CHover {
public:
    static constexpr uint32_t kDelayMs = 500;

    void Move(int x, int y, uint32_t now);
    // The tooltip to show now, or null.
    const char* Shown(uint32_t now) const;
    int X() const { return m_nX; }

private:
    int m_nX = -1;
    int m_nY = -1;
    uint32_t m_nSince = 0;
};
