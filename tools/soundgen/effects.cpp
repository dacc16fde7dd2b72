#include "effects.h"

#include "synth.h"

namespace {

// A struck metal bar (prison door, till bell): inharmonic partials.
const std::initializer_list<Partial> kBar = {{1.0f, 1.0f}, {2.76f, 0.5f}, {5.40f, 0.25f}, {8.93f, 0.12f}};
// A small bell: nearly harmonic, bright.
const std::initializer_list<Partial> kBell = {{1.0f, 1.0f}, {2.0f, 0.45f}, {3.0f, 0.2f}, {4.2f, 0.1f}};
// A coin: thin and high.
const std::initializer_list<Partial> kCoin = {{1.0f, 1.0f}, {2.76f, 0.6f}, {5.40f, 0.3f}};

constexpr float kPeak = 0.7f;

// Plastic dice tumbling on the board: clacks at uneven times, getting
// rarer as the dice slow down.
std::vector<int16_t> DiceRoll()
{
    CTrack track(0.45f, 11);
    float at = 0.0f;
    while (at < 0.40f) {
        const float loudness = 0.5f + 0.5f * track.Random();
        track.Strike(at, 1700.0f + 900.0f * track.Random(), loudness, 0.008f, kBell);
        track.Noise(at, loudness * 0.8f, 0.006f, 4000.0f);
        at += 0.025f + 0.05f * track.Random() * (1.0f + at * 3.0f);
    }
    return track.Finish(kPeak);
}

// The two dice coming to rest: two knocks.
std::vector<int16_t> DiceLand()
{
    CTrack track(0.16f, 12);
    track.Knock(0.0f, 900.0f, 1.0f);
    track.Knock(0.055f, 1100.0f, 0.7f);
    return track.Finish(kPeak);
}

// A pawn set down on the next square: soft, low.
std::vector<int16_t> Step()
{
    CTrack track(0.08f, 13);
    track.Knock(0.0f, 240.0f, 1.0f);
    track.Noise(0.0f, 0.3f, 0.01f, 800.0f);
    return track.Finish(0.5f);
}

// A till: the drawer's click, then its bell, twice.
std::vector<int16_t> Purchase()
{
    CTrack track(0.7f, 14);
    track.Noise(0.0f, 0.6f, 0.005f, 5000.0f);
    track.Knock(0.03f, 700.0f, 0.5f);
    track.Strike(0.06f, 1568.0f, 0.8f, 0.12f, kBell);
    track.Strike(0.16f, 2093.0f, 1.0f, 0.15f, kBell);
    return track.Finish(kPeak);
}

// Coins counted out one after another.
std::vector<int16_t> Rent()
{
    CTrack track(0.55f, 15);
    for (int k = 0; k < 6; ++k) {
        const float at = 0.065f * k + 0.015f * track.Random();
        track.Strike(at, 2600.0f + 1200.0f * track.Random(), 0.6f + 0.4f * track.Random(), 0.04f, kCoin);
    }
    return track.Finish(kPeak);
}

// A card slid off the deck and turned over.
std::vector<int16_t> Card()
{
    CTrack track(0.25f, 16);
    track.Swish(0.0f, 0.07f, 0.14f, 1.0f, 800.0f, 5000.0f);
    track.Noise(0.2f, 0.5f, 0.006f, 6000.0f);
    return track.Finish(0.6f);
}

// A heavy barred door slammed, then its lock.
std::vector<int16_t> Prison()
{
    CTrack track(0.9f, 17);
    track.Noise(0.0f, 1.0f, 0.02f, 1500.0f);
    track.Strike(0.0f, 142.0f, 1.0f, 0.18f, kBar);
    track.Strike(0.0f, 389.0f, 0.4f, 0.12f, kBar);
    track.Knock(0.55f, 800.0f, 0.6f);
    track.Knock(0.6f, 1200.0f, 0.4f);
    return track.Finish(kPeak);
}

// Out of prison: three notes going up.
std::vector<int16_t> Freed()
{
    CTrack track(0.5f, 18);
    track.Strike(0.0f, 523.0f, 0.8f, 0.1f, kBell);
    track.Strike(0.1f, 659.0f, 0.8f, 0.1f, kBell);
    track.Strike(0.2f, 784.0f, 1.0f, 0.12f, kBell);
    return track.Finish(0.6f);
}

// A hammer, twice.
std::vector<int16_t> House()
{
    CTrack track(0.25f, 19);
    track.Knock(0.0f, 330.0f, 1.0f);
    track.Knock(0.16f, 350.0f, 0.9f);
    return track.Finish(kPeak);
}

// Three blows of the hammer and a chord: a whole hotel.
std::vector<int16_t> Hotel()
{
    CTrack track(0.7f, 20);
    for (int k = 0; k < 3; ++k)
        track.Knock(0.11f * k, 330.0f + 20.0f * k, 0.9f);
    track.Strike(0.35f, 523.0f, 0.6f, 0.1f, kBell);
    track.Strike(0.35f, 659.0f, 0.5f, 0.1f, kBell);
    track.Strike(0.35f, 784.0f, 0.5f, 0.1f, kBell);
    return track.Finish(kPeak);
}

// A rubber stamp brought down on paper.
std::vector<int16_t> Mortgage()
{
    CTrack track(0.2f, 21);
    track.Noise(0.0f, 0.7f, 0.01f, 2500.0f);
    track.Strike(0.0f, 90.0f, 1.0f, 0.04f, {{1.0f, 1.0f}, {2.1f, 0.3f}});
    track.Noise(0.015f, 0.5f, 0.04f, 400.0f);
    return track.Finish(kPeak);
}

// The mortgage lifted: a bright chime going up.
std::vector<int16_t> Lift()
{
    CTrack track(0.45f, 22);
    track.Strike(0.0f, 880.0f, 0.8f, 0.08f, kBell);
    track.Strike(0.12f, 1320.0f, 1.0f, 0.1f, kBell);
    return track.Finish(0.6f);
}

// Everything lost: three notes sliding down, the last one long.
std::vector<int16_t> Bankruptcy()
{
    CTrack track(1.1f, 23);
    track.Slide(0.0f, 0.25f, 392.0f, 380.0f, 0.8f);
    track.Slide(0.28f, 0.25f, 370.0f, 358.0f, 0.8f);
    track.Slide(0.56f, 0.5f, 349.0f, 262.0f, 0.8f);
    return track.Finish(kPeak);
}

// The winner: a fanfare up the chord, the top note held.
std::vector<int16_t> Winner()
{
    CTrack track(1.4f, 24);
    track.Slide(0.0f, 0.11f, 523.0f, 523.0f, 0.7f);
    track.Slide(0.13f, 0.11f, 659.0f, 659.0f, 0.7f);
    track.Slide(0.26f, 0.11f, 784.0f, 784.0f, 0.7f);
    track.Slide(0.39f, 0.95f, 1047.0f, 1047.0f, 0.7f);
    track.Slide(0.39f, 0.95f, 523.0f, 523.0f, 0.35f);
    return track.Finish(kPeak);
}

// A screen opened or closed, an icon chosen.
std::vector<int16_t> Click()
{
    CTrack track(0.03f, 25);
    track.Tone(0.0f, 2000.0f, 0.6f, 0.004f);
    track.Noise(0.0f, 0.4f, 0.002f, 5000.0f);
    return track.Finish(0.4f);
}

using Recipe = std::vector<int16_t> (*)();

// In the order of SoundEvent.
const Recipe kRecipes[kSoundCount] = {
    DiceRoll, DiceLand, Step, Purchase, Rent, Card, Prison, Freed,
    House, Hotel, Mortgage, Lift, Bankruptcy, Winner, Click,
};

}  // namespace

std::vector<int16_t> MakeSound(SoundEvent event)
{
    return kRecipes[static_cast<int>(event)]();
}
