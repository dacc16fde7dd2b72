#include "synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTwoPi = 6.2831853f;
// A struck sound takes a few milliseconds to reach its loudest: no click.
constexpr float kAttackSeconds = 0.003f;
constexpr float kFadeOutSeconds = 0.008f;

// Loudness at `t` seconds after the strike of a sound that falls to a third
// every `decay` seconds (e^-1, near enough).
float Envelope(float t, float decay)
{
    const float attack = std::min(1.0f, t / kAttackSeconds);
    return attack * std::exp(-t / decay);
}

// Lasting until the sound is below a thousandth of its start.
float Audible(float decay)
{
    return decay * 7.0f;
}

}  // namespace

CTrack::CTrack(float seconds, uint32_t seed)
    : m_Samples(static_cast<size_t>(seconds * kSampleRate), 0.0f), m_nState(seed)
{
}

int CTrack::Index(float seconds) const
{
    return static_cast<int>(seconds * kSampleRate);
}

// A linear congruential sequence of our own: the same noise on every
// machine and every library.
float CTrack::Random()
{
    m_nState = m_nState * 1664525u + 1013904223u;
    return static_cast<float>(m_nState >> 8) / 16777216.0f;
}

float CTrack::WhiteNoise()
{
    return Random() * 2.0f - 1.0f;
}

void CTrack::Strike(float at, float hz, float amplitude, float decay, std::initializer_list<Partial> partials)
{
    const int first = Index(at);
    const int last = std::min(static_cast<int>(m_Samples.size()), first + Index(Audible(decay)));
    for (int i = first; i < last; ++i) {
        const float t = static_cast<float>(i - first) / kSampleRate;
        float sum = 0.0f;
        for (const Partial& p : partials)
            sum += p.share * std::sin(kTwoPi * hz * p.ratio * t);
        m_Samples[i] += amplitude * Envelope(t, decay) * sum;
    }
}

void CTrack::Tone(float at, float hz, float amplitude, float decay)
{
    Strike(at, hz, amplitude, decay, {{1.0f, 1.0f}});
}

void CTrack::Noise(float at, float amplitude, float decay, float corner)
{
    const float smoothing = 1.0f - std::exp(-kTwoPi * corner / kSampleRate);
    const int first = Index(at);
    const int last = std::min(static_cast<int>(m_Samples.size()), first + Index(Audible(decay)));
    float low = 0.0f;
    for (int i = first; i < last; ++i) {
        low += smoothing * (WhiteNoise() - low);
        m_Samples[i] += amplitude * Envelope(static_cast<float>(i - first) / kSampleRate, decay) * low;
    }
}

void CTrack::Swish(float at, float rise, float fall, float amplitude, float cornerFrom, float cornerTo)
{
    const int first = Index(at);
    const int count = Index(rise + fall);
    const int last = std::min(static_cast<int>(m_Samples.size()), first + count);
    float low = 0.0f;
    for (int i = first; i < last; ++i) {
        const float t = static_cast<float>(i - first) / kSampleRate;
        const float corner = cornerFrom + (cornerTo - cornerFrom) * t / (rise + fall);
        low += (1.0f - std::exp(-kTwoPi * corner / kSampleRate)) * (WhiteNoise() - low);
        const float swell = t < rise ? t / rise : 1.0f - (t - rise) / fall;
        m_Samples[i] += amplitude * swell * low;
    }
}

void CTrack::Slide(float at, float seconds, float hzFrom, float hzTo, float amplitude)
{
    const int first = Index(at);
    const int last = std::min(static_cast<int>(m_Samples.size()), first + Index(seconds));
    float phase = 0.0f;
    for (int i = first; i < last; ++i) {
        const float t = static_cast<float>(i - first) / kSampleRate;
        const float hz = (hzFrom + (hzTo - hzFrom) * t / seconds) * (1.0f + 0.006f * std::sin(kTwoPi * 5.5f * t));
        phase += kTwoPi * hz / kSampleRate;
        const float body = std::sin(phase) + 0.6f * std::sin(2 * phase) + 0.4f * std::sin(3 * phase) +
                           0.25f * std::sin(4 * phase);
        const float shape = std::min({1.0f, t / 0.01f, (seconds - t) / 0.03f});
        m_Samples[i] += amplitude * shape * body;
    }
}

void CTrack::Knock(float at, float hz, float amplitude)
{
    Strike(at, hz, amplitude, 0.012f, {{1.0f, 1.0f}, {2.3f, 0.4f}});
    Noise(at, amplitude * 0.6f, 0.004f, 3000.0f);
}

std::vector<int16_t> CTrack::Finish(float peak) const
{
    float loudest = 0.0f;
    for (float s : m_Samples)
        loudest = std::max(loudest, std::fabs(s));
    const float scale = loudest > 0.0f ? peak * 32767.0f / loudest : 0.0f;
    const int fade = Index(kFadeOutSeconds);
    const int size = static_cast<int>(m_Samples.size());
    std::vector<int16_t> out(m_Samples.size());
    for (int i = 0; i < size; ++i) {
        const float tail = std::min(1.0f, static_cast<float>(size - i) / fade);
        out[i] = static_cast<int16_t>(std::lround(m_Samples[i] * scale * tail));
    }
    return out;
}
