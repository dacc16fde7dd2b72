#include "tooltips.h"

#include "game.h"

namespace {

// In the order of the rules' action zones.
const char* const kTooltips[kActionCount] = {
    "Vue de dessus (d)",
    "Options (o)",
    "Regarder une propriété (i)",
    "Lancer les dés (t)",
    "Lancer les dés (h)",
    "Échanger (q) ; appui long : échanges (e)",
    "Construire (b)",
    "Hypothéquer (m)",
    "Lever une hypothèque (u)",
};

}  // namespace

const char* TooltipAt(int x, int y)
{
    const int action = ChosenAction({x, y, true}, 0);
    return action == kNoAction ? nullptr : kTooltips[action];
}

bool InvitesAThrow(const char* tip)
{
    return tip == kTooltips[kActionThrow] || tip == kTooltips[kActionThrowRight];
}

void CHover::Move(int x, int y, uint32_t now)
{
    if (TooltipAt(x, y) != TooltipAt(m_nX, m_nY))
        m_nSince = now;
    m_nX = x;
    m_nY = y;
}

const char* CHover::Shown(uint32_t now) const
{
    return now - m_nSince >= kDelayMs ? TooltipAt(m_nX, m_nY) : nullptr;
}
