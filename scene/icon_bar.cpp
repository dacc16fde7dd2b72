#include "icon_bar.h"

#include <GL/gl.h>

#include <string>

#include "texture_file.h"

namespace {

struct IconEntry {
    const char* file;
    float x, y, z;         // the quad's place inside its list
    float yFrom, yTo;      // all are 3 wide; the mortgage icon is 5 tall
};

constexpr float kIconWidth = 3;

constexpr IconEntry kEntries[kIconCount] = {
    {"loupe.tga", -12.5f, -1.6f, -0.5f, 0, 3},
    {"options.tga", -12.2f, -1.6f, -0.5f, 0, 3},
    {"info.tga", -11.0f, -1.3f, -0.5f, 0, 3},
    {"trade.tga", -11.0f, -1.4f, -0.5f, 0, 3},
    {"construire.tga", -11.0f, -1.4f, -0.5f, 0, 3},
    {"hypotheque.tga", -10.5f, -1.4f, -0.5f, -1, 4},
};

// Each icon is placed from the one before it.
struct Move {
    float x, y;
};
constexpr Move kMoves[kIconCount] = {
    {-2.5f, 0}, {4, 0}, {2.5f, -0.2f}, {11, 0.2f}, {3.5f, 0}, {3.5f, 0},
};

void CompileIcon(const CIconBar::Icon& icon, const IconEntry& e)
{
    glNewList(icon.m_nList, GL_COMPILE);
    glPushMatrix();
    glTranslatef(e.x, e.y, e.z);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, icon.m_nTexture);
    glBegin(GL_QUADS);
    glNormal3f(0, 0, -1);
    glTexCoord2f(0, 0);
    glVertex3f(0, e.yFrom, 0);
    glTexCoord2f(1, 0);
    glVertex3f(kIconWidth, e.yFrom, 0);
    glTexCoord2f(1, 1);
    glVertex3f(kIconWidth, e.yTo, 0);
    glTexCoord2f(0, 1);
    glVertex3f(0, e.yTo, 0);
    glEnd();
    glPopMatrix();
    glEndList();
}

}  // namespace

void CIconBar::Build()
{
    for (Icon& icon : m_Icons)
        icon.m_nList = glGenLists(1);
    for (int i = 0; i < kIconCount; ++i) {
        const std::string path = std::string("textures\\") + kEntries[i].file;
        LoadOrReport(m_Icons[i].m_nTexture, path.c_str(), kEntries[i].file);
        CompileIcon(m_Icons[i], kEntries[i]);
    }
}

void CIconBar::Draw()
{
    if (m_Icons[0].m_nList == 0)
        return;
    glPushMatrix();
    for (int i = 0; i < kIconCount; ++i) {
        glTranslatef(kMoves[i].x, kMoves[i].y, 0);
        glCallList(m_Icons[i].m_nList);
    }
    glPopMatrix();
}
