#include "texture_file.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <string>

#include "data_path.h"
#include "load_failure.h"
#include "texture.h"

namespace {

int LoadInto(uint32_t& name, const char* path, CTexture& texture)
{
    GLuint id = 0;
    glGenTextures(1, &id);
    name = id;
    return texture.LoadTexture(path, id, 0, 0, 0);
}

}  // namespace

int LoadSceneTexture(uint32_t& name, const char* path)
{
    CTexture texture;
    return LoadInto(name, path, texture);
}

void ReportTextureFailure(const CTexture& texture, const char* path, const char* shown)
{
    std::printf("Fichier %s introuvable\n", shown);
    // With no data folder at all, the note at start has said where it
    // looked; thirty lines of "fichier absent" would add nothing.
    if (!AnyFolderExists(DataFolders()))
        return;
    const std::string tried = DataPath(path);
    std::fputs(FailureLine(tried, TargaFailure(tried, texture.m_nError)).c_str(), stdout);
}

void LoadOrReport(uint32_t& name, const char* path, const char* shown)
{
    CTexture texture;
    if (!LoadInto(name, path, texture))
        ReportTextureFailure(texture, path, shown);
}

void LoadSmoothOrReport(uint32_t& name, const char* path, const char* shown)
{
    GLuint id = 0;
    glGenTextures(1, &id);
    name = id;
    CTexture texture;
    if (!texture.LoadTexture(path, id, 1, 1, 0)) {
        ReportTextureFailure(texture, path, shown);
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
