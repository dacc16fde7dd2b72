// What the player's presses and keys do while a held message or a movement
// is under way: a click or the space bar skips it, '+' and '-' change the
// speed, Escape quits, and everything else waits for the end of the step.
#pragma once

#include "pace.h"

enum class WaitingInput {
    kSkip,    // ends the wait; the press or key is used up
    kKeep,    // acted on once the step is over, as if it came then
    kFaster,  // the next speed up
    kSlower,  // the next speed down
    kQuit,
};

// A press at window point (x, y). A press on the pending question's
// answers is kept: a skip never answers a question.
WaitingInput PressWhileWaiting(int x, int y, int inputMode);
WaitingInput KeyWhileWaiting(unsigned char key);

// The speed key's new speed, at any time; false for any other key.
bool SpeedAfterKey(unsigned char key, Speed current, Speed& next);

// The line shown for a while when the speed changes.
std::string SpeedNoticeText(Speed speed);
