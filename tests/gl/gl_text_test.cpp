// The bitmap font, drawn for real. The test font paints every glyph cell in
// its own colour: red from its column, green from its row.
#include <GL/gl.h>

#include "gl_test_env.h"
#include "gl_text.h"
#include "image_files.h"

namespace {

constexpr int kFontSide = 256;
constexpr int kCellSide = 16;
constexpr unsigned char kBlue = 77;
const Colour kBlack = {0, 0, 0};

unsigned char Shade(int cell) { return static_cast<unsigned char>(cell * 16 + 8); }

// A 256 × 256 bottom-up 24-bit bitmap; rows are 768 bytes, no filler.
Bytes CellFont()
{
    Bytes rows;
    for (int stored = 0; stored < kFontSide; ++stored)
        for (int x = 0; x < kFontSide; ++x)
            rows.insert(rows.end(), {kBlue, Shade((kFontSide - 1 - stored) / kCellSide), Shade(x / kCellSide)});
    BitmapHeader h;
    h.width = kFontSide;
    h.height = kFontSide;
    return BitmapFile(h, rows);
}

Colour Glyph(int glyph) { return FromBytes(Shade(glyph % 16), Shade(glyph / 16), kBlue); }

// The colour at a point of font space (640 × 480 over the 800 × 600 window).
Colour At(int x, int y) { return ReadColour({x * kGlWindowWidth / 640, y * kGlWindowHeight / 480}); }

class GlTextTest : public GlTest {
protected:
    CTempFolder m_Folder;
    CWorkingDirectory m_Here{m_Folder.Path()};
    glText m_Font;
};

// A text (or none) printed at (x, y) of font space, then a colour seen.
struct Printed { int x, y; const char* text; int set, seenX, seenY; Colour seen; };

TEST_F(GlTextTest, CharactersPickTheirCellThePenAdvancesFourteenUnitsAndCopiesShareTheLists)
{
    m_Folder.Write("textures/Font.bmp", CellFont());
    m_Font.Create();
    ASSERT_NE(m_Font.m_nFontTexture, 0u);
    const Printed printed[] = {
        {10, 10, "", 0, 18, 18, kBlack}, {100, 100, "A", 0, 108, 108, Glyph(33)},
        {300, 100, "A", 1, 308, 108, Glyph(161)}, {500, 300, " ", 0, 508, 308, Glyph(0)},
        {100, 300, "A", 5, 108, 308, Glyph(161)},  // drawn as set 1
        {300, 300, "A", -3, 308, 308, Glyph(33)},  // drawn as set 0
        // UTF-8 is read as the font's characters: "é" has its own cell.
        {100, 200, "é", 0, 108, 208, Glyph(100)},
        {100, 400, "ABCDE", 0, 101, 408, Glyph(33)},
        {0, 0, nullptr, 0, 121, 408, Glyph(34)},  // "B" spans 114 to 130
        {0, 0, nullptr, 0, 131, 408, Glyph(35)},  // "C" drawn over it from 128
        {0, 0, nullptr, 0, 170, 408, Glyph(37)},  // "E" covers 156 to 172
        {0, 0, nullptr, 0, 174, 408, kBlack}, {0, 0, nullptr, 0, 170, 417, kBlack},
    };
    for (const Printed& p : printed) {
        if (p.text)
            m_Font.Print(p.x, p.y, p.text, p.set);
        EXPECT_EQ(At(p.seenX, p.seenY), p.seen) << (p.text ? p.text : "") << " seen at " << p.seenX << "," << p.seenY;
    }
    // Copies share the lists and the texture; deleting them once frees them.
    glText copy;
    copy = m_Font;
    copy.Print(100, 100, "Z", 1);
    EXPECT_EQ(At(108, 108), Glyph('Z' - 32 + 128));
    m_Font.DeleteLists();
    EXPECT_FALSE(glIsList(copy.m_nListBase));
    EXPECT_FALSE(glIsList(copy.m_nListBase + 255));
}

// A missing file is named on the console; an empty one (whose report the
// reader's tests check) leaves the font without a texture.
TEST_F(GlTextTest, WithoutAReadableBitmapGlyphsArePlainSquares)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(m_Font.LoadImageFile("textures/none.bmp"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Fichier textures/none.bmp introuvable\n  textures/none.bmp : fichier absent\n");
    m_Folder.Write("textures/Font.bmp", {});
    m_Font.Create();
    EXPECT_EQ(m_Font.m_nFontTexture, 0u);
    EXPECT_TRUE(glIsList(m_Font.m_nListBase + 255));
    glColor3f(1, 1, 0);
    m_Font.Print(100, 100, "A", 0);
    EXPECT_EQ(At(108, 108), FromBytes(255, 255, 0));
}

}  // namespace
