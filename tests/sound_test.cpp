// The generated sounds played for real on SDL's disk audio driver, which
// writes what the device would play into a file: a throw of the dice is
// heard there, and a muted game is not.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bourgade3d.h"
#include "game.h"
#include "game_random.h"
#include "sound.h"

namespace {

const std::string kFolder = SOUNDS_DIR;

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The loudest of the 16-bit samples from `from` on.
int Peak(const std::vector<uint8_t>& bytes, size_t from)
{
    int peak = 0;
    for (size_t at = from; at + 1 < bytes.size(); at += 2)
        peak = std::max(peak, std::abs(static_cast<int16_t>(bytes[at] | bytes[at + 1] << 8)));
    return peak;
}

// A game of two on the window's frame, which draws nothing here: its
// sounds are all that comes out.
class DiskAudio : public ::testing::Test {
protected:
    CCamera camera;
    CSteadyClock clock;
    CPace pace{clock};
    CFramePacer frames;
    CGameLog log{stdout};
    CPressReader presses;
    CSound sound;
    CBourgade3D table{FrameServices{camera, pace, frames, clock, log, presses, sound,
                                    [](const HeldLine*) {}, [] {}}};
    CGameRandom random;
    CGame game{table, random};
    // Its own file: the tests of a run may play at the same time.
    std::string output = testing::TempDir() + "disk_audio_" + std::to_string(getpid()) + ".raw";

    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        unlink(output.c_str());
        table.SetGame(&game);
    }

    // The loudest sample the device was given while the dice were thrown.
    int ThrowHeard(bool muted)
    {
        sound.Open([](const char* file) { return kFolder + "/" + file; }, nullptr);
        sound.SetMuted(muted);
        game.ThrowDice();
        clock.Sleep(200);
        sound.Close();
        const int peak = Peak(ReadAll(output), 0);
        unlink(output.c_str());
        return peak;
    }
};

}  // namespace

TEST_F(DiskAudio, AThrowOfTheDiceIsHeard)
{
    EXPECT_GT(ThrowHeard(false), 1000);
}

TEST_F(DiskAudio, AMutedGameIsSilent)
{
    EXPECT_EQ(ThrowHeard(true), 0);
}
