// Where the pictures go: "<folder>/<name>.tga".
#pragma once

#include <string>

class CCanvas;

bool SaveTarga(const CCanvas& canvas, const std::string& folder, const std::string& name);

// Each writes its share of the data folder; false when a file failed.
bool WriteBoardPictures(const std::string& folder);
bool WriteDeedCards(const std::string& folder);
bool WriteIcons(const std::string& folder);
bool WriteFontSheet(const std::string& folder);
