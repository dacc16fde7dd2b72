#include "long_press.h"

#include "game.h"

namespace {

// The icon as the rules read a click on it.
bool OnTradeIcon(const InputEvent& event)
{
    return ChosenAction({event.x, event.y, true}, 0) == kActionTrade;
}

}  // namespace

void CLongPress::Press(const InputEvent& press, uint32_t now)
{
    m_bHeld = press.button == kLeftButton && OnTradeIcon(press);
    m_nPressedAt = now;
}

void CLongPress::Drag(const InputEvent& drag)
{
    if (!OnTradeIcon(drag))
        m_bHeld = false;
}

bool CLongPress::Due(uint32_t now) const
{
    return m_bHeld && now - m_nPressedAt >= kHeldMilliseconds;
}
