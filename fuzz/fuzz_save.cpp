// libFuzzer target: any bytes as a save file, read as the game reads it.
// Each input is read twice: as it is, and signed with its right checksum,
// so that the reading of the fields is reached too and not only the
// checksum's refusal. A state the reader accepts is then played for a few
// steps: no file the reader lets through may crash the game.
#include <cstdint>
#include <string>

#include "frame.h"
#include "game.h"
#include "save_file.h"

namespace {

constexpr int kStepsAfterReading = 20;

void ReadAndPlay(const std::string& text, uint64_t seed)
{
    CNullFrame frame;
    CSeededRandom random(seed);
    CGame game(frame, random);
    GameHistory history;
    if (!ReadSave(text, game, history).empty())
        return;
    for (int i = 0; i < kStepsAfterReading && !game.gameOver; ++i)
        game.Step();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReadAndPlay(text, size);
    ReadAndPlay(text + "checksum " + SaveChecksum(text) + "\n", size);
    return 0;
}
