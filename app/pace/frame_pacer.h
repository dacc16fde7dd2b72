// When the window draws a frame: only once something visible has changed,
// and then at most about 60 times a second, so that a game waiting for a
// click rests instead of drawing the same picture again and again.
#pragma once

#include <cstdint>

class CFramePacer {
public:
    // Something visible changed: the next due moment draws a frame.
    void Changed() { m_bChanged = true; }
    // The game's visible state (its fingerprint) may differ from the one
    // the last frame showed.
    void Compare(uint64_t state)
    {
        if (state != m_nDrawnState)
            m_bChanged = true;
    }
    bool Pending() const { return m_bChanged; }
    // True when a change waits to be drawn and the last frame is old enough.
    bool Due(uint32_t now) const;
    // Milliseconds until a pending change is due; 0 when it is due now.
    uint32_t UntilDue(uint32_t now) const;
    // A frame was shown at `now`, of the game in `state`: it shows every
    // change made so far.
    void Drawn(uint32_t now, uint64_t state);
    uint64_t Frames() const { return m_nFrames; }

private:
    bool m_bChanged = true;
    uint32_t m_nLast = 0;
    uint64_t m_nDrawnState = 0;
    uint64_t m_nFrames = 0;
};
