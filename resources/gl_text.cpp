#include "gl_text.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "data_path.h"
#include "dib_image.h"
#include "font_characters.h"
#include "load_failure.h"

namespace {

const char kFontFile[] = "Textures/Font.bmp";
constexpr int kGlyphCount = 256;
constexpr int kGridSize = 16;
constexpr float kCell = 1.0f / kGridSize;
constexpr double kGlyphSize = 16.0;
constexpr double kAdvance = 14.0;
constexpr double kFontWidth = 640.0;
constexpr double kFontHeight = 480.0;
constexpr int kFirstCharacter = 32;
constexpr int kSetSize = 128;

}  // namespace

glText::glText() : m_nListBase(0), m_nFontTexture(0) {}

glText::~glText()
{
    DeleteLists();
}

glText& glText::operator=(const glText& other)
{
    m_nListBase = other.m_nListBase;
    m_nFontTexture = other.m_nFontTexture;
    return *this;
}

void glText::DeleteLists()
{
    // Before Create there are no lists, and names from 0 up are someone else's.
    if (m_nListBase != 0)
        glDeleteLists(m_nListBase, kGlyphCount);
}

// Without the font every text is a row of solid blocks, so a font that
// cannot be opened is reported too, naming the file as the program does;
// the second line gives the path tried and why, unless no data folder
// exists at all (the note at start has said so once).
ImageRGB* glText::LoadImageFile(const char* path)
{
    if (!path)
        return nullptr;
    const std::string file = DataPath(path);
    const bool anyFolder = AnyFolderExists(DataFolders());
    FILE* probe = std::fopen(file.c_str(), "r");
    if (!probe) {
        std::printf("Fichier %s introuvable\n", path);
        if (anyFolder)
            std::fputs(FailureLine(file, FileProblem(file)).c_str(), stdout);
        return nullptr;
    }
    std::fclose(probe);
    const char* error = nullptr;
    ImageRGB* image = LoadDIBImage(file.c_str(), &error);
    if (!image && anyFolder)
        std::fputs(FailureLine(file, BitmapFailure(file, error)).c_str(), stderr);
    return image;
}

int glText::LoadFontTexture()
{
    ImageRGB* image = LoadImageFile(kFontFile);
    if (!image)
        return 0;
    glGenTextures(1, &m_nFontTexture);
    glBindTexture(GL_TEXTURE_2D, m_nFontTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // The rows are packed with no filler; whatever alignment earlier loads
    // left must not make OpenGL read past the block.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->data);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    ReleaseImage(image);
    return 1;
}

void glText::Create()
{
    LoadFontTexture();
    m_nListBase = glGenLists(kGlyphCount);
    glBindTexture(GL_TEXTURE_2D, m_nFontTexture);
    for (int i = 0; i < kGlyphCount; ++i) {
        // Row 0 of the grid is the top of the picture, the last texture row.
        const float cx = float(i % kGridSize) / kGridSize;
        const float cy = float(i / kGridSize) / kGridSize;
        glNewList(m_nListBase + i, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(cx, 1 - cy - kCell);
        glVertex2d(0, 0);
        glTexCoord2f(cx + kCell, 1 - cy - kCell);
        glVertex2d(kGlyphSize, 0);
        glTexCoord2f(cx + kCell, 1 - cy);
        glVertex2d(kGlyphSize, kGlyphSize);
        glTexCoord2f(cx, 1 - cy);
        glVertex2d(0, kGlyphSize);
        glEnd();
        glTranslated(kAdvance, 0, 0);
        glEndList();
    }
}

void glText::CallGlyphs(const char* text)
{
    // Drawn in chunks from a fixed buffer: text is drawn every frame and
    // must not allocate. The pen position carries over from one chunk to
    // the next in the modelview matrix.
    char glyphs[128];
    while (*text) {
        GLsizei n = 0;
        while (*text && n < GLsizei(sizeof glyphs))
            glyphs[n++] = NextFontCharacter(text);
        // Unsigned: the accented letters are font characters from 128 on.
        glCallLists(n, GL_UNSIGNED_BYTE, glyphs);
    }
}

void glText::Print(int x, int y, const char* text, int set, float scale)
{
    set = set > 1 ? 1 : (set < 0 ? 0 : set);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glBindTexture(GL_TEXTURE_2D, m_nFontTexture);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, kFontWidth, 0, kFontHeight, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, 0);
    glScalef(scale, scale, 1);
    glListBase(m_nListBase - kFirstCharacter + kSetSize * set);
    if (text)
        CallGlyphs(text);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
}
