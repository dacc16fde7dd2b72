// The few instruments the game's sounds are made of: decaying tones and
// partials (bells, coins, metal), filtered noise (rattles, swishes, thuds)
// and sliding notes, mixed into one mono track.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

constexpr int kSampleRate = 22050;

// One partial of a struck sound: a multiple of the base frequency and its
// share of the loudness.
struct Partial {
    float ratio;
    float share;
};

class CTrack {
public:
    explicit CTrack(float seconds, uint32_t seed);

    // A struck sound: partials over `hz`, starting at `at` seconds, falling
    // to a third every `decay` seconds.
    void Strike(float at, float hz, float amplitude, float decay, std::initializer_list<Partial> partials);
    // A pure tone with the same fall.
    void Tone(float at, float hz, float amplitude, float decay);
    // Noise through a low-pass whose corner is `corner` Hz, falling as above.
    void Noise(float at, float amplitude, float decay, float corner);
    // Noise swelling for `rise` seconds then fading for `fall`, its corner
    // moving from `cornerFrom` to `cornerTo` Hz.
    void Swish(float at, float rise, float fall, float amplitude, float cornerFrom, float cornerTo);
    // A held note sliding from `hzFrom` to `hzTo` over `seconds`, with a
    // brass-like set of harmonics and a slight vibrato.
    void Slide(float at, float seconds, float hzFrom, float hzTo, float amplitude);
    // A short knock of wood: a low tone and a click of noise.
    void Knock(float at, float hz, float amplitude);

    // Scales the loudest sample to `peak` (of full scale), fades out the
    // last milliseconds and returns 16-bit samples.
    std::vector<int16_t> Finish(float peak) const;

    // A number in [0, 1) from the track's own sequence.
    float Random();

private:
    int Index(float seconds) const;
    float WhiteNoise();

    std::vector<float> m_Samples;
    uint32_t m_nState;
};
