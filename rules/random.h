// The one source of random numbers of the rules: dice, deck shuffles and the
// computer player's draws. The game's own source follows the C library;
// tests and tools inject a seeded one so that a game can be replayed.
#pragma once

#include <cstdint>

class CRandom {
public:
    virtual ~CRandom() = default;
    // Called before every throw of the dice and before the shuffle.
    virtual void Reseed() = 0;
    // A number from 0 to 32767.
    virtual int Next() = 0;
};

// The standard `rand`, seeded from the clock in whole seconds on Reseed.
class CClockRandom : public CRandom {
public:
    void Reseed() override;
    int Next() override;
};

// A repeatable sequence from a seed; Reseed leaves it running, so that a
// whole game follows from the one seed.
class CSeededRandom : public CRandom {
public:
    explicit CSeededRandom(uint64_t seed);
    void Reseed() override {}
    int Next() override;

private:
    uint64_t m_nState;
};
