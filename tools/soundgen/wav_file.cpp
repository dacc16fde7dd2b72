#include "wav_file.h"

#include <fstream>

namespace {

// WAV numbers are little-endian whatever the machine.
void Put(std::ofstream& out, uint32_t value, int bytes)
{
    for (int k = 0; k < bytes; ++k)
        out.put(static_cast<char>((value >> (8 * k)) & 0xFF));
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples, int rate)
{
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    Put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    Put(out, 16, 4);  // the format chunk's size
    Put(out, 1, 2);   // PCM
    Put(out, 1, 2);   // mono
    Put(out, static_cast<uint32_t>(rate), 4);
    Put(out, static_cast<uint32_t>(rate * 2), 4);  // bytes a second
    Put(out, 2, 2);                                // bytes a sample
    Put(out, 16, 2);                               // bits a sample
    out.write("data", 4);
    Put(out, dataBytes, 4);
    for (int16_t sample : samples)
        Put(out, static_cast<uint16_t>(sample), 2);
    return static_cast<bool>(out);
}
