// A press held on the exchange icon: the icon's click starts the exchange
// of one property as it always has, and a button still held on the icon a
// moment later asks for the trade screen instead.
#pragma once

#include <cstdint>

#include "input_event.h"

class CLongPress {
public:
    // How long the button stays down on the icon before it counts.
    static constexpr uint32_t kHeldMilliseconds = 600;

    // Only a left press on the exchange icon starts one.
    void Press(const InputEvent& press, uint32_t now);
    // A drag off the icon or a release ends it.
    void Drag(const InputEvent& drag);
    void Release() { m_bHeld = false; }
    // True once the button has been held long enough, until taken.
    bool Due(uint32_t now) const;
    void Take() { m_bHeld = false; }

private:
    bool m_bHeld = false;
    uint32_t m_nPressedAt = 0;
};
