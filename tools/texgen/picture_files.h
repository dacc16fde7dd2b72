// The generator's parts, each writing its share of the data folder.
#pragma once

#include <string>

// Each returns false when a file could not be written.
bool WriteBoardPictures(const std::string& folder);
bool WriteDeedCards(const std::string& folder);
bool WriteIcons(const std::string& folder);
bool WriteFontSheet(const std::string& folder);
bool WriteTablePictures(const std::string& folder);
bool WriteStreetLabels(const std::string& folder);

// Writes the program's icon in the desktop's theme layout:
// "<folder>/<N>x<N>/apps/bourgade3d.png" for each size.
bool WriteAppIcons(const std::string& folder);
