#include "timed_loop.h"

#include <algorithm>

void RunTimed(CClock& clock, float seconds, const std::function<void(float)>& apply,
              const std::function<void()>& draw)
{
    const uint32_t start = clock.Milliseconds();
    const float duration = seconds * 1000.0f;
    const uint32_t end = start + static_cast<uint32_t>(duration);
    for (uint32_t now = start; static_cast<int32_t>(end - now) > 0; now = clock.Milliseconds()) {
        apply(static_cast<float>(now - start) / duration);
        draw();
        const uint32_t drawn = clock.Milliseconds() - now;
        const int32_t left = static_cast<int32_t>(end - clock.Milliseconds());
        if (drawn < kFrameMilliseconds && left > 0)
            clock.Sleep(std::min<uint32_t>(kFrameMilliseconds - drawn, left));
    }
    apply(1.0f);
}
