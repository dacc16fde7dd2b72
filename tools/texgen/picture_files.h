// The generator's parts, each writing its share of the data folder.
#pragma once

#include <string>

// Each returns false when a file could not be written.
bool WriteBoardPictures(const std::string& folder);
bool WriteDeedCards(const std::string& folder);
bool WriteIcons(const std::string& folder);
bool WriteFontSheet(const std::string& folder);
