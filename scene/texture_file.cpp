#include "texture_file.h"

#include <GL/gl.h>

#include <cstdio>

#include "texture.h"

int LoadSceneTexture(uint32_t& name, const char* path)
{
    GLuint id = 0;
    glGenTextures(1, &id);
    name = id;
    CTexture texture;
    return texture.LoadTexture(path, id, 0, 0, 0);
}

void LoadOrReport(uint32_t& name, const char* path, const char* shown)
{
    if (!LoadSceneTexture(name, path))
        std::printf("Fichier %s introuvable\n", shown);
}
