// The two file formats the game reads: uncompressed true-colour Targa
// (24 bits, bottom row first) and the 24-bit Windows bitmap of the font.
#pragma once

#include <string>

class CCanvas;

// Both return false after printing why the file could not be written.
bool WriteTarga(const CCanvas& canvas, const char* path);
bool WriteBitmap(const CCanvas& canvas, const char* path);

// Writes "<folder>/<name>.tga".
bool SaveTarga(const CCanvas& canvas, const std::string& folder, const std::string& name);
