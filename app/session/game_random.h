// The game's source of numbers: the clock's, as always, unless a seed is
// given on the command line; then the whole game follows from the seed and
// can be played again, throw for throw.
#pragma once

#include <cstdint>
#include <memory>

#include "random.h"

class CGameRandom : public CRandom {
public:
    void Seed(uint64_t seed) { m_pSeeded = std::make_unique<CSeededRandom>(seed); }
    int Next() override;

private:
    CClockRandom m_Clock;
    std::unique_ptr<CSeededRandom> m_pSeeded;
};
