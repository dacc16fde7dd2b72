// Keeps every button press until a game step has read it.
//
// A press and its release can both arrive between two steps (an instant
// click, or a click made while a message is held). The rules only ever see
// the last event, so without the latch they would see the release alone and
// the click would be lost. A press therefore stays "down" for the rules
// until one step has run after it, even if the button is already up.
#pragma once

#include "frame.h"

class CMouseLatch {
public:
    void Press(int x, int y);
    void Release(int x, int y);
    // What the rules see: the held or unread press, else the last event.
    MouseEvent Seen() const;
    // A game step has run and read whatever press was waiting.
    void StepRead();

private:
    MouseEvent m_Press{};
    MouseEvent m_Last{};
    bool m_bHeld = false;
    bool m_bUnread = false;
};
