// The presses as the rules read them.
//
// A press belongs to the moment it was made: the one step that runs after it
// reads it, whether the button is still down or already up, and no later
// step does. Between presses the rules see the pointer nowhere, so a pick or
// a question that begins later never takes an old click for its answer.
#pragma once

#include "frame.h"

// Lies on no zone of the window, with no button down.
constexpr MouseEvent kNowhere = {-1000, -1000, false};

class CPressReader {
public:
    void Press(const MouseEvent& press);
    // What the rules see in the coming step.
    MouseEvent Seen() const;
    bool Unread() const { return m_bUnread; }
    // A step has run and read whatever press was waiting.
    void StepRead() { m_bUnread = false; }

private:
    MouseEvent m_Press = kNowhere;
    bool m_bUnread = false;
};
