// Loading one scene texture: a fresh texture name filled from a Targa file.
#pragma once

#include <cstdint>

class CTexture;

// Creates a texture name into `name` and loads the Targa file at path into it
// with nearest filtering. Returns 1 on success, 0 when the file could not be
// read; the name then stays an empty texture.
int LoadSceneTexture(uint32_t& name, const char* path);

// Prints "Fichier <shown> introuvable" and, under it, the path tried and
// why the loader refused it.
void ReportTextureFailure(const CTexture& texture, const char* path, const char* shown);

// As LoadSceneTexture, reporting a failure with ReportTextureFailure.
void LoadOrReport(uint32_t& name, const char* path, const char* shown);

// As LoadOrReport, with mipmaps and smooth filtering: for pictures seen
// much smaller than they are drawn (text, the table towards the horizon).
void LoadSmoothOrReport(uint32_t& name, const char* path, const char* shown);
