// The recipe of every sound of the game, by its event.
#pragma once

#include <cstdint>
#include <vector>

#include "sound_table.h"

std::vector<int16_t> MakeSound(SoundEvent event);
