// Loading one scene texture: a fresh texture name filled from a Targa file.
#pragma once

#include <cstdint>

// Creates a texture name into `name` and loads the Targa file at path into it
// with nearest filtering. Returns 1 on success, 0 when the file could not be
// read; the name then stays an empty texture.
int LoadSceneTexture(uint32_t& name, const char* path);

// As LoadSceneTexture, printing "Fichier <shown> introuvable" on failure.
void LoadOrReport(uint32_t& name, const char* path, const char* shown);

// As LoadOrReport, with mipmaps and smooth filtering: for pictures seen
// much smaller than they are drawn (text, the table towards the horizon).
void LoadSmoothOrReport(uint32_t& name, const char* path, const char* shown);
