// The sound generator: synthesises every sound of the game into a folder,
// one WAV file per event of the game's table.
// Usage: soundgen FOLDER
#include <cstdio>
#include <string>

#include "effects.h"
#include "synth.h"
#include "wav_file.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen FOLDER\n");
        return 2;
    }
    for (int k = 0; k < kSoundCount; ++k) {
        const SoundEvent event = SoundAt(k);
        const std::string path = std::string(argv[1]) + "/" + SoundInfo(event).file;
        if (!WriteWav(path, MakeSound(event), kSampleRate)) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
