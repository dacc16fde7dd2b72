// The millisecond clock of the animations and the message hold, and the
// wait between two frames.
#pragma once

#include <cstdint>

class CClock {
public:
    virtual ~CClock() = default;
    // Milliseconds from an arbitrary start, growing with real time.
    virtual uint32_t Milliseconds() = 0;
    // Sleeps for about that many milliseconds.
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// The system's monotonic clock.
class CSteadyClock : public CClock {
public:
    uint32_t Milliseconds() override;
    void Sleep(uint32_t milliseconds) override;
};
