#include "random.h"

#include <cstdlib>
#include <ctime>

CClockRandom::CClockRandom()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

int CClockRandom::Next()
{
    return std::rand() % 32768;
}

CSeededRandom::CSeededRandom(uint64_t seed) : m_nState(seed) {}

// SplitMix64: small, fast, and the same on every platform.
int CSeededRandom::Next()
{
    uint64_t z = (m_nState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<int>(z >> 49);  // the top 15 bits: 0..32767
}
