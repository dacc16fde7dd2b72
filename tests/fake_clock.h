// A clock that only moves when slept on, for the timed logic's tests.
#pragma once

#include "clock.h"

class CFakeClock : public CClock {
public:
    uint32_t now = 1000;
    uint32_t Milliseconds() override { return now; }
    void Sleep(uint32_t milliseconds) override { now += milliseconds; }
};
