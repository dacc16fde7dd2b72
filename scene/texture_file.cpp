#include "texture_file.h"

#include <GL/gl.h>
#include <GL/glu.h>

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

void LoadSmoothOrReport(uint32_t& name, const char* path, const char* shown)
{
    GLuint id = 0;
    glGenTextures(1, &id);
    name = id;
    CTexture texture;
    if (!texture.LoadTexture(path, id, 1, 1, 0)) {
        std::printf("Fichier %s introuvable\n", shown);
        return;
    }
    glBindTexture(GL_TEXTURE_2D, id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gluBuild2DMipmaps(GL_TEXTURE_2D, texture.m_nFormat, texture.m_nWidth, texture.m_nHeight,
                      texture.m_nFormat, GL_UNSIGNED_BYTE, texture.m_pData);
}
