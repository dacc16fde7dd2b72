// printf-style formatting into a std::string, for the rules' own reports
// (broken rules, refused saves). Long results are cut at 255 bytes.
#pragma once

#include <string>

std::string TextFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Francs as the title deeds write them: 42.000 F.
std::string Francs(int amount);
