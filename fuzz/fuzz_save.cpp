// libFuzzer target: any bytes as a save file, read as the game reads it.
// Each input is read twice: as it is, and signed with its right checksum,
// so that the reading of the fields and the states they make are reached
// too, not only the checksum's refusal. A state the reader accepts is then played for a few
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
    // Signed again in place of its own last checksum line, if it has one.
    const size_t last = text.rfind("\nchecksum ");
    const std::string body = last == std::string::npos ? text : text.substr(0, last + 1);
    ReadAndPlay(body + "checksum " + SaveChecksum(body) + "\n", size);
    return 0;
}
