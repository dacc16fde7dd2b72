#include "sound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace {

// The sounds are written mono at this rate; the device plays them in stereo.
constexpr int kRate = 22050;
constexpr int kDeviceChannels = 2;
// About 23 ms: a sound starts with what it goes with on screen.
constexpr int kBufferSamples = 512;
constexpr int kCutFadeMs = 20;

int MixerVolume(int percent)
{
    return percent * MIX_MAX_VOLUME / 100;
}

// The audio libraries write their own lines to the error stream while they
// look for a device (ALSA lists every card it did not find); the one line
// the player reads is ours.
class CQuietErrors {
public:
    CQuietErrors() : m_nSaved(dup(STDERR_FILENO))
    {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~CQuietErrors()
    {
        if (m_nSaved < 0)
            return;
        dup2(m_nSaved, STDERR_FILENO);
        close(m_nSaved);
    }

private:
    int m_nSaved;
};

}  // namespace

CSound::~CSound()
{
    Close();
}

void CSound::Open(PathOf path, std::FILE* out)
{
    m_Path = std::move(path);
    m_pOut = out;
    if (!m_bMuted)
        Start();
}

void CSound::Start()
{
    if (m_bTried || !m_Path)
        return;
    m_bTried = true;
    if (!OpenDevice())
        return;
    m_bOpen = true;
    int rate = kRate;
    Uint16 format = AUDIO_S16SYS;
    int channels = kDeviceChannels;
    Mix_QuerySpec(&rate, &format, &channels);
    m_nBytesPerMs = std::max(1, rate * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format)) / 8 / 1000);
    LoadChunks();
    SetVolume(m_nVolume);
}

bool CSound::OpenDevice()
{
    const CQuietErrors quiet;
    // The game's own handlers end it on a signal, after a save.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Say(std::string("Pas de son : ") + SDL_GetError() + " ; la partie se joue en silence.");
        return false;
    }
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kDeviceChannels, kBufferSamples) != 0) {
        Say(std::string("Pas de son : ") + Mix_GetError() + " ; la partie se joue en silence.");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

// A missing file costs its own sound only; all of them are told in one line.
void CSound::LoadChunks()
{
    int missing = 0;
    std::string first;
    for (int k = 0; k < kSoundCount; ++k) {
        const SoundRow& row = SoundInfo(SoundAt(k));
        const std::string path = m_Path(row.file);
        m_Chunks[k] = Mix_LoadWAV(path.c_str());
        if (m_Chunks[k] != nullptr) {
            Mix_VolumeChunk(m_Chunks[k], MixerVolume(row.loudness));
            continue;
        }
        if (missing++ == 0)
            first = path;
    }
    if (missing > 0)
        Say("Sons introuvables : " + std::to_string(missing) + " sur " + std::to_string(kSoundCount) +
            ", dont " + first + " ; ils manqueront.");
}

void CSound::Say(const std::string& line)
{
    if (m_pOut == nullptr)
        return;
    std::fprintf(m_pOut, "%s\n", line.c_str());
    std::fflush(m_pOut);
}

void CSound::Close()
{
    if (!m_bOpen)
        return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : m_Chunks) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_bOpen = false;
}

void CSound::Play(SoundEvent event, uint32_t divisor)
{
    Mix_Chunk* chunk = m_Chunks[static_cast<int>(event)];
    if (m_bMuted || !m_bOpen || divisor == 0 || chunk == nullptr)
        return;
    const int whole = static_cast<int>(chunk->alen) / m_nBytesPerMs;
    const int ticks = divisor == 1 ? -1 : whole / static_cast<int>(divisor);
    Mix_PlayChannelTimed(-1, chunk, 0, ticks);
}

void CSound::Cut()
{
    if (m_bOpen)
        Mix_FadeOutChannel(-1, kCutFadeMs);
}

void CSound::SetMuted(bool muted)
{
    m_bMuted = muted;
    if (!muted)
        Start();
    if (muted && m_bOpen)
        Mix_HaltChannel(-1);
}

void CSound::SetVolume(int percent)
{
    m_nVolume = percent;
    if (m_bOpen)
        Mix_Volume(-1, MixerVolume(percent));
}
