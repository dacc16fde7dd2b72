// The two file formats the game reads: uncompressed true-colour Targa
// (24 bits, bottom row first) and the 24-bit Windows bitmap of the font.
#pragma once

class CCanvas;

// Both return false after printing why the file could not be written.
bool WriteTarga(const CCanvas& canvas, const char* path);
bool WriteBitmap(const CCanvas& canvas, const char* path);
