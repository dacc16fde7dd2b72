#include "frame_pacer.h"

namespace {

// About a 60 Hz display's refresh: drawing faster shows nothing more.
constexpr uint32_t kFrameMilliseconds = 16;

}  // namespace

bool CFramePacer::Due(uint32_t now) const
{
    return m_bChanged && UntilDue(now) == 0;
}

uint32_t CFramePacer::UntilDue(uint32_t now) const
{
    const uint32_t since = now - m_nLast;
    return m_nFrames == 0 || since >= kFrameMilliseconds ? 0 : kFrameMilliseconds - since;
}

void CFramePacer::Drawn(uint32_t now, uint64_t state)
{
    m_bChanged = false;
    m_nLast = now;
    m_nDrawnState = state;
    ++m_nFrames;
}
