// The bitmap font: 256 glyphs in a 16 × 16 grid read from "Textures/Font.bmp"
// into one texture, and one display list per glyph that draws a textured
// square and moves the pen right. Glyphs 0..127 are character set 0 and
// 128..255 set 1; in each set glyph k shows character k + 32.
//
// Text is laid out in a 640 × 480 space over the current viewport, y up; a
// glyph is 16 units square and the pen advances 14 units.
//
// Copies share the lists and the texture of the font they were copied from.
// Nothing is reference-counted: each object's destructor deletes the lists,
// and deleting names already deleted does nothing.
#pragma once

#include <cstdint>

struct ImageRGB;

class glText {
public:
    uint32_t m_nListBase;     // glyph i is list m_nListBase + i; 0 before Create
    uint32_t m_nFontTexture;  // 0 when the bitmap could not be read

    glText();
    virtual ~glText();
    glText& operator=(const glText& other);

    // Needs a current OpenGL context. Without the bitmap the lists are still
    // built and draw plain squares in the current colour.
    void Create();
    // Draws text (UTF-8) with the lower-left corner of its first glyph at
    // (x, y) in font space, in character set `set` (0 or 1). Leaves depth
    // testing on, texturing and lighting off, and the modelview matrix
    // selected. Sets no colour and no blending.
    // `scale` shrinks or grows the glyphs about (x, y).
    void Print(int x, int y, const char* text, int set, float scale = 1.0f);
    void DeleteLists();
    int LoadFontTexture();
    ImageRGB* LoadImageFile(const char* path);

private:
    void CallGlyphs(const char* text);
};
