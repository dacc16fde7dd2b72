// The pattern of every timed movement: set the state for the elapsed
// fraction of the duration, draw, and repeat until the time is up; then set
// the final state. Frames are paced to about the display's refresh rather
// than drawn back to back, so a movement keeps its duration without keeping
// a core busy.
#pragma once

#include <functional>

#include "clock.h"

// Time between two frames of a movement: about a 60 Hz display's.
constexpr uint32_t kFrameMilliseconds = 16;

void RunTimed(CClock& clock, float seconds, const std::function<void(float)>& apply,
              const std::function<void()>& draw);
