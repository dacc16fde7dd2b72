// Amounts as the printed cards write them: "62.500 F".
#pragma once

#include <string>

std::string FormatFrancs(long amount);
