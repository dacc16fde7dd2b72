// The game's sounds, played through SDL2_mixer on the audio device alone
// (the window stays GLUT's). Sound never holds the game up: without a
// device, or when it fails to open, one line says so and the game plays
// silent; a muted game does not open the device until it is unmuted.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "sound_table.h"

struct Mix_Chunk;

class CSound {
public:
    // Gives the path of a sound file from its name in the table.
    using PathOf = std::function<std::string(const char* file)>;

    CSound() = default;
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;
    ~CSound();

    // Opens the device and loads the sounds, now or at the first unmute;
    // a failure is told on `out` in one line.
    void Open(PathOf path, std::FILE* out);
    void Close();

    // Plays an event's sound at a pace that divides every wait by
    // `divisor`: whole at 1, its first 1/divisor part above, none at 0.
    void Play(SoundEvent event, uint32_t divisor);
    // What the sounds went with was skipped: they fade out at once.
    void Cut();

    bool Muted() const { return m_bMuted; }
    void SetMuted(bool muted);
    void ToggleMute() { SetMuted(!m_bMuted); }
    int Volume() const { return m_nVolume; }
    void SetVolume(int percent);

private:
    void Start();
    bool OpenDevice();
    void LoadChunks();
    void Say(const std::string& line);

    PathOf m_Path;
    std::FILE* m_pOut = nullptr;
    bool m_bTried = false;
    bool m_bOpen = false;
    bool m_bMuted = false;
    int m_nVolume = kFullVolume;
    // The device's bytes of sound per millisecond, as the loaded sounds hold them.
    int m_nBytesPerMs = 1;
    Mix_Chunk* m_Chunks[kSoundCount] = {};
};
