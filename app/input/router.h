// Where the player's presses and keys go.
//
// While a held message or a movement is under way a click or the space bar
// skips it, '+' and '-' change the speed, 's' mutes or unmutes the sound,
// Escape quits, and everything else
// waits in the queue for the end of the step. Whatever waited there acts
// only on the turn it was made in.
#pragma once

#include <cstdint>

#include "frame.h"
#include "input_event.h"

enum class WaitingInput {
    kSkip,    // ends the wait; the event is used up
    kKeep,    // handled once the step is over
    kAnswer,  // ends the wait, and is handled once the step is over
    kFaster,  // the next speed up
    kSlower,  // the next speed down
    kMute,    // the sound off, or on again
    kQuit,
    kDrop,  // means nothing now: a drag or the wheel while the view moves
};

// A press on the pending question's answers, or any press while the game
// waits for a pick, ends the wait and is kept for the rules: a skip never
// uses up an answer.
WaitingInput WhileWaiting(const InputEvent& event, int32_t inputMode);

// The key that mutes the sound, or brings it back.
constexpr unsigned char kMuteKey = 's';

// The speed key's direction at any time: +1, -1, or 0 for any other key.
int SpeedKeyStep(unsigned char key);

// The press handed to the rules. In a pick a right click means "not this":
// it lies beside every property, which leaves the pick.
MouseEvent PressForRules(const InputEvent& press, int32_t inputMode);

// A press or a key made on an earlier turn (kept through a hold that ended
// that turn) no longer acts on the game.
bool StillItsTurn(const InputEvent& event, int64_t turnNow);
