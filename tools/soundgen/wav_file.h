// Writes mono 16-bit PCM samples as a WAV file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples, int rate);
