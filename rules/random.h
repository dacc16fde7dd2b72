// The one source of random numbers of the rules: dice, deck shuffles and the
// computer player's draws. The game's own source follows the C library;
// tests and tools inject a seeded one so that a game can be replayed.
#pragma once

#include <cstdint>

class CRandom {
public:
    virtual ~CRandom() = default;
    // A number from 0 to 32767.
    virtual int Next() = 0;
};

// The standard `rand`, seeded once from the clock in whole seconds when the
// source is made. Seeding again before a throw would repeat the last throw
// whenever two fall within the same second.
class CClockRandom : public CRandom {
public:
    CClockRandom();
    int Next() override;
};

// A repeatable sequence from a seed, so that a whole game follows from it.
class CSeededRandom : public CRandom {
public:
    explicit CSeededRandom(uint64_t seed);
    int Next() override;

private:
    uint64_t m_nState;
};
